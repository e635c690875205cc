// Reading the tables' columns from the system catalogues, their kinds by the type's category.
#include "postgrescatalog.h"

#include "postgresstatement.h"

namespace ado::postgres {

namespace {

// The engine's type categories: S strings, N numbers, D dates and times, B booleans (flags, numbers to
// the module).
dialect::ValueKind kindOfCategory(const QString& category) {
    using dialect::ValueKind;
    if (category == QLatin1String("S")) return ValueKind::Text;
    if (category == QLatin1String("N") || category == QLatin1String("B")) return ValueKind::Number;
    if (category == QLatin1String("D")) return ValueKind::Date;
    return ValueKind::Unknown;
}

const QString columnsQuery = QStringLiteral(
    "select c.relname, a.attname, t.typcategory from pg_class c"
    " join pg_namespace n on n.oid = c.relnamespace and n.nspname = any (current_schemas(false))"
    " join pg_attribute a on a.attrelid = c.oid and a.attnum > 0 and not a.attisdropped"
    " join pg_type t on t.oid = a.atttypid"
    " where c.relkind in ('r', 'v', 'm', 'p', 'f')");

} // namespace

const dialect::Catalog& SchemaCache::catalog() {
    if (!loaded_) load();
    return catalog_;
}

void SchemaCache::load() {
    catalog_.clear();
    const PgResult columns = runText(connection_, columnsQuery);
    const auto text = [&](int row, int column) {
        return QString::fromUtf8(PQgetvalue(columns.get(), row, column));
    };
    for (int row = 0; row < PQntuples(columns.get()); ++row)
        catalog_.addColumn(text(row, 0), text(row, 1), kindOfCategory(text(row, 2)));
    loaded_ = true;
}

} // namespace ado::postgres
