// A statement of the module's dialect read through an engine's own C interface, translated as the engine's
// driver translates it: the yardstick the module's reading of the same rows is measured against.
#pragma once

#include "platform/ado/connectionstring.h"

#include <QString>

namespace bench {

struct RawReading {
    double seconds = 0; // from preparing the statement to the last cell taken as text
    long rows = 0;
    long filledCells = 0; // cells with a text, counted so that no cell goes unread
};

// Through sqlite3_prepare_v2 / sqlite3_step / sqlite3_column_text, on a connection of its own to the file
// with the driver's functions and collation registered.
RawReading readThroughSqlite(const QString& file, const QString& sql);

// Through libpq's PQexec and PQgetvalue, on a connection of its own to the database `target` names.
RawReading readThroughLibpq(const ado::ConnectionString& target, const QString& sql);

} // namespace bench
