// Tests of the canonical date text and the reading of date literals.
#include "platform/ado/tsql/datetext.h"

#include "adotestsupport.h"

namespace {

std::optional<QString> canonicalFormOf(const char* text) {
    return tsql::canonicalFormOf(QString(text));
}

} // namespace

TEST(DateText, canonicalFormIsAlwaysComplete) {
    EXPECT_EQ(tsql::canonicalDateText(QDate(2026, 12, 6), QTime(0, 0)), "2026-12-06 00:00:00.000");
    EXPECT_EQ(tsql::canonicalDateText(QDateTime(QDate(2026, 1, 2), QTime(9, 5, 7, 45))),
              "2026-01-02 09:05:07.045");
}

TEST(DateText, theThreeDateSpellingsMeanTheSameDay) {
    for (const char* text : {"20261206", "2026/12/06", "2026-12-06", " 2026-12-06 ", "2026/12/6"})
        EXPECT_EQ(canonicalFormOf(text), QString("2026-12-06 00:00:00.000")) << text;
}

TEST(DateText, timeOfDayWithOptionalSecondsAndFraction) {
    EXPECT_EQ(canonicalFormOf("20261206 10:30"), QString("2026-12-06 10:30:00.000"));
    EXPECT_EQ(canonicalFormOf("2026-12-06 23:59:59"), QString("2026-12-06 23:59:59.000"));
    EXPECT_EQ(canonicalFormOf("2026-12-06T08:00:01.5"), QString("2026-12-06 08:00:01.500"));
    EXPECT_EQ(canonicalFormOf("2026-12-06 00:00:00.123"), QString("2026-12-06 00:00:00.123"));
}

TEST(DateText, textsThatAreNoDateAreRefused) {
    for (const char* text : {"", "soon", "20261301", "2026-02-30", "2026-12", "2026-12/06", "06/12/2026",
                             "2026-12-06 25:00", "2026-12-06 10", "2026-12-06x", "202612061"})
        EXPECT_FALSE(canonicalFormOf(text)) << text;
}

TEST(DateText, canonicalShapeIsRecognisedExactly) {
    EXPECT_TRUE(tsql::isCanonicalDateText(u"2026-12-06 10:30:00.000"));
    EXPECT_FALSE(tsql::isCanonicalDateText(u"2026-12-06 10:30:00"));
    EXPECT_FALSE(tsql::isCanonicalDateText(u"2026-12-06"));
    EXPECT_FALSE(tsql::isCanonicalDateText(u"2026-13-06 10:30:00.000"));
    EXPECT_FALSE(tsql::isCanonicalDateText(u"2026/12/06 10:30:00.000"));
}

TEST(DateText, parsedValueIsTheWallClockTime) {
    auto value = tsql::parseDateText(u"2026-03-29 02:30");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->date(), QDate(2026, 3, 29));
    EXPECT_EQ(value->time(), QTime(2, 30));
}
