// The date conversions of conversions.h: dates from values and texts, and the system's short date form.
#include "conversions.h"
#include "runtimeerror.h"
#include "valuereaders.h"

namespace core {

namespace {

// A run of digits; its width tells a 4-digit year or a compact yyyyMMdd.
struct Field {
    int value = 0;
    qsizetype width = 0;
};

// At most nine digits, so that the value fits; a longer run leaves a digit behind and fails the date.
Field readField(QStringView text, qsizetype& pos) {
    Field field;
    for (; pos < text.size() && text[pos].isDigit() && field.width < 9; ++pos, ++field.width)
        field.value = field.value * 10 + text[pos].digitValue();
    return field;
}

// Years written with two digits fall in 1930..2029.
int fullYear(const Field& year) {
    if (year.width > 2) return year.value;
    return year.value + (year.value < 30 ? 2000 : 1900);
}

// Positions of day, month and year in the regional short date form.
struct DateOrder {
    int day = 0, month = 1, year = 2;
};

DateOrder regionalOrder() {
    const QString& pattern = regional().shortDateFormat;
    qsizetype d = pattern.indexOf(u'd'), m = pattern.indexOf(u'M'), y = pattern.indexOf(u'y');
    if (d < 0 || m < 0 || y < 0) return {};
    auto rank = [&](qsizetype at) { return int(at > d) + int(at > m) + int(at > y); };
    return {rank(d), rank(m), rank(y)};
}

// "yyyyMMdd", or three fields with one separator kind: year first when it has four digits, else the
// regional order.
QDate readDate(QStringView text, qsizetype& pos) {
    Field first = readField(text, pos);
    if (first.width == 8) return QDate(first.value / 10000, first.value / 100 % 100, first.value % 100);
    if (pos >= text.size() || !QStringView(u"/-.").contains(text[pos])) return {};
    QChar separator = text[pos++];
    Field second = readField(text, pos);
    if (pos >= text.size() || text[pos++] != separator) return {};
    Field fields[3] = {first, second, readField(text, pos)};
    DateOrder order = first.width == 4 ? DateOrder{2, 1, 0} : regionalOrder();
    const Field& day = fields[order.day];
    const Field& month = fields[order.month];
    const Field& year = fields[order.year];
    if (day.width == 0 || day.width > 2 || month.width == 0 || month.width > 2 || year.width == 0 ||
        year.width > 4)
        return {};
    return QDate(fullYear(year), month.value, day.value);
}

// "H:mm", "H:mm:ss" or "H:mm:ss.fff".
QTime readTime(QStringView text) {
    qsizetype pos = 0;
    Field hour = readField(text, pos);
    if (hour.width == 0 || hour.width > 2 || pos >= text.size() || text[pos++] != u':') return {};
    Field minute = readField(text, pos);
    Field second;
    if (pos < text.size() && text[pos] == u':') second = readField(text, ++pos);
    if (pos < text.size() && text[pos] == u'.' && second.width == 2) readField(text, ++pos);
    if (pos != text.size() || minute.width != 2 || second.width == 1) return {};
    return QTime(hour.value, minute.value, second.value);
}

// The regional short date form taken as it stands, for forms with month names ("6 Dec 2026").
std::optional<QDateTime> readRegionalDateTime(QStringView text) {
    const QString& pattern = regional().shortDateFormat;
    const QString whole = text.toString();
    // Besides the regional form, the module's own "yyyy/mmm/dd" ("2024/Mar/05") reads back as a date.
    for (const QString& withTime : {pattern, pattern + QStringLiteral(" HH:mm:ss"),
                                    pattern + QStringLiteral(" H:mm"), QStringLiteral("yyyy/MMM/dd")}) {
        const QDateTime value = QDateTime::fromString(whole, withTime);
        if (value.isValid()) return value;
    }
    return std::nullopt;
}

std::optional<QDateTime> readDateTime(QStringView text) {
    text = text.trimmed();
    qsizetype pos = 0;
    QDate date = readDate(text, pos);
    if (!date.isValid()) return readRegionalDateTime(text);
    QTime time(0, 0);
    if (pos < text.size()) {
        if (text[pos] != u' ' && text[pos] != u'T') return std::nullopt;
        time = readTime(text.mid(pos + 1).trimmed());
        if (!time.isValid()) return std::nullopt;
    }
    return QDateTime(date, time);
}

// Rows in date order repeat their dates: the text of the last date shown is kept with the form it was
// made in, so that a column of dates is not formatted anew cell by cell.
QString shortDateOnly(const QDate& date) {
    struct LastDate {
        QDate date;
        QString pattern;
        QString text;
    };
    thread_local LastDate last;
    const QString& pattern = regional().shortDateFormat;
    if (date != last.date || pattern != last.pattern) last = {date, pattern, date.toString(pattern)};
    return last.text;
}

} // namespace

std::optional<QDateTime> dateTimeValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? std::optional(value.toDateTime()) : std::nullopt;
    case QMetaType::QDate:
        return value.toDate().isValid() ? std::optional(QDateTime(value.toDate(), QTime(0, 0)))
                                        : std::nullopt;
    case QMetaType::QString:
        return readDateTime(value.toString());
    default:
        return std::nullopt;
    }
}

QDateTime toDateTime(const QVariant& value) {
    if (isNull(value)) throw RuntimeError::of(err::InvalidUseOfNull);
    auto dateTime = dateTimeValue(value);
    if (!dateTime) throw RuntimeError::of(err::TypeMismatch);
    return *dateTime;
}

bool isDate(const QVariant& value) {
    return !isNull(value) && dateTimeValue(value).has_value();
}

QString shortDateText(const QDateTime& value) {
    if (!value.isValid()) return {};
    QString text = shortDateOnly(value.date());
    QTime time = value.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + time.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

} // namespace core
