// Conversions and formats of values as the module's runtime performs them.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>
#include <string_view>

namespace core {

class DecimalNumber;

// Regional settings the conversions and formats follow. The GUI takes them from the user's
// locale; scenarios and tests use dd/MM/yyyy, "." and ",".
struct Regional {
    QString shortDateFormat = QStringLiteral("dd/MM/yyyy"); // Qt date-format pattern
    QChar decimalPoint = QLatin1Char('.');
    QChar thousandsSeparator = QLatin1Char(',');
};
const Regional& regional();
void setRegional(const Regional& settings);

// A null value: a database null. An invalid QVariant counts as null too.
bool isNull(const QVariant& value);

// Numeric value of the number at the start of a text: blanks skipped, "." the only decimal point,
// a comma ends the number, exponent read; 0 when no number. A null value fails with error 94.
double val(const QString& text);
double val(const QVariant& value);

// The number a text the user typed starts with: blanks, a sign, ASCII digits with one regional decimal
// point; 0 for none. "12,50" starts with 12 where the point is ".", "abc" with nothing. Unlike val, it
// reads a number as the screen shows it.
double leadingNumber(const QString& text);

// Conversions that fail with error 13 when the value is no number in the regional format, error 6
// when out of range, error 94 for null. Integers are rounded half to even.
qint16 toInt16(const QVariant& value);
qint32 toInt32(const QVariant& value);
double toDouble(const QVariant& value);
bool toBool(const QVariant& value);
// Text of a value (numbers in their shortest general form); error 94 for null.
QString toText(const QVariant& value);
// Text of a value with null as an empty text.
QString nullAsEmpty(const QVariant& value);
// A date and time from a value (a date, or a text in the short date form or an ISO-like form).
QDateTime toDateTime(const QVariant& value);

// Whether the value converts to a number (the regional format; blanks around allowed).
bool isNumeric(const QVariant& value);
// Whether the value converts to a date, as toDateTime takes it.
bool isDate(const QVariant& value);

// Shortest general form of a double: up to 15 significant digits, regional decimal point.
QString numberText(double value);
// A decimal number in the same form, with all its digits.
QString numberText(const DecimalNumber& number);
// The same text of a decimal written as an engine writes one ("-", digits, a "." and digits), made from the
// written digits; nothing when the text is otherwise written or its number is written in scientific form.
std::optional<QString> numberText(std::string_view written);
// Texts that are stored (the rate lists saved with receipts and invoices) write a number the same way on
// every counter: its shortest general form with "." as the decimal point. Reading one also takes a "," for
// the point, as counters in a comma locale once wrote them; error 13 for a text that is no number.
QString storedNumberText(double value);
QString storedNumberText(const DecimalNumber& number);
double storedNumber(const QString& text);

// Rounds to the given decimals, halves to even on the 15-digit decimal value.
double roundHalfEven(double value, int decimals);

// Floating division; division by zero is error 11.
double divide(double numerator, double denominator);

// Formats a value: number formats ("0.00", "#0.00", "#0.00#", "###,###,##0.00######") and date formats
// ("yyyy/mm/dd", "yyyymmdd", "dd/mm/yyyy", "yyyy/mmm/dd"). A value the format cannot take is
// returned as its text; an empty text stays empty.
QString format(const QVariant& value, const QString& pattern);

// The system's short date form of a date (with the time of day after it when there is one).
QString shortDateText(const QDateTime& value);

// Trim of blanks only (the space character).
QString trimBlanks(const QString& text);
QStringView trimBlanks(QStringView text);

} // namespace core
