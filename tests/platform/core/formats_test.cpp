// Tests of number and date formats.
#include "coretestsupport.h"

#include <gtest/gtest.h>

using namespace rt;

TEST(FormatNumber, twoDecimalPatternsPadAndRound) {
    for (const char* pattern : {"0.00", "#0.00"}) {
        QString p = QString::fromLatin1(pattern);
        EXPECT_EQ(format(12.5, p), "12.50") << pattern;
        EXPECT_EQ(format(0.5, p), "0.50") << pattern;
        EXPECT_EQ(format(0, p), "0.00") << pattern;
        EXPECT_EQ(format(1234.567, p), "1234.57") << pattern;
        EXPECT_EQ(format(-3.2, p), "-3.20") << pattern;
    }
}

TEST(FormatNumber, halvesGoAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(format(2.675, QStringLiteral("0.00")), "2.68");
    EXPECT_EQ(format(1.005, QStringLiteral("0.00")), "1.01");
    EXPECT_EQ(format(0.125, QStringLiteral("#0.00")), "0.13");
    EXPECT_EQ(format(-0.125, QStringLiteral("#0.00")), "-0.13");
    EXPECT_EQ(format(9.995, QStringLiteral("0.00")), "10.00");
}

TEST(FormatNumber, zeroAfterRoundingHasNoSign) {
    EXPECT_EQ(format(-0.001, QStringLiteral("0.00")), "0.00");
}

TEST(FormatNumber, optionalThirdDecimal) {
    EXPECT_EQ(format(12.5, QStringLiteral("#0.00#")), "12.50");
    EXPECT_EQ(format(12.345, QStringLiteral("#0.00#")), "12.345");
    EXPECT_EQ(format(12.3456, QStringLiteral("#0.00#")), "12.346");
    EXPECT_EQ(format(2, QStringLiteral("#0.00#")), "2.00");
}

TEST(FormatNumber, thousandsSeparatorsAndUpToEightDecimals) {
    const QString pattern = QStringLiteral("###,###,##0.00######");
    EXPECT_EQ(format(1234.5, pattern), "1,234.50");
    EXPECT_EQ(format(0.123456789, pattern), "0.12345679");
    EXPECT_EQ(format(1234567.891, pattern), "1,234,567.891");
    EXPECT_EQ(format(123, pattern), "123.00");
    EXPECT_EQ(format(-1234567, pattern), "-1,234,567.00");
    EXPECT_EQ(format(1234567890123.0, pattern), "1,234,567,890,123.00");
    EXPECT_EQ(format(1234.5, QStringLiteral("###,###,##0.00")), "1,234.50");
}

TEST(FormatNumber, placeholdersDecideTheDigitsShown) {
    EXPECT_EQ(format(0.5, QStringLiteral("#.00")), ".50");
    EXPECT_EQ(format(7, QStringLiteral("0000")), "0007");
    EXPECT_EQ(format(7.6, QStringLiteral("#")), "8");
    EXPECT_EQ(format(1e20, QStringLiteral("0.00")), "100000000000000000000.00");
}

TEST(FormatNumber, numberTextsAreFormatted) {
    EXPECT_EQ(format(QStringLiteral("1234.5"), QStringLiteral("###,###,##0.00######")), "1,234.50");
    EXPECT_EQ(format(QStringLiteral(" 12 "), QStringLiteral("0.00")), "12.00");
    EXPECT_EQ(format(QStringLiteral("1,234.5"), QStringLiteral("#0.00")), "1234.50");
    EXPECT_EQ(format(true, QStringLiteral("0.00")), "-1.00");
}

TEST(FormatNumber, textThatIsNoNumberIsReturnedUnchanged) {
    for (const char* text : {"abc", "12abc", "", " ", "06/12/2026"})
        EXPECT_EQ(format(QString::fromLatin1(text), QStringLiteral("###,###,##0.00######")), text) << text;
}

TEST(FormatNumber, usesTheRegionalSeparators) {
    coretest::ScopedRegional region(coretest::commaDecimalRegional());
    EXPECT_EQ(format(1234.5, QStringLiteral("###,###,##0.00######")), "1.234,50");
    EXPECT_EQ(format(QStringLiteral("1.234,5"), QStringLiteral("0.00")), "1234,50");
}

TEST(FormatNumber, nullGivesEmptyText) {
    EXPECT_EQ(format(QVariant(), QStringLiteral("0.00")), "");
}

TEST(FormatDate, theSystemsDatePatterns) {
    const QDate date(2024, 3, 5);
    EXPECT_EQ(format(date, QStringLiteral("yyyy/mm/dd")), "2024/03/05");
    EXPECT_EQ(format(date, QStringLiteral("yyyymmdd")), "20240305");
    EXPECT_EQ(format(date, QStringLiteral("dd/mm/yyyy")), "05/03/2024");
    EXPECT_EQ(format(date, QStringLiteral("yyyy/mmm/dd")), "2024/Mar/05");
}

TEST(FormatDate, tokensIgnoreLetterCase) {
    const QDate date(2024, 11, 9);
    EXPECT_EQ(format(date, QStringLiteral("YYYY/MM/DD")), "2024/11/09");
    EXPECT_EQ(format(date, QStringLiteral("DD-Mmm-yy")), "09-Nov-24");
    EXPECT_EQ(format(date, QStringLiteral("d mmmm yyyy")), "9 November 2024");
}

TEST(FormatDate, everyEnglishMonthAbbreviation) {
    const char* expected[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(format(QDate(2024, month, 1), QStringLiteral("mmm")), expected[month - 1]);
}

TEST(FormatDate, timeOfDayIsLeftOut) {
    EXPECT_EQ(format(QDateTime(QDate(2024, 3, 5), QTime(14, 30)), QStringLiteral("yyyy/mm/dd")),
              "2024/03/05");
}

TEST(FormatDate, dateTextsAreFormatted) {
    EXPECT_EQ(format(QStringLiteral("06/12/2026"), QStringLiteral("yyyy/mm/dd")), "2026/12/06");
    EXPECT_EQ(format(QStringLiteral("2026-12-06"), QStringLiteral("dd/mm/yyyy")), "06/12/2026");
    EXPECT_EQ(format(QStringLiteral("2026-12-06 10:11:12"), QStringLiteral("yyyymmdd")), "20261206");
}

TEST(FormatDate, valueThatIsNoDateIsReturnedAsItsText) {
    for (const char* text : {"hello", "12", "32/01/2024", "1,234.50", ""})
        EXPECT_EQ(format(QString::fromLatin1(text), QStringLiteral("yyyy/mm/dd")), text) << text;
    EXPECT_EQ(format(12.5, QStringLiteral("yyyy/mm/dd")), "12.5");
}

TEST(Format, unknownPatternGivesTheValuesText) {
    EXPECT_EQ(format(12.5, QStringLiteral("hh:nn")), "12.5");
    EXPECT_EQ(format(QDate(2024, 3, 5), QStringLiteral("0.00")), "05/03/2024");
    EXPECT_EQ(format(QStringLiteral("x"), QString()), "x");
}
