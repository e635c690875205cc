// The error log of what the receipt store passes over: recorded for the administrator, shown to nobody.
#pragma once

#include "platform/ado/connection.h"

namespace store {

// Records the error in the suite's error log (its table on the connection and its file) without a
// message: a counter goes on working, and a scenario meets no box it did not expect.
void logQuietly(const ado::ConnectionPtr& connection, const QString& procedureName, qint64 errorNumber,
                const QString& description);

} // namespace store
