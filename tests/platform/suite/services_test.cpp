// The suite's services that keep their state in the database: audit trail, colour scheme, grid widths.
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "platform/suite/servicesinterfaces.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

class EntryForm : public forms::Form {
public:
    EntryForm() : Form("frmEntry", "Entry") {
        flexList.setCols(3);
        saveDesign();
    }
    forms::TextBox txtBank{*this, "txtBank"};
    forms::ComboBox cboCurrency{*this, "cboCurrency"};
    forms::Label lblBank{*this, "lblBank"};
    forms::Frame fraOptions{*this, "fraOptions"};
    forms::Grid flexList{*this, "flexList"};
};

class ServicesTest : public ::testing::Test {
protected:
    testing_support::TestDatabase database;
    ado::ConnectionPtr connection = database.connection();
    EntryForm form;
};

TEST_F(ServicesTest, auditNoticesChangedValuesAndRecordsTheSessionDocumentAndMode) {
    auto audit = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
    form.cboCurrency.addItem("MVR");
    audit->SaveInToTag(form);
    form.lblBank.setCaption("captions are no data");
    EXPECT_FALSE(audit->DataChanged(form));
    form.txtBank.setText("BML");
    EXPECT_TRUE(audit->DataChanged(form));
    form.txtBank.setText("");
    form.cboCurrency.setListIndex(0);
    EXPECT_TRUE(audit->DataChanged(form));
    EXPECT_THROW(audit->SaveUserAuditingInfo("1", "R", true, "N"), rt::RuntimeError);
    audit->OpenObject(connection, 1, 2, 3, 1505, QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
    audit->LoggedTime = QDateTime(QDate(2026, 12, 6), QTime(9, 30));
    audit->SaveUserAuditingInfo("12", "RC-12", true, "D");
    audit->SaveUserAuditingInfo("13", "RC-13", false, "E");
    EXPECT_EQ(database.scalar(
                  "select count(*) from aUserAuditing where companyid = 1 and shopid = 2 and userid = 3 "
                  "and interfaceid = 1505 and documentid = '12' and documentno = 'RC-12' and mode = 'D' "
                  "and openedtime = '2026-12-06 09:00:00.000' and loggedtime = '20261206 09:30'"),
              "1");
    EXPECT_EQ(database.scalar("select mode from aUserAuditing where documentid = '13'"), "E (not saved)");
}

// The window's own colour row wins over the general one and colours only the window's background; the grid
// takes the widths stored for the user and company.
TEST_F(ServicesTest, storedLookAppliesTheWindowsColourSchemeAndTheUsersGridWidths) {
    auto colours = suite::Factory::create<suite::ClsFormcolor>(suite::progid::FormColor);
    colours->adocon = connection;
    const int designed = form.fraOptions.backColor(), designedWidth = form.flexList.colWidth(2);
    colours->Applyformcolor(form);
    EXPECT_EQ(form.fraOptions.backColor(), designed);
    database.execute("insert into aFormColor (formname, backcolor, forecolor) values ('*', 111, 0), "
                     "('frmEntry', 222, 0), ('frmOther', 333, 0)");
    colours->Applyformcolor(form);
    EXPECT_EQ(form.fraOptions.backColor(), 222);
    EXPECT_NE(form.txtBank.backColor(), 222);
    database.execute("insert into aGridSettings (userid, companyid, gridname, colindex, colwidth) values "
                     "(4, 1, 'frmEntry.flexList', 1, 1500), (4, 1, 'frmEntry.flexList', 9, 10), "
                     "(5, 1, 'frmEntry.flexList', 2, 99), (4, 2, 'frmEntry.flexList', 2, 98)");
    suite::Factory::create<suite::ClsMasterGridSetting>(suite::progid::MasterGridSetting)
        ->fnGridSettings(4, 1, form.flexList, connection);
    EXPECT_EQ(form.flexList.colWidth(1), 1500);
    EXPECT_EQ(form.flexList.colWidth(2), designedWidth);
}

} // namespace
