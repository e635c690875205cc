// Inserts prepared once per column list and run with each row's values.
#include "postgresinsertcache.h"

#include "postgresprepared.h"
#include "postgresvalues.h"

namespace ado::postgres {

namespace {

Statement withValues(const QString& sql, const QVariantList& bound) {
    Statement insert{sql.toUtf8(), {}, {}, {}};
    for (const QVariant& value : bound) {
        insert.values.push_back(sentText(value));
        insert.types.push_back(sentType(value));
    }
    return insert;
}

} // namespace

InsertCache::InsertCache(PreparedStatements& prepared)
    : prepared_(prepared), statements_([this](QByteArray& name) { prepared_.release(name); }) {}

Statement InsertCache::prepared(const QString& sql, const QVariantList& bound) {
    Statement insert = withValues(sql, bound);
    QString key = sql;
    for (Oid type : insert.types)
        key += u' ' + QString::number(type);
    insert.prepared = statements_.shape(key, [&] { return prepared_.prepare(sql, insert.types).name; });
    return insert;
}

} // namespace ado::postgres
