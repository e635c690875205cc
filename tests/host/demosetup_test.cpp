// --create-demo: the demo shop on an empty database only, so that demo receipts never join real ones.
#include "db/databasefile.h"
#include "db/shopdatabase.h"
#include "host/demosetup.h"
#include "platform/ado/recordset.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ado::ConnectionPtr opened(const QString& path) {
    auto connection = ado::Connection::create();
    connection->open(path);
    return connection;
}

long receiptsIn(const QString& path) {
    ado::Recordset rs;
    rs.open(QStringLiteral("select count(*) from LosDummyReceiptHeader"), opened(path));
    return rs.field(0).toLongLong();
}

} // namespace

TEST(DemoSetup, setsTheDemoShopUpOnAnEmptyDatabaseAndRefusesOneThatHoldsAShop) {
    QTemporaryDir folder;
    host::HostOptions options;
    options.folder = folder.path();
    options.database = folder.filePath(QStringLiteral("new/shop.db"));
    ASSERT_EQ(host::DemoSetup::run(options), 0);
    EXPECT_GT(receiptsIn(options.database), 0);
    // A shop database without a receipt yet is a shop's all the same: it gets no demo receipts.
    options.database = folder.filePath(QStringLiteral("shop.db"));
    db::createSchema(db::DatabaseFile::openCreating(options.database));
    EXPECT_EQ(host::DemoSetup::run(options), 1);
    EXPECT_EQ(receiptsIn(options.database), 0);
}
