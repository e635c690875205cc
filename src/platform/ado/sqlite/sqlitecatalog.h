// The column kinds of an SQLite database, read from its schema and read again when it changes.
#pragma once

#include "platform/ado/dialect/catalog.h"

#include <memory>

struct sqlite3;

namespace ado::sqlite {

class Statement;

class SchemaCache {
public:
    explicit SchemaCache(sqlite3* db);
    ~SchemaCache();

    // The tables and views with their columns; read once per schema version of the database.
    const dialect::Catalog& catalog();

private:
    sqlite3* db_;
    std::unique_ptr<Statement> versionQuery_;
    int version_ = -1;
    dialect::Catalog catalog_;
    int schemaVersion();
    void load();
    void loadColumns(const QString& table);
};

} // namespace ado::sqlite
