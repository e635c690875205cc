// Tests of the decimal digits behind rounding and number texts.
#include "coretestsupport.h"
#include "platform/core/decimalnumber.h"

#include <gtest/gtest.h>

using rt::DecimalNumber;
using Halves = rt::DecimalNumber::Halves;

TEST(DecimalNumber, parseDropsLeadingAndTrailingZeros) {
    DecimalNumber number = DecimalNumber::parse("000123.4500");
    EXPECT_EQ(number.digits(), "12345");
    EXPECT_EQ(number.integerDigits(), "123");
    EXPECT_EQ(number.fractionDigits(), "45");
    EXPECT_EQ(number.decimalExponent(), 2);
}

TEST(DecimalNumber, parseKeepsZerosBetweenPointAndFirstDigit) {
    DecimalNumber number = DecimalNumber::parse("0.0012");
    EXPECT_EQ(number.integerDigits(), "");
    EXPECT_EQ(number.fractionDigits(), "0012");
    EXPECT_EQ(number.decimalExponent(), -3);
}

TEST(DecimalNumber, parseAppliesExponent) {
    EXPECT_EQ(DecimalNumber::parse("1.5e3").integerDigits(), "1500");
    EXPECT_EQ(DecimalNumber::parse("15e-3").fractionDigits(), "015");
    EXPECT_EQ(DecimalNumber::parse("-2E+2").toDouble(), -200.0);
}

TEST(DecimalNumber, negativeZeroIsPlainZero) {
    DecimalNumber number = DecimalNumber::parse("-0.000");
    EXPECT_TRUE(number.isZero());
    EXPECT_FALSE(number.isNegative());
    EXPECT_FALSE(DecimalNumber::fromDouble(-0.0).isNegative());
}

TEST(DecimalNumber, fromDoubleKeepsFifteenSignificantDigits) {
    EXPECT_EQ(DecimalNumber::fromDouble(0.1 + 0.2).digits(), "3");
    EXPECT_EQ(DecimalNumber::fromDouble(2.675).fractionDigits(), "675");
    EXPECT_EQ(DecimalNumber::fromDouble(1.0 / 3).digits(), std::string(15, '3'));
}

TEST(DecimalNumber, roundingCarriesThroughNines) {
    DecimalNumber number = DecimalNumber::parse("9.995").rounded(2, Halves::AwayFromZero);
    EXPECT_EQ(number.integerDigits(), "10");
    EXPECT_EQ(number.fractionDigits(), "");
    EXPECT_EQ(DecimalNumber::parse("0.995").rounded(2, Halves::ToEven).integerDigits(), "1");
}

TEST(DecimalNumber, roundingBelowTheFirstDigit) {
    EXPECT_TRUE(DecimalNumber::parse("0.0049").rounded(2, Halves::AwayFromZero).isZero());
    EXPECT_TRUE(DecimalNumber::parse("0.005").rounded(2, Halves::ToEven).isZero());
    EXPECT_EQ(DecimalNumber::parse("0.005").rounded(2, Halves::AwayFromZero).toDouble(), 0.01);
    EXPECT_EQ(DecimalNumber::parse("0.0051").rounded(2, Halves::ToEven).toDouble(), 0.01);
}

TEST(DecimalNumber, halvesFollowTheChosenRule) {
    EXPECT_EQ(DecimalNumber::parse("2.5").rounded(0, Halves::ToEven).toDouble(), 2.0);
    EXPECT_EQ(DecimalNumber::parse("2.5").rounded(0, Halves::AwayFromZero).toDouble(), 3.0);
    EXPECT_EQ(DecimalNumber::parse("-2.5").rounded(0, Halves::AwayFromZero).toDouble(), -3.0);
    EXPECT_EQ(DecimalNumber::parse("2.500001").rounded(0, Halves::ToEven).toDouble(), 3.0);
}

TEST(DecimalNumber, toDoubleOverflowIsError6AndUnderflowIsZero) {
    EXPECT_EQ(coretest::errorNumberOf([] { DecimalNumber::parse("1e309").toDouble(); }), rt::err::Overflow);
    EXPECT_EQ(coretest::errorNumberOf([] { DecimalNumber::parse("1e99999999999").toDouble(); }),
              rt::err::Overflow);
    EXPECT_EQ(DecimalNumber::parse("1e-400").toDouble(), 0.0);
    EXPECT_EQ(DecimalNumber::parse("1.7976931348623157e308").toDouble(), 1.7976931348623157e308);
}
