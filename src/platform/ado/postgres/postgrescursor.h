// Rows of one PostgreSQL query, run when the first row or the count is asked for.
#pragma once

#include "platform/ado/driver.h"

#include <QSqlQuery>
#include <memory>
#include <vector>

namespace ado::postgres {

// A query's result, held on the client; the driver releases it when the connection closes.
struct QueryResult {
    QSqlQuery query;
    QString sql; // the translated statement
    bool ran = false;
    bool released = false;
};

// The result's columns `names`, as the engine names them, spelled as the statement `sql` (as the module wrote
// it) spells them: the engine folds unquoted names to lower case.
QStringList spelledAsWritten(const QStringList& names, const QString& sql);

class PostgresCursor : public Cursor {
public:
    // `names` are the result's columns as the statement spells them (spelledAsWritten).
    PostgresCursor(std::shared_ptr<QueryResult> result, QStringList names);

    QStringList fieldNames() const override { return names_; }
    bool fetch(QVariantList& row) override;
    long count() override;

private:
    std::shared_ptr<QueryResult> result_;
    QStringList names_;
    std::vector<bool> dateColumns_;
    // The query, run on the first call.
    QSqlQuery& ran();
    void noteDateColumns();
};

} // namespace ado::postgres
