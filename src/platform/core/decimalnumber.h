// A decimal number as sign, significant digits and point position, for exact decimal rounding and text.
#pragma once

#include <string>
#include <string_view>

namespace core {

// Value = (negative ? -1 : 1) * 0.d1d2...dn * 10^pointPosition, digits without leading or trailing zeros.
// Rounding on these digits rather than on the binary double is what makes 0.135 round up like the
// runtime does.
class DecimalNumber {
public:
    enum class Halves { ToEven, AwayFromZero };

    // Zero.
    DecimalNumber() = default;

    // A well-formed ASCII number: optional '-', digits with at most one '.', optional 'e' and exponent.
    static DecimalNumber parse(std::string_view ascii);
    // The double taken to the given count of significant digits.
    static DecimalNumber fromDouble(double value, int significantDigits = 15);

    DecimalNumber rounded(int decimals, Halves halves) const;
    // Overflow is error 6; an underflow gives zero.
    double toDouble() const;

    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }
    // Power of ten of the first significant digit (2 for 123.4); 0 for zero.
    int decimalExponent() const { return isZero() ? 0 : pointPosition_ - 1; }
    const std::string& digits() const { return digits_; }
    // Digits before the point, empty when the integer part is zero.
    std::string integerDigits() const;
    // Digits after the point, without trailing zeros.
    std::string fractionDigits() const;

private:
    void normalize();

    bool negative_ = false;
    std::string digits_;
    int pointPosition_ = 0;
};

} // namespace core
