// Hundredths from texts and doubles, and back to text.
#include "money.h"

#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace entry {

namespace {

constexpr qsizetype MaxDecimals = 2;
constexpr qsizetype MaxWholeDigits = 12;
// A double's 15 significant digits: no amount the module computes has more whole digits than that.
constexpr size_t MaxComputedWholeDigits = 15;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool allAsciiDigits(QStringView part) {
    return std::all_of(part.begin(), part.end(), isAsciiDigit);
}

// Leading zeros add nothing to the value, so they do not count against the bound.
qsizetype significantDigits(QStringView whole) {
    const auto first = std::find_if(whole.begin(), whole.end(), [](QChar c) { return c != u'0'; });
    return whole.end() - first;
}

// Hundredths of whole digits and up to two decimals, all ASCII digits.
qint64 centsOf(const std::string& whole, std::string decimals) {
    decimals.resize(MaxDecimals, '0');
    qint64 cents = 0;
    for (char digit : whole + decimals)
        cents = cents * 10 + (digit - '0');
    return cents;
}

QChar decimalPoint() {
    return core::regional().decimalPoint;
}

// The digits before the first decimal point and those after it; none after it when there is no point.
std::pair<QStringView, QStringView> aroundPoint(const QString& text) {
    const qsizetype point = text.indexOf(decimalPoint());
    if (point < 0) return {QStringView(text), QStringView()};
    return {QStringView(text).left(point), QStringView(text).mid(point + 1)};
}

} // namespace

Money Money::fromDouble(double value, Halves halves) {
    if (!std::isfinite(value)) throw core::RuntimeError::of(core::err::Overflow);
    const core::DecimalNumber rounded =
        core::DecimalNumber::fromDouble(value).rounded(int(MaxDecimals), halves);
    const std::string whole = rounded.integerDigits();
    if (whole.size() > MaxComputedWholeDigits) throw core::RuntimeError::of(core::err::Overflow);
    const qint64 cents = centsOf(whole, rounded.fractionDigits());
    return Money(rounded.isNegative() ? -cents : cents);
}

QString Money::text(QChar point) const {
    const qint64 magnitude = cents_ < 0 ? -cents_ : cents_;
    const QString hundredths = QString::number(magnitude % 100).rightJustified(2, u'0');
    return (cents_ < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) + point +
           hundredths;
}

bool isPlainNumber(const QString& text) {
    const auto [whole, decimals] = aroundPoint(text);
    return whole.size() + decimals.size() > 0 && allAsciiDigits(whole) && allAsciiDigits(decimals);
}

std::optional<Money> plainAmount(const QString& text) {
    if (!isPlainNumber(text)) return std::nullopt;
    const auto [whole, decimals] = aroundPoint(text);
    if (decimals.size() > MaxDecimals || significantDigits(whole) > MaxWholeDigits) return std::nullopt;
    const QString significant = whole.mid(whole.size() - significantDigits(whole)).toString();
    return Money::fromCents(centsOf(significant.toStdString(), decimals.toString().toStdString()));
}

QString plainAmountRule() {
    return QStringLiteral("with at most two decimals, below ") +
           QStringLiteral("1,000,000,000,000").replace(u',', core::regional().thousandsSeparator);
}

bool startsWithNonZero(const QString& text) {
    return core::leadingNumber(text) != 0;
}

} // namespace entry
