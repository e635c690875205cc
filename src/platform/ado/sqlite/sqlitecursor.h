// Rows of one SQLite query, stepped on demand.
#pragma once

#include "platform/ado/driver.h"
#include "sqlitestatement.h"

#include <QByteArray>
#include <memory>
#include <vector>

struct sqlite3;

namespace ado::sqlite {

class SqliteCursor : public Cursor {
public:
    // `statement` is the prepared query with `values` bound; `sql` its text, prepared again and bound
    // the same to count the rows.
    SqliteCursor(sqlite3* db, std::shared_ptr<Statement> statement, const QString& sql,
                 const QVariantList& values);
    // Resets the statement, which may be run again for another cursor: a statement left part-read would
    // hold its read lock.
    ~SqliteCursor() override;

    QStringList fieldNames() const override { return names_; }
    bool fetch(QVariantList& row) override;
    bool fetchTexts(std::vector<QString>& texts) override;
    long count() override;

private:
    sqlite3* db_;
    std::shared_ptr<Statement> statement_;
    QString sql_;
    QVariantList values_;
    QStringList names_;
    std::vector<bool> dateColumns_;
    std::vector<Statement::LastDate> lastDates_;
    bool finished_ = false;
};

} // namespace ado::sqlite
