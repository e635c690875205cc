// The inserts of a PostgreSQL connection, each column list prepared once and run again with new values.
#pragma once

#include "platform/ado/dialect/shapecache.h"
#include "postgresstatement.h"

#include <QVariantList>

namespace ado::postgres {

class PreparedStatements;

// A receipt's header and its detail rows are added one after the other, each through an insert with the
// same columns as the last receipt's: prepared once, such an insert is only run with its values. The types
// the values are sent as belong to the prepared statement: an insert of other types is another one. An
// insert that leaves the cache, or every one when the schema changed, has its prepared statement
// deallocated.
class InsertCache {
public:
    explicit InsertCache(PreparedStatements& prepared);
    InsertCache(const InsertCache&) = delete;
    InsertCache& operator=(const InsertCache&) = delete;

    // The insert `sql`, $1, $2, ... standing for the values bound (see boundValue), run through its prepared
    // statement.
    Statement prepared(const QString& sql, const QVariantList& bound);
    void clear() { statements_.clear(); }

private:
    PreparedStatements& prepared_;
    dialect::ShapeCache<QByteArray> statements_;
};

} // namespace ado::postgres
