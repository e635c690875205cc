// Conversions of bound, literal and read values for PostgreSQL.
#include "postgresvalues.h"

#include "platform/ado/dialect/datetext.h"
#include "platform/ado/quoting.h"
#include "platform/core/runtimeerror.h"
#include "postgreserror.h"

#include <QDateTime>

namespace ado::postgres {

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
    switch (bound.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return bound.toString();
    default:
        return quoted(bound.toString());
    }
}

QVariant dateValue(const std::optional<QString>& sent) {
    if (!sent) return {};
    auto wallClock = dialect::parseDateText(*sent);
    if (!wallClock) return QDateTime::fromString(*sent, Qt::ISODate);
    const QDateTime local(wallClock->date(), wallClock->time());
    return local.isValid() ? local : *wallClock;
}

} // namespace ado::postgres
