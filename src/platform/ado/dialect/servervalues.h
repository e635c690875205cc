// Values computed as the database server computes them, for the functions a driver registers in an
// engine that lacks them.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>
#include <stdexcept>

namespace ado::dialect {

// A value the server refuses to compute; the message is the server's.
class ValueError : public std::runtime_error {
public:
    explicit ValueError(const QString& message);
    const QString& message() const { return message_; }

private:
    QString message_;
};

// isnumeric of a text: whether it converts to some numeric type of the server.
bool isNumericText(QStringView text);

// convert(int, x): blanks around trimmed, '' is 0, a sign and digits only, within 32 bits.
qint32 convertToInt(QStringView text);
// convert(int, x) of a number: truncated toward zero, within 32 bits.
qint32 convertToInt(double value);

// len(x): characters without the trailing blanks.
qsizetype trimmedLength(QStringView text);

// right(x, n): the last n characters; n < 0 is refused.
QString rightPart(const QString& text, qint64 count);

enum class DatePart { Year, Month, Day, Hour, Minute, Second };

// The date part a datediff or dateadd names (day, dd, d, month, mm, ...), nothing for another word.
std::optional<DatePart> datePartNamed(QStringView name);

// datediff: the number of part boundaries crossed from a to b (midnights for days).
qint64 dateDifference(DatePart part, const QDateTime& from, const QDateTime& to);

// dateadd: the date moved by n parts; the time of day is kept for days, months and years.
QDateTime dateAdded(DatePart part, qint64 count, const QDateTime& value);

} // namespace ado::dialect
