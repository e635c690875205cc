// Hundredths from texts and back to text; exact amounts of the database, and rates between currencies.
#include "money.h"

#include "conversions.h"
#include "decimalvalue.h"
#include "runtimeerror.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace core {

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

Money Money::operator+(Money other) const {
    qint64 sum = 0;
    if (__builtin_add_overflow(cents_, other.cents_, &sum)) throw core::RuntimeError::of(core::err::Overflow);
    return Money(sum);
}

Money Money::operator-(Money other) const {
    qint64 difference = 0;
    if (__builtin_sub_overflow(cents_, other.cents_, &difference))
        throw core::RuntimeError::of(core::err::Overflow);
    return Money(difference);
}

// Written from the last digit back into a buffer of its own: the lists write one for every document.
QString Money::text(QChar point) const {
    std::array<QChar, 24> written;
    auto at = written.end();
    quint64 magnitude = cents_ < 0 ? 0 - quint64(cents_) : quint64(cents_);
    const auto digit = [&] {
        *--at = QChar(u'0' + char16_t(magnitude % 10));
        magnitude /= 10;
    };
    digit();
    digit();
    *--at = point;
    do
        digit();
    while (magnitude != 0);
    if (cents_ < 0) *--at = u'-';
    return QString(at, written.end() - at);
}

QString Money::shortestText(QChar point) const {
    QString written = text(point);
    while (written.endsWith(u'0'))
        written.chop(1);
    if (written.endsWith(point)) written.chop(1);
    return written;
}

namespace {

// Ten-billionths: far below any amount a document holds, far beyond any a shop sums.
constexpr int ExactDecimals = 10;
constexpr qint64 UnitsPerCent = 100'000'000;

} // namespace

ExactAmount ExactAmount::of(const core::DecimalNumber& number) {
    const core::DecimalNumber rounded = number.rounded(ExactDecimals, core::DecimalNumber::Halves::ToEven);
    std::string digits = rounded.integerDigits() + rounded.fractionDigits();
    digits.append(ExactDecimals - rounded.fractionDigits().size(), '0');
    Units units = 0;
    for (char digit : digits)
        if (__builtin_mul_overflow(units, Units(10), &units) ||
            __builtin_add_overflow(units, Units(digit - '0'), &units))
            throw core::RuntimeError::of(core::err::Overflow);
    return ExactAmount(rounded.isNegative() ? -units : units);
}

// A number as a stored text writes it (error 13 for a text that is none), taken digit by digit.
static core::DecimalNumber storedDecimal(QString text) {
    text = core::trimBlanks(text);
    core::storedNumber(text);
    if (!text.contains(u'.')) text.replace(u',', u'.');
    if (text.startsWith(u'+')) text.remove(0, 1);
    return core::DecimalNumber::parse(text.toStdString());
}

ExactAmount ExactAmount::of(const QVariant& value) {
    if (core::isNull(value)) throw core::RuntimeError::of(core::err::InvalidUseOfNull);
    if (const core::DecimalNumber* decimal = core::carriedDecimal(value)) return of(*decimal);
    if (value.typeId() != QMetaType::QString)
        return of(core::DecimalNumber::fromDouble(core::toDouble(value)));
    return of(storedDecimal(value.toString()));
}

ExactAmount ExactAmount::of(Money money) {
    return ExactAmount(Units(money.cents()) * UnitsPerCent);
}

ExactAmount ExactAmount::operator+(ExactAmount other) const {
    Units sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) throw core::RuntimeError::of(core::err::Overflow);
    return ExactAmount(sum);
}

ExactAmount ExactAmount::operator-(ExactAmount other) const {
    Units difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        throw core::RuntimeError::of(core::err::Overflow);
    return ExactAmount(difference);
}

Money ExactAmount::rounded() const {
    const Units magnitude = units_ < 0 ? -units_ : units_;
    const Units cents = (magnitude + UnitsPerCent / 2) / UnitsPerCent;
    if (cents > std::numeric_limits<qint64>::max()) throw core::RuntimeError::of(core::err::Overflow);
    return Money::fromCents(units_ < 0 ? -qint64(cents) : qint64(cents));
}

namespace {

using Wide = __int128;

Wide checkedTimes(Wide a, Wide b) {
    Wide product = 0;
    if (__builtin_mul_overflow(a, b, &product)) throw core::RuntimeError::of(core::err::Overflow);
    return product;
}

// The digits of a decimal as a whole number, with the power of ten it stands for: 15.42 is 1542 and -2.
std::pair<Wide, int> scaled(const core::DecimalNumber& number) {
    Wide digits = 0;
    for (char digit : number.digits())
        digits = checkedTimes(digits, 10) + (digit - '0');
    const int exponent = number.decimalExponent() + 1 - int(number.digits().size());
    return {number.isNegative() ? -digits : digits, exponent};
}

Wide powerOfTen(int exponent) {
    Wide power = 1;
    for (int i = 0; i < exponent; ++i)
        power = checkedTimes(power, 10);
    return power;
}

// n / d to the nearest whole number, halves to the even one.
Wide roundedQuotient(Wide n, Wide d) {
    if (d == 0) throw core::RuntimeError::of(core::err::DivisionByZero);
    if (d < 0) n = -n, d = -d;
    Wide quotient = n / d, remainder = n % d;
    if (remainder < 0) remainder += d, --quotient;
    const Wide twice = remainder * 2;
    if (twice > d || (twice == d && quotient % 2 != 0)) ++quotient;
    return quotient;
}

} // namespace

Rate::Term Rate::term(const QString& text) {
    const core::DecimalNumber number = storedDecimal(text);
    const auto [digits, power] = scaled(number);
    return {digits, power, number.toDouble()};
}

Rate Rate::of(const QString& numerator, const QString& denominator) {
    Rate rate;
    rate.numerator_ = term(numerator);
    rate.denominator_ = term(denominator);
    return rate;
}

// cents x (a x 10^p) / (b x 10^q), with the powers of ten on whichever side keeps them whole.
Money Rate::convert(Money amount) const {
    Wide n = checkedTimes(amount.cents(), numerator_.digits);
    Wide d = denominator_.digits;
    const int p = numerator_.power, q = denominator_.power;
    if (p >= q)
        n = checkedTimes(n, powerOfTen(p - q));
    else
        d = checkedTimes(d, powerOfTen(q - p));
    const Wide cents = roundedQuotient(n, d);
    if (cents > std::numeric_limits<qint64>::max() || cents < -std::numeric_limits<qint64>::max())
        throw core::RuntimeError::of(core::err::Overflow);
    return Money::fromCents(qint64(cents));
}

double Rate::storedValue() const {
    return core::divide(numerator_.value, denominator_.value);
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

} // namespace core
