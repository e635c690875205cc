// The embedded SQL scripts of the shop database, in SQLite's own language.
#pragma once

namespace db::scripts {

// Tables, views, triggers, procedures and catalogue rows; may run again on an existing database.
extern const char* const schema;
// The demo companies, shops, users, customers, documents and receipts.
extern const char* const demo;
// Bulk data for one shop; reads its arguments from the temporary table gen_args.
extern const char* const generate;

} // namespace db::scripts
