// Tests of regional settings, nulls, texts of values, truth values and trimming.
#include "coretestsupport.h"

#include <gtest/gtest.h>

using coretest::errorNumberOf;
using namespace rt;

TEST(Regional, defaultsAreDayMonthYearDotAndComma) {
    EXPECT_EQ(regional().shortDateFormat, "dd/MM/yyyy");
    EXPECT_EQ(regional().decimalPoint, QLatin1Char('.'));
    EXPECT_EQ(regional().thousandsSeparator, QLatin1Char(','));
}

TEST(Regional, settingsApplyProcessWide) {
    {
        coretest::ScopedRegional region(coretest::commaDecimalRegional());
        EXPECT_EQ(regional().decimalPoint, QLatin1Char(','));
        EXPECT_EQ(toText(0.5), "0,5");
    }
    EXPECT_EQ(toText(0.5), "0.5");
}

TEST(IsNull, invalidAndTypedNullValuesAreNull) {
    EXPECT_TRUE(isNull(QVariant()));
    EXPECT_TRUE(isNull(QVariant(QMetaType::fromType<int>())));
    EXPECT_TRUE(isNull(QVariant(QMetaType::fromType<QString>())));
    EXPECT_FALSE(isNull(QVariant(QStringLiteral(""))));
    EXPECT_FALSE(isNull(QVariant(0)));
}

TEST(ToText, nullIsError94) {
    EXPECT_EQ(errorNumberOf([] { toText(QVariant()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toText(QVariant(QMetaType::fromType<double>())); }), err::InvalidUseOfNull);
}

TEST(ToText, numbersInTheirShortestForm) {
    EXPECT_EQ(toText(42), "42");
    EXPECT_EQ(toText(qint64(-9000000000)), "-9000000000");
    EXPECT_EQ(toText(12.5), "12.5");
    EXPECT_EQ(toText(0.1 + 0.2), "0.3");
    EXPECT_EQ(toText(12.0), "12");
    EXPECT_EQ(toText(0.1f), "0.1");
}

TEST(ToText, boolsDatesAndTexts) {
    EXPECT_EQ(toText(true), "True");
    EXPECT_EQ(toText(false), "False");
    EXPECT_EQ(toText(QDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(toText(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))), "05/03/2024 09:07:03");
    EXPECT_EQ(toText(QStringLiteral(" as typed ")), " as typed ");
}

TEST(NullAsEmpty, nullGivesEmptyTextOthersTheirText) {
    EXPECT_EQ(nullAsEmpty(QVariant()), "");
    EXPECT_EQ(nullAsEmpty(QVariant(QMetaType::fromType<int>())), "");
    EXPECT_EQ(nullAsEmpty(5), "5");
    EXPECT_EQ(nullAsEmpty(QStringLiteral("x")), "x");
}

TEST(ToBool, wordsAndNumbers) {
    EXPECT_TRUE(toBool(QStringLiteral("True")));
    EXPECT_TRUE(toBool(QStringLiteral(" TRUE ")));
    EXPECT_FALSE(toBool(QStringLiteral("false")));
    EXPECT_TRUE(toBool(QStringLiteral("1")));
    EXPECT_FALSE(toBool(QStringLiteral("0")));
    EXPECT_TRUE(toBool(-1));
    EXPECT_TRUE(toBool(0.5));
    EXPECT_FALSE(toBool(0));
    EXPECT_TRUE(toBool(true));
}

TEST(ToBool, failures) {
    EXPECT_EQ(errorNumberOf([] { toBool(QStringLiteral("yes")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { toBool(QStringLiteral("")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { toBool(QVariant()); }), err::InvalidUseOfNull);
}

TEST(TrimBlanks, removesOnlySpacesAtBothEnds) {
    EXPECT_EQ(trimBlanks(QStringLiteral("  a b  ")), "a b");
    EXPECT_EQ(trimBlanks(QStringLiteral("\ta\t")), "\ta\t");
    EXPECT_EQ(trimBlanks(QStringLiteral(" \na")), "\na");
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), "");
    EXPECT_EQ(trimBlanks(QString()), "");
}
