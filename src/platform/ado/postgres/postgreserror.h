// Runtime errors from the PostgreSQL engine's answers.
#pragma once

#include <QString>

typedef struct pg_result PGresult;

namespace ado::postgres {

inline const QString driverName = QStringLiteral("PostgreSQL");

// Throws the runtime error for a statement the engine refused, with the engine's own message and the number
// its SQLSTATE class stands for.
[[noreturn]] void raiseEngineError(const PGresult* refusal);

// The engine's primary message in the refusal, or the first line of what the client library said of it.
QString engineMessage(const PGresult* refusal);

// Throws a runtime error of the driver with the given number and description.
[[noreturn]] void raiseDriverError(qint64 number, const QString& description);

} // namespace ado::postgres
