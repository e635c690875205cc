// Tests of dates read from values and texts and of the short date form.
#include "coretestsupport.h"

#include <gtest/gtest.h>

using coretest::errorNumberOf;
using namespace rt;

namespace {

QDateTime at(int year, int month, int day, QTime time = QTime(0, 0)) {
    return QDateTime(QDate(year, month, day), time);
}

QDateTime fromText(const char* text) {
    return toDateTime(QString::fromLatin1(text));
}

} // namespace

TEST(ToDateTime, regionalShortDateForm) {
    EXPECT_EQ(fromText("06/12/2026"), at(2026, 12, 6));
    EXPECT_EQ(fromText(" 6/2/2026 "), at(2026, 2, 6));
    EXPECT_EQ(fromText("06-12-2026"), at(2026, 12, 6));
}

TEST(ToDateTime, regionalFormWithAMonthName) {
    rt::Regional named;
    named.shortDateFormat = QStringLiteral("d MMM yyyy");
    coretest::ScopedRegional scoped(named);
    EXPECT_EQ(fromText("6 Dec 2026"), at(2026, 12, 6));
    EXPECT_EQ(fromText("6 Dec 2026 14:05:09"), at(2026, 12, 6, QTime(14, 5, 9)));
    EXPECT_EQ(format(QStringLiteral("25 Nov 2026"), QStringLiteral("yyyy/mm/dd")), "2026/11/25");
    EXPECT_EQ(shortDateText(at(2026, 12, 6)), "6 Dec 2026");
}

TEST(ToDateTime, monthNameFormOfTheModuleReadsBack) {
    EXPECT_EQ(fromText("2024/Mar/05"), at(2024, 3, 5));
    EXPECT_EQ(toDateTime(format(at(2026, 12, 6), QStringLiteral("yyyy/mmm/dd"))), at(2026, 12, 6));
}

TEST(ToDateTime, twoDigitYearsFallIn1930To2029) {
    EXPECT_EQ(fromText("06/12/26"), at(2026, 12, 6));
    EXPECT_EQ(fromText("06/12/29"), at(2029, 12, 6));
    EXPECT_EQ(fromText("06/12/30"), at(1930, 12, 6));
}

TEST(ToDateTime, timeOfDayAfterTheDate) {
    EXPECT_EQ(fromText("06/12/2026 14:05:09"), at(2026, 12, 6, QTime(14, 5, 9)));
    EXPECT_EQ(fromText("06/12/2026 7:05"), at(2026, 12, 6, QTime(7, 5)));
}

TEST(ToDateTime, isoLikeForms) {
    EXPECT_EQ(fromText("2026-12-06"), at(2026, 12, 6));
    EXPECT_EQ(fromText("2026/12/06"), at(2026, 12, 6));
    EXPECT_EQ(fromText("20261206"), at(2026, 12, 6));
    EXPECT_EQ(fromText("2026-12-06T14:05:09"), at(2026, 12, 6, QTime(14, 5, 9)));
    EXPECT_EQ(fromText("2026-12-06 14:05:09.123"), at(2026, 12, 6, QTime(14, 5, 9)));
}

TEST(ToDateTime, followsTheRegionalFieldOrder) {
    Regional monthFirst;
    monthFirst.shortDateFormat = QStringLiteral("MM/dd/yyyy");
    coretest::ScopedRegional region(monthFirst);
    EXPECT_EQ(fromText("12/06/2026"), at(2026, 12, 6));
    EXPECT_EQ(fromText("2026-12-06"), at(2026, 12, 6));
}

TEST(ToDateTime, datesAndDateTimesPassThrough) {
    EXPECT_EQ(toDateTime(QDate(2024, 3, 5)), at(2024, 3, 5));
    EXPECT_EQ(toDateTime(at(2024, 3, 5, QTime(1, 2, 3))), at(2024, 3, 5, QTime(1, 2, 3)));
}

TEST(ToDateTime, textThatIsNoDateIsTypeMismatch) {
    for (const char* text : {"", "abc", "31/02/2026", "2026-12", "06/12-2026", "06/12/2026 25:00",
                             "06/12/2026 10:5", "06/12/2026x", "123/12/2026", "06/12/20261", "1,234.50"})
        EXPECT_EQ(errorNumberOf([&] { fromText(text); }), err::TypeMismatch) << text;
    EXPECT_EQ(errorNumberOf([] { toDateTime(5); }), err::TypeMismatch);
}

TEST(ToDateTime, nullIsError94) {
    EXPECT_EQ(errorNumberOf([] { toDateTime(QVariant()); }), err::InvalidUseOfNull);
}

TEST(ShortDateText, timeShownOnlyWhenThereIsOne) {
    EXPECT_EQ(shortDateText(at(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(shortDateText(at(2024, 3, 5, QTime(14, 30))), "05/03/2024 14:30:00");
    EXPECT_EQ(shortDateText(at(2024, 3, 5, QTime(0, 0, 1))), "05/03/2024 00:00:01");
    EXPECT_EQ(shortDateText(QDateTime()), "");
}

TEST(ShortDateText, followsTheRegionalForm) {
    Regional iso;
    iso.shortDateFormat = QStringLiteral("yyyy-MM-dd");
    coretest::ScopedRegional region(iso);
    EXPECT_EQ(shortDateText(at(2024, 3, 5)), "2024-03-05");
}
