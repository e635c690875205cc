// The host's --database: a file's path or a connection string naming its driver, and never a password shown.
#include "host/databasetarget.h"
#include "host/hostoptions.h"
#include "host/scenariohost.h"
#include "platform/ado/connectionstring.h"
#include "support/testdatabase.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(DatabaseTarget, aConnectionStringWithoutADriverIsRefusedWithItsPasswordsMasked) {
    for (const QString text :
         {"Host=db;Database=shop;Password=secret", "shop.db;PWD={se;cret}", "Data Source=a.db"}) {
        try {
            host::HostOptions::parse({"--database", text});
            ADD_FAILURE() << "taken: " << text.toStdString();
        } catch (const host::OptionError& error) {
            const QString message = error.what();
            EXPECT_TRUE(message.contains("without a driver: add Driver=postgres") &&
                        !message.contains("cret"))
                << error.what();
        }
    }
    for (const QString text : {"Driver=postgres;Service=shop;Password={a;b}", "DSN=shop", "/data/shop.db"})
        EXPECT_EQ(host::HostOptions::parse({"--database", text}).database, text);
    EXPECT_EQ(host::DatabaseTarget::of("Driver=postgres;Service=shop;Password={a;b}", "/f").name(),
              "Driver=postgres;Service=shop;Password=***");
}

// --script with --database naming a server's database runs the scenario there.
TEST(ScenarioHost, runsTheScenarioOnTheDatabaseAConnectionStringNames) {
    testing_support::TestDatabase database(testing_support::Engine::Server);
    if (!database.connection()) return database.requireConnection();
    const QString text = database.connection()->connectionString();
    QFile script(database.folder() + "/server.scn");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("expect sql \"select current_database()\" \"" +
                 ado::ConnectionString::parse(text).database.toUtf8() + "\"\n");
    script.close();
    host::HostOptions options;
    options.script = script.fileName();
    options.folder = database.folder() + "/run";
    options.database = text;
    EXPECT_EQ(host::ScenarioHost::run(options), 0);
}
