// The keys of the receipt header, the numbering table and the saving lock: made where a database lacks them.
#pragma once

#include "platform/ado/connection.h"

namespace store {

// Brings a shop database made before them up to date in one transaction, and does nothing to one that
// has them: the lock table with its row, the numbering table, the unique keys of the receipt header on
// shop and id and on the receipt number. A key that stored rows already break is left out; those rows go
// to the error log and the module works on without the key.
void ensureReceiptKeys(const ado::ConnectionPtr& connection);

} // namespace store
