// A register opened on a database it cannot use says once which database and why, and offers only Close.
#include "platform/ado/driver.h"
#include "platform/forms/userinput.h"
#include "receiptregister/frmmaster.h"
#include "support/entrywindow.h"

#include <QFile>

namespace {

using receiptregister::FrmMaster;
namespace user = forms::user;

struct BadDatabase {
    const char* name;
    // Spoils the shop's database file (at `path`, open on `shop`'s connection), or holds it locked.
    std::function<void(testing_support::TestShop& shop, const QString& path)> spoil;
    const char* message; // the start of it, %1 the database
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const BadDatabase Cases[] = {
    {"NotADatabase", [](auto&, const QString& path) { writeFile(path, QByteArray(8192, 'x')); },
     "The shop database %1 cannot be used: file is not a database"},
    {"EmptyFile", [](auto&, const QString& path) { writeFile(path, {}); },
     "The shop database %1 cannot be used: no such table: LosDummyReceiptHeader"},
    {"Truncated", [](auto&, const QString& path) { writeFile(path, fileBytes(path).left(4096)); },
     "The shop database %1 cannot be used: database disk image is malformed"},
    {"LacksATable", [](auto& shop, const QString&) { shop.sql("drop table aPrefix"); },
     "The shop database %1 cannot be used: no such table: aPrefix"},
    {"LockedByAnotherProgram",
     [](auto& shop, const QString&) {
         shop.database.connection()->driver().executeNative("begin exclusive");
     },
     "The shop database %1 cannot be used: database is locked"},
    {"MadeByAnEarlierVersion", [](auto& shop, const QString&) { shop.sql("drop table LosReceiptSaveKey"); },
     "The shop database %1 must be upgraded before the counters use it: its owner runs receipts-host "
     "--upgrade-database with the same --database."}};

class BadDatabaseTest : public ::testing::TestWithParam<BadDatabase>, protected testing_support::TestShop {};

// The commands a cashier reaches by keyboard find nothing to run on; Close still closes.
TEST_P(BadDatabaseTest, saysOnceWhichDatabaseAndWhyAndOffersOnlyClose) {
    const QString path = QDir(database.folder()).filePath(QStringLiteral("test.db"));
    GetParam().spoil(*this, path);
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->setLockTimeout(1);
    connection->open(QStringLiteral("Driver=sqlite;Database=") + path);
    component.setAdocon(connection);
    QStringList enabled;
    ui.backend.onModal = [&](forms::Form& form) {
        testing_support::RegisterControls master(dynamic_cast<FrmMaster&>(form));
        for (forms::CommandButton* command : {&master.cmdnew, &master.CmdEdit, &master.CmdDelete,
                                              &master.cmdUpdate, &master.cmdPrint, &master.CmdClose})
            if (command->enabled()) enabled << command->caption();
        user::typeCharacter(master.flexMaster, forms::keys::CtrlEnter);
        user::pressKey(master.flexMaster, forms::keys::Delete);
        user::click(master.CmdClose);
    };
    component.Show();
    EXPECT_EQ(enabled, QStringList{QStringLiteral("&Close")});
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_TRUE(ui.errors[0].description.startsWith(QString(GetParam().message).arg(path)))
        << ui.errors[0].description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Databases, BadDatabaseTest, ::testing::ValuesIn(Cases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
