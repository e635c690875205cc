// Mapping of PostgreSQL's SQLSTATE codes to the runtime's database error numbers.
#include "postgreserror.h"

#include "platform/core/runtimeerror.h"

#include <QSqlError>
#include <QStringList>

namespace ado::postgres {

namespace {

// The states of a database too busy for the statement: 57014 a statement cancelled by the time-out,
// 55P03 a lock not granted in time, 40001 a transaction that could not be serialized with another's,
// 40P01 a transaction chosen to end a deadlock. Each fails the transaction, which may succeed run again.
bool isBusy(const QString& sqlState) {
    static const QStringList busy = {QStringLiteral("57014"), QStringLiteral("55P03"),
                                     QStringLiteral("40001"), QStringLiteral("40P01")};
    return busy.contains(sqlState);
}

// The class (first two characters) says what went wrong: 23 a constraint, 42 a refused text (syntax,
// unknown names).
qint64 errorNumber(const QString& sqlState) {
    if (sqlState.startsWith(QLatin1String("23"))) return core::err::DbConstraintViolation;
    if (sqlState.startsWith(QLatin1String("42"))) return core::err::DbStatementRejected;
    if (isBusy(sqlState)) return core::err::DbTimeout;
    return core::err::DbFailure;
}

} // namespace

// The plugin hands over "ERROR:  message" with the detail, the context and the SQLSTATE on lines of their
// own.
QString engineMessage(const QSqlError& error) {
    QString text = error.databaseText().section(u'\n', 0, 0).trimmed();
    for (const char* severity : {"ERROR:", "FATAL:", "PANIC:"})
        if (text.startsWith(QLatin1String(severity))) return text.mid(qstrlen(severity)).trimmed();
    return text.isEmpty() ? error.text() : text;
}

void raiseEngineError(const QSqlError& error) {
    raiseDriverError(errorNumber(error.nativeErrorCode()), engineMessage(error));
}

void raiseDriverError(qint64 number, const QString& description) {
    throw core::RuntimeError(number, description, driverName);
}

} // namespace ado::postgres
