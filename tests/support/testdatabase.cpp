// A fresh database with the full schema, for tests: an SQLite file in a temporary folder, or a database of
// its own on the test server.
#include "testdatabase.h"

#include "db/serverdatabase.h"
#include "db/shopdatabase.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <gtest/gtest.h>

namespace testing_support {

namespace {

const char* const NoServer = "RECEIPTS_TEST_SERVER names no server";

} // namespace

TestDatabase::TestDatabase(Engine engine) {
    if (engine == Engine::Server) {
        server_ = qEnvironmentVariable("RECEIPTS_TEST_SERVER");
        if (!server_.isEmpty()) connection_ = db::ServerDatabase::createFresh(server_, false);
        return;
    }
    connection_ = ado::Connection::create();
    connection_->open(QStringLiteral("Driver=sqlite;Database=") + dir_.filePath(QStringLiteral("test.db")) +
                      QStringLiteral(";Create=yes"));
    db::createSchema(connection_);
}

// The server refuses to drop a database a connection still has open, so every connection to it must be
// closed by now; the test's own one is closed here.
TestDatabase::~TestDatabase() {
    if (!connection_ || server_.isEmpty()) return;
    try {
        connection_->close();
        db::ServerDatabase::drop(server_, connection_->connectionString());
    } catch (const core::RuntimeError& error) {
        ADD_FAILURE() << "the test database was not dropped: " << error.description().toStdString();
    }
}

void TestDatabase::requireConnection() const {
    if (connection_) return;
    if (!qEnvironmentVariableIsEmpty("RECEIPTS_CI")) FAIL() << NoServer;
    GTEST_SKIP() << NoServer;
}

QString TestDatabase::scalar(const QString& sql) const {
    ado::Recordset rs;
    rs.open(sql, connection_);
    return rs.eof() ? QString() : core::nullAsEmpty(rs.field(0));
}

} // namespace testing_support
