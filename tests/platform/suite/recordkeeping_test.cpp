// Audit trail, change detection, colour scheme, stored grid layouts and the error log.
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "platform/os/applicationfolder.h"
#include "platform/suite/errordetails.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class EntryForm : public forms::Form {
public:
    EntryForm() : Form(QStringLiteral("frmEntry"), QStringLiteral("Entry")) { saveDesign(); }
    forms::TextBox txtBank{*this, QStringLiteral("txtBank")};
    forms::ComboBox cboCurrency{*this, QStringLiteral("cboCurrency")};
    forms::Label lblBank{*this, QStringLiteral("lblBank")};
    forms::Frame fraOptions{*this, QStringLiteral("fraOptions")};
    forms::Grid flexList{*this, QStringLiteral("flexList")};
};

class RecordKeepingTest : public ::testing::Test {
protected:
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    EntryForm form;
    ado::ConnectionPtr connection = database.connection();
};

TEST_F(RecordKeepingTest, dataChangedComparesWithTheSavedValues) {
    auto audit = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
    form.cboCurrency.addItem(QStringLiteral("MVR"));
    audit->SaveInToTag(form);
    EXPECT_FALSE(audit->DataChanged(form));
    form.lblBank.setCaption(QStringLiteral("captions are no data"));
    EXPECT_FALSE(audit->DataChanged(form));
    form.txtBank.setText(QStringLiteral("BML"));
    EXPECT_TRUE(audit->DataChanged(form));
    form.txtBank.setText(QString());
    form.cboCurrency.setListIndex(0);
    EXPECT_TRUE(audit->DataChanged(form));
}

TEST_F(RecordKeepingTest, auditEntryRecordsTheSessionDocumentAndMode) {
    auto audit = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
    audit->OpenObject(connection, 1, 2, 3, 1505, QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
    audit->LoggedTime = QDateTime(QDate(2026, 12, 6), QTime(9, 30));
    audit->SaveUserAuditingInfo(QStringLiteral("12"), QStringLiteral("RC-12"), true, QStringLiteral("D"));
    EXPECT_EQ(database.scalar(QStringLiteral("select documentno + '/' + mode from aUserAuditing where shopid = 2 "
                                             "and userid = 3 and interfaceid = 1505 and documentid = '12'")),
              "RC-12/D");
    EXPECT_EQ(database.scalar(QStringLiteral("select count(*) from aUserAuditing where loggedtime > '20261206'")), "1");
}

TEST_F(RecordKeepingTest, auditWithoutOpenObjectIsObjectNotSet) {
    auto audit = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
    EXPECT_THROW(audit->SaveUserAuditingInfo(QStringLiteral("1"), QStringLiteral("R"), true, QStringLiteral("N")),
                 rt::RuntimeError);
}

TEST_F(RecordKeepingTest, colourSchemePrefersTheWindowsOwnRow) {
    auto colours = suite::Factory::create<suite::ClsFormcolor>(suite::progid::FormColor);
    colours->adocon = connection;
    const int designed = form.fraOptions.backColor();
    colours->Applyformcolor(form);
    EXPECT_EQ(form.fraOptions.backColor(), designed);
    database.execute(QStringLiteral("insert into aFormColor (formname, backcolor, forecolor) values ('*', 111, 0), "
                                    "('frmEntry', 222, 0)"));
    colours->Applyformcolor(form);
    EXPECT_EQ(form.fraOptions.backColor(), 222);
    EXPECT_NE(form.txtBank.backColor(), 222);
}

TEST_F(RecordKeepingTest, storedGridWidthsOverrideTheLayout) {
    auto settings = suite::Factory::create<suite::ClsMasterGridSetting>(suite::progid::MasterGridSetting);
    form.flexList.setCols(3);
    form.flexList.setColWidth(1, 700);
    database.execute(QStringLiteral("insert into aGridSettings (userid, companyid, gridname, colindex, colwidth) "
                                    "values (4, 1, 'frmEntry.flexList', 1, 1500), (4, 1, 'frmEntry.flexList', 9, 10), "
                                    "(5, 1, 'frmEntry.flexList', 2, 99)"));
    settings->fnGridSettings(4, 1, form.flexList, connection);
    EXPECT_EQ(form.flexList.colWidth(1), 1500);
    EXPECT_NE(form.flexList.colWidth(2), 99);
}

TEST_F(RecordKeepingTest, errorGoesToTheLogTableTheLogFileAndTheUser) {
    os::setApplicationFolder(database.folder());
    auto details = suite::Factory::create<suite::ErrorDetails>(suite::progid::ErrorDetails);
    details->adocon = connection;
    details->ErrorTrack(QStringLiteral("FrmMaster"), QStringLiteral("ahmed"), QStringLiteral("Form_Load "), 13,
                        QStringLiteral("k8tr4072"), QStringLiteral("Type mismatch"), QStringLiteral("N"), true);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].procedureName, "Form_Load ");
    EXPECT_EQ(database.scalar(QStringLiteral("select errordescription from aErrorLog where modulename = 'FrmMaster'")),
              "Type mismatch");
    QFile log(os::inApplicationFolder(QStringLiteral("errors.log")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("Form_Load \t13\tk8tr4072\tType mismatch"));
}

TEST_F(RecordKeepingTest, errorIsStillToldWhenTheDatabaseCannotTakeIt) {
    auto details = suite::Factory::create<suite::ErrorDetails>(suite::progid::ErrorDetails);
    details->adocon = ado::Connection::create();
    details->ErrorTrack(QStringLiteral("FrmMaster"), QString(), QStringLiteral("x"), 5, QString(), QString(),
                        QStringLiteral("N"), true);
    EXPECT_EQ(ui.errors.size(), 1u);
}

} // namespace
