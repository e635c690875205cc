// Column kinds by table, for the translation of the dialect.
#include "catalog.h"

#include <optional>

namespace ado::dialect {

namespace {

// A column found in tables of different kinds; reported as Unknown.
constexpr auto mixed = ValueKind(-1);

ValueKind merged(ValueKind a, ValueKind b) {
    return a == b ? a : mixed;
}

ValueKind reported(ValueKind kind) {
    return kind == mixed ? ValueKind::Unknown : kind;
}

} // namespace

void Catalog::addColumn(const QString& table, const QString& column, ValueKind kind) {
    QString key = column.toLower();
    tables_[table.toLower()].insert(key, {column, kind});
    auto known = anyTable_.find(key);
    if (known == anyTable_.end())
        anyTable_.insert(key, kind);
    else
        *known = merged(*known, kind);
}

void Catalog::clear() {
    tables_.clear();
    anyTable_.clear();
}

bool Catalog::hasTable(const QString& table) const {
    return tables_.contains(table.toLower());
}

const Catalog::Column* Catalog::find(const QString& table, const QString& column) const {
    auto columns = tables_.constFind(table.toLower());
    if (columns == tables_.constEnd()) return nullptr;
    auto found = columns->constFind(column.toLower());
    return found == columns->constEnd() ? nullptr : &*found;
}

QString Catalog::columnName(const QString& table, const QString& column) const {
    const Column* found = find(table, column);
    return found ? found->name : QString();
}

ValueKind Catalog::columnKind(const QString& table, const QString& column) const {
    const Column* found = find(table, column);
    return found ? found->kind : ValueKind::Unknown;
}

ValueKind Catalog::columnKind(const QStringList& tables, const QString& column) const {
    std::optional<ValueKind> kind;
    for (const QString& table : tables)
        if (const Column* found = find(table, column)) kind = kind ? merged(*kind, found->kind) : found->kind;
    if (kind) return reported(*kind);
    return reported(anyTable_.value(column.toLower(), ValueKind::Unknown));
}

} // namespace ado::dialect
