// Canonical date texts and the reading of the dialect's date literals.
#include "datetext.h"

namespace ado::dialect {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads exactly `width` digits at pos, or fails.
std::optional<int> readDigits(QStringView text, qsizetype& pos, int width) {
    if (pos + width > text.size()) return std::nullopt;
    int value = 0;
    for (int i = 0; i < width; ++i, ++pos) {
        if (!isDigit(text[pos])) return std::nullopt;
        value = value * 10 + text[pos].digitValue();
    }
    return value;
}

// Reads one or two digits at pos.
std::optional<int> readShort(QStringView text, qsizetype& pos) {
    auto first = readDigits(text, pos, 1);
    if (!first) return std::nullopt;
    qsizetype next = pos;
    auto second = readDigits(text, next, 1);
    if (!second) return first;
    pos = next;
    return *first * 10 + *second;
}

bool skip(QStringView text, qsizetype& pos, QChar c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

std::optional<QDate> readDate(QStringView text, qsizetype& pos) {
    auto year = readDigits(text, pos, 4);
    if (!year) return std::nullopt;
    std::optional<int> month, day;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'/')) {
        QChar separator = text[pos++];
        month = readShort(text, pos);
        if (!month || !skip(text, pos, separator)) return std::nullopt;
        day = readShort(text, pos);
    } else {
        month = readDigits(text, pos, 2);
        day = readDigits(text, pos, 2);
    }
    if (!month || !day) return std::nullopt;
    QDate date(*year, *month, *day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// Fraction of a second: up to three digits read as milliseconds ("5" is 500).
std::optional<int> readMilliseconds(QStringView text, qsizetype& pos) {
    int value = 0, width = 0;
    for (; pos < text.size() && isDigit(text[pos]) && width < 3; ++pos, ++width)
        value = value * 10 + text[pos].digitValue();
    if (width == 0) return std::nullopt;
    for (; width < 3; ++width)
        value *= 10;
    return value;
}

std::optional<QTime> readTime(QStringView text, qsizetype& pos) {
    auto hour = readShort(text, pos);
    if (!hour || !skip(text, pos, u':')) return std::nullopt;
    auto minute = readDigits(text, pos, 2);
    if (!minute) return std::nullopt;
    int second = 0, millisecond = 0;
    if (skip(text, pos, u':')) {
        auto seconds = readDigits(text, pos, 2);
        if (!seconds) return std::nullopt;
        second = *seconds;
        if (skip(text, pos, u'.')) {
            auto fraction = readMilliseconds(text, pos);
            if (!fraction) return std::nullopt;
            millisecond = *fraction;
        }
    }
    QTime time(*hour, *minute, second, millisecond);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

void skipBlanks(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
}

} // namespace

QString canonicalDateText(const QDate& date, const QTime& time) {
    return date.toString(u"yyyy-MM-dd") + u' ' + time.toString(u"HH:mm:ss.zzz");
}

QString canonicalDateText(const QDateTime& value) {
    return canonicalDateText(value.date(), value.time());
}

bool isCanonicalDateText(QStringView text) {
    static constexpr char16_t shape[] = u"dddd-dd-dd dd:dd:dd.ddd";
    constexpr qsizetype length = sizeof(shape) / sizeof(shape[0]) - 1;
    if (text.size() != length) return false;
    for (qsizetype i = 0; i < length; ++i)
        if (shape[i] == u'd' ? !isDigit(text[i]) : text[i] != shape[i]) return false;
    return parseDateText(text).has_value();
}

std::optional<QDateTime> parseDateText(QStringView text) {
    qsizetype pos = 0;
    skipBlanks(text, pos);
    auto date = readDate(text, pos);
    if (!date) return std::nullopt;
    QTime time(0, 0);
    qsizetype afterDate = pos;
    skipBlanks(text, pos);
    if (pos < text.size() && (pos > afterDate || text[pos] == u'T')) {
        if (pos == afterDate) ++pos;
        auto read = readTime(text, pos);
        if (!read) return std::nullopt;
        time = *read;
    }
    skipBlanks(text, pos);
    if (pos != text.size()) return std::nullopt;
    return QDateTime(*date, time, Qt::UTC);
}

std::optional<QString> canonicalFormOf(QStringView text) {
    auto value = parseDateText(text);
    if (!value) return std::nullopt;
    return canonicalDateText(*value);
}

std::optional<QString> storedDateText(QStringView text) {
    if (text.trimmed().isEmpty()) return canonicalDateText(QDate(1900, 1, 1), QTime(0, 0));
    return canonicalFormOf(text);
}

} // namespace ado::dialect
