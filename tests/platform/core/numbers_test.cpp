// Tests of reading numbers, integer and double conversions, number texts, rounding and division.
#include "coretestsupport.h"

#include <gtest/gtest.h>

#include <QDate>

using coretest::errorNumberOf;
using namespace rt;

TEST(Val, blanksAnywhereAreSkipped) {
    EXPECT_EQ(val(QStringLiteral("1 2")), 12.0);
    EXPECT_EQ(val(QStringLiteral("  1 2 . 5  ")), 12.5);
    EXPECT_EQ(val(QStringLiteral("- 3")), -3.0);
    EXPECT_EQ(val(QStringLiteral("\t7\n")), 7.0);
}

TEST(Val, commaEndsTheNumber) {
    EXPECT_EQ(val(QStringLiteral("1,5")), 1.0);
    EXPECT_EQ(val(QStringLiteral("1,234.50")), 1.0);
}

TEST(Val, dotIsTheOnlyDecimalPointWhateverTheRegion) {
    coretest::ScopedRegional region(coretest::commaDecimalRegional());
    EXPECT_EQ(val(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(val(QStringLiteral("12,5")), 12.0);
}

TEST(Val, exponentIsReadOnlyWithDigits) {
    EXPECT_EQ(val(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(val(QStringLiteral("2.5E-2")), 0.025);
    EXPECT_EQ(val(QStringLiteral("1 e 2")), 100.0);
    EXPECT_EQ(val(QStringLiteral("4e")), 4.0);
    EXPECT_EQ(val(QStringLiteral("4e+x")), 4.0);
}

TEST(Val, numberStopsAtTheFirstForeignCharacter) {
    EXPECT_EQ(val(QStringLiteral("12abc")), 12.0);
    EXPECT_EQ(val(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(val(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(val(QStringLiteral("+7")), 7.0);
}

TEST(Val, noNumberGivesZero) {
    for (const char* text : {"", "abc", ".", "-", "--3", "e5", "$5"})
        EXPECT_EQ(val(QString::fromLatin1(text)), 0.0) << text;
}

TEST(Val, nullFailsWithError94) {
    EXPECT_EQ(errorNumberOf([] { val(QVariant()); }), err::InvalidUseOfNull);
}

TEST(Val, valuesAreReadThroughTheirText) {
    EXPECT_EQ(val(QVariant(QStringLiteral("3 4"))), 34.0);
    EXPECT_EQ(val(QVariant(12.5)), 12.5);
    EXPECT_EQ(val(QVariant(true)), 0.0);
}

TEST(Val, hugeExponentOverflowsTinyOneIsZero) {
    EXPECT_EQ(errorNumberOf([] { val(QStringLiteral("1e999")); }), err::Overflow);
    EXPECT_EQ(val(QStringLiteral("1e-999")), 0.0);
}

TEST(ToInteger, roundsHalvesToEven) {
    EXPECT_EQ(toInt32(2.5), 2);
    EXPECT_EQ(toInt32(3.5), 4);
    EXPECT_EQ(toInt32(-2.5), -2);
    EXPECT_EQ(toInt32(0.5), 0);
    EXPECT_EQ(toInt16(QStringLiteral("1.5")), 2);
    EXPECT_EQ(toInt16(2.51), 3);
}

TEST(ToInteger, acceptsRegionalTextWithBlanksAroundAndThousands) {
    EXPECT_EQ(toInt32(QStringLiteral(" 1,234 ")), 1234);
    EXPECT_EQ(toInt32(QStringLiteral("-42")), -42);
    EXPECT_EQ(toInt16(QStringLiteral("05")), 5);
}

TEST(ToInteger, textThatIsNoNumberIsTypeMismatch) {
    for (const char* text : {"", " ", "abc", "12abc", "1 2", "1,,2", "1,", ",5", "1.2.3", "- 5"})
        EXPECT_EQ(errorNumberOf([&] { toInt32(QString::fromLatin1(text)); }), err::TypeMismatch) << text;
}

TEST(ToInteger, sixteenBitRangeChecksTheRoundedValue) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(errorNumberOf([] { toInt16(32767.5); }), err::Overflow);
    EXPECT_EQ(errorNumberOf([] { toInt16(-32769); }), err::Overflow);
    EXPECT_EQ(errorNumberOf([] { toInt16(QStringLiteral("40000")); }), err::Overflow);
}

TEST(ToInteger, thirtyTwoBitRange) {
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(errorNumberOf([] { toInt32(2147483648.0); }), err::Overflow);
    EXPECT_EQ(errorNumberOf([] { toInt32(QVariant(qint64(1) << 40)); }), err::Overflow);
}

TEST(ToInteger, boolIsMinusOneOrZero) {
    EXPECT_EQ(toInt16(true), -1);
    EXPECT_EQ(toInt32(false), 0);
}

TEST(ToInteger, nullIsError94AndDateIsTypeMismatch) {
    EXPECT_EQ(errorNumberOf([] { toInt32(QVariant()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toInt16(QVariant(QMetaType::fromType<int>())); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toInt32(QDate(2024, 3, 5)); }), err::TypeMismatch);
}

TEST(ToDouble, readsRegionalNumbers) {
    EXPECT_EQ(toDouble(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_EQ(toDouble(QStringLiteral(" -0.25 ")), -0.25);
    EXPECT_EQ(toDouble(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(toDouble(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(toDouble(QStringLiteral("5.")), 5.0);
    EXPECT_EQ(toDouble(qint64(-9000000000)), -9e9);
}

TEST(ToDouble, followsTheRegionalSeparators) {
    coretest::ScopedRegional region(coretest::commaDecimalRegional());
    EXPECT_EQ(toDouble(QStringLiteral("1.234,5")), 1234.5);
    EXPECT_EQ(toDouble(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(toDouble(QStringLiteral("1.5")), 15.0);
    EXPECT_EQ(errorNumberOf([] { toDouble(QStringLiteral("1,5,0")); }), err::TypeMismatch);
}

TEST(ToDouble, failures) {
    for (const char* text : {"", "1.2.3", "$5", "1e", "12 kg"})
        EXPECT_EQ(errorNumberOf([&] { toDouble(QString::fromLatin1(text)); }), err::TypeMismatch) << text;
    EXPECT_EQ(errorNumberOf([] { toDouble(QVariant()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toDouble(QStringLiteral("1e999")); }), err::Overflow);
}

TEST(IsNumeric, trueWhereDoubleConversionSucceeds) {
    for (const QVariant& value : {QVariant(QStringLiteral(" 12.5 ")), QVariant(QStringLiteral("1,234")),
                                  QVariant(QStringLiteral("-3")), QVariant(5), QVariant(0.5), QVariant(true)})
        EXPECT_TRUE(isNumeric(value)) << value.toString().toStdString();
}

TEST(IsNumeric, falseForEmptyTextNullDatesAndOverflow) {
    for (const QVariant& value : {QVariant(QString()), QVariant(QStringLiteral("abc")), QVariant(),
                                  QVariant(QDate(2024, 3, 5)), QVariant(QStringLiteral("1e999"))})
        EXPECT_FALSE(isNumeric(value)) << value.toString().toStdString();
}

TEST(NumberText, shortestGeneralForm) {
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(12.5), "12.5");
    EXPECT_EQ(numberText(100), "100");
    EXPECT_EQ(numberText(-0.25), "-0.25");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
}

TEST(NumberText, fifteenSignificantDigits) {
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(numberText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(0.0001), "0.0001");
}

TEST(NumberText, exponentOnlyForExtremeMagnitudes) {
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(-2.5e20), "-2.5E+20");
    EXPECT_EQ(numberText(1.5e-7), "1.5E-07");
    EXPECT_EQ(numberText(1e-100), "1E-100");
}

TEST(NumberText, usesTheRegionalDecimalPoint) {
    coretest::ScopedRegional region(coretest::commaDecimalRegional());
    EXPECT_EQ(numberText(1234.5), "1234,5");
    EXPECT_EQ(numberText(2.5e-9), "2,5E-09");
}

TEST(RoundHalfEven, halvesGoToTheEvenNeighbourOnTheDecimalValue) {
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.135, 2), 0.14);
    EXPECT_EQ(roundHalfEven(-0.125, 2), -0.12);
    EXPECT_EQ(roundHalfEven(1.005, 2), 1.0);
    EXPECT_EQ(roundHalfEven(2.5, 0), 2.0);
    EXPECT_EQ(roundHalfEven(3.5, 0), 4.0);
}

TEST(RoundHalfEven, nonHalvesRoundToTheNearest) {
    EXPECT_EQ(roundHalfEven(12.344, 2), 12.34);
    EXPECT_EQ(roundHalfEven(12.346, 2), 12.35);
    EXPECT_EQ(roundHalfEven(9.996, 2), 10.0);
    EXPECT_EQ(roundHalfEven(1.5, 4), 1.5);
    EXPECT_EQ(roundHalfEven(12.5 * 1.1, 2), 13.75);
}

TEST(Divide, quotientOrError) {
    EXPECT_EQ(divide(1, 4), 0.25);
    EXPECT_EQ(divide(-9, 3), -3.0);
    EXPECT_EQ(errorNumberOf([] { divide(1, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorNumberOf([] { divide(0, 0); }), err::DivisionByZero);
    EXPECT_EQ(errorNumberOf([] { divide(1e308, 1e-308); }), err::Overflow);
}
