// A fresh database with the full schema, on SQLite or on the test server, for tests of the layers above ado.
#pragma once

#include "platform/ado/connection.h"

#include <QTemporaryDir>
#include <ostream>

namespace testing_support {

// Where a test's database lives: an SQLite file, or a database of its own on the server that
// RECEIPTS_TEST_SERVER names.
enum class Engine { Sqlite, Server };

inline void PrintTo(Engine engine, std::ostream* out) { // the tests' names as ctest lists them
    *out << (engine == Engine::Sqlite ? "sqlite" : "server");
}

class TestDatabase {
public:
    // A server database is dropped with this. Without a server named none is opened: connection() is
    // null and requireConnection() skips the test, or fails it under CI.
    explicit TestDatabase(Engine engine = Engine::Sqlite);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const ado::ConnectionPtr& connection() const { return connection_; }
    // Call from a fixture's SetUp: a test without its database ends there.
    void requireConnection() const;
    QString folder() const { return dir_.path(); }
    // The first column of the first row as text; an empty text for no row or null.
    QString scalar(const QString& sql) const;
    void execute(const QString& sql) const { connection_->execute(sql); }

private:
    QTemporaryDir dir_;
    QString server_;
    ado::ConnectionPtr connection_;
};

} // namespace testing_support
