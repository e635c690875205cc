// The shared module: the settings-file reader, the error reporter and its log, stored list layouts.
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/os/applicationfolder.h"
#include "shared/filecode.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Each row: the file (none for nullptr), the key asked, the value read, what the user was told (critical
// message boxes) and what was reported, '|'-separated.
const char* const readings[][4] = {
    {"DefaultCounter :=2\r\n", "defaultcounter", "2", ""},
    {"port :=LPT1  \r\nport :=LPT2\r\n", "PORT", "LPT1  ", ""},
    {"a :=b:=c\n", "a", "b:=c", ""},
    {"x :=\r\nport :=|lp -d counter", "port", "|lp -d counter", ""},
    {"DefaultCounter:=2\r\n", "DefaultCounter", "NotFound",
     "DefaultCounter  invalid parameter in Settings.ini file"},
    {"DefaultCounter  :=2\r\n", "DefaultCounter", "NotFound",
     "DefaultCounter  invalid parameter in Settings.ini file"},
    {"port :=LPT1\r\n\r\nDefaultCounter :=2\r\n", "DefaultCounter", "", "basReceiptsShop.FileCode 5"},
    {":=1\r\n", "x", "", "basReceiptsShop.FileCode 5"},
    {nullptr, "port", "", " Settings.ini file not found|basReceiptsShop.FileCode 53"},
};

TEST(FileCode, readsTheFirstLineWithTheKeyAndTellsWhatGoesWrong) {
    for (const auto& [content, key, value, told] : readings) {
        SCOPED_TRACE(content ? content : "(no file)");
        QFile file("shopsetting.txt");
        file.remove();
        ASSERT_TRUE(!content || (file.open(QIODevice::WriteOnly) && file.write(content) > 0));
        file.close();
        testing_support::RecordingBackend ui;
        EXPECT_EQ(shared::FileCode(key, file.fileName()), value);
        QStringList heard = ui.messageTexts();
        for (const auto& error : ui.errors)
            heard << error.moduleName + '.' + error.procedureName + ' ' + QString::number(error.number);
        EXPECT_EQ(heard.join('|'), told);
        for (const auto& message : ui.messages)
            EXPECT_EQ(message.icon, forms::MsgIcon::Critical);
    }
}

// The register window as the shared procedures see it: its connection and grid.
class StubRegister : public forms::Form, public shared::RegisterWindow {
public:
    StubRegister() : Form("FrmMaster", "Receipts") {}
    ado::ConnectionPtr& adocon() override { return connection; }
    forms::Grid& grid() override { return flexMaster; }
    const QString& gridQuery() const override { return query; }
    std::pair<QDate, QDate> listedDates() const override { return {}; }
    forms::Grid flexMaster{*this, "flexMaster"};
    ado::ConnectionPtr connection;
    QString query;
};

class SharedModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        stub.connection = database.connection();
        shared::session() = shared::Session();
        shared::session().shopId = 2;
        shared::session().userId = 7;
        shared::session().EntryMode = "N";
        shared::session().registerWindow = &stub;
        os::setApplicationFolder(database.folder());
        database.execute(
            "insert into LOusers (userid, shopid, username) values (7, 2, 'maria'), (7, 1, 'other')");
    }
    void TearDown() override { shared::session().registerWindow = nullptr; }
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    StubRegister stub;
};

// A reported number keeps the last five characters of its decimal text, a minus sign among them.
TEST(ShortenErrorNumber, keepsTheLastFiveCharactersOfTheDecimalText) {
    const qint64 numbers[][2] = {{-2147217900, 17900}, {-12345, 12345}, {3265, 3265}, {53, 53}, {-5, -5}};
    for (const auto& [number, shortened] : numbers)
        EXPECT_EQ(shared::shortenErrorNumber(number), shortened) << number;
}

TEST_F(SharedModuleTest, trappedErrorEndsTheBodyAndIsLoggedAndToldEvenWithoutAConnection) {
    bool after = false;
    EXPECT_FALSE(shared::trapped("FrmMaster", "Form_Load ", [&] {
        throw core::RuntimeError(-2147217900, "no such table: x", "SQLite");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(shared::trapped("FrmMaster", "x", [] {}));
    ASSERT_EQ(ui.errors.size(), 1u);
    const suite::ErrorRecord& e = ui.errors[0];
    EXPECT_EQ(QStringList({e.moduleName, e.procedureName, QString::number(e.number), e.userName, e.source,
                           e.description, e.mode}),
              QStringList({"FrmMaster", "Form_Load ", "17900", "maria", "SQLite", "no such table: x", "N"}));
    EXPECT_EQ(database.scalar(
                  "select modulename + '|' + procedurename + '|' + username + '|' + mode from aErrorLog "
                  "where errornumber = 17900 and errordescription = 'no such table: x'"),
              "FrmMaster|Form_Load |maria|N");
    QFile log(os::inApplicationFolder("errors.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        log.readAll().contains("\tFrmMaster\tForm_Load \t17900\tSQLite\tno such table: x\tmaria\tN\n"));
    // Nor is a report lost when the connection that failed can neither name the user nor keep the log.
    stub.connection = ado::Connection::create();
    shared::reportTrapped("FrmMaster", "Form_Activate", core::RuntimeError::of(13));
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ui.errors[1].userName + "|" + QString::number(ui.errors[1].number) + "|" +
                  ui.errors[1].description,
              "|13|Type mismatch");
}

TEST_F(SharedModuleTest, listLayoutAppliesStoredWidthsAndKeepsTheDesignWithoutRows) {
    forms::ListView list(stub, "lvwInvoice");
    list.addColumn("SlNo", 1058);
    list.addColumn("Invoice Type", 3688);
    shared::ApplyListViewLayout("posReceipts", list, "frmReceiptShop");
    EXPECT_EQ(list.header(2).width, 3688);
    database.execute("insert into alistviewheader (lvwid, lvwtransname, lvwname, lvwmodulename) values "
                     "(1, ' posreceipts ', 'LVWINVOICE', 'frmReceiptShop')");
    database.execute("insert into alistviewdetails (lvwdid, lvwcolid, lvwdcolwidth, lvwdcolalign) values "
                     "(1, '2', 500, 1)");
    shared::ApplyListViewLayout("posReceipts", list, "frmReceiptShop");
    EXPECT_EQ(list.header(2).width, 500);
    EXPECT_EQ(list.header(2).alignment, forms::Alignment::Right);
    EXPECT_EQ(list.header(1).width, 1058);
}

} // namespace
