// Amounts in words: tables of texts and the words each gives, and of texts refused with their error.
#include "output/amountinwords.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <gtest/gtest.h>

namespace {

using Spelled = std::initializer_list<std::pair<const char*, const char*>>;
using Refused = std::initializer_list<std::pair<qint64, std::initializer_list<const char*>>>;

// Runs every row through the function, naming the row that gives something else.
template <typename Function> void check(Function function, Spelled spelled, Refused refused = {}) {
    for (const auto& [text, words] : spelled)
        EXPECT_EQ(function(QString::fromLatin1(text)), QString::fromLatin1(words)) << '"' << text << '"';
    for (const auto& [error, texts] : refused)
        for (const char* text : texts) {
            qint64 number = 0;
            try {
                function(QString::fromLatin1(text));
            } catch (const core::RuntimeError& failure) {
                number = failure.number();
            }
            EXPECT_EQ(number, error) << '"' << text << '"';
        }
}

// clang-format off
TEST(ToWords, spellsEachAmountOfTheTableToTheBlank) {
    check(output::ToWords, {
        {"1234.50", "One Thousand  Two Hundred Thirty Four and Fifty Laari(s) Only."},
        {"1234.56", "One Thousand  Two Hundred Thirty Four and Fifty Six Laari(s) Only."},
        {"21.05", "Twenty One and Five Laari(s) Only."},
        {"115.00", "One Hundred Fifteen Only."}, {"500.00", "Five Hundred  Only."},
        {"1000.00", "One Thousand  Only."}, {"1200.00", "One Thousand  Two Hundred  Only."},
        {"1034.00", "One Thousand  Thirty Four Only."}, {"90.00", "Ninty Only."},
        {"2000500.25", "Two Million  Five Hundred  and Twenty Five Laari(s) Only."},
        {"0.75", " and Seventy Five Laari(s) Only."}, {"0.00", " Only."},
        // Round amounts and small ones.
        {"100.00", "One Hundred  Only."}, {"10", "Ten Only."}, {"20.00", "Twenty Only."},
        {"21.00", "Twenty One Only."}, {"1000000.00", "One Million  Only."},
        {"1000001.00", "One Million  One Only."}, {"1001000.00", "One Million  One Thousand  Only."},
        {"101101.00", "One Hundred One Thousand  One Hundred One Only."},
        {"710019.00", "Seven Hundred Ten Thousand  Nineteen Only."},
        // Laari alone.
        {"0.05", " and Five Laari(s) Only."}, {"0.50", " and Fifty Laari(s) Only."},
        {"0.01", " and One Laari(s) Only."}, {"0.99", " and Ninty Nine Laari(s) Only."},
        {"3.10", "Three and Ten Laari(s) Only."},
        // Rounded to the laari, halves to even on the decimal value, before anything is spelled.
        {"10.125", "Ten and Twelve Laari(s) Only."}, {"10.135", "Ten and Fourteen Laari(s) Only."},
        {"10.1251", "Ten and Thirteen Laari(s) Only."}, {"0.994", " and Ninty Nine Laari(s) Only."},
        {"0.995", "One Only."}, {"99.995", "One Hundred  Only."}, {"999.999", "One Thousand  Only."},
        {"0.004", " Only."}, {"-0.005", " Only."}, {"-0.00", " Only."},
        // Texts the regional conversion takes as numbers.
        {"1,234.50", "One Thousand  Two Hundred Thirty Four and Fifty Laari(s) Only."},
        {" 21.05 ", "Twenty One and Five Laari(s) Only."}, {"1e3", "One Thousand  Only."},
        {"+7.5", "Seven and Fifty Laari(s) Only."},
        // Beyond the millions each group keeps its own scale word.
        {"999999999.99", "Nine Hundred Ninty Nine Million  Nine Hundred Ninty Nine Thousand  Nine Hundred "
                         "Ninty Nine and Ninty Nine Laari(s) Only."},
        {"1000000000.00", "One Billion  Only."}, {"2000000005.00", "Two Billion  Five Only."},
        {"123456789012345", "One Hundred Twenty Three Trillion  Four Hundred Fifty Six Billion  Seven "
                            "Hundred Eighty Nine Million  Twelve Thousand  Three Hundred Forty Five Only."},
        {"999999999999999", "Nine Hundred Ninty Nine Trillion  Nine Hundred Ninty Nine Billion  Nine "
                            "Hundred Ninty Nine Million  Nine Hundred Ninty Nine Thousand  Nine Hundred "
                            "Ninty Nine Only."}},
        // No number, a negative amount, one thousand trillion and more.
        {{core::err::TypeMismatch, {"", " ", "abc", "12.5x", "1.2.3", "--1", "1,", "Rf 10.00"}},
         {core::err::InvalidCall, {"-0.01", "-0.006", "-5.00", "-1234.50"}},
         {core::err::Overflow, {"1000000000000000", "999999999999999.995", "1e20"}}});
}

TEST(UnitValue, spellsOneOrTwoDigitsAndRefusesAnythingElse) {
    check(output::UnitValue, {
        {"0", ""}, {"1", "One"}, {"2", "Two"}, {"3", "Three"}, {"4", "Four"}, {"5", "Five"}, {"6", "Six"},
        {"7", "Seven"}, {"8", "Eight"}, {"9", "Nine"}, {"10", "Ten"}, {"11", "Eleven"}, {"12", "Twelve"},
        {"13", "Thirteen"}, {"14", "Fourteen"}, {"15", "Fifteen"}, {"16", "Sixteen"}, {"17", "Seventeen"},
        {"18", "Eighteen"}, {"19", "Nineteen"}, {"20", "Twenty"},
        {"30", "Thirty"}, {"40", "Forty"}, {"90", "Ninty"}, {"21", "Twenty One"}, {"34", "Thirty Four"},
        {"58", "Fifty Eight"}, {"67", "Sixty Seven"}, {"73", "Seventy Three"}, {"86", "Eighty Six"},
        {"99", "Ninty Nine"}, {"05", "Five"}, {"00", ""}},
        {{core::err::InvalidCall, {"", "100", "005", "-5", " 5", "5 ", "4a", "x", "5.0"}}});
}
// clang-format on

TEST(ToWords, followsTheRegionalDecimalPointAndSeparator) {
    const core::Regional saved = core::regional();
    core::Regional continental = saved;
    continental.decimalPoint = QLatin1Char(',');
    continental.thousandsSeparator = QLatin1Char('.');
    core::setRegional(continental);
    check(output::ToWords,
          {{"1.234,56", "One Thousand  Two Hundred Thirty Four and Fifty Six Laari(s) Only."}});
    core::setRegional(saved);
}

} // namespace
