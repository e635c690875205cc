// The database a benchmark works in: a new SQLite file in a temporary folder, or a database of its own on
// the server a connection string names, removed when the benchmark ends so that no shop's data is touched.
#pragma once

#include "platform/ado/connection.h"

#include <QStringList>
#include <QTemporaryDir>

namespace bench {

// Takes "NAME VALUE" out of the arguments and answers VALUE; empty when the option is not given.
QString takeOption(QStringList& arguments, const QString& name);

// Takes "--database CONN" out of the arguments and answers CONN; empty when the option is not given.
QString takeDatabaseOption(QStringList& arguments);

class BenchDatabase {
public:
    // On SQLite (`server` empty) the file `fileName` in a temporary folder; either holds the schema, and
    // the demo shop when asked.
    BenchDatabase(const QString& server, const QString& fileName, bool withDemo = false);
    ~BenchDatabase();
    BenchDatabase(const BenchDatabase&) = delete;
    BenchDatabase& operator=(const BenchDatabase&) = delete;

    const ado::ConnectionPtr& connection() const { return connection_; }
    bool onSqlite() const { return server_.isEmpty(); }
    // The engine's name as its driver gives it, for the report.
    QString engine() const;
    // After a bulk load, the server's statistics and the rows' visibility as autovacuum leaves them long
    // before a shop works with its data, so that neither the planner nor autovacuum working beside the
    // benchmark takes the tables for what they were seconds ago. Nothing on SQLite.
    void settle() const;

private:
    QString server_;
    QTemporaryDir folder_;
    ado::ConnectionPtr connection_;
};

} // namespace bench
