// The tables the module reads, read once before anything else.
#include "shopdatabasecheck.h"

#include "platform/ado/connectionstring.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"

namespace store {

namespace {

const char* const TablesRead[] = {"LosDummyReceiptHeader",
                                  "LosDummyReceiptDetail",
                                  "ashops",
                                  "aCounterMaster",
                                  "LOusers",
                                  "louserrights",
                                  "acustomermaster",
                                  "ashopcustomerdetails",
                                  "acurrencymaster",
                                  "aPrefix",
                                  "apackagesettings",
                                  "aUserAuditing",
                                  "aErrorLog"};

// What the upgrade makes; a database without them was made by an earlier version.
const char* const UpgradeTables[] = {"LosReceiptLock", "LosReceiptNumbering", "LosReceiptSaveKey"};

void readTable(const QString& table, const ado::ConnectionPtr& connection) {
    ado::Recordset rs;
    rs.open(QStringLiteral("select * from %1 where 1 = 0").arg(table), connection,
            ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
}

bool isUpgraded(const ado::ConnectionPtr& connection) {
    if (!connection->engine().functionsInstalled()) return false;
    for (const char* table : UpgradeTables) {
        try {
            readTable(QString::fromLatin1(table), connection);
        } catch (const core::RuntimeError&) {
            return false;
        }
    }
    return true;
}

} // namespace

void checkShopDatabase(const ado::ConnectionPtr& connection) {
    if (!connection->isOpen()) return;
    // The database's name, or where its connection string (masked) leaves it to a service.
    QString database = ado::ConnectionString::parse(connection->connectionString()).database;
    if (database.isEmpty()) database = ado::maskedConnectionString(connection->connectionString());
    for (const char* table : TablesRead) {
        try {
            readTable(QString::fromLatin1(table), connection);
        } catch (const core::RuntimeError& error) {
            throw core::RuntimeError(
                error.number(),
                QStringLiteral("The shop database %1 cannot be used: %2").arg(database, error.description()),
                error.source());
        }
    }
    if (!isUpgraded(connection))
        throw core::RuntimeError(
            core::err::DbFailure,
            QStringLiteral("The shop database %1 must be upgraded before the counters use it: "
                           "its owner runs receipts-host --upgrade-database with the same "
                           "--database.")
                .arg(database));
}

} // namespace store
