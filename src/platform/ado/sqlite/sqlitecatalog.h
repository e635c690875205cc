// The column kinds of an SQLite database, read from its schema and read again when it changes.
#pragma once

#include "platform/ado/dialect/catalog.h"

struct sqlite3;

namespace ado::sqlite {

// Holds no prepared statement between calls: QtSql closes a connection still open when the application
// object goes, and the engine refuses to close (and so keeps its memory) while a statement is prepared.
class SchemaCache {
public:
    explicit SchemaCache(sqlite3* db) : db_(db) {}

    // The tables and views with their columns; read once per schema version of the database.
    const dialect::Catalog& catalog();
    // The schema version the catalogue was read at.
    int version() const { return version_; }
    // Has the catalogue read again on its next use.
    void forget() { version_ = -1; }
    // The database's schema version as it stands.
    int schemaVersion();

private:
    sqlite3* db_;
    int version_ = -1;
    dialect::Catalog catalog_;
    void load();
    void loadColumns(const QString& table);
};

} // namespace ado::sqlite
