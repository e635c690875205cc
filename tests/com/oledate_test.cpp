// Day counts as hosts pass dates, both ways and at the edges.
#include "platform/com/oledate.h"

#include <gtest/gtest.h>

using com::OleDate;

TEST(OleDate, dayZeroIsThirtiethDecember1899) {
    EXPECT_EQ(OleDate::toDateTime(0.0), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(OleDate::fromDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
}

TEST(OleDate, fractionIsTimeOfDay) {
    EXPECT_EQ(OleDate::toDateTime(45361.5), QDateTime(QDate(2024, 3, 10), QTime(12, 0)));
    EXPECT_DOUBLE_EQ(OleDate::fromDateTime(QDateTime(QDate(2024, 3, 10), QTime(18, 0))), 45361.75);
}

TEST(OleDate, beforeBaseDayWholeDaysCountBackAndFractionForward) {
    EXPECT_EQ(OleDate::toDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(OleDate::fromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(OleDate::toDateTime(-0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
}

TEST(OleDate, roundTripKeepsMilliseconds) {
    const QDateTime moment(QDate(2031, 7, 4), QTime(23, 59, 59, 999));
    EXPECT_EQ(OleDate::toDateTime(OleDate::fromDateTime(moment)), moment);
}

TEST(OleDate, invalidDateTimeReadsAsDayZero) {
    EXPECT_DOUBLE_EQ(OleDate::fromDateTime(QDateTime()), 0.0);
}

TEST(OleDate, rangeIsYear100ToYear9999) {
    EXPECT_TRUE(OleDate::inRange(-657434.0));
    EXPECT_FALSE(OleDate::inRange(-657435.0));
    EXPECT_TRUE(OleDate::inRange(2958465.99));
    EXPECT_FALSE(OleDate::inRange(2958466.0));
    EXPECT_FALSE(OleDate::inRange(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(OleDate::toDateTime(2958465.0).date(), QDate(9999, 12, 31));
    EXPECT_EQ(OleDate::toDateTime(-657434.0).date(), QDate(100, 1, 1));
}
