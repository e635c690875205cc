// Whether a connection reaches a shop database the module can work on, told once when the register opens.
#pragma once

#include "platform/ado/connection.h"

namespace store {

// Reads each table the register and the entry window read. On a file that is not a database, a database
// locked at opening, or one that lacks such a table, raises one error naming the database and the problem,
// under the engine's error number; on one that an earlier version made, one error naming the upgrade that
// its owner runs. A connection that is not open is left to the first statement's error.
void checkShopDatabase(const ado::ConnectionPtr& connection);

} // namespace store
