// The ODBC driver's plumbing, through Debian's PostgreSQL ODBC driver against the test server. The driver
// passes every statement untranslated, for a server that speaks the module's dialect; here the test
// translates its statements for PostgreSQL before handing them over.
#include "adotexts.h"
#include "platform/ado/command.h"
#include "platform/ado/connection.h"
#include "platform/ado/connectionstring.h"
#include "platform/ado/driver.h"
#include "platform/ado/postgres/postgrescatalog.h"
#include "platform/ado/postgres/postgresconnect.h"
#include "platform/ado/postgres/postgresrewriter.h"
#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using adotest::errorText;

// The test's tables, apart from the other tests' on the shared database. psqlODBC writes {call f(...)}
// as "SELECT * FROM f(...)", which the server refuses for a PROCEDURE: the procedure is a function
// returning nothing, as a server reached through psqlODBC must declare it.
const char* const tables =
    "drop table if exists odbc_receipt cascade;"
    "create table odbc_receipt (id integer primary key, note text, amount numeric(12,2), made timestamp(3));"
    "create or replace function odbc_add(id integer, note text) returns void language sql as $$"
    " insert into odbc_receipt (id, note) values (id, note); insert into odbc_receipt (id) values (id + 1) "
    "$$;";

class OdbcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const QString text = qEnvironmentVariable("RECEIPTS_TEST_SERVER");
        const char* none = "RECEIPTS_TEST_SERVER names no server";
        if (text.isEmpty() && !qEnvironmentVariableIsEmpty("RECEIPTS_CI")) FAIL() << none;
        if (text.isEmpty()) GTEST_SKIP() << none;
        server = ado::ConnectionString::parse(text);
        writeDataSource();
        connection = open(withoutDsn());
        connection->driver().executeNative(tables);
        openCatalog();
    }
    // The server's tables as the PostgreSQL translation sees them, read on a connection of the engine's own
    // client library.
    void openCatalog() {
        catalogLine = ado::postgres::connectTo(server);
        catalog = std::make_unique<ado::postgres::SchemaCache>(catalogLine.get());
    }
    // A statement of the module's dialect as PostgreSQL takes it.
    QString translated(const QString& sql) const {
        return ado::postgres::PostgresRewriter(catalog->catalog()).translate(sql);
    }
    // A user data source "receipts" for the server in the test's own odbc.ini.
    void writeDataSource() {
        QFile ini(folder.filePath("odbc.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QString("[receipts]\nDriver=PostgreSQL "
                          "Unicode\nProtocol=7.4-1\nServername=%1\nPort=%2\nDatabase=%3\n")
                      .arg(server.host, server.port, server.database)
                      .toUtf8());
        qputenv("ODBCINI", ini.fileName().toLocal8Bit());
    }
    QString withoutDsn() const { return adotest::odbcTarget(server); }
    QString withDsn(const QString& dsn) const {
        return QString("Driver=odbc;DSN=%1;User=%2;Password=%3").arg(dsn, server.user, server.password);
    }
    static ado::ConnectionPtr open(const QString& text) {
        auto opened = ado::Connection::create();
        opened->open(text);
        return opened;
    }
    QString rows(const QString& sql, const ado::ConnectionPtr& on = {}) const {
        return adotest::rows(translated(sql), on ? on : connection);
    }
    QString committed() const { return rows("select id from odbc_receipt order by 1", open(withoutDsn())); }
    void add(int id) { execute(QString("insert into odbc_receipt (id) values (%1)").arg(id)); }
    void execute(const QString& sql) { connection->execute(translated(sql)); }

    ado::postgres::PgConnection catalogLine;
    std::unique_ptr<ado::postgres::SchemaCache> catalog;
    QTemporaryDir folder;
    ado::ConnectionString server;
    ado::ConnectionPtr connection;
};

} // namespace

TEST_F(OdbcTest, opensADataSourceOrAnOdbcDriverWithTheServersKeys) {
    const std::pair<QString, QString> cases[] = {
        {withoutDsn(), "'receipts', 'ODBC'"},
        {withDsn("receipts"), "'receipts', 'ODBC'"},
        {"Driver=odbc;Database=receipts",
         "error -2147467259 from ODBC: No ODBC data source or driver is named in the connection string."},
        {withDsn("nosuch"), "error -2147467259 from ODBC: Data source name not found and no default driver "
                            "specified"}};
    for (const auto& [text, expected] : cases) {
        QString seen;
        const QString error = errorText([&] {
            auto opened = open(text);
            seen = rows("select current_database()", opened) + ", '" + opened->driver().name() + "'";
        });
        EXPECT_EQ(error.isEmpty() ? seen : error, expected) << text.toStdString();
    }
}

TEST_F(OdbcTest, boundValuesOfEachKindArriveIntact) {
    const QString text = QString::fromUtf8("O'Brien said \"ça coûte 5 €\" -- ' or 1=1 ?");
    const std::pair<QVariantList, QString> cases[] = {
        // id, note, amount, made; the row read back
        {{1, text, 12.5, QDate(2026, 12, 6)}, "1, '" + text + "|', 12.5, 2026-12-06 00:00:00.000"},
        {{2, "", 0.01, QDateTime(QDate(2026, 12, 6), QTime(10, 30, 5, 123))},
         "2, '|', 0.01, 2026-12-06 10:30:05.123"},
        {{3, QVariant(), QVariant(), QVariant()}, "3, '-|', null, null"}};
    for (const auto& [values, expected] : cases) {
        connection->driver().insert("odbc_receipt", {"id", "note", "amount", "made"}, values);
        EXPECT_EQ(rows("select id, isnull(note, '-') + '|', amount, made from odbc_receipt where id = " +
                       values[0].toString()),
                  expected);
    }
}

TEST_F(OdbcTest, theProcedureIsCalledWithItsValuesBoundInsideTheCallersTransaction) {
    ado::Command command;
    command.setActiveConnection(connection);
    command.setCommandType(ado::CommandType::StoredProcedure);
    command.setCommandText("odbc_add");
    command.appendParameter(7);
    command.appendParameter(QString::fromUtf8("it's 5 €"));
    connection->beginTrans();
    command.execute();
    connection->rollbackTrans();
    EXPECT_EQ(committed(), "");
    command.execute();
    EXPECT_EQ(rows("select id, note from odbc_receipt order by 1"),
              QString::fromUtf8("7, 'it's 5 €'; 8, null"));
    ado::Recordset rs;
    rs.open("select id, note as Remark from odbc_receipt", connection);
    EXPECT_EQ(rs.fieldName(1) + QString::number(rs.recordCount()), "remark2"); // the server's names
}

TEST_F(OdbcTest, errorsGiveTheNumberOfTheirSqlStateAndTheServersMessage) {
    add(1);
    connection->setCommandTimeout(1);
    const std::pair<QString, QString> cases[] = {
        {"insert into odbc_receipt (id) values (1)",
         "-2147217873 from ODBC: duplicate key value violates unique constraint \"odbc_receipt_pkey\""},
        {"select nosuch from odbc_receipt", "-2147217900 from ODBC: column \"nosuch\" does not exist"},
        {"selec 1", "-2147217900 from ODBC: syntax error at or near \"selec\""},
        {"select 1 / 0", "-2147467259 from ODBC: division by zero"},
        {"select pg_sleep(3)", "-2147217871 from ODBC: canceling statement due to statement timeout"}};
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(errorText([&] { execute(sql); }), "error " + expected) << sql.toStdString();
}
