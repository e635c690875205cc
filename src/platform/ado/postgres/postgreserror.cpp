// Mapping of PostgreSQL's SQLSTATE codes to the runtime's database error numbers.
#include "postgreserror.h"

#include "platform/core/runtimeerror.h"

#include <QStringList>
#include <libpq-fe.h>

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

// The client library's own text is "ERROR:  message" with the detail and the context on lines of their own.
QString engineMessage(const PGresult* refusal) {
    if (const char* primary = PQresultErrorField(refusal, PG_DIAG_MESSAGE_PRIMARY))
        return QString::fromUtf8(primary).trimmed();
    QString text = QString::fromUtf8(PQresultErrorMessage(refusal)).section(u'\n', 0, 0).trimmed();
    for (const char* severity : {"ERROR:", "FATAL:", "PANIC:"})
        if (text.startsWith(QLatin1String(severity))) return text.mid(qstrlen(severity)).trimmed();
    return text;
}

void raiseEngineError(const PGresult* refusal) {
    raiseDriverError(errorNumber(QString::fromUtf8(PQresultErrorField(refusal, PG_DIAG_SQLSTATE))),
                     engineMessage(refusal));
}

void raiseDriverError(qint64 number, const QString& description) {
    throw core::RuntimeError(number, description, driverName);
}

} // namespace ado::postgres
