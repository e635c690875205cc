// Bringing a shop database made by an earlier version up to date: the owner's step, never a counter's.
#pragma once

#include "platform/ado/connection.h"

#include <QStringList>

namespace db {

// Installs or brings up to date what the engine keeps in the database for the module's statements, and
// makes what a database made before them lacks: the saving lock with its row, the numbering table, the
// table of the keys the counters give their saves, and the unique keys of the receipt header on shop and
// id and on the receipt number. Does nothing to a database that has them; upgrades run one after the
// other, and counters may work meanwhile. A key that stored rows already break is left out: what is
// returned names it and those rows, and the module works on without the key.
QStringList upgradeDatabase(const ado::ConnectionPtr& connection);

} // namespace db
