// Runtime errors from the diagnostics an ODBC driver reports.
#pragma once

#include <QString>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace ado::odbc {

inline const QString driverName = QStringLiteral("ODBC");

// Throws the runtime error for a statement that failed: the number its SQLSTATE stands for and the
// server's own message, as the statement's first diagnostic record gives them.
[[noreturn]] void raiseStatementError(const QSqlQuery& query);

// The same for a failed call on the connection (ending a transaction).
[[noreturn]] void raiseConnectionError(const QSqlDatabase& database);

// Throws error -2147467259 with the server's message of an error the plugin reported (a connection
// that did not open: the plugin keeps no handle of it).
[[noreturn]] void raisePluginError(const QSqlError& error);

// Throws a runtime error of the driver with the given number and description.
[[noreturn]] void raiseDriverError(qint64 number, const QString& description);

} // namespace ado::odbc
