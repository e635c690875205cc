// Unprepared and prepared statements on the QPSQL connection.
#include "postgresstatement.h"

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

PGconn* connectionOf(const QSqlDatabase& database) {
    QVariant handle = database.driver()->handle();
    return *static_cast<PGconn* const*>(handle.constData());
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

} // namespace

QSqlQuery runText(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.exec(sql)) raiseEngineError(query.lastError());
    return query;
}

QSqlQuery prepared(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.prepare(sql)) raiseEngineError(query.lastError());
    return query;
}

QStringList describePrepared(const QSqlDatabase& database, const QString& name) {
    PGconn* connection = connectionOf(database);
    PGresult* described = PQdescribePrepared(connection, name.toUtf8().constData());
    if (PQresultStatus(described) != PGRES_COMMAND_OK) {
        PQclear(described);
        raiseDriverError(core::err::DbFailure, QString::fromUtf8(PQerrorMessage(connection)).trimmed());
    }
    QStringList names;
    for (int column = 0; column < PQnfields(described); ++column)
        names << QString::fromUtf8(PQfname(described, column));
    PQclear(described);
    return names;
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
