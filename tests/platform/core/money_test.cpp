// Exact hundredths: the plain amounts typed, their texts and the range of their sums; exact amounts of the
// database rounded once.
#include "platform/core/conversions.h"
#include "platform/core/decimalvalue.h"
#include "platform/core/money.h"
#include "platform/core/runtimeerror.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using core::ExactAmount;
using core::Money;

std::optional<qint64> centsOf(const std::optional<Money>& amount) {
    return amount ? std::optional<qint64>(amount->cents()) : std::nullopt;
}

// A typed text is read as exact hundredths when it is a plain amount, and not at all when it is not.
TEST(PlainAmount, readsDigitsWithOnePointAndUpToTwoDecimalsAsExactHundredths) {
    const std::pair<const char*, qint64> read[] = {{"100", 10000}, {"100.5", 10050}, {"1.1", 110},
                                                   {"1.01", 101},  {"0.05", 5},      {".5", 50},
                                                   {"7.", 700},    {"0", 0},         {"0042", 4200}};
    // Leading zeros do not count against the twelve whole digits.
    EXPECT_EQ(centsOf(core::plainAmount("000000000000042")), 4200);
    EXPECT_EQ(centsOf(core::plainAmount("999999999999.99")), 99999999999999);
    for (const auto& [text, cents] : read)
        EXPECT_EQ(centsOf(core::plainAmount(text)), cents) << text;
    // Digits of other scripts (Arabic-Indic three, fullwidth seven) are no digits.
    for (const char* text :
         {"", ".", "5,000", "12,50", "12abc", " 5 0", "50 ", "1.2.3", "-50", "+50", "0.001", "1e308",
          "1000000000000", "1\u0663", "\uff17", "12.3x", "12.a5", "1.\u0663"})
        EXPECT_EQ(core::plainAmount(QString::fromUtf8(text)), std::nullopt) << text;
}

// Each row: hundredths, their text and their shortest text.
TEST(Money, writesHundredthsInFullAndShortest) {
    const std::tuple<qint64, const char*, const char*> rows[] = {
        {12, "0.12", "0.12"},
        {1250, "12.50", "12.5"},
        {1200, "12.00", "12"},
        {-25, "-0.25", "-0.25"},
        {0, "0.00", "0"},
        {100000, "1000.00", "1000"},
        {-5, "-0.05", "-0.05"},
        {-120, "-1.20", "-1.2"},
        {std::numeric_limits<qint64>::min(), "-92233720368547758.08", "-92233720368547758.08"}};
    for (const auto& [cents, text, shortest] : rows) {
        EXPECT_EQ(Money::fromCents(cents).text(), text) << cents;
        EXPECT_EQ(Money::fromCents(cents).shortestText(), shortest) << cents;
    }
}

TEST(Money, aSumBeyondTheRangeOfHundredthsIsAnOverflow) {
    const Money largest = Money::fromCents(std::numeric_limits<qint64>::max());
    const Money smallest = Money::fromCents(std::numeric_limits<qint64>::min());
    const Money cent = Money::fromCents(1);
    EXPECT_THROW(largest + cent, core::RuntimeError);
    EXPECT_THROW(smallest - cent, core::RuntimeError);
    Money total = largest;
    EXPECT_THROW(total += cent, core::RuntimeError);
    EXPECT_EQ((largest - cent + cent), largest);
}

// Each row: a document's amount, what other programs and the module's receipts settled on it, as the
// database gives them (doubles, numeric texts), and what is open on it in hundredths, worked out exactly and
// rounded once with halves away from zero.
TEST(ExactAmount, isWorkedOutExactlyAndRoundedOnce) {
    const struct {
        QVariant amount, elsewhere, receipts;
        qint64 cents;
    } rows[] = {{100.0, 33.335, 0.0, 6667},
                {100.0, 33.335, 66.67, -1},
                {100.0, 33.335, 66.66, 1},
                {0.3, 0.1, 0.2, 0},
                {QStringLiteral("66.665"), QStringLiteral("0"), 0, 6667},
                {QStringLiteral("-0.005"), 0.0, 0.0, -1},
                {QStringLiteral("999999999999.99"), 0.0, QStringLiteral("0.004"), 99999999999999},
                // the engine's numeric digits, beyond what a double keeps
                {core::decimalValue(core::DecimalNumber::parse("12345678901234.5651")),
                 core::decimalValue(core::DecimalNumber::parse("0.0001")), 0.0, 1234567890123457}};
    for (const auto& row : rows) {
        const ExactAmount open =
            ExactAmount::of(row.amount) - (ExactAmount::of(row.elsewhere) + ExactAmount::of(row.receipts));
        EXPECT_EQ(open.rounded().cents(), row.cents) << core::toText(row.amount).toStdString();
    }
    const auto errorOf = [](const QVariant& value) {
        try {
            ExactAmount::of(value);
        } catch (const core::RuntimeError& error) {
            return error.number();
        }
        return qint64(0);
    };
    EXPECT_EQ(errorOf(QVariant()), core::err::InvalidUseOfNull);
    EXPECT_EQ(errorOf(QStringLiteral("12abc")), core::err::TypeMismatch);
}

} // namespace
