// Runtime errors from the PostgreSQL engine's answers.
#pragma once

#include <QString>

class QSqlError;

namespace ado::postgres {

inline const QString driverName = QStringLiteral("PostgreSQL");

// Throws the runtime error for an error the engine reported, with the engine's own message and the number
// its SQLSTATE class stands for.
[[noreturn]] void raiseEngineError(const QSqlError& error);

// The engine's primary message in the error ("ERROR:" and the lines after the first left out); the
// plugin's own text when the engine said nothing.
QString engineMessage(const QSqlError& error);

// Throws a runtime error of the driver with the given number and description.
[[noreturn]] void raiseDriverError(qint64 number, const QString& description);

} // namespace ado::postgres
