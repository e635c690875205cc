// Prepared and direct statements on the QODBC connection.
#include "odbcstatement.h"

#include "odbcerror.h"

#include <QSqlError>
#include <QSqlResult>
#include <sqlext.h>

namespace ado::odbc {

namespace {

// The plugin keeps no statement time-out of its own: it is set on the statement's handle, which exists
// from the prepare on.
void setTimeout(const QSqlQuery& query, int seconds) {
    QVariant handle = query.result()->handle();
    SQLHANDLE statement = *static_cast<const SQLHANDLE*>(handle.constData());
    SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(qMax(seconds, 0))), 0);
}

// A value as the ODBC driver is given it: flags as 1 and 0.
QVariant boundValue(const QVariant& value) {
    return value.typeId() == QMetaType::Bool ? QVariant(int(value.toBool())) : value;
}

} // namespace

QSqlQuery runBound(const QSqlDatabase& database, const QString& sql, const QVariantList& values,
                   int timeoutSeconds) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) raiseStatementError(query);
    setTimeout(query, timeoutSeconds);
    for (const QVariant& value : values)
        query.addBindValue(boundValue(value));
    if (!query.exec()) raiseStatementError(query);
    return query;
}

QSqlQuery runText(const QSqlDatabase& database, const QString& sql) {
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(sql)) raiseStatementError(query);
    return query;
}

} // namespace ado::odbc
