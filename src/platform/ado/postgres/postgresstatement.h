// Running statements on a QPSQL connection, the engine's refusals raised as runtime errors.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <optional>

class QSqlDriver;
class QSqlError;

namespace ado::postgres {

// Whether the line to the server is closed: what the server sent meanwhile (the end of the session, a
// restart) is read without waiting for more.
bool lineBroken(const QSqlDatabase& database);

// Raises the engine's refusal; when the line to the server broke with it, that the server cannot be reached.
[[noreturn]] void raiseFailure(const QSqlDriver* driver, const QSqlError& error);

// Runs a text of one or more statements as it is, unprepared; its result stays on the client, so that
// rows can be read while other statements run on the connection.
QSqlQuery runText(const QSqlDatabase& database, const QString& sql);

// A statement with ? for each value, prepared on the server to run with values bound.
QSqlQuery prepared(const QSqlDatabase& database, const QString& sql);

// The names of the columns the statement prepared under `name` gives, asked of the server without running it.
QStringList describePrepared(const QSqlDatabase& database, const QString& name);

// Whether a statement failed inside the open transaction: the engine then refuses all but a rollback, and
// would answer a COMMIT by rolling back without an error.
bool transactionFailed(const QSqlDatabase& database);

// Keeps the engine's notices (a table dropped "if exists" was not there, a collation created "if not exists"
// already was) off stderr, from before the first statement on, whatever the session's settings become;
// its warnings still reach stderr as libpq prints them.
void silenceNotices(const QSqlDatabase& database);

// Runs the statements together, in one round trip; the engine runs none after one it refuses, whose refusal
// is raised. Gives for each statement the first field of its first row: numbers as numbers, anything else
// as text, null when it returns no rows.
QVariantList runTogether(const QSqlDatabase& database, const QStringList& statements);

// The text the engine sent for a column of the query's current row; nothing for a null.
std::optional<QString> sentText(const QSqlQuery& query, int column);

} // namespace ado::postgres
