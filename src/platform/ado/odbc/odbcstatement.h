// Running statements on a QODBC connection, the ODBC driver's refusals raised as runtime errors.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace ado::odbc {

// Prepares a statement with ? for each value and runs it with the values bound, cancelled after
// `timeoutSeconds` (0 waits forever) where the ODBC driver keeps a time-out.
QSqlQuery runBound(const QSqlDatabase& database, const QString& sql, const QVariantList& values,
                   int timeoutSeconds);

// Runs a text of one or more statements as it is, unprepared and without a time-out (schema and data
// set-up).
QSqlQuery runText(const QSqlDatabase& database, const QString& sql);

} // namespace ado::odbc
