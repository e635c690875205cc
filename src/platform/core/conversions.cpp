// Regional settings, nulls, texts and truth values of values.
#include "conversions.h"
#include "decimalnumber.h"
#include "decimalvalue.h"
#include "runtimeerror.h"
#include "valuereaders.h"

namespace core {

namespace {

Regional& currentRegional() {
    static Regional settings;
    return settings;
}

QString textOfValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return numberText(value.toDouble());
    case QMetaType::Float:
        // A single-precision value has only seven significant digits worth showing.
        return numberText(DecimalNumber::fromDouble(value.toFloat(), 7).toDouble());
    case QMetaType::QDateTime:
        return shortDateText(value.toDateTime());
    case QMetaType::QDate:
        return shortDateText(QDateTime(value.toDate(), QTime(0, 0)));
    default:
        if (const DecimalNumber* decimal = carriedDecimal(value)) return numberText(*decimal);
        return value.toString();
    }
}

} // namespace

const Regional& regional() {
    return currentRegional();
}

void setRegional(const Regional& settings) {
    currentRegional() = settings;
}

bool isNull(const QVariant& value) {
    return !value.isValid() || value.isNull();
}

QString toText(const QVariant& value) {
    if (isNull(value)) throw RuntimeError::of(err::InvalidUseOfNull);
    return textOfValue(value);
}

QString nullAsEmpty(const QVariant& value) {
    return isNull(value) ? QString() : textOfValue(value);
}

bool toBool(const QVariant& value) {
    if (isNull(value)) throw RuntimeError::of(err::InvalidUseOfNull);
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        QString word = trimBlanks(value.toString());
        if (word.compare(u"True", Qt::CaseInsensitive) == 0) return true;
        if (word.compare(u"False", Qt::CaseInsensitive) == 0) return false;
    }
    auto number = numericValue(value);
    if (!number) throw RuntimeError::of(err::TypeMismatch);
    return *number != 0.0;
}

QString trimBlanks(const QString& text) {
    const QStringView trimmed = trimBlanks(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace core
