// Running statements on a libpq connection, the engine's refusals raised as runtime errors.
#pragma once

#include "postgreslibpq.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <libpq-fe.h>
#include <optional>
#include <vector>

namespace ado::postgres {

// One statement as it is sent: a text with $1, $2, ... for its values, or the name of a statement prepared
// on the server; each value as its text (nothing for null) with its type (0 lets the engine tell it from
// where the value goes).
struct Statement {
    QByteArray text;
    QByteArray prepared;
    std::vector<std::optional<QByteArray>> values;
    std::vector<Oid> types;
};

// Whether the line to the server is closed: what the server sent meanwhile (the end of the session, a
// restart) is read without waiting for more.
bool lineBroken(PGconn* connection);

// Raises the engine's refusal; when the line to the server broke with it (or there is no answer at all),
// that the server cannot be reached.
[[noreturn]] void raiseFailure(PGconn* connection, const PGresult* refusal);

// Runs a text of one or more statements as it is, through the simple protocol; the answer of the last one.
PgResult runText(PGconn* connection, const QString& sql);

// Runs the statements in one round trip, in the client library's pipeline: the engine runs none after one
// it refuses, whose refusal is raised once all have been answered. The answer of each statement.
std::vector<PgResult> runTogether(PGconn* connection, const std::vector<Statement>& statements);

// The first field of the answer's first row: numbers as numbers, anything else as text, null when it
// holds no rows.
QVariant firstValue(const PGresult* answer);

// In one round trip: deallocates the statements `released`, prepares `sql` under `name` (its parameters of
// the `types` given) and asks the server the names of the columns it gives, without running it.
QStringList prepare(PGconn* connection, const std::vector<QByteArray>& released, const QByteArray& name,
                    const QString& sql, const std::vector<Oid>& types);

// The names of the answer's columns, as the engine names them.
QStringList columnNames(const PGresult* answer);

// Whether a statement failed inside the open transaction: the engine then refuses all but a rollback, and
// would answer a COMMIT by rolling back without an error.
bool transactionFailed(PGconn* connection);

} // namespace ado::postgres
