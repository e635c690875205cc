// The translations and prepared statements of the queries a PostgreSQL connection runs, kept per shape.
#pragma once

#include "platform/ado/dialect/shapecache.h"
#include "postgresstatement.h"

#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

namespace ado::postgres {

class PreparedStatements;

// Each shape is prepared on the server once and run with its lifted literals as values. The rows of a run
// are held on the client, so any number of cursors may read one shape's statement at once. A shape that
// leaves the cache has its prepared statement deallocated before the next one is prepared.
class StatementCache {
public:
    explicit StatementCache(PreparedStatements& prepared);
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    struct Shape {
        QString translated;  // the engine's text, the lifted literals written $1, $2, ...
        QByteArray prepared; // the prepared statement's name; empty until prepared
        QStringList names;   // the result's columns, as the engine names them
        // The columns as the module's statement spells them, once a cursor asked for them.
        std::optional<QStringList> spelled;
    };

    // The shape with this key, translated by `translate` when the cache does not hold it.
    Shape& shape(const QString& key, const std::function<QString()>& translate);
    // The statement that runs the shape, prepared on first use with parameters of the values' types (a whole
    // number bigint, a text told by the engine from where it goes), with these values.
    Statement execution(Shape& shape, const QVariantList& values);
    // Forgets every shape: the schema they were translated and prepared on changed.
    void clear();

private:
    PreparedStatements& prepared_;
    dialect::ShapeCache<Shape> shapes_;

    void prepare(Shape& shape, const QVariantList& values);
};

} // namespace ado::postgres
