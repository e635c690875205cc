// The column kinds of a PostgreSQL database, read once and again after its schema changed.
#pragma once

#include "platform/ado/dialect/catalog.h"

typedef struct pg_conn PGconn;

namespace ado::postgres {

class SchemaCache {
public:
    explicit SchemaCache(PGconn* connection) : connection_(connection) {}

    // The tables and views of the schemas on the search path, with their columns.
    const dialect::Catalog& catalog();
    // Read the schema again before the next statement: this connection changed it.
    void invalidate() { loaded_ = false; }

private:
    PGconn* connection_;
    bool loaded_ = false;
    dialect::Catalog catalog_;
    void load();
};

} // namespace ado::postgres
