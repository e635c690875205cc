// What the settle dialog takes as a settle amount, and how it refuses any other text.
#include "platform/forms/userinput.h"
#include "support/entrywindow.h"

namespace {

using testing_support::EntryControls;
using testing_support::EntryWindowTest;
using testing_support::SettleDialogControls;
namespace user = forms::user;

const QString SettleRefusal =
    "Settle Amount must be a number of zero or more with at most two decimals, below "
    "1,000,000,000,000";
constexpr int SettlementColumn = 5;

using AmountEntry = EntryWindowTest;

// Invoices of 120 and 80: the first settled in full, each text pasted for the second is refused, its row and
// the total stay as they were.
TEST_F(AmountEntry, settleDialogRefusesANegativeOrMalformedSettleAmountAndKeepsTheRow) {
    const QStringList refused = {"-40", "5,000", "0.001"};
    sql("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
        "ihcustomerid, ihnetamount) values (1, 10, 1, 'INV-10', '20240301', 1, 120), (1, 11, 1, 'INV-11', "
        "'20240302', 1, 80)");
    inDialog = [&](forms::Form& form) {
        SettleDialogControls dialog(form);
        user::paste(dialog.txtSettleAmt, "120");
        user::click(dialog.cmdok);
        for (const QString& text : refused) {
            user::paste(dialog.txtSettleAmt, text);
            user::click(dialog.cmdok);
            EXPECT_TRUE(dialog.window.isShown() && dialog.txtSettleAmt.hasFocus()) << text.toStdString();
            EXPECT_EQ(dialog.txtInvNo.text(), "INV-11") << text.toStdString();
        }
        user::click(dialog.cmdCancel);
    };
    inEntry([&](EntryControls& entry) {
        pick(entry.cboCustomer, "Abc Ltd");
        user::doubleClickItem(entry.lvwInvoice, 1);
        EXPECT_EQ(QStringList({entry.lvwInvoice.cell(1, SettlementColumn),
                               entry.lvwInvoice.cell(2, SettlementColumn), entry.txtAmount.text()}),
                  QStringList({"120.00", "0.00", "120.00"}));
    });
    EXPECT_EQ(ui.messageTexts(), QStringList({SettleRefusal, SettleRefusal, SettleRefusal}));
}

} // namespace
