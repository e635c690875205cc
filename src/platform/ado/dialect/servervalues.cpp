// The server's rules for isnumeric, convert to int, len, right, datediff and dateadd.
#include "servervalues.h"

#include <cmath>
#include <limits>

namespace ado::dialect {

ValueError::ValueError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}
bool isCurrency(QChar c) {
    return c.category() == QChar::Symbol_Currency;
}

QStringView trimmedBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Skips the leading sign and currency symbol (one each, either order, blanks after each).
qsizetype skipNumberPrefix(QStringView text) {
    qsizetype pos = 0;
    bool sign = false, currency = false;
    while (pos < text.size()) {
        if (!sign && isSign(text[pos]))
            sign = true;
        else if (!currency && isCurrency(text[pos]))
            currency = true;
        else
            break;
        ++pos;
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    }
    return pos;
}

// Digits with commas anywhere and at most one decimal point; counts the digits it read.
qsizetype skipMantissa(QStringView text, qsizetype pos, int& digits) {
    bool point = false;
    for (; pos < text.size(); ++pos) {
        QChar c = text[pos];
        if (isDigit(c))
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else if (c != u',')
            break;
    }
    return pos;
}

// An exponent: e or d, an optional sign, at least one digit, up to the end of the text.
bool isExponent(QStringView text) {
    if (text.isEmpty() || !QStringLiteral("eEdD").contains(text[0])) return false;
    qsizetype pos = 1;
    if (pos < text.size() && isSign(text[pos])) ++pos;
    if (pos == text.size()) return false;
    for (; pos < text.size(); ++pos)
        if (!isDigit(text[pos])) return false;
    return true;
}

[[noreturn]] void refuseInt(QStringView text) {
    throw ValueError(
        QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
            .arg(text.toString()));
}

[[noreturn]] void overflowInt(QStringView text) {
    throw ValueError(QStringLiteral("The conversion of the varchar value '%1' overflowed an int column.")
                         .arg(text.toString()));
}

} // namespace

bool isNumericText(QStringView text) {
    QStringView value = trimmedBlanks(text);
    if (value.isEmpty()) return false;
    qsizetype pos = skipNumberPrefix(value);
    int digits = 0;
    qsizetype end = skipMantissa(value, pos, digits);
    if (end == value.size()) return true;
    return digits > 0 && isExponent(value.mid(end));
}

qint32 convertToInt(QStringView text) {
    QStringView value = trimmedBlanks(text);
    qsizetype pos = !value.isEmpty() && isSign(value[0]) ? 1 : 0;
    qint64 magnitude = 0;
    for (; pos < value.size(); ++pos) {
        if (!isDigit(value[pos])) refuseInt(text);
        magnitude = magnitude * 10 + value[pos].digitValue();
        if (magnitude > qint64(std::numeric_limits<qint32>::max()) + 1) overflowInt(text);
    }
    qint64 result = !value.isEmpty() && value[0] == u'-' ? -magnitude : magnitude;
    if (result > std::numeric_limits<qint32>::max()) overflowInt(text);
    return qint32(result);
}

qint32 convertToInt(double value) {
    double truncated = std::trunc(value);
    if (!(truncated >= std::numeric_limits<qint32>::min() && truncated <= std::numeric_limits<qint32>::max()))
        throw ValueError(QStringLiteral("Arithmetic overflow error converting expression to data type int."));
    return qint32(truncated);
}

qsizetype trimmedLength(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return end;
}

QString rightPart(const QString& text, qint64 count) {
    if (count < 0) throw ValueError(QStringLiteral("Invalid length parameter passed to the right function."));
    return count >= text.size() ? text : text.right(qsizetype(count));
}

std::optional<DatePart> datePartNamed(QStringView name) {
    static const std::pair<const char16_t*, DatePart> names[] = {
        {u"year", DatePart::Year},   {u"yy", DatePart::Year},  {u"yyyy", DatePart::Year},
        {u"month", DatePart::Month}, {u"mm", DatePart::Month}, {u"m", DatePart::Month},
        {u"day", DatePart::Day},     {u"dd", DatePart::Day},   {u"d", DatePart::Day},
        {u"hour", DatePart::Hour},   {u"hh", DatePart::Hour},  {u"minute", DatePart::Minute},
        {u"mi", DatePart::Minute},   {u"n", DatePart::Minute}, {u"second", DatePart::Second},
        {u"ss", DatePart::Second},   {u"s", DatePart::Second},
    };
    for (const auto& [text, part] : names)
        if (name.compare(QStringView(text), Qt::CaseInsensitive) == 0) return part;
    return std::nullopt;
}

qint64 dateDifference(DatePart part, const QDateTime& from, const QDateTime& to) {
    qint64 months = (to.date().year() - from.date().year()) * 12 + to.date().month() - from.date().month();
    qint64 days = from.date().daysTo(to.date());
    qint64 hours = days * 24 + to.time().hour() - from.time().hour();
    qint64 minutes = hours * 60 + to.time().minute() - from.time().minute();
    switch (part) {
    case DatePart::Year:
        return to.date().year() - from.date().year();
    case DatePart::Month:
        return months;
    case DatePart::Day:
        return days;
    case DatePart::Hour:
        return hours;
    case DatePart::Minute:
        return minutes;
    case DatePart::Second:
        return minutes * 60 + to.time().second() - from.time().second();
    }
    return 0;
}

QDateTime dateAdded(DatePart part, qint64 count, const QDateTime& value) {
    QDateTime wallClock(value.date(), value.time(), Qt::UTC);
    switch (part) {
    case DatePart::Year:
        return wallClock.addYears(int(count));
    case DatePart::Month:
        return wallClock.addMonths(int(count));
    case DatePart::Day:
        return wallClock.addDays(count);
    case DatePart::Hour:
        return wallClock.addSecs(count * 3600);
    case DatePart::Minute:
        return wallClock.addSecs(count * 60);
    case DatePart::Second:
        return wallClock.addSecs(count);
    }
    return wallClock;
}

} // namespace ado::dialect
