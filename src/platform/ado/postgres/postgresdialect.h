// The functions of dialect.sql the translated statements call, installed in the database they run on.
#pragma once

typedef struct pg_conn PGconn;

namespace ado::postgres {

// The text of dialect.sql, built into the driver.
extern const char* const dialectScript;

// Whether the database holds the functions as this build installs them: one query.
bool hasDialect(PGconn* connection);

// Installs the functions when the database lacks them or holds another version of them (the owner's step).
// Two installers at once install them one after the other.
void ensureDialect(PGconn* connection);

} // namespace ado::postgres
