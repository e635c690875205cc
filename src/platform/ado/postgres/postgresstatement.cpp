// Unprepared and prepared statements on the QPSQL connection.
#include "postgresstatement.h"

#include "postgreserror.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlResult>
#include <libpq-fe.h>

namespace ado::postgres {

QSqlQuery runText(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.exec(sql)) raiseEngineError(query.lastError());
    return query;
}

QSqlQuery runBound(const QSqlDatabase& database, const QString& sql, const QVariantList& values) {
    QSqlQuery query(database);
    query.setForwardOnly(false);
    if (!query.prepare(sql)) raiseEngineError(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) raiseEngineError(query.lastError());
    return query;
}

bool transactionFailed(const QSqlDatabase& database) {
    QVariant handle = database.driver()->handle();
    return PQtransactionStatus(*static_cast<PGconn* const*>(handle.constData())) == PQTRANS_INERROR;
}

std::optional<QString> sentText(const QSqlQuery& query, int column) {
    QVariant handle = query.result()->handle();
    const PGresult* result = *static_cast<PGresult* const*>(handle.constData());
    if (PQgetisnull(result, query.at(), column)) return std::nullopt;
    return QString::fromUtf8(PQgetvalue(result, query.at(), column));
}

} // namespace ado::postgres
