// Preparing each query shape once on the server and running it with its values.
#include "postgresstatementcache.h"

#include "postgresstatement.h"

namespace ado::postgres {

StatementCache::StatementCache(QSqlDatabase database)
    : database_(std::move(database)), shapes_([this](Shape& shape) {
          if (!shape.prepared.isEmpty()) unused_ << shape.prepared;
      }) {}

StatementCache::Shape& StatementCache::shape(const QString& key, const std::function<QString()>& translate) {
    return shapes_.shape(key, [&] { return Shape{translate(), {}, {}, {}}; });
}

void StatementCache::prepare(Shape& shape, qsizetype parameters) {
    if (!unused_.isEmpty()) {
        runText(database_, QStringLiteral("deallocate ") + unused_.join(QStringLiteral("; deallocate ")));
        unused_.clear();
    }
    const QString name = QStringLiteral("ado_%1").arg(++prepared_);
    QStringList types;
    types.fill(QStringLiteral("bigint"), parameters);
    runText(database_,
            QStringLiteral("prepare %1%2 as %3")
                .arg(name, types.isEmpty() ? QString() : u'(' + types.join(u',') + u')', shape.translated));
    shape.names = describePrepared(database_, name);
    shape.prepared = name;
}

QString StatementCache::execution(Shape& shape, const QVariantList& values) {
    if (shape.prepared.isEmpty()) prepare(shape, values.size());
    if (values.isEmpty()) return QStringLiteral("execute ") + shape.prepared;
    QStringList written;
    for (const QVariant& value : values)
        written << QString::number(value.toLongLong());
    return QStringLiteral("execute %1(%2)").arg(shape.prepared, written.join(u','));
}

void StatementCache::clear() {
    shapes_.clear();
}

} // namespace ado::postgres
