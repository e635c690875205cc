// The plain amount: ASCII digits, one decimal point, two decimals, twelve whole digits.
#include "plainamount.h"

#include "platform/core/conversions.h"

#include <algorithm>

namespace entry {

namespace {

constexpr qsizetype MaxDecimals = 2;
constexpr qsizetype MaxWholeDigits = 12;

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

} // namespace

std::optional<double> plainAmount(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = QStringView(text).left(point < 0 ? text.size() : point);
    const QStringView decimals = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    const bool plain = whole.size() + decimals.size() > 0 && allAsciiDigits(whole) &&
                       allAsciiDigits(decimals) && decimals.size() <= MaxDecimals &&
                       significantDigits(whole) <= MaxWholeDigits;
    if (!plain) return std::nullopt;
    return core::val(text);
}

QString plainAmountRule() {
    return QStringLiteral("with at most two decimals, below 1,000,000,000,000");
}

} // namespace entry
