// Mapping of PostgreSQL's SQLSTATE codes to the runtime's database error numbers.
#include "postgreserror.h"

#include "platform/core/runtimeerror.h"

#include <QSqlError>

namespace ado::postgres {

namespace {

// The class (first two characters) says what went wrong: 23 a constraint, 42 a refused text (syntax,
// unknown names), 57014 a statement cancelled by the time-out, 55P03 a lock not granted in time.
qint64 errorNumber(const QString& sqlState) {
    if (sqlState.startsWith(QLatin1String("23"))) return core::err::DbConstraintViolation;
    if (sqlState.startsWith(QLatin1String("42"))) return core::err::DbStatementRejected;
    if (sqlState == QLatin1String("57014") || sqlState == QLatin1String("55P03")) return core::err::DbTimeout;
    return core::err::DbFailure;
}

// The engine's primary message: the plugin hands over "ERROR:  message" with the detail, the context and
// the SQLSTATE on lines of their own.
QString primaryMessage(const QSqlError& error) {
    QString text = error.databaseText().section(u'\n', 0, 0).trimmed();
    for (const char* severity : {"ERROR:", "FATAL:", "PANIC:"})
        if (text.startsWith(QLatin1String(severity))) return text.mid(qstrlen(severity)).trimmed();
    return text.isEmpty() ? error.text() : text;
}

} // namespace

void raiseEngineError(const QSqlError& error) {
    raiseDriverError(errorNumber(error.nativeErrorCode()), primaryMessage(error));
}

void raiseDriverError(qint64 number, const QString& description) {
    throw core::RuntimeError(number, description, driverName);
}

} // namespace ado::postgres
