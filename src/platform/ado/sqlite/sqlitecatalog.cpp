// Reading the tables' column types with pragma table_info, and their kinds by SQLite's affinity.
#include "sqlitecatalog.h"

#include "platform/core/runtimeerror.h"
#include "sqlitestatement.h"

#include <memory>

namespace ado::sqlite {

namespace {

// The kind of value a column declared with this type holds: DATETEXT is the dates' own type; the other
// types follow SQLite's affinity words (INT, CHAR/CLOB/TEXT, REAL/FLOA/DOUB, NUM/DEC/MONEY/BIT/BOOL).
dialect::ValueKind kindOfDeclaredType(const QString& type) {
    using dialect::ValueKind;
    QString upper = type.toUpper();
    auto has = [&](const char* word) { return upper.contains(QLatin1String(word)); };
    if (upper.trimmed() == QLatin1String("DATETEXT")) return ValueKind::Date;
    if (has("INT")) return ValueKind::Number;
    if (has("CHAR") || has("CLOB") || has("TEXT")) return ValueKind::Text;
    if (has("REAL") || has("FLOA") || has("DOUB") || has("NUM") || has("DEC") || has("MONEY") || has("BIT") ||
        has("BOOL"))
        return ValueKind::Number;
    return ValueKind::Unknown;
}

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
            catalog_.addColumn(table, columns->value(0, false).toString(), kindOfDeclaredType(type));
        }
    } catch (const core::RuntimeError&) {
        // A view over a missing table has no columns to know; statements on it fail on their own.
    }
}

} // namespace ado::sqlite
