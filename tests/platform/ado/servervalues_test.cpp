// Tests of the server's rules for isnumeric, convert to int, len, right, datediff and dateadd.
#include "platform/ado/tsql/servervalues.h"

#include "adotestsupport.h"

using tsql::DatePart;

namespace {

QDateTime at(const char* text) {
    return QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss");
}

} // namespace

// The texts the server calls numeric and those it does not.
const char* const numericTexts[] = {"12", " 12 ", "+ 1", "$-1", "-$1", "$24,23.43", "1e5",   "1d10", "+",
                                    ".",  ",",    "$",   "-",   "1.5", ".5",        "1,000", "1E-3", "£5"};
const char* const nonNumericTexts[] = {"",    " ",  "0x10",     "1 2", "1 .5", "+-",  "23$",
                                       "e10", "1e", "24.89.43", "abc", "12a",  "--1", "$$1"};

TEST(ServerIsNumeric, acceptsSignCurrencyCommasPointAndExponent) {
    for (const char* text : numericTexts)
        EXPECT_TRUE(tsql::isNumericText(QString::fromUtf8(text))) << text;
}

TEST(ServerIsNumeric, refusesInnerBlanksSecondSignsTrailingSymbolsAndBareExponents) {
    for (const char* text : nonNumericTexts)
        EXPECT_FALSE(tsql::isNumericText(QString::fromUtf8(text))) << text;
}

TEST(ServerConvertToInt, trimsBlanksAndReadsEmptyAsZero) {
    EXPECT_EQ(tsql::convertToInt(u" 12 "), 12);
    EXPECT_EQ(tsql::convertToInt(u""), 0);
    EXPECT_EQ(tsql::convertToInt(u"-7"), -7);
    EXPECT_EQ(tsql::convertToInt(u"+0042"), 42);
    EXPECT_EQ(tsql::convertToInt(u"-2147483648"), -2147483647 - 1);
}

TEST(ServerConvertToInt, refusesAnythingButSignAndDigits) {
    for (const char* text : {"12.5", "1e5", "$5", "1,000", "1 2", "abc", "- 5"}) {
        try {
            tsql::convertToInt(QString(text));
            ADD_FAILURE() << text << " converted";
        } catch (const tsql::ValueError& error) {
            EXPECT_EQ(error.message(),
                      QString("Conversion failed when converting the varchar value '%1' to data type int.")
                          .arg(text));
        }
    }
}

TEST(ServerConvertToInt, overflowBeyondThirtyTwoBitsIsRefused) {
    EXPECT_THROW(tsql::convertToInt(u"2147483648"), tsql::ValueError);
    EXPECT_THROW(tsql::convertToInt(u"99999999999999999999"), tsql::ValueError);
    EXPECT_THROW(tsql::convertToInt(3e9), tsql::ValueError);
}

TEST(ServerConvertToInt, numbersAreTruncatedTowardZero) {
    EXPECT_EQ(tsql::convertToInt(12.9), 12);
    EXPECT_EQ(tsql::convertToInt(-12.9), -12);
}

TEST(ServerLen, countsCharactersWithoutTrailingBlanks) {
    EXPECT_EQ(tsql::trimmedLength(u"RC-12 "), 5);
    EXPECT_EQ(tsql::trimmedLength(u"  a"), 3);
    EXPECT_EQ(tsql::trimmedLength(u""), 0);
    EXPECT_EQ(tsql::trimmedLength(u"   "), 0);
}

TEST(ServerRight, takesTheLastCharactersAndRefusesANegativeCount) {
    EXPECT_EQ(tsql::rightPart("RC-0007", 4), "0007");
    EXPECT_EQ(tsql::rightPart("RC-12 ", 2), "2 ");
    EXPECT_EQ(tsql::rightPart("abc", 10), "abc");
    EXPECT_EQ(tsql::rightPart("abc", 0), "");
    EXPECT_THROW(tsql::rightPart("abc", -1), tsql::ValueError);
}

TEST(ServerDatePart, namesAndAbbreviations) {
    EXPECT_EQ(tsql::datePartNamed(u"DAY"), DatePart::Day);
    EXPECT_EQ(tsql::datePartNamed(u"dd"), DatePart::Day);
    EXPECT_EQ(tsql::datePartNamed(u"mm"), DatePart::Month);
    EXPECT_EQ(tsql::datePartNamed(u"yyyy"), DatePart::Year);
    EXPECT_EQ(tsql::datePartNamed(u"mi"), DatePart::Minute);
    EXPECT_FALSE(tsql::datePartNamed(u"fortnight"));
}

TEST(ServerDateDiff, daysCountMidnightsCrossedNotElapsedTime) {
    EXPECT_EQ(tsql::dateDifference(DatePart::Day, at("2026-12-06 23:59:59"), at("2026-12-07 00:00:01")), 1);
    EXPECT_EQ(tsql::dateDifference(DatePart::Day, at("2026-12-07 00:00:01"), at("2026-12-06 23:59:59")), -1);
    EXPECT_EQ(tsql::dateDifference(DatePart::Day, at("2026-12-06 00:00:00"), at("2026-12-06 23:59:59")), 0);
    EXPECT_EQ(tsql::dateDifference(DatePart::Day, at("2026-12-06 00:00:00"), at("2026-12-11 00:00:00")), 5);
}

TEST(ServerDateDiff, otherPartsCountTheirBoundaries) {
    EXPECT_EQ(tsql::dateDifference(DatePart::Year, at("2026-12-31 23:00:00"), at("2027-01-01 00:00:00")), 1);
    EXPECT_EQ(tsql::dateDifference(DatePart::Month, at("2026-01-31 00:00:00"), at("2026-03-01 00:00:00")), 2);
    EXPECT_EQ(tsql::dateDifference(DatePart::Hour, at("2026-12-06 10:59:00"), at("2026-12-06 11:00:00")), 1);
    EXPECT_EQ(tsql::dateDifference(DatePart::Minute, at("2026-12-06 10:00:59"), at("2026-12-06 10:01:00")),
              1);
    EXPECT_EQ(tsql::dateDifference(DatePart::Second, at("2026-12-05 23:59:59"), at("2026-12-06 00:00:01")),
              2);
}

TEST(ServerDateAdd, keepsTheTimeOfDayAndClampsMonthEnds) {
    EXPECT_EQ(tsql::dateAdded(DatePart::Day, 10, at("2026-12-01 15:00:00")),
              QDateTime(QDate(2026, 12, 11), QTime(15, 0), Qt::UTC));
    EXPECT_EQ(tsql::dateAdded(DatePart::Day, -10, at("2026-12-01 15:00:00")).date(), QDate(2026, 11, 21));
    EXPECT_EQ(tsql::dateAdded(DatePart::Month, 1, at("2026-01-31 08:00:00")).date(), QDate(2026, 2, 28));
    EXPECT_EQ(tsql::dateAdded(DatePart::Hour, 25, at("2026-12-06 00:00:00")),
              QDateTime(QDate(2026, 12, 7), QTime(1, 0), Qt::UTC));
}
