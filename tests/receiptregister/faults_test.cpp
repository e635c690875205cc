// A statement failing anywhere in saving, cancelling or posting leaves nothing half-written behind.
#include "entry/frmreceiptshop.h"
#include "entry/invoicelists.h"
#include "platform/ado/faultinjection.h"
#include "platform/forms/userinput.h"
#include "receiptregister/frmcancelreason.h"
#include "receiptregister/frmmaster.h"
#include "support/entrywindow.h"
#include "support/tablesnapshot.h"

namespace {

using receiptregister::FrmMaster;
using testing_support::Engine;
using testing_support::EntryControls;
namespace user = forms::user;

// Beyond the shared shop: Abc Ltd owes INV-5 (120, RC-1 settled 10 of it) and the opening invoice OI-11
// (120); the shop's receipts RC-1 and RC-2 are neither cancelled nor posted; the accounts posting uses. The
// numbering row says RC-1 came last, but another program stored RC-2: the next number is sought again.
const char* const Rows[] = {
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
    "ihcustomerid, ihnetamount) values (1, 5, 1, 'INV-5', '20240301', 1, 120)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, FinancialID, discount, dueperiod, Referenceno, cancelled, proforma, cashinvoice) values "
    "(1, 11, 'OI-11', '20231015', 1, 1, 0, 0, 30, 'REF-11', 0, 0, 0)",
    "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, serviceqty, amount) values "
    "(1, 11, 1, 1, 120)",
    "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drdate, drcustomerid, dramount, "
    "drreccurrencyid, drExchangeRate, drCancelled) values (1, 1, 1, 'RC-1', '20240310', 1, 10, 1, 1, 0), "
    "(1, 2, 1, 'RC-2', '20240310', 1, 30, 1, 1, 0)",
    "insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid, "
    "drdinvoiceamount, drdsettledamount) values (1, 1, 1, 1, 5, 120, 10)",
    "update ashops set cashaccountid = 1001",
    "update aSettings set debtorsaccountid = 1200",
    "insert into aPrefix (InterfaceID, shopid, financialid, Prefix) values (1505, 1, 1, 'RC-')",
    "insert into LosReceiptNumbering (rnPrefix, rnLastNo) values ('RC-', 1)"};

// The error log records the failure on purpose (and SQLite counts its rows in sqlite_sequence). The clocks
// differ from run to run, and so do the keys a server's sequences give: a rolled-back insert uses one up.
const QStringList LeftOut = {"aErrorLog", "sqlite_sequence"};
const QStringList Varying = {"drTime",    "drpostedtime", "openedtime", "loggedtime",
                             "savedtime", "postingtime",  "auditid",    "glid"};

struct Action;

// A shop of its own on which the user runs one action from the register; the `failAt`-th statement that
// reaches the engine from the press of the action's button on fails (none for 0).
class Counter : public testing_support::TestShop {
public:
    Counter(Engine engine, const Action& action, long failAt);
    void run();
    // Presses the button that starts the action. The first press meets the fault; when it left the
    // database as it found it, the action is pressed again in the same window.
    void press(forms::CommandButton& button);

    long statements = 0; // reaching the engine during the first press
    QStringList errorsOfFirstPress;
    QStringList before, afterFirstPress, afterSecondPress;

private:
    const Action& action_;
    long failAt_;
    std::shared_ptr<ado::InjectedFault> fault_;
    int presses_ = 0;

    QStringList rows() const { return testing_support::tableRows(database, LeftOut, Varying); }
    void firstPress(forms::CommandButton& button);
    void onModal(forms::Form& form);
};

// What the user does in the register and in the entry window New opens, pressing the action's button.
struct Action {
    const char* name;
    std::function<void(Counter&, FrmMaster&)> inRegister;
    std::function<void(Counter&, EntryControls&)> inEntry;
    // A posting run disables Post Ledgers whatever its outcome: the user opens the register again.
    bool pressedAgainInPlace;
    long fewestStatements; // of a run without a fault
};

void PrintTo(const Action& action, std::ostream* out) {
    *out << action.name;
}

Counter::Counter(Engine engine, const Action& action, long failAt)
    : TestShop(engine), action_(action), failAt_(failAt) {
    if (!database.connection()) return;
    for (const char* row : Rows)
        sql(row);
    fault_ = ado::injectFault(*database.connection());
    ui.standingAnswers = {{"Do you want to print Voucher", forms::MsgResult::No},
                          {"Are you sure you want to Delete the entry of - RC-1 ?", forms::MsgResult::Yes},
                          {"Posted entries cannot be deleted or modified\r\nAre you sure you want to Post "
                           "the entry(s) ?",
                           forms::MsgResult::Yes}};
    ui.backend.onModal = [this](forms::Form& form) { onModal(form); };
}

void Counter::run() {
    component.Show();
    if (!action_.pressedAgainInPlace && failAt_ && afterFirstPress == before) component.Show();
}

void Counter::press(forms::CommandButton& button) {
    if (presses_++ == 0) return firstPress(button);
    user::click(button);
    afterSecondPress = rows();
}

void Counter::firstPress(forms::CommandButton& button) {
    before = rows();
    const size_t errorsBefore = ui.errors.size();
    *fault_ = {failAt_, 0};
    user::click(button);
    statements = fault_->statements;
    fault_->failAt = 0;
    afterFirstPress = rows();
    for (size_t i = errorsBefore; i < ui.errors.size(); ++i)
        errorsOfFirstPress << ui.errors[i].description;
    if (!failAt_ || !action_.pressedAgainInPlace || afterFirstPress != before) return;
    ASSERT_TRUE(button.visible() && button.enabled()) << "the window is left unusable";
    press(button);
}

// A window still open after the action closes without its close check; the posting window stays open after
// a failed posting until the user closes it.
void Counter::onModal(forms::Form& form) {
    if (auto* master = dynamic_cast<FrmMaster*>(&form)) {
        action_.inRegister(*this, *master);
    } else if (auto* entryWindow = dynamic_cast<entry::frmReceiptShop*>(&form)) {
        EntryControls entry(*entryWindow);
        action_.inEntry(*this, entry);
        if (entryWindow->isShown()) entry.cmdok.setEnabled(false);
    } else if (auto* reason = dynamic_cast<receiptregister::frmcancelreason*>(&form)) {
        user::type(reason->txtcanreason, QStringLiteral("Wrong customer"));
        user::click(reason->cmdok);
    }
    if (form.isShown()) form.unload();
}

// Settles 40 of INV-5 and 40 of OI-11, received in the customer's currency.
void settleTwoDocuments(EntryControls& entry) {
    testing_support::EntryWindowTest::pick(entry.cboCustomer, QStringLiteral("Abc Ltd"));
    entry.txtBank.setText(QStringLiteral("BML"));
    entry.txtRemarks.setText(QStringLiteral("rent"));
    entry.txtchequeno.setText(QStringLiteral("CASH"));
    for (entry::DocumentList list : {entry::DocumentList::Shop, entry::DocumentList::Opening})
        entry.window.settleLine(list, 1, entry::Money::fromCents(4000));
    entry.cboCurrency.setListIndex(0);
    entry.txtrecamount.setText(QStringLiteral("80.00"));
}

const Action Actions[] = {
    {"save", [](Counter&, FrmMaster& master) { user::click(master.cmdnew); },
     [](Counter& counter, EntryControls& entry) {
         settleTwoDocuments(entry);
         counter.press(entry.cmdok);
     },
     true, 20},
    {"cancel",
     [](Counter& counter, FrmMaster& master) {
         user::clickCell(master.flexMaster, 1, 1);
         counter.press(master.CmdDelete);
     },
     {},
     true,
     5},
    {"post", [](Counter& counter, FrmMaster& master) { counter.press(master.cmdUpdate); }, {}, false, 4}};

class Fault : public ::testing::TestWithParam<std::tuple<Action, Engine>> {
protected:
    const Action& action() const { return std::get<Action>(GetParam()); }
    Engine engine() const { return std::get<Engine>(GetParam()); }
};

// Run once without a fault, the action reaches the engine with N statements and writes its rows. Then for
// each k of 1..N, on a shop of its own, the k-th fails: the failure is reported, and the database holds
// either nothing of the action, which pressed again writes what the run without a fault wrote, or all of
// it (the failure came after the commit, refreshing the register's row, or in a read outside the saving
// transaction whose report the user goes on from, such as a window's colours).
TEST_P(Fault, atAnyStatementOfTheActionLeavesNothingHalfWrittenAndTheActionMayBeRunAgain) {
    Counter clean(engine(), action(), 0);
    clean.database.requireConnection();
    if (IsSkipped() || HasFatalFailure()) return;
    clean.run();
    ASSERT_GE(clean.statements, action().fewestStatements);
    ASSERT_EQ(clean.errorsOfFirstPress, QStringList());
    ASSERT_NE(clean.afterFirstPress, clean.before);
    for (long failAt = 1; failAt <= clean.statements; ++failAt) {
        SCOPED_TRACE(testing::Message() << "statement " << failAt << " of " << clean.statements);
        Counter counter(engine(), action(), failAt);
        counter.run();
        EXPECT_EQ(counter.errorsOfFirstPress,
                  QStringList{filled("Fault injected at statement %1.", qint64(failAt))});
        const bool untouched = counter.afterFirstPress == counter.before;
        EXPECT_EQ(testing_support::rowDifferences(clean.afterFirstPress, untouched ? counter.afterSecondPress
                                                                                   : counter.afterFirstPress),
                  "");
    }
}

INSTANTIATE_TEST_SUITE_P(, Fault,
                         ::testing::Combine(::testing::ValuesIn(Actions),
                                            ::testing::Values(Engine::Sqlite, Engine::Server)),
                         [](const auto& instance) {
                             return std::get<Action>(instance.param).name + std::string("_") +
                                    ::testing::PrintToString(std::get<Engine>(instance.param));
                         });

} // namespace
