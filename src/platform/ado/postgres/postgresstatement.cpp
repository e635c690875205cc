// Unprepared and prepared statements on the QPSQL connection.
#include "postgresstatement.h"

#include "platform/ado/adoerror.h"
#include "platform/core/runtimeerror.h"
#include "postgreserror.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>
#include <atomic>
#include <cstring>
#include <libpq-fe.h>

namespace ado::postgres {

namespace {

PGconn* connectionOf(const QSqlDriver* driver) {
    QVariant handle = driver->handle();
    return *static_cast<PGconn* const*>(handle.constData());
}

PGconn* connectionOf(const QSqlDatabase& database) {
    return connectionOf(database.driver());
}

// The first line of what the client library last said about the connection.
QString clientMessage(PGconn* connection) {
    return QString::fromUtf8(PQerrorMessage(connection)).section(u'\n', 0, 0).trimmed();
}

// A failure of the client library itself, not an answer of the engine.
[[noreturn]] void raiseClientFailure(PGconn* connection) {
    if (PQstatus(connection) == CONNECTION_BAD)
        throw unreachableServer(clientMessage(connection), driverName);
    raiseDriverError(core::err::DbFailure, clientMessage(connection));
}

// libpq's own receiver, which prints a message on stderr; every connection starts with the same one.
std::atomic<PQnoticeReceiver> printingReceiver{nullptr};

// Lets a message of the engine through to libpq's printing unless it is one of those below a warning.
void receiveNotice(void* argument, const PGresult* message) {
    const char* severity = PQresultErrorField(message, PG_DIAG_SEVERITY_NONLOCALIZED);
    for (const char* quiet : {"NOTICE", "INFO", "LOG", "DEBUG"})
        if (severity && std::strcmp(severity, quiet) == 0) return;
    printingReceiver.load()(argument, message);
}

// The engine's types of whole numbers and of other numbers.
bool isWholeNumber(Oid type) {
    constexpr Oid int8 = 20, int2 = 21, int4 = 23;
    return type == int8 || type == int2 || type == int4;
}

bool isNumber(Oid type) {
    constexpr Oid float4 = 700, float8 = 701, numeric = 1700;
    return type == float4 || type == float8 || type == numeric;
}

QVariant firstValue(const PGresult* result) {
    if (PQntuples(result) == 0 || PQnfields(result) == 0 || PQgetisnull(result, 0, 0)) return {};
    const QString text = QString::fromUtf8(PQgetvalue(result, 0, 0));
    if (isWholeNumber(PQftype(result, 0))) return text.toLongLong();
    if (isNumber(PQftype(result, 0))) return text.toDouble();
    return text;
}

QSqlError errorOf(const PGresult* result) {
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    return QSqlError(QString(), QString::fromUtf8(PQresultErrorMessage(result)), QSqlError::StatementError,
                     QString::fromUtf8(state ? state : ""));
}

} // namespace

QVariantList runTogether(const QSqlDatabase& database, const QStringList& statements) {
    PGconn* connection = connectionOf(database);
    if (!PQsendQuery(connection, statements.join(QStringLiteral("; ")).toUtf8().constData()))
        raiseClientFailure(connection);
    QVariantList values;
    std::optional<QSqlError> refusal;
    while (PGresult* result = PQgetResult(connection)) {
        if (PQresultStatus(result) == PGRES_TUPLES_OK)
            values << firstValue(result);
        else if (PQresultStatus(result) == PGRES_COMMAND_OK)
            values << QVariant();
        else if (!refusal)
            refusal = errorOf(result);
        PQclear(result);
    }
    if (refusal) raiseFailure(database.driver(), *refusal);
    return values;
}

QSqlQuery runText(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.exec(sql)) raiseFailure(database.driver(), query.lastError());
    return query;
}

QSqlQuery prepared(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.prepare(sql)) raiseFailure(database.driver(), query.lastError());
    return query;
}

QStringList describePrepared(const QSqlDatabase& database, const QString& name) {
    PGconn* connection = connectionOf(database);
    PGresult* described = PQdescribePrepared(connection, name.toUtf8().constData());
    if (PQresultStatus(described) != PGRES_COMMAND_OK) {
        PQclear(described);
        raiseClientFailure(connection);
    }
    QStringList names;
    for (int column = 0; column < PQnfields(described); ++column)
        names << QString::fromUtf8(PQfname(described, column));
    PQclear(described);
    return names;
}

bool lineBroken(const QSqlDatabase& database) {
    PGconn* connection = connectionOf(database);
    // A server ending the session says why before it closes the line: a second read finds the end.
    for (int read = 0; read < 2; ++read)
        if (PQstatus(connection) == CONNECTION_OK && PQtransactionStatus(connection) != PQTRANS_ACTIVE)
            PQconsumeInput(connection);
    return PQstatus(connection) == CONNECTION_BAD;
}

void raiseFailure(const QSqlDriver* driver, const QSqlError& error) {
    PGconn* connection = connectionOf(driver);
    if (PQstatus(connection) != CONNECTION_BAD) raiseEngineError(error);
    const QString told = engineMessage(error);
    throw unreachableServer(told.isEmpty() ? clientMessage(connection) : told, driverName);
}

bool transactionFailed(const QSqlDatabase& database) {
    return PQtransactionStatus(connectionOf(database)) == PQTRANS_INERROR;
}

void silenceNotices(const QSqlDatabase& database) {
    PQnoticeReceiver previous = PQsetNoticeReceiver(connectionOf(database), receiveNotice, nullptr);
    if (previous != receiveNotice) printingReceiver = previous;
}

std::optional<QString> sentText(const QSqlQuery& query, int column) {
    QVariant handle = query.result()->handle();
    const PGresult* result = *static_cast<PGresult* const*>(handle.constData());
    if (PQgetisnull(result, query.at(), column)) return std::nullopt;
    return QString::fromUtf8(PQgetvalue(result, query.at(), column));
}

} // namespace ado::postgres
