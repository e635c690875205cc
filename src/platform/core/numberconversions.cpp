// The number conversions of conversions.h: reading numbers from texts and values, integer and double
// conversions, number texts and rounding.
#include "conversions.h"
#include "decimalnumber.h"
#include "decimalvalue.h"
#include "runtimeerror.h"
#include "valuereaders.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>

namespace core {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isValBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Walks a number text; Val's reading steps over blanks wherever they are.
class NumberCursor {
public:
    NumberCursor(QStringView text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

    QChar peek() {
        while (skipBlanks_ && pos_ < text_.size() && isValBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : QChar();
    }
    void advance() { ++pos_; }
    bool atEnd() {
        peek();
        return pos_ >= text_.size();
    }
    qsizetype position() const { return pos_; }
    void moveTo(qsizetype pos) { pos_ = pos; }

private:
    QStringView text_;
    bool skipBlanks_;
    qsizetype pos_ = 0;
};

void appendSign(NumberCursor& cursor, std::string& ascii) {
    QChar c = cursor.peek();
    if (c != u'-' && c != u'+') return;
    if (c == u'-') ascii += '-';
    cursor.advance();
}

// A group separator may only stand between two digits; false when one is left dangling.
bool appendDigits(NumberCursor& cursor, std::string& ascii, QChar groupSeparator = QChar()) {
    bool afterSeparator = false;
    for (;; cursor.advance()) {
        QChar c = cursor.peek();
        if (isAsciiDigit(c)) {
            ascii += static_cast<char>(c.unicode());
            afterSeparator = false;
        } else if (!groupSeparator.isNull() && c == groupSeparator && !afterSeparator && !ascii.empty() &&
                   ascii.back() >= '0' && ascii.back() <= '9') {
            afterSeparator = true;
        } else {
            return !afterSeparator;
        }
    }
}

// An exponent counts only with at least one digit; otherwise the cursor stays before the 'e'.
void appendExponent(NumberCursor& cursor, std::string& ascii) {
    qsizetype start = cursor.position();
    QChar c = cursor.peek();
    if (c != u'e' && c != u'E') return;
    cursor.advance();
    std::string exponent = "e";
    appendSign(cursor, exponent);
    if (!isAsciiDigit(cursor.peek())) {
        cursor.moveTo(start);
        return;
    }
    appendDigits(cursor, exponent);
    ascii += exponent;
}

bool hasDigit(const std::string& ascii) {
    return ascii.find_first_of("0123456789") != std::string::npos;
}

// A whole text as a number written with the decimal point and group separator given (none: a null
// character), blanks around it allowed.
std::optional<double> numberWritten(QStringView text, QChar point, QChar group) {
    while (text.startsWith(u' '))
        text = text.mid(1);
    while (text.endsWith(u' '))
        text.chop(1);
    NumberCursor cursor(text, false);
    std::string ascii;
    appendSign(cursor, ascii);
    if (!appendDigits(cursor, ascii, group)) return std::nullopt;
    if (cursor.peek() == point) {
        ascii += '.';
        cursor.advance();
        appendDigits(cursor, ascii);
    }
    if (!hasDigit(ascii)) return std::nullopt;
    appendExponent(cursor, ascii);
    if (!cursor.atEnd()) return std::nullopt;
    return DecimalNumber::parse(ascii).toDouble();
}

std::optional<double> regionalNumber(QStringView text) {
    return numberWritten(text, regional().decimalPoint, regional().thousandsSeparator);
}

bool isNumberType(int typeId) {
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

template <typename Integer> Integer toInteger(const QVariant& value) {
    // nearbyint rounds halves to even in the default rounding mode.
    double rounded = std::nearbyint(toDouble(value));
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max()))
        throw RuntimeError::of(err::Overflow);
    return static_cast<Integer>(rounded);
}

QString scientificText(const DecimalNumber& number, QChar point) {
    const std::string& digits = number.digits();
    QString text(QLatin1Char(digits.front()));
    if (digits.size() > 1) text += point + QLatin1String(digits.substr(1));
    int exponent = number.decimalExponent();
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    return text + QString::number(std::abs(exponent)).rightJustified(2, u'0');
}

} // namespace

double val(const QString& text) {
    NumberCursor cursor(text, true);
    std::string ascii;
    appendSign(cursor, ascii);
    appendDigits(cursor, ascii);
    if (cursor.peek() == u'.') {
        ascii += '.';
        cursor.advance();
        appendDigits(cursor, ascii);
    }
    if (hasDigit(ascii)) appendExponent(cursor, ascii);
    return DecimalNumber::parse(ascii).toDouble();
}

double val(const QVariant& value) {
    return val(toText(value));
}

double leadingNumber(const QString& text) {
    NumberCursor cursor(text, false);
    while (cursor.peek() == u' ')
        cursor.advance();
    std::string ascii;
    appendSign(cursor, ascii);
    appendDigits(cursor, ascii);
    if (cursor.peek() == regional().decimalPoint) {
        ascii += '.';
        cursor.advance();
        appendDigits(cursor, ascii);
    }
    return hasDigit(ascii) ? DecimalNumber::parse(ascii).toDouble() : 0;
}

std::optional<double> numericValue(const QVariant& value) {
    if (isNull(value)) throw RuntimeError::of(err::InvalidUseOfNull);
    int typeId = value.typeId();
    if (typeId == QMetaType::Bool) return value.toBool() ? -1.0 : 0.0;
    if (typeId == QMetaType::QString) return regionalNumber(value.toString());
    if (isNumberType(typeId)) return value.toDouble();
    if (const DecimalNumber* decimal = carriedDecimal(value)) return decimal->toDouble();
    return std::nullopt;
}

qint16 toInt16(const QVariant& value) {
    return toInteger<qint16>(value);
}

qint32 toInt32(const QVariant& value) {
    return toInteger<qint32>(value);
}

double toDouble(const QVariant& value) {
    auto number = numericValue(value);
    if (!number) throw RuntimeError::of(err::TypeMismatch);
    return *number;
}

bool isNumeric(const QVariant& value) {
    try {
        return numericValue(value).has_value();
    } catch (const RuntimeError&) {
        return false; // null, or a number too large for a double
    }
}

namespace {

// The number text writes a number in fixed notation from the fourth place after the point to the fifteenth
// before it, in scientific notation beyond.
bool writtenFixed(int exponent) {
    return exponent < 15 && exponent >= -4;
}

// A number in fixed notation from its whole digits (none for zero) and its fraction's digits.
QString fixedText(bool negative, std::string_view whole, std::string_view fraction, QChar point) {
    QString text = negative ? QStringLiteral("-") : QString();
    text += whole.empty() ? QStringLiteral("0") : QLatin1String(whole.data(), qsizetype(whole.size()));
    if (fraction.empty()) return text;
    text += point;
    text += QLatin1String(fraction.data(), qsizetype(fraction.size()));
    return text;
}

} // namespace

QString shortestText(const DecimalNumber& number, QChar point) {
    if (number.isZero()) return QStringLiteral("0");
    if (!writtenFixed(number.decimalExponent()))
        return (number.isNegative() ? QStringLiteral("-") : QString()) + scientificText(number, point);
    return fixedText(number.isNegative(), number.integerDigits(), number.fractionDigits(), point);
}

// How the number text writes most values, amounts among them: the fewest digits that read back as the value,
// in fixed notation, when they are at most fifteen significant digits from the fourth place after the point
// to the fifteenth before it. Nothing for any other value, which its decimal digits write. A register writes
// a number for every row it lists, and this is several times quicker.
std::optional<QString> plainShortestText(double value, QChar point) {
    char buffer[24];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed);
    if (written.ec != std::errc() || value == 0) return std::nullopt;
    const std::string_view text(buffer, size_t(written.ptr - buffer));
    const size_t pointAt = std::min(text.find('.'), text.size());
    const size_t first = text.find_first_not_of("-0.");
    const size_t last = text.find_last_not_of("0.");
    const int exponent = first < pointAt ? int(pointAt - first) - 1 : -int(first - pointAt);
    const int significant = int(last - first) + 1 - int(first < pointAt && pointAt < last);
    if (!writtenFixed(exponent) || significant > 15) return std::nullopt;
    QString plain = QString::fromLatin1(text.data(), qsizetype(text.size()));
    if (pointAt < text.size()) plain[qsizetype(pointAt)] = point;
    return plain;
}

QString shortestText(double value, QChar point) {
    if (!std::isfinite(value)) return QString::number(value);
    if (std::optional<QString> plain = plainShortestText(value, point)) return *plain;
    return shortestText(DecimalNumber::fromDouble(value), point);
}

QString numberText(double value) {
    return shortestText(value, regional().decimalPoint);
}

QString numberText(const DecimalNumber& number) {
    return shortestText(number, regional().decimalPoint);
}

// The digits are those of the number as it is: only the leading zeros of the whole part and the trailing
// zeros of the fraction go, and the point.
std::optional<QString> numberText(std::string_view written) {
    const bool negative = written.starts_with('-');
    if (negative) written.remove_prefix(1);
    const size_t pointAt = std::min(written.find('.'), written.size());
    std::string_view whole = written.substr(0, pointAt);
    std::string_view fraction = written.substr(std::min(pointAt + 1, written.size()));
    const auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)) return std::nullopt;
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (whole.empty() && fraction.empty()) return QStringLiteral("0");
    const int exponent = whole.empty() ? -int(fraction.find_first_not_of('0')) - 1 : int(whole.size()) - 1;
    if (!writtenFixed(exponent)) return std::nullopt;
    return fixedText(negative, whole, fraction, regional().decimalPoint);
}

QString storedNumberText(double value) {
    return shortestText(value, QLatin1Char('.'));
}

QString storedNumberText(const DecimalNumber& number) {
    return shortestText(number, QLatin1Char('.'));
}

// A comma stands for the point only in a text without one: a counter in a comma locale wrote it so.
double storedNumber(const QString& text) {
    const QChar point = text.contains(u'.') || !text.contains(u',') ? QLatin1Char('.') : QLatin1Char(',');
    const std::optional<double> number = numberWritten(text, point, QChar());
    if (!number) throw RuntimeError::of(err::TypeMismatch);
    return *number;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    return DecimalNumber::fromDouble(value).rounded(decimals, DecimalNumber::Halves::ToEven).toDouble();
}

double divide(double numerator, double denominator) {
    if (denominator == 0.0) throw RuntimeError::of(err::DivisionByZero);
    double quotient = numerator / denominator;
    if (!std::isfinite(quotient)) throw RuntimeError::of(err::Overflow);
    return quotient;
}

} // namespace core
