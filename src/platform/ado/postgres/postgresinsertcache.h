// The inserts of a PostgreSQL connection, each column list prepared once and run again with new values.
#pragma once

#include "platform/ado/dialect/shapecache.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace ado::postgres {

// A receipt's header and its detail rows are added one after the other, each through an insert with the
// same columns as the last receipt's: prepared once, such an insert takes one round trip to the server
// instead of three (prepare, execute, deallocate). An insert that leaves the cache, or every one when the
// schema changed, has its prepared statement deallocated.
class InsertCache {
public:
    explicit InsertCache(QSqlDatabase database) : database_(std::move(database)) {}
    InsertCache(const InsertCache&) = delete;
    InsertCache& operator=(const InsertCache&) = delete;

    // Runs the insert `sql`, a ? standing for each value, with `values` bound.
    void run(const QString& sql, const QVariantList& values);
    void clear() { statements_.clear(); }

private:
    QSqlDatabase database_;
    dialect::ShapeCache<QSqlQuery> statements_;
};

} // namespace ado::postgres
