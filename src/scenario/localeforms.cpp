// Numbers and dates from the scenario's form into the run's.
#include "localeforms.h"

#include "platform/core/decimalvalue.h"

#include <QDate>

namespace scenario {

namespace {

// The digits of a date pattern as a regular expression: dd/MM/yyyy is \d{2}/\d{2}/\d{4}.
QString datePatternExpression(const QString& pattern) {
    QString expression;
    for (qsizetype at = 0; at < pattern.size();) {
        const QChar letter = pattern[at];
        qsizetype run = 1;
        while (at + run < pattern.size() && pattern[at + run] == letter)
            ++run;
        if (letter == u'd' || letter == u'M' || letter == u'y')
            expression += run == 1 ? QStringLiteral("\\d{1,2}") : QStringLiteral("\\d{%1}").arg(run);
        else
            expression += QRegularExpression::escape(pattern.mid(at, run));
        at += run;
    }
    return expression;
}

// Digits with the written separators between them.
QString numberExpression(const core::Regional& written) {
    const QString separators =
        QRegularExpression::escape(QString(written.decimalPoint) + written.thousandsSeparator);
    return QStringLiteral("\\d(?:[\\d%1]*\\d)?").arg(separators);
}

} // namespace

LocaleForms::LocaleForms(const core::Regional& written, const core::Regional& shown)
    : written_(written), shown_(shown),
      same_(written.shortDateFormat == shown.shortDateFormat && written.decimalPoint == shown.decimalPoint &&
            written.thousandsSeparator == shown.thousandsSeparator),
      numberOrDate_(QStringLiteral("(%1)|(%2)")
                        .arg(datePatternExpression(written.shortDateFormat), numberExpression(written))) {}

QString LocaleForms::inText(const QString& text) const {
    return tokens(text, true);
}

QString LocaleForms::numbersIn(const QString& text) const {
    return tokens(text, false);
}

QString LocaleForms::tokens(const QString& text, bool withDates) const {
    if (same_) return text;
    QString result;
    qsizetype from = 0;
    for (auto found = numberOrDate_.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        result += text.mid(from, match.capturedStart() - from);
        if (match.capturedLength(1) > 0)
            result += withDates ? date(match.captured(1)) : match.captured(1);
        else
            result += number(match.captured(2));
        from = match.capturedEnd();
    }
    return result + text.mid(from);
}

QString LocaleForms::valueText(const QVariant& value) const {
    if (core::isNull(value)) return QString();
    if (const core::DecimalNumber* decimal = core::carriedDecimal(value))
        return core::storedNumberText(*decimal).replace(u'.', written_.decimalPoint);
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return core::storedNumberText(value.toDouble()).replace(u'.', written_.decimalPoint);
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return writtenDate(core::shortDateText(core::toDateTime(value)));
    default:
        return core::toText(value);
    }
}

// A date the run wrote in its short form, with the time of day after it if any.
QString LocaleForms::writtenDate(const QString& shownText) const {
    const qsizetype blank = shownText.indexOf(u' ');
    const QDate day = QDate::fromString(shownText.left(blank), shown_.shortDateFormat);
    return day.toString(written_.shortDateFormat) + (blank < 0 ? QString() : shownText.mid(blank));
}

QString LocaleForms::number(const QString& digits) const {
    QString shown = digits;
    for (QChar& c : shown) {
        if (c == written_.decimalPoint)
            c = shown_.decimalPoint;
        else if (c == written_.thousandsSeparator)
            c = shown_.thousandsSeparator;
    }
    return shown;
}

QString LocaleForms::date(const QString& text) const {
    const QDate day = QDate::fromString(text, written_.shortDateFormat);
    return day.isValid() ? day.toString(shown_.shortDateFormat) : text;
}

} // namespace scenario
