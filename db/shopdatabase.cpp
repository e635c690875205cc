// Setting up the shop database by running the embedded scripts through the connection's engine.
#include "shopdatabase.h"

#include "platform/ado/connection.h"
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

// A day as the scripts' date functions read it: a quoted 'yyyy-MM-dd' literal.
QString dayText(const QDate& day) {
    return ado::quoted(day.toString(Qt::ISODate));
}

// The scripts read their arguments from a temporary table, so that they stay plain SQL.
QString demoArguments(const QDate& today) {
    return QStringLiteral("DROP TABLE IF EXISTS temp.demo_args;\n"
                          "CREATE TEMP TABLE demo_args AS SELECT %1 AS today;\n")
        .arg(dayText(today));
}

QString generatorArguments(int shopId, int receipts, int customers, int documentsPerCustomer,
                           const QDate& today) {
    return QStringLiteral(
               "DROP TABLE IF EXISTS temp.gen_args;\n"
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
    runInTransaction(connection, QString::fromUtf8(scripts::schema));
}

void createSchema(ado::Connection& connection) {
    createSchema(connection.shared_from_this());
}

void loadDemo(const ado::ConnectionPtr& connection, const QDate& today) {
    runInTransaction(connection, demoArguments(today) + QString::fromUtf8(scripts::demo) +
                                     QStringLiteral("\nDROP TABLE temp.demo_args;\n"));
}

void loadDemo(ado::Connection& connection, const QDate& today) {
    loadDemo(connection.shared_from_this(), today);
}

void generateLargeDataSet(const ado::ConnectionPtr& connection, int shopId, int receipts, int customers,
                          int documentsPerCustomer, const QDate& today) {
    if (receipts < 0 || customers < 0 || documentsPerCustomer < 0 || (receipts > 0 && customers == 0))
        throw core::RuntimeError::of(core::err::InvalidCall);
    runInTransaction(connection,
                     generatorArguments(shopId, receipts, customers, documentsPerCustomer, today) +
                         QString::fromUtf8(scripts::generate) +
                         QStringLiteral("\nDROP TABLE temp.gen_args;\n"));
}

} // namespace db
