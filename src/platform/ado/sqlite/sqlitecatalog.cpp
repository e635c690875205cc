// Reading the tables' column types with pragma table_info.
#include "sqlitecatalog.h"

#include "platform/core/runtimeerror.h"
#include "sqlitestatement.h"

#include <memory>

namespace ado::sqlite {

namespace {

std::unique_ptr<Statement> prepare(sqlite3* db, const char* sql) {
    const char* tail = sql;
    return std::make_unique<Statement>(db, tail, sql + qstrlen(sql));
}

} // namespace

const dialect::Catalog& SchemaCache::catalog() {
    int version = schemaVersion();
    if (version != version_) {
        load();
        version_ = version;
    }
    return catalog_;
}

int SchemaCache::schemaVersion() {
    auto versionQuery = prepare(db_, "pragma schema_version");
    versionQuery->step();
    return versionQuery->value(0, false).toInt();
}

void SchemaCache::load() {
    catalog_.clear();
    auto tables = prepare(db_, "select name from sqlite_schema where type in ('table', 'view')");
    while (tables->step())
        loadColumns(tables->value(0, false).toString());
}

void SchemaCache::loadColumns(const QString& table) {
    try {
        auto columns = prepare(db_, "select name, type from pragma_table_info(?1)");
        columns->bind(1, table);
        while (columns->step()) {
            QString type = columns->value(1, false).toString();
            catalog_.addColumn(table, columns->value(0, false).toString(), dialect::kindOfDeclaredType(type));
        }
    } catch (const core::RuntimeError&) {
        // A view over a missing table has no columns to know; statements on it fail on their own.
    }
}

} // namespace ado::sqlite
