// Rows of one ODBC query, read whole when it runs.
#pragma once

#include "platform/ado/driver.h"

#include <QSqlQuery>
#include <vector>

namespace ado::odbc {

// The rows are read before the next statement runs: many ODBC drivers keep one active result to a
// connection, and the count needs every row anyway.
class OdbcCursor : public Cursor {
public:
    // Reads the names and every row of a query that ran; a statement without columns gives none.
    explicit OdbcCursor(QSqlQuery& ran);

    // The names as the server gives them.
    QStringList fieldNames() const override { return names_; }
    bool fetch(QVariantList& row) override;
    long count() override { return long(rows_.size()); }

private:
    QStringList names_;
    std::vector<QVariantList> rows_;
    size_t next_ = 0;
};

} // namespace ado::odbc
