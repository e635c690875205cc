// The message about a shop database the module cannot use.
#include "platform/ado/connectionstring.h"
#include "platform/core/runtimeerror.h"
#include "store/shopdatabasecheck.h"
#include "support/testdatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Where the connection string leaves the database to a service of the client library's service file, the
// message names the database by the string, with its password masked.
TEST(ShopDatabaseCheck, namesTheDatabaseOfAServiceByTheConnectionStringWithoutItsPassword) {
    testing_support::TestDatabase database(testing_support::Engine::Server);
    database.requireConnection();
    if (::testing::Test::IsSkipped()) return;
    database.execute("drop table aPrefix");
    const auto shop = ado::ConnectionString::parse(database.connection()->connectionString());
    QTemporaryDir folder;
    QFile services(folder.filePath("services"));
    ASSERT_TRUE(services.open(QIODevice::WriteOnly));
    services.write(QString("[shop]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\n")
                       .arg(shop.host, shop.port, shop.database, shop.user)
                       .toUtf8());
    services.close();
    qputenv("PGSERVICEFILE", QFile::encodeName(services.fileName()));
    const auto connection = ado::Connection::create();
    connection->open("Driver=postgres;Service=shop;Password=" + shop.password);
    qunsetenv("PGSERVICEFILE");
    QString told;
    try {
        store::checkShopDatabase(connection);
    } catch (const core::RuntimeError& error) {
        told = error.description();
    }
    connection->close();
    EXPECT_TRUE(
        told.startsWith("The shop database Driver=postgres;Service=shop;Password=*** cannot be used: "))
        << told.toStdString();
}

} // namespace
