// Tests of amounts in words: the voucher's worked amounts, numbers below one hundred, rounding and refusals.
#include "output/amountinwords.h"
#include "platform/core/coretestsupport.h"

#include <gtest/gtest.h>

using coretest::errorNumberOf;
using output::ToWords;
using output::UnitValue;

namespace {

struct Spelled {
    const char* amount;
    const char* words;
};

void PrintTo(const Spelled& spelled, std::ostream* out) {
    *out << '"' << spelled.amount << '"';
}

class VoucherAmount : public testing::TestWithParam<Spelled> {};

TEST_P(VoucherAmount, isSpelledToTheBlank) {
    EXPECT_EQ(ToWords(QString::fromLatin1(GetParam().amount)), QString::fromLatin1(GetParam().words));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedAmounts, VoucherAmount,
    testing::Values(Spelled{"1234.50", "One Thousand  Two Hundred Thirty Four and Fifty Laari(s) Only."},
                    Spelled{"1234.56", "One Thousand  Two Hundred Thirty Four and Fifty Six Laari(s) Only."},
                    Spelled{"21.05", "Twenty One and Five Laari(s) Only."},
                    Spelled{"115.00", "One Hundred Fifteen Only."}, Spelled{"500.00", "Five Hundred  Only."},
                    Spelled{"1000.00", "One Thousand  Only."},
                    Spelled{"1200.00", "One Thousand  Two Hundred  Only."},
                    Spelled{"1034.00", "One Thousand  Thirty Four Only."}, Spelled{"90.00", "Ninty Only."},
                    Spelled{"2000500.25", "Two Million  Five Hundred  and Twenty Five Laari(s) Only."},
                    Spelled{"0.75", " and Seventy Five Laari(s) Only."}, Spelled{"0.00", " Only."}));

INSTANTIATE_TEST_SUITE_P(
    RoundAndSmallAmounts, VoucherAmount,
    testing::Values(Spelled{"100.00", "One Hundred  Only."}, Spelled{"10", "Ten Only."},
                    Spelled{"20.00", "Twenty Only."}, Spelled{"21.00", "Twenty One Only."},
                    Spelled{"1000000.00", "One Million  Only."},
                    Spelled{"1000001.00", "One Million  One Only."},
                    Spelled{"1001000.00", "One Million  One Thousand  Only."},
                    Spelled{"101101.00", "One Hundred One Thousand  One Hundred One Only."},
                    Spelled{"710019.00", "Seven Hundred Ten Thousand  Nineteen Only."}));

INSTANTIATE_TEST_SUITE_P(LaariOnly, VoucherAmount,
                         testing::Values(Spelled{"0.05", " and Five Laari(s) Only."},
                                         Spelled{"0.50", " and Fifty Laari(s) Only."},
                                         Spelled{"0.01", " and One Laari(s) Only."},
                                         Spelled{"0.99", " and Ninty Nine Laari(s) Only."},
                                         Spelled{"3.10", "Three and Ten Laari(s) Only."}));

// Rounding is to the laari, halves to even on the decimal value, before anything is spelled.
INSTANTIATE_TEST_SUITE_P(
    RoundedFirst, VoucherAmount,
    testing::Values(Spelled{"10.125", "Ten and Twelve Laari(s) Only."},
                    Spelled{"10.135", "Ten and Fourteen Laari(s) Only."},
                    Spelled{"10.1251", "Ten and Thirteen Laari(s) Only."},
                    Spelled{"0.994", " and Ninty Nine Laari(s) Only."}, Spelled{"0.995", "One Only."},
                    Spelled{"99.995", "One Hundred  Only."}, Spelled{"999.999", "One Thousand  Only."},
                    Spelled{"0.004", " Only."}, Spelled{"-0.005", " Only."}, Spelled{"-0.00", " Only."}));

// Texts the regional conversion takes as numbers.
INSTANTIATE_TEST_SUITE_P(
    NumberTexts, VoucherAmount,
    testing::Values(Spelled{"1,234.50", "One Thousand  Two Hundred Thirty Four and Fifty Laari(s) Only."},
                    Spelled{" 21.05 ", "Twenty One and Five Laari(s) Only."},
                    Spelled{"1e3", "One Thousand  Only."},
                    Spelled{"+7.5", "Seven and Fifty Laari(s) Only."}));

// Beyond the millions each group keeps its own scale word.
INSTANTIATE_TEST_SUITE_P(
    LargeAmounts, VoucherAmount,
    testing::Values(Spelled{"999999999.99",
                            "Nine Hundred Ninty Nine Million  Nine Hundred Ninty Nine Thousand  Nine Hundred "
                            "Ninty Nine and Ninty Nine Laari(s) Only."},
                    Spelled{"1000000000.00", "One Billion  Only."},
                    Spelled{"2000000005.00", "Two Billion  Five Only."},
                    Spelled{"123456789012345",
                            "One Hundred Twenty Three Trillion  Four Hundred Fifty Six Billion  Seven "
                            "Hundred Eighty Nine Million  Twelve Thousand  Three Hundred Forty Five Only."},
                    Spelled{"999999999999999",
                            "Nine Hundred Ninty Nine Trillion  Nine Hundred Ninty Nine Billion  Nine "
                            "Hundred Ninty Nine Million  Nine Hundred Ninty Nine Thousand  Nine Hundred "
                            "Ninty Nine Only."}));

TEST(ToWords, followsTheRegionalDecimalPointAndSeparator) {
    coretest::ScopedRegional continental(coretest::commaDecimalRegional());
    EXPECT_EQ(ToWords(QStringLiteral("1.234,56")),
              QStringLiteral("One Thousand  Two Hundred Thirty Four and Fifty Six Laari(s) Only."));
}

TEST(ToWords, textThatIsNoNumberIsATypeMismatch) {
    for (const char* text : {"", " ", "abc", "12.5x", "1.2.3", "--1", "1,", "Rf 10.00"})
        EXPECT_EQ(errorNumberOf([&] { ToWords(QString::fromLatin1(text)); }), rt::err::TypeMismatch) << text;
}

TEST(ToWords, negativeAmountIsRefusedAsAnInvalidArgument) {
    for (const char* text : {"-0.01", "-0.006", "-5.00", "-1234.50"})
        EXPECT_EQ(errorNumberOf([&] { ToWords(QString::fromLatin1(text)); }), rt::err::InvalidCall) << text;
}

TEST(ToWords, amountBeyondTheTrillionsOverflows) {
    for (const char* text : {"1000000000000000", "999999999999999.995", "1e20"})
        EXPECT_EQ(errorNumberOf([&] { ToWords(QString::fromLatin1(text)); }), rt::err::Overflow) << text;
}

TEST(UnitValue, wordsUpToTwentyComeStraightFromTheTable) {
    const char* words[] = {"",         "One",     "Two",     "Three",     "Four",     "Five",     "Six",
                           "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
                           "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};
    for (int value = 0; value <= 20; ++value)
        EXPECT_EQ(UnitValue(QString::number(value)), QString::fromLatin1(words[value])) << value;
}

TEST(UnitValue, tensAloneHaveNoTrailingBlank) {
    EXPECT_EQ(UnitValue(QStringLiteral("30")), QStringLiteral("Thirty"));
    EXPECT_EQ(UnitValue(QStringLiteral("40")), QStringLiteral("Forty"));
    EXPECT_EQ(UnitValue(QStringLiteral("90")), QStringLiteral("Ninty"));
}

TEST(UnitValue, tensAndUnitsAreJoinedByOneBlank) {
    EXPECT_EQ(UnitValue(QStringLiteral("21")), QStringLiteral("Twenty One"));
    EXPECT_EQ(UnitValue(QStringLiteral("34")), QStringLiteral("Thirty Four"));
    EXPECT_EQ(UnitValue(QStringLiteral("58")), QStringLiteral("Fifty Eight"));
    EXPECT_EQ(UnitValue(QStringLiteral("67")), QStringLiteral("Sixty Seven"));
    EXPECT_EQ(UnitValue(QStringLiteral("73")), QStringLiteral("Seventy Three"));
    EXPECT_EQ(UnitValue(QStringLiteral("86")), QStringLiteral("Eighty Six"));
    EXPECT_EQ(UnitValue(QStringLiteral("99")), QStringLiteral("Ninty Nine"));
}

TEST(UnitValue, leadingZeroIsAllowed) {
    EXPECT_EQ(UnitValue(QStringLiteral("05")), QStringLiteral("Five"));
    EXPECT_EQ(UnitValue(QStringLiteral("00")), QString());
}

TEST(UnitValue, anythingButOneOrTwoDigitsIsAnInvalidArgument) {
    for (const char* text : {"", "100", "005", "-5", " 5", "5 ", "4a", "x", "5.0"})
        EXPECT_EQ(errorNumberOf([&] { UnitValue(QString::fromLatin1(text)); }), rt::err::InvalidCall) << text;
}

} // namespace
