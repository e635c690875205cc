// The dialect's functions and the text collation, registered on every SQLite connection.
#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers the functions the translated statements call (tsql_isnull, tsql_len, tsql_right,
// tsql_isnumeric, tsql_int, tsql_datediff, tsql_dateadd) and the collation CI.
void registerDialect(sqlite3* db);

// The CI collation: letter case and trailing blanks ignored. Exposed for its tests.
int compareIgnoringCase(int leftLength, const void* left, int rightLength, const void* right);

} // namespace ado::sqlite
