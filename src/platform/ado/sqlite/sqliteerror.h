// Runtime errors from the SQLite engine's result codes.
#pragma once

#include <QString>

struct sqlite3;

namespace ado::sqlite {

inline const QString driverName = QStringLiteral("SQLite");

// Where a call failed: preparing a statement (its text was refused) or running it.
enum class Stage { Prepare, Run };

// Throws the runtime error for a failed engine call with the engine's own message.
[[noreturn]] void raiseEngineError(sqlite3* db, int resultCode, Stage stage);

// Throws a runtime error of the driver with the given number and description.
[[noreturn]] void raiseDriverError(qint64 number, const QString& description);

} // namespace ado::sqlite
