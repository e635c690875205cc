// The embedded SQL scripts of the shop database, one set in each engine's own language.
#pragma once

#include <QString>

namespace db {

struct SqlScripts {
    // Tables, views, triggers, procedures and catalogue rows; may run again on an existing database.
    const char* schema;
    // The demo companies, shops, users, customers, documents and receipts; reads the day it is loaded for
    // from the temporary table demo_args.
    const char* demo;
    // Bulk data for one shop; reads its arguments from the temporary table gen_args.
    const char* generate;
};

// The scripts for the engine behind the driver the connection string names ("sqlite", "postgres", without
// regard to letter case); error 3706 for a driver the shop database has no scripts for.
const SqlScripts& scriptsFor(const QString& driverName);

} // namespace db
