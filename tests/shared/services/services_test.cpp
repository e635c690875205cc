// The suite's services: their factory, look-ups, the numeric key filter, audit, colours, grid widths.
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/headlessbackend.h"
#include "platform/forms/textcontrols.h"
#include "shared/services/realservices.h"
#include "shared/services/servicesinterfaces.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>
#include <tuple>

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
    EXPECT_THROW(audit->SaveUserAuditingInfo("1", "R", true, "N"), core::RuntimeError);
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

// The number of the runtime error `work` raises; 0 when it raises none.
template <typename Work> qint64 errorNumber(Work work) try {
    work();
    return 0;
} catch (const core::RuntimeError& error) {
    return error.number();
}

// A host or a test may put its own class under any ProgID, the suite's own among them; a ProgID nobody
// registered cannot be created, and a look-up with no connection set is "object not set".
TEST(ServiceFactory, takesOverridesRefusesUnknownProgIdsAndLookUpsNeedAConnection) {
    const auto own = std::make_shared<suite::ServiceObject>();
    suite::Factory::registerClass("COMMONMODULE.clscommongen", [own] { return own; });
    EXPECT_EQ(suite::Factory::createObject(suite::progid::CommonGen), own);
    for (const auto& [progId, creator] : suite::realServiceCreators())
        suite::Factory::registerClass(progId, creator);
    EXPECT_EQ(errorNumber([] { suite::Factory::createObject("No.Such"); }), 429);
    auto lookUp = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
    EXPECT_EQ(errorNumber([&] { lookUp->fnreturnfield("LOusers", "username"); }), 91);
}

// Each row: the box's text, the selection the key is typed over (start, length), the key, the length limit
// and the key the filter lets through (0: refused, with a beep); two decimals are allowed. Separators are
// kept as typed, also a second point; a letter and digits of other scripts (Arabic-Indic three, fullwidth
// seven) are refused; Ctrl+V passes to the box's paste.
const std::tuple<const char*, int, int, int, int, int> keys[] = {{"12345678901", 11, 0, '2', 12, '2'},
                                                                 {"123456789012", 12, 0, '3', 12, 0},
                                                                 {"123456789012", 4, 3, '9', 12, '9'},
                                                                 {"12.55", 3, 2, '9', 18, '9'},
                                                                 {"12.55", 5, 0, '9', 18, 0},
                                                                 {"12", 2, 0, ',', 18, ','},
                                                                 {"1.2", 3, 0, '.', 18, '.'},
                                                                 {"12", 2, 0, 'x', 18, 0},
                                                                 {"12", 2, 0, 0x0663, 18, 0},
                                                                 {"12", 0, 0, 0xFF17, 18, 0},
                                                                 {"12", 2, 0, 22, 18, 22}};

TEST_F(ServicesTest, numericKeyFilterKeepsTheLengthLimitAndJudgesTheTextWithTheSelectionReplaced) {
    auto filter = suite::Factory::create<suite::ClsCommonGen>(suite::progid::CommonGen);
    forms::HeadlessBackend backend;
    int beeps = 0;
    backend.onBeep = [&] { ++beeps; };
    forms::Runtime::setBackend(&backend);
    const auto typeKey = [&](const char* text, int start, int length, int typed, int limit) {
        form.txtBank.setText(text);
        form.txtBank.setSelStart(start);
        form.txtBank.setSelLength(length);
        int key = typed;
        filter->textvalidatenum(form.txtBank, key, limit, 2);
        return key;
    };
    for (const auto& [text, start, length, typed, limit, passed] : keys) {
        const int before = beeps;
        EXPECT_EQ(typeKey(text, start, length, typed, limit), passed)
            << text << " [" << start << ',' << length << "] " << typed;
        EXPECT_EQ(beeps - before, passed ? 0 : 1) << text << ' ' << typed;
    }
    // Where the comma is the decimal separator it is typed as it is, and the decimals count after it.
    core::setRegional({QStringLiteral("dd.MM.yyyy"), QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(typeKey("12", 2, 0, ',', 18), ',');
    EXPECT_EQ(typeKey("12,55", 5, 0, '9', 18), 0);
    core::setRegional({});
    forms::Runtime::setBackend(nullptr);
}

} // namespace
