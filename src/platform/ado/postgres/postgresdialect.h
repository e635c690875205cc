// The functions of dialect.sql the translated statements call, installed in the database they run on.
#pragma once

#include <QSqlDatabase>

namespace ado::postgres {

// The text of dialect.sql, built into the driver.
extern const char* const dialectScript;

// Installs the functions when the database lacks them or holds another version of them: one query when
// they are there. Two counters opening a new database at once install them one after the other.
void ensureDialect(const QSqlDatabase& database);

} // namespace ado::postgres
