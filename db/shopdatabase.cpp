// Setting up the shop database by running the embedded scripts through the connection's engine.
#include "shopdatabase.h"

#include "platform/ado/connection.h"
#include "platform/ado/connectionstring.h"
#include "platform/ado/driver.h"
#include "platform/ado/transaction.h"
#include "platform/core/runtimeerror.h"
#include "schemaupgrade.h"
#include "sqlscripts.h"

namespace db {

namespace {

const SqlScripts& scriptsOf(const ado::ConnectionPtr& connection) {
    return scriptsFor(ado::ConnectionString::parse(connection->connectionString()).driverName());
}

void runInTransaction(const ado::ConnectionPtr& connection, const QString& script) {
    ado::Transaction transaction(connection);
    connection->driver().executeNative(script);
    transaction.commit();
}

// A day as the scripts' date functions read it: a quoted 'yyyy-MM-dd' literal.
QString dayText(const QDate& day) {
    return ado::quoted(day.toString(Qt::ISODate));
}

// The scripts read their arguments from a temporary table, so that they stay plain SQL. The tables are
// named without a schema: each engine looks for a table among its temporary ones first.
QString demoArguments(const QDate& today) {
    return QStringLiteral("DROP TABLE IF EXISTS demo_args;\n"
                          "CREATE TEMP TABLE demo_args AS SELECT %1 AS today;\n")
        .arg(dayText(today));
}

QString generatorArguments(int shopId, int receipts, int customers, int documentsPerCustomer,
                           const QDate& today) {
    return QStringLiteral(
               "DROP TABLE IF EXISTS gen_args;\n"
               "CREATE TEMP TABLE gen_args AS SELECT %1 AS shopid, %2 AS receipts, %3 AS customers, "
               "%4 AS documents, %5 AS today;\n")
        .arg(shopId)
        .arg(receipts)
        .arg(customers)
        .arg(documentsPerCustomer)
        .arg(dayText(today));
}

} // namespace

void createSchema(const ado::ConnectionPtr& connection) {
    connection->driver().installFunctions();
    runInTransaction(connection, QString::fromUtf8(scriptsOf(connection).schema));
    upgradeDatabase(connection);
}

void createSchema(ado::Connection& connection) {
    createSchema(connection.shared_from_this());
}

// Asks for no row of the receipts table, which fails only where there is no such table.
bool hasSchema(const ado::ConnectionPtr& connection) {
    try {
        connection->driver().query(QStringLiteral("select 1 from LosDummyReceiptHeader where 1 = 0"));
        return true;
    } catch (const core::RuntimeError&) {
        return false;
    }
}

void loadDemo(const ado::ConnectionPtr& connection, const QDate& today) {
    runInTransaction(connection, demoArguments(today) + QString::fromUtf8(scriptsOf(connection).demo) +
                                     QStringLiteral("\nDROP TABLE demo_args;\n"));
}

void loadDemo(ado::Connection& connection, const QDate& today) {
    loadDemo(connection.shared_from_this(), today);
}

void generateLargeDataSet(const ado::ConnectionPtr& connection, int shopId, int receipts, int customers,
                          int documentsPerCustomer, const QDate& today) {
    if (receipts < 0 || customers < 0 || documentsPerCustomer < 0 || (receipts > 0 && customers == 0))
        throw core::RuntimeError::of(core::err::InvalidCall);
    // Bulk work of any size: the connection's statement time-out, there for a shop's statements, is lifted
    // while it runs.
    const int timeout = connection->commandTimeout();
    connection->setCommandTimeout(0);
    try {
        runInTransaction(connection,
                         generatorArguments(shopId, receipts, customers, documentsPerCustomer, today) +
                             QString::fromUtf8(scriptsOf(connection).generate) +
                             QStringLiteral("\nDROP TABLE gen_args;\n"));
    } catch (...) {
        connection->setCommandTimeout(timeout);
        throw;
    }
    connection->setCommandTimeout(timeout);
}

} // namespace db
