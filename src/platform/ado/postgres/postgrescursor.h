// Rows of one PostgreSQL query, run when the first row or the count is asked for.
#pragma once

#include "platform/ado/driver.h"
#include "postgreslibpq.h"
#include "postgresvalues.h"

#include <functional>
#include <memory>
#include <vector>

namespace ado::postgres {

// A query's result, held on the client; the driver releases it when the connection closes.
struct QueryResult {
    // Runs the query: left empty once it ran.
    std::function<PgResult()> run;
    PgResult rows;
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
    // Each value is read from the engine's text of the row, by its column's type (see ColumnKind).
    bool fetch(QVariantList& row) override;
    bool fetchTexts(std::vector<QString>& texts) override;
    long count() override;

private:
    std::shared_ptr<QueryResult> result_;
    QStringList names_;
    std::vector<ColumnKind> kinds_;
    // Of each timestamp column, the text last read, its value and the value's text once asked for: rows in
    // order of a date share it, and each reading of a local time asks the system for its time zone again.
    struct LastTimestamp {
        QByteArray text;
        QVariant value;
        QString shown;
    };
    std::vector<LastTimestamp> lastTimestamps_;
    int next_ = 0; // the row the next fetch reads
    // The rows of the query, run on the first call.
    const PGresult* ran();
    // The value of the column in the row the next fetch reads.
    QVariant valueAt(const PGresult* rows, int column);
    // The text of that value as core::nullAsEmpty writes it, into `text`: a whole number or a plain text is
    // the engine's text itself.
    void shownTextAt(const PGresult* rows, int column, QString& text);
};

} // namespace ado::postgres
