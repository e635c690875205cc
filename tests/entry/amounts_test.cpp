// What the entry window and the settle dialog take as an amount or a date, and how OK refuses any other text.
#include "entry/frminvoiceentry.h"
#include "entry/money.h"
#include "platform/forms/userinput.h"
#include "support/entrywindow.h"

namespace {

using testing_support::EntryControls;
using testing_support::SettleDialogControls;
namespace user = forms::user;
using testing_support::EntryWindowTest;

// Each row: an entered text and its value, none when the text is refused.
TEST(PlainAmount, takesDigitsWithOnePointAndTwoDecimalsUpToTwelveWholeDigits) {
    const std::pair<QString, std::optional<double>> amounts[] = {{"100", 100},
                                                                 {"100.5", 100.5},
                                                                 {"1234.56", 1234.56},
                                                                 {".5", 0.5},
                                                                 {"7.", 7},
                                                                 {"0", 0},
                                                                 {"000000000000042", 42},
                                                                 {"999999999999.99", 999999999999.99},
                                                                 {"", std::nullopt},
                                                                 {".", std::nullopt},
                                                                 {"5,000", std::nullopt},
                                                                 {"12abc", std::nullopt},
                                                                 {" 5 0", std::nullopt},
                                                                 {"50 ", std::nullopt},
                                                                 {"1.2.3", std::nullopt},
                                                                 {"-50", std::nullopt},
                                                                 {"+50", std::nullopt},
                                                                 {"0.001", std::nullopt},
                                                                 {"1e308", std::nullopt},
                                                                 {"1000000000000", std::nullopt},
                                                                 {"123456789012345678", std::nullopt},
                                                                 {QString::fromUtf8("1\u0663"), std::nullopt},
                                                                 {QString::fromUtf8("\uff17"), std::nullopt}};
    for (const auto& [text, value] : amounts) {
        const auto amount = entry::plainAmount(text);
        EXPECT_EQ(amount ? std::optional<double>(amount->toDouble()) : std::nullopt, value)
            << text.toStdString();
    }
}

const QString SettleRefusal =
    "Settle Amount must be a number of zero or more with at most two decimals, below "
    "1,000,000,000,000";
const QString ReceivedRefusal =
    "Received Amount must be a number above zero with at most two decimals, below "
    "1,000,000,000,000";
constexpr int SettlementColumn = 5;

using AmountEntry = EntryWindowTest;

// An advance of Abc Ltd with everything but the received amount.
void startAdvance(EntryControls& entry) {
    user::click(entry.optadvance);
    EntryWindowTest::pick(entry.cboCustomer, "Abc Ltd");
    user::type(entry.txtBank, "BML");
    user::type(entry.txtRemarks, "deposit");
    user::type(entry.txtchequeno, "CASH");
}

// Invoices of 120 and 80: the first settled in full, each text pasted for the second is refused, its row and
// the total stay as they were, and 80 received does not pay the 120 settled.
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
        user::type(entry.txtBank, "BML");
        user::type(entry.txtRemarks, "rent");
        user::type(entry.txtchequeno, "CASH");
        user::type(entry.txtrecamount, "80");
        user::click(entry.cmdok);
    });
    EXPECT_EQ(ui.messageTexts(), QStringList({SettleRefusal, SettleRefusal, SettleRefusal,
                                              "Received amount and settled amount should be same"}));
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader"), "0");
}

// An advance: each pasted text is refused with the field named and the focus on it, nothing stored; an
// amount typed afterwards is stored as typed.
TEST_F(AmountEntry, okRefusesAReceivedAmountThatIsNoPlainAmountAndTakesOneTypedAfterwards) {
    const QStringList refused = {"5,000", "-50", "0.001", "1e308"};
    ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
    inEntry([&](EntryControls& entry) {
        startAdvance(entry);
        for (const QString& text : refused) {
            ui.messages.clear();
            user::paste(entry.txtrecamount, text);
            user::click(entry.cmdok);
            ASSERT_EQ(ui.messageTexts(), QStringList{ReceivedRefusal}) << text.toStdString();
            EXPECT_EQ(entry.window.activeControl()->name(), "txtrecamount") << text.toStdString();
            EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader"), "0") << text.toStdString();
        }
        user::clear(entry.txtrecamount);
        user::type(entry.txtrecamount, "1234.56");
        user::click(entry.cmdok);
        EXPECT_FALSE(entry.window.isShown());
    });
    EXPECT_EQ(scalar("select dramount from LosDummyReceiptHeader"), "1234.56");
    EXPECT_TRUE(ui.errors.empty());
}

// The receipt date is typed freely: a text that is no date is refused with the field named and the focus on
// it; a date typed afterwards is stored.
TEST_F(AmountEntry, okRefusesAReceiptDateThatIsNoDate) {
    const QStringList refused = {"1O/03/2024", "31/02/2024", "10/03", ""};
    ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
    inEntry([&](EntryControls& entry) {
        startAdvance(entry);
        user::type(entry.txtrecamount, "50");
        for (const QString& text : refused) {
            ui.messages.clear();
            user::paste(entry.txtProcessDate, text);
            user::click(entry.cmdok);
            ASSERT_EQ(ui.messageTexts(), QStringList{"Receipt Date must be a date such as 10/03/2024"})
                << text.toStdString();
            EXPECT_EQ(entry.window.activeControl()->name(), "txtProcessDate") << text.toStdString();
        }
        user::paste(entry.txtProcessDate, " 11/03/2024 ");
        user::click(entry.cmdok);
        EXPECT_FALSE(entry.window.isShown());
    });
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader where drdate = '20240311'"), "1");
}

} // namespace
