// Setting up the shop database by running the embedded scripts through the connection's engine.
#include "db/shopdatabase.h"

#include "platform/ado/driver.h"
#include "platform/ado/transaction.h"
#include "platform/core/runtimeerror.h"
#include "sqlscripts.h"

namespace db {

namespace {

void runInTransaction(const ado::ConnectionPtr& connection, const QString& script) {
    ado::Transaction transaction(connection);
    connection->driver().executeNative(script);
    transaction.commit();
}

// The generator reads its arguments from a temporary table, so that its script stays plain SQL.
QString generatorArguments(int shopId, int receipts, int customers, int documentsPerCustomer) {
    return QStringLiteral(
               "DROP TABLE IF EXISTS temp.gen_args;\n"
               "CREATE TEMP TABLE gen_args AS SELECT %1 AS shopid, %2 AS receipts, %3 AS customers, "
               "%4 AS documents;\n")
        .arg(shopId)
        .arg(receipts)
        .arg(customers)
        .arg(documentsPerCustomer);
}

} // namespace

void createSchema(const ado::ConnectionPtr& connection) {
    runInTransaction(connection, QString::fromUtf8(scripts::schema));
}

void createSchema(ado::Connection& connection) {
    createSchema(connection.shared_from_this());
}

void loadDemo(const ado::ConnectionPtr& connection) {
    runInTransaction(connection, QString::fromUtf8(scripts::demo));
}

void loadDemo(ado::Connection& connection) {
    loadDemo(connection.shared_from_this());
}

void generateLargeDataSet(const ado::ConnectionPtr& connection, int shopId, int receipts, int customers,
                          int documentsPerCustomer) {
    if (receipts < 0 || customers < 0 || documentsPerCustomer < 0 || (receipts > 0 && customers == 0))
        throw rt::RuntimeError::of(rt::err::InvalidCall);
    runInTransaction(connection, generatorArguments(shopId, receipts, customers, documentsPerCustomer) +
                                     QString::fromUtf8(scripts::generate) +
                                     QStringLiteral("\nDROP TABLE temp.gen_args;\n"));
}

} // namespace db
