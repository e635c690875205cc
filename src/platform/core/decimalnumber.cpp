// Decimal digits of numbers: reading, rounding and conversion back to double.
#include "decimalnumber.h"

#include "runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace core {

namespace {

// Far beyond any double, small enough that adding it to a point position cannot overflow an int.
constexpr int exponentLimit = 100000;

int readExponent(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    int exponent = 0;
    for (char c : text)
        exponent = std::min(exponent * 10 + (c - '0'), exponentLimit);
    return negative ? -exponent : exponent;
}

} // namespace

DecimalNumber DecimalNumber::parse(std::string_view ascii) {
    DecimalNumber number;
    if (!ascii.empty() && ascii.front() == '-') {
        number.negative_ = true;
        ascii.remove_prefix(1);
    }
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < ascii.size() && ascii[i] != 'e' && ascii[i] != 'E'; ++i) {
        char c = ascii[i];
        if (c == '.') {
            afterPoint = true;
        } else if (number.digits_.empty() && c == '0') {
            if (afterPoint) --number.pointPosition_;
        } else {
            number.digits_ += c;
            if (!afterPoint) ++number.pointPosition_;
        }
    }
    if (i < ascii.size()) number.pointPosition_ += readExponent(ascii.substr(i + 1));
    number.normalize();
    return number;
}

// The shortest digits that read back as the value, when they are no more than the count asked for, are
// the value rounded to that count: numbers of up to 15 significant digits lie further apart than a
// double's neighbours, so no other one is as near. They come far cheaper than a rounding to a count.
// Below the normal doubles the neighbours lie further apart than that, and only the rounding serves.
DecimalNumber DecimalNumber::fromDouble(double value, int significantDigits) {
    char buffer[64];
    constexpr int DigitsApartBeyondPrecision = 15;
    if (significantDigits <= DigitsApartBeyondPrecision &&
        (value == 0 || std::fabs(value) >= std::numeric_limits<double>::min())) {
        auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
        DecimalNumber number = parse(std::string_view(buffer, shortest.ptr - buffer));
        if (number.digits_.size() <= size_t(significantDigits)) return number;
    }
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                significantDigits - 1);
    return parse(std::string_view(buffer, result.ptr - buffer));
}

void DecimalNumber::normalize() {
    auto last = digits_.find_last_not_of('0');
    digits_.resize(last == std::string::npos ? 0 : last + 1);
    if (digits_.empty()) *this = DecimalNumber();
}

DecimalNumber DecimalNumber::rounded(int decimals, Halves halves) const {
    int kept = pointPosition_ + decimals;
    if (kept >= static_cast<int>(digits_.size())) return *this;
    if (kept < 0) return DecimalNumber();
    char firstDropped = digits_[kept];
    bool moreDropped = kept + 1 < static_cast<int>(digits_.size()); // trailing digits are never zero
    bool lastKeptOdd = kept > 0 && (digits_[kept - 1] - '0') % 2 == 1;
    bool up = firstDropped > '5' ||
              (firstDropped == '5' && (moreDropped || halves == Halves::AwayFromZero || lastKeptOdd));
    DecimalNumber result = *this;
    result.digits_.resize(kept);
    if (up) {
        // Carried nines become trailing zeros, which normalize() drops anyway.
        auto lastNonNine = result.digits_.find_last_not_of('9');
        if (lastNonNine == std::string::npos) {
            result.digits_ = "1";
            ++result.pointPosition_;
        } else {
            result.digits_.resize(lastNonNine + 1);
            ++result.digits_.back();
        }
    }
    result.normalize();
    return result;
}

double DecimalNumber::toDouble() const {
    if (isZero()) return 0.0;
    constexpr int beyondDouble = 400;
    if (pointPosition_ > beyondDouble) throw RuntimeError::of(err::Overflow);
    if (pointPosition_ < -beyondDouble) return 0.0;
    std::string text = "0." + digits_ + "e" + std::to_string(pointPosition_);
    double value = 0.0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (pointPosition_ > 0) throw RuntimeError::of(err::Overflow);
        value = 0.0;
    }
    return negative_ ? -value : value;
}

std::string DecimalNumber::integerDigits() const {
    if (pointPosition_ <= 0) return {};
    std::string text = digits_.substr(0, pointPosition_);
    text.append(pointPosition_ - text.size(), '0');
    return text;
}

std::string DecimalNumber::fractionDigits() const {
    int size = static_cast<int>(digits_.size());
    if (pointPosition_ >= size) return {};
    return std::string(std::max(0, -pointPosition_), '0') + digits_.substr(std::max(0, pointPosition_));
}

} // namespace core
