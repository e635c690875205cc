// Mapping of ODBC's SQLSTATE codes to the runtime's database error numbers, and of its diagnostic
// messages to the server's own.
#include "odbcerror.h"

#include "platform/core/runtimeerror.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>
#include <sqlext.h>

namespace ado::odbc {

namespace {

// The class (first two characters) says what went wrong: 23 a constraint, 42 (37 under ODBC 2) a refused
// text; HYT00 and HYT01 are ODBC's time-outs, 57014 a statement the server cancelled when its time was up.
qint64 errorNumber(const QString& sqlState) {
    if (sqlState.startsWith(QLatin1String("23"))) return core::err::DbConstraintViolation;
    if (sqlState.startsWith(QLatin1String("42")) || sqlState.startsWith(QLatin1String("37")))
        return core::err::DbStatementRejected;
    if (sqlState.startsWith(QLatin1String("HYT")) || sqlState == QLatin1String("57014"))
        return core::err::DbTimeout;
    return core::err::DbFailure;
}

// The server's message in a diagnostic: its first line without the "[vendor][component]" prefixes, the
// severity ("ERROR:") or the ";" the driver adds before its own remark on a line of its own.
QString serverMessage(const QString& diagnostic) {
    static const QRegularExpression decoration(
        QStringLiteral("^(\\[[^\\]]*\\])*\\s*((ERROR|FATAL|PANIC):)?\\s*|;?\\s*$"));
    return diagnostic.section(u'\n', 0, 0).remove(decoration);
}

QString fromOdbc(const SQLWCHAR* text, qsizetype length) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

// Raises the handle's first diagnostic record; `fallback` when it has none.
[[noreturn]] void raiseDiagnostic(SQLSMALLINT type, SQLHANDLE handle, const QSqlError& fallback) {
    SQLWCHAR state[6] = {};
    SQLWCHAR message[2048] = {};
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    if (!handle || !SQL_SUCCEEDED(SQLGetDiagRecW(type, handle, 1, state, &nativeError, message,
                                                 SQLSMALLINT(std::size(message)), &length)))
        raisePluginError(fallback);
    length = qMin(length, SQLSMALLINT(std::size(message) - 1));
    raiseDriverError(errorNumber(fromOdbc(state, 5)), serverMessage(fromOdbc(message, length)));
}

SQLHANDLE handleOf(const QVariant& handle) {
    return handle.isValid() ? *static_cast<const SQLHANDLE*>(handle.constData()) : nullptr;
}

} // namespace

void raiseStatementError(const QSqlQuery& query) {
    raiseDiagnostic(SQL_HANDLE_STMT, handleOf(query.result()->handle()), query.lastError());
}

void raiseConnectionError(const QSqlDatabase& database) {
    raiseDiagnostic(SQL_HANDLE_DBC, handleOf(database.driver()->handle()), database.lastError());
}

void raisePluginError(const QSqlError& error) {
    raiseDriverError(core::err::DbFailure, serverMessage(error.databaseText()));
}

void raiseDriverError(qint64 number, const QString& description) {
    throw core::RuntimeError(number, description, driverName);
}

} // namespace ado::odbc
