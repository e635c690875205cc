// Number format patterns: parsing the placeholders and writing a value with them.
#include "numberpattern.h"
#include "conversions.h"
#include "decimalnumber.h"

namespace core {

namespace {

QString groupedDigits(const std::string& digits, QChar separator) {
    QString text;
    text.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += QLatin1Char(digits[i]);
    }
    return text;
}

} // namespace

std::optional<NumberPattern> NumberPattern::parse(QStringView pattern) {
    NumberPattern result;
    bool afterPoint = false;
    bool anyPlaceholder = false;
    for (QChar c : pattern) {
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else if (c == u',' && !afterPoint) {
            result.grouped_ = true;
        } else if (c == u'0' || c == u'#') {
            anyPlaceholder = true;
            int& required = afterPoint ? result.minDecimals_ : result.minIntegerDigits_;
            if (c == u'0') ++required;
            if (afterPoint) ++result.maxDecimals_;
        } else {
            return std::nullopt;
        }
    }
    if (!anyPlaceholder) return std::nullopt;
    return result;
}

QString NumberPattern::apply(double value) const {
    const DecimalNumber number =
        DecimalNumber::fromDouble(value).rounded(maxDecimals_, DecimalNumber::Halves::AwayFromZero);
    std::string integer = number.integerDigits();
    if (static_cast<int>(integer.size()) < minIntegerDigits_)
        integer.insert(0, minIntegerDigits_ - integer.size(), '0');
    std::string fraction = number.fractionDigits();
    if (static_cast<int>(fraction.size()) < minDecimals_)
        fraction.append(minDecimals_ - fraction.size(), '0');

    const Regional& settings = regional();
    QString text = number.isNegative() ? QStringLiteral("-") : QString();
    text += grouped_ ? groupedDigits(integer, settings.thousandsSeparator) : QString::fromLatin1(integer);
    if (!fraction.empty()) text += settings.decimalPoint + QString::fromLatin1(fraction);
    return text;
}

} // namespace core
