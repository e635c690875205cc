// Preparing each query shape once on the server and running it with its values.
#include "postgresstatementcache.h"

#include "postgresprepared.h"
#include "postgresvalues.h"

namespace ado::postgres {

StatementCache::StatementCache(PreparedStatements& prepared)
    : prepared_(prepared), shapes_([this](Shape& shape) {
          if (!shape.prepared.isEmpty()) prepared_.release(shape.prepared);
      }) {}

StatementCache::Shape& StatementCache::shape(const QString& key, const std::function<QString()>& translate) {
    return shapes_.shape(key, [&] { return Shape{translate(), {}, {}, {}}; });
}

void StatementCache::prepare(Shape& shape, const QVariantList& values) {
    std::vector<Oid> types;
    for (const QVariant& value : values)
        types.push_back(sentType(value));
    PreparedStatements::Prepared prepared = prepared_.prepare(shape.translated, types);
    shape.names = std::move(prepared.columns);
    shape.prepared = std::move(prepared.name);
}

Statement StatementCache::execution(Shape& shape, const QVariantList& values) {
    if (shape.prepared.isEmpty()) prepare(shape, values);
    Statement statement{{}, shape.prepared, {}, {}};
    for (const QVariant& value : values)
        statement.values.push_back(sentText(value));
    return statement;
}

void StatementCache::clear() {
    shapes_.clear();
}

} // namespace ado::postgres
