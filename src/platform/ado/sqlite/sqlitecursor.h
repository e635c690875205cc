// Rows of one SQLite query, stepped on demand.
#pragma once

#include "platform/ado/driver.h"

#include <QByteArray>
#include <memory>
#include <vector>

struct sqlite3;

namespace ado::sqlite {

class Statement;

class SqliteCursor : public Cursor {
public:
    // `statement` is the prepared query; `sql` its text, prepared again to count the rows.
    SqliteCursor(sqlite3* db, std::shared_ptr<Statement> statement, const QString& sql);

    QStringList fieldNames() const override { return names_; }
    std::optional<QVariantList> fetch() override;
    long count() override;

private:
    sqlite3* db_;
    std::shared_ptr<Statement> statement_;
    QString sql_;
    QStringList names_;
    std::vector<bool> dateColumns_;
    bool finished_ = false;
};

} // namespace ado::sqlite
