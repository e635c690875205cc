// Conversions of sent, literal and read values for PostgreSQL.
#include "postgresvalues.h"

#include "platform/ado/dialect/datetext.h"
#include "platform/ado/quoting.h"
#include "platform/core/decimalvalue.h"
#include "platform/core/runtimeerror.h"
#include "postgreserror.h"

#include <QDateTime>
#include <charconv>
#include <memory>

namespace ado::postgres {

namespace {

bool isWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool isNumber(const QVariant& value) {
    return isWholeNumber(value) || value.typeId() == QMetaType::Double ||
           value.typeId() == QMetaType::Float || core::carriedDecimal(value);
}

template <typename Number> Number parsed(const char* text, int length) {
    Number number{};
    std::from_chars(text, text + length, number);
    return number;
}

// A timestamp as the engine sent it ("yyyy-MM-dd hh:mm:ss.zzz"): the local time, or the wall-clock time in
// UTC where the local clocks skip it.
QVariant dateValue(const QString& sent) {
    auto wallClock = dialect::parseDateText(sent);
    if (!wallClock) return QDateTime::fromString(sent, Qt::ISODate);
    const QDateTime local(wallClock->date(), wallClock->time());
    return local.isValid() ? local : *wallClock;
}

// A numeric's digits as the engine wrote them ("-12.3400"); its NaN and infinities, which no amount is, as a
// double.
QVariant decimalValue(const char* text, int length) {
    const std::string_view digits(text, size_t(length));
    if (digits.find_first_of("NI") != std::string_view::npos) return parsed<double>(text, length);
    return core::decimalValue(core::DecimalNumber::parse(digits));
}

QByteArray unescapedBytes(const char* text) {
    size_t length = 0;
    const std::unique_ptr<unsigned char, decltype(&PQfreemem)> bytes(
        PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &length), &PQfreemem);
    return QByteArray(reinterpret_cast<const char*>(bytes.get()), qsizetype(length));
}

} // namespace

QVariant boundValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return int(value.toBool());
    case QMetaType::QDate:
        return dialect::canonicalDateText(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime:
        return dialect::canonicalDateText(value.toDateTime());
    default:
        return value;
    }
}

QVariant storedDate(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return boundValue(value);
    if (auto stored = dialect::storedDateText(value.toString())) return *stored;
    raiseDriverError(core::err::DbFailure, QLatin1String(dialect::notADateText));
}

QString literal(const QVariant& value) {
    QVariant bound = boundValue(value);
    if (bound.isNull()) return QStringLiteral("NULL");
    return isNumber(bound) ? bound.toString() : quoted(bound.toString());
}

std::optional<QByteArray> sentText(const QVariant& bound) {
    if (bound.isNull()) return std::nullopt;
    if (bound.typeId() == QMetaType::QByteArray) return "\\x" + bound.toByteArray().toHex();
    return bound.toString().toUtf8();
}

Oid sentType(const QVariant& bound) {
    if (bound.isNull()) return 0;
    if (isWholeNumber(bound)) return oid::Int8;
    return isNumber(bound) ? oid::Numeric : 0;
}

ColumnKind columnKind(Oid type) {
    switch (type) {
    case oid::Int2:
    case oid::Int4:
        return ColumnKind::Integer;
    case oid::Int8:
    case oid::Oid:
        return ColumnKind::BigInteger;
    case oid::Numeric:
        return ColumnKind::Decimal;
    case oid::Float4:
    case oid::Float8:
        return ColumnKind::Number;
    case oid::Bool:
        return ColumnKind::Flag;
    case oid::Date:
        return ColumnKind::Date;
    case oid::Time:
    case oid::TimeTz:
        return ColumnKind::Time;
    case oid::Timestamp:
    case oid::TimestampTz:
        return ColumnKind::Timestamp;
    case oid::Bytea:
        return ColumnKind::Bytes;
    default:
        return ColumnKind::Text;
    }
}

QVariant readValue(ColumnKind kind, const char* text, int length) {
    switch (kind) {
    case ColumnKind::Integer:
        return parsed<int>(text, length);
    case ColumnKind::BigInteger:
        return parsed<qlonglong>(text, length);
    case ColumnKind::Decimal:
        return decimalValue(text, length);
    case ColumnKind::Number:
        return parsed<double>(text, length);
    case ColumnKind::Flag:
        return int(*text == 't');
    case ColumnKind::Date:
        return QDate::fromString(QLatin1String(text, length), Qt::ISODate);
    case ColumnKind::Time:
        return QTime::fromString(QLatin1String(text, length), Qt::ISODate);
    case ColumnKind::Timestamp:
        return dateValue(QString::fromLatin1(text, length));
    case ColumnKind::Bytes:
        return unescapedBytes(text);
    case ColumnKind::Text:
        break;
    }
    return QString::fromUtf8(text, length);
}

} // namespace ado::postgres
