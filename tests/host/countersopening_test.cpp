// Counters opening the register on a new shop database at the same moment, each a program of its own.
#include "db/serverdatabase.h"
#include "support/testdatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Opening changes nothing of the schema, so no counter waits for or collides with another's changes: eight
// counters opening a database fresh from the demo set-up all open it.
TEST(CountersOpening, allOpenANewDatabaseAtTheSameMoment) {
    const QString server = qEnvironmentVariable("RECEIPTS_TEST_SERVER");
    if (server.isEmpty())
        return testing_support::TestDatabase(testing_support::Engine::Server).requireConnection();
    ado::ConnectionPtr owner = db::ServerDatabase::createFresh(server, true);
    const QString shop = owner->connectionString();
    owner->close();
    QTemporaryDir folder;
    QFile script(folder.filePath("open.scn"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("show\nexpect window FrmMaster open\nexpect errors 0\nclick FrmMaster.CmdClose\n");
    script.close();
    std::vector<std::unique_ptr<QProcess>> counters;
    for (int counter = 1; counter <= 8; ++counter) {
        counters.push_back(std::make_unique<QProcess>());
        counters.back()->start(RECEIPTS_HOST, {"--script", script.fileName(), "--database", shop, "--folder",
                                               folder.filePath(QString::number(counter)), "--user", "1"});
    }
    for (auto& counter : counters) {
        ASSERT_TRUE(counter->waitForFinished(60000));
        EXPECT_EQ(counter->exitCode(), 0) << counter->readAll().toStdString();
    }
    db::ServerDatabase::drop(server, shop);
}

} // namespace
