// Shared procedures: the register row refresh, cancelled rows, required fields, list layouts.
#include "module/formhelpers.h"

#include "platform/forms/combobox.h"
#include "platform/forms/listview.h"
#include "platform/forms/textcontrols.h"
#include "stubregister.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

const QString GridQuery = QStringLiteral(
    "select drid,drno,drdate,customername,dramount, case drcancelled when 1 then 'Yes' when 0 then 'No' end from "
    "LosDummyReceiptHeader,acustomermaster where drcustomerid = customerid and drdate>'20260101' and drshopid=1 "
    "order by drid");

TEST(RestrictedGridQuery, cutsTheOrderAndJoinsTheWhereClause) {
    EXPECT_EQ(module::restrictedGridQuery(QStringLiteral("select a from t where x=1 ORDER BY a"),
                                          QStringLiteral("drid=5")),
              "select a from t where x=1  and drid=5");
    EXPECT_EQ(module::restrictedGridQuery(QStringLiteral("select a from t"), QStringLiteral("drid=5")),
              "select a from t where drid=5");
}

class FormHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        stub.connection = database.connection();
        stub.query = GridQuery;
        module::session() = module::Session();
        module::session().shopId = 1;
        module::session().registerWindow = &stub;
        database.execute(QStringLiteral("insert into acustomermaster (customerid, customername) values (3, 'Ali')"));
        addReceipt(1, "RC-1", 0);
        addReceipt(2, "RC-2", 1);
    }
    void TearDown() override { module::session().registerWindow = nullptr; }
    void addReceipt(int id, const char* number, int cancelled) {
        database.execute(QStringLiteral("insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, "
                                        "drcustomerid, dramount, drcancelled) values (1, %1, '%2', '2026/03/10', 3, "
                                        "12.5, %3)")
                             .arg(id)
                             .arg(QLatin1String(number))
                             .arg(cancelled));
    }
    void setGrid(const QList<QStringList>& rows) {
        forms::Grid& grid = stub.flexMaster;
        grid.setCols(6);
        grid.setRows(int(rows.size()) + 1);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                grid.setTextMatrix(r + 1, c, rows[r][c]);
    }
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    testing_support::StubRegister stub;
};

TEST_F(FormHelpersTest, firstNewReceiptFillsThePlaceholderRow) {
    setGrid({QStringList()});
    module::session().EntryMode = QStringLiteral("N");
    module::UpdateEditedRow(QStringLiteral("drid=1"), 1);
    EXPECT_EQ(stub.flexMaster.rows(), 2);
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 0), "1");
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 1), "RC-1");
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 3), "Ali");
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 5), "No");
}

TEST_F(FormHelpersTest, furtherNewReceiptAddsARowAndMakesItCurrent) {
    setGrid({{"1", "RC-1", "10/03/2026", "Ali", "12.5", "No"}});
    module::session().EntryMode = QStringLiteral("N");
    module::UpdateEditedRow(QStringLiteral("drid=2"), 2);
    ASSERT_EQ(stub.flexMaster.rows(), 3);
    EXPECT_EQ(stub.flexMaster.textMatrix(2, 0), "2");
    EXPECT_EQ(stub.flexMaster.textMatrix(2, 5), "Yes");
    EXPECT_EQ(stub.flexMaster.row(), 2);
    EXPECT_EQ(stub.flexMaster.topRow(), 2);
    EXPECT_EQ(stub.flexMaster.col(), 0);
    EXPECT_EQ(stub.flexMaster.colSel(), 5);
}

TEST_F(FormHelpersTest, existingReceiptOverwritesTheCurrentRowButItsId) {
    setGrid({{"99", "old", "", "", "", "No"}});
    stub.flexMaster.setRow(1);
    module::session().EntryMode = QStringLiteral("E");
    module::UpdateEditedRow(QStringLiteral("drid=2"), 2);
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 0), "99");
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 1), "RC-2");
    EXPECT_EQ(stub.flexMaster.textMatrix(1, 5), "Yes");
}

TEST_F(FormHelpersTest, noMatchingRowChangesNothingAndABadQueryIsReported) {
    setGrid({{"1", "RC-1", "", "", "", "No"}});
    module::session().EntryMode = QStringLiteral("N");
    module::UpdateEditedRow(QStringLiteral("drid=42"), 42);
    EXPECT_EQ(stub.flexMaster.rows(), 2);
    stub.query = QStringLiteral("select nothing from nowhere");
    module::UpdateEditedRow(QStringLiteral("drid=1"), 1);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].procedureName, "UpdateEditedRow");
    EXPECT_EQ(ui.errors[0].moduleName, "basReceiptsShop");
}

TEST_F(FormHelpersTest, cancelledRowsTurnRedInEveryCell) {
    setGrid({{"1", "RC-1", "", "", "", "No"}, {"2", "RC-2", "", "", "", "Yes"}});
    module::MarkCancelledRows();
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(stub.flexMaster.cellForeColorAt(2, col), forms::ColorRed);
        EXPECT_NE(stub.flexMaster.cellForeColorAt(1, col), forms::ColorRed);
    }
}

TEST_F(FormHelpersTest, requireFieldRefusesBlankTextAndNoSelection) {
    forms::TextBox bank(stub, QStringLiteral("txtBank"));
    forms::ComboBox currency(stub, QStringLiteral("cboCurrency"));
    forms::Label label(stub, QStringLiteral("lblBank"));
    bank.setText(QStringLiteral("   "));
    EXPECT_FALSE(module::RequireField(bank, QStringLiteral("Enter Bank Name"), QStringLiteral("Shop")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Enter Bank Name");
    EXPECT_EQ(ui.messages[0].title, "Shop");
    EXPECT_EQ(ui.messages[0].icon, forms::MsgIcon::Information);
    EXPECT_EQ(stub.activeControl(), &bank);
    EXPECT_FALSE(module::RequireField(currency, QStringLiteral("Select currency"), QString()));
    bank.setText(QStringLiteral(" x"));
    EXPECT_TRUE(module::RequireField(bank, QStringLiteral("Enter Bank Name"), QString()));
    EXPECT_TRUE(module::RequireField(label, QStringLiteral("never"), QString()));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(FormHelpersTest, listLayoutAppliesStoredWidthsAndKeepsTheDesignWithoutRows) {
    forms::ListView list(stub, QStringLiteral("lvwInvoice"));
    list.addColumn(QStringLiteral("SlNo"), 1058);
    list.addColumn(QStringLiteral("Invoice Type"), 3688);
    module::ApplyListViewLayout(QStringLiteral("posReceipts"), list, QStringLiteral("frmReceiptShop"));
    EXPECT_EQ(list.header(2).width, 3688);
    database.execute(QStringLiteral("insert into alistviewheader (lvwid, lvwtransname, lvwname, lvwmodulename) "
                                    "values (1, ' posreceipts ', 'LVWINVOICE', 'frmReceiptShop')"));
    database.execute(QStringLiteral("insert into alistviewdetails (lvwdid, lvwcolid, lvwdcolwidth, lvwdcolalign) "
                                    "values (1, '2', 500, 1)"));
    module::ApplyListViewLayout(QStringLiteral("posReceipts"), list, QStringLiteral("frmReceiptShop"));
    EXPECT_EQ(list.header(2).width, 500);
    EXPECT_EQ(list.header(2).alignment, forms::Alignment::Right);
    EXPECT_EQ(list.header(1).width, 1058);
}

} // namespace
