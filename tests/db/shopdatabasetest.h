// Shared set-up of the database tests: a private database holding the schema, in memory on SQLite or of
// its own on the server RECEIPTS_TEST_SERVER names, and statement helpers.
#pragma once

#include "db/serverdatabase.h"
#include "db/shopdatabase.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

namespace dbtest {

// Where a test runs: SQLite, or the test server. Without a server its cases are skipped, and fail under CI.
enum class Engine { Sqlite, Server };

inline void PrintTo(Engine engine, std::ostream* out) { // the tests' names as ctest lists them
    *out << (engine == Engine::Sqlite ? "sqlite" : "server");
}
inline std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return ::testing::PrintToString(info.param);
}

// Statements go through the module's dialect unless named native. SetUp again gives a new database.
class ShopDatabaseTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        TearDown();
        if (GetParam() == Engine::Sqlite) {
            connection = ado::Connection::create();
            connection->open("Driver=sqlite;Database=:memory:");
            db::createSchema(connection);
            return;
        }
        server = qEnvironmentVariable("RECEIPTS_TEST_SERVER");
        const char* none = "RECEIPTS_TEST_SERVER names no server";
        if (server.isEmpty() && !qEnvironmentVariableIsEmpty("RECEIPTS_CI")) FAIL() << none;
        if (server.isEmpty()) GTEST_SKIP() << none;
        connection = db::ServerDatabase::createFresh(server, false);
    }
    void TearDown() override {
        if (!connection || server.isEmpty()) return;
        connection->close();
        db::ServerDatabase::drop(server, connection->connectionString());
        connection.reset();
    }
    bool onSqlite() const { return GetParam() == Engine::Sqlite; }
    QList<QVariantList> rows(const QString& sql) const {
        QList<QVariantList> result;
        ado::Recordset rs;
        for (rs.open(sql, connection); !rs.eof(); rs.moveNext())
            for (int i = 0; i < rs.fieldCount(); ++i)
                (i ? result.last() : result.emplace_back()) << rs.field(i);
        return result;
    }
    QVariant scalar(const QString& sql) const { return rows(sql).value(0).value(0); }
    long long count(const QString& sql) const { return scalar(sql).toLongLong(); }
    QStringList texts(const QString& sql) const {
        QStringList result;
        for (const QVariantList& row : rows(sql))
            result << row.value(0).toString();
        return result;
    }
    void execute(const QString& sql) const { connection->execute(sql); }
    void native(const QString& script) const { connection->driver().executeNative(script); }

    ado::ConnectionPtr connection;
    QString server;
};

// The engines every suite runs on.
inline const auto everyEngine = ::testing::Values(Engine::Sqlite, Engine::Server);

// The runtime error `work` throws; the test fails when it throws none.
template <typename Work> core::RuntimeError errorOf(Work work) {
    try {
        work();
    } catch (const core::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no runtime error was raised";
    return core::RuntimeError(0, QString());
}

} // namespace dbtest

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
