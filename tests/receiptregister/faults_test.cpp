// A statement failing anywhere in saving, cancelling or posting leaves nothing half-written behind; so do
// the lines to a server that break or freeze, and a counter with only a counter's rights works.
#include "entry/frmreceiptshop.h"
#include "entry/invoicelists.h"
#include "platform/ado/connectionstring.h"
#include "platform/ado/driver.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "receiptregister/frmcancelreason.h"
#include "receiptregister/frmmaster.h"
#include "support/entrywindow.h"
#include "support/faultinjection.h"
#include "support/faultproxy.h"
#include "support/tablesnapshot.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QUuid>

namespace {

using receiptregister::FrmMaster;
using testing_support::controlNamed;
using testing_support::Engine;
using testing_support::EntryControls;
using testing_support::RegisterControls;
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
const QStringList Varying = {"drTime",      "drpostedtime", "openedtime", "loggedtime", "savedtime",
                             "postingtime", "auditid",      "glid",       "skKey"};

struct Action;

// A shop of its own on which the user runs one action from the register; the `failAt`-th statement that
// reaches the engine from the press of the action's button on fails (none for 0).
class Counter : public testing_support::TestShop {
public:
    Counter(Engine engine, const Action& action, long failAt);
    ~Counter();
    void run();
    // The component works on a connection of its own to the shop's database, as another user or through
    // another line; the fault is put in front of it.
    void connectAs(const QString& connectionString);
    // Presses the button that starts the action. The first press meets the fault; when it left the
    // database as it found it, the action is pressed again in the same window.
    void press(forms::CommandButton& button);

    // Done just before the first press, to the line or the server: a fault of its own.
    std::function<void()> beforeFirstPress;
    // Done after the first press, which is then pressed again whatever it left.
    std::function<void()> beforeSecondPress;
    long statements = 0; // reaching the engine during the first press
    QStringList errorsOfFirstPress;
    QStringList before, afterFirstPress, afterSecondPress;

private:
    const Action& action_;
    long failAt_;
    std::shared_ptr<testing_support::InjectedFault> fault_;
    ado::ConnectionPtr ownConnection_;
    int presses_ = 0;

    QStringList rows() const { return testing_support::tableRows(database, LeftOut, Varying); }
    void firstPress(forms::CommandButton& button);
    void onModal(forms::Form& form);
};

// What the user does in the register and in the entry window New opens, pressing the action's button.
struct Action {
    const char* name;
    std::function<void(Counter&, RegisterControls&)> inRegister;
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
    fault_ = testing_support::injectFault(*database.connection());
    ui.standingAnswers = {{"Do you want to print Voucher", forms::MsgResult::No},
                          {"Are you sure you want to Delete the entry of - RC-1 ?", forms::MsgResult::Yes},
                          {"Posted entries cannot be deleted or modified\r\nAre you sure you want to Post "
                           "the entry(s) ?",
                           forms::MsgResult::Yes}};
    ui.backend.onModal = [this](forms::Form& form) { onModal(form); };
}

// The session's services hold the component's connection on: the server drops the test's database only
// once it is closed.
Counter::~Counter() {
    if (ownConnection_) ownConnection_->close();
}

void Counter::connectAs(const QString& connectionString) {
    ownConnection_ = ado::Connection::create();
    ownConnection_->open(connectionString);
    component.setAdocon(ownConnection_);
    fault_ = testing_support::injectFault(*ownConnection_);
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
    if (beforeFirstPress) beforeFirstPress();
    user::click(button);
    statements = fault_->statements;
    fault_->failAt = 0;
    afterFirstPress = rows();
    for (size_t i = errorsBefore; i < ui.errors.size(); ++i)
        errorsOfFirstPress << ui.errors[i].description;
    const bool faulted = failAt_ || beforeFirstPress;
    if (beforeSecondPress)
        beforeSecondPress();
    else if (!faulted || !action_.pressedAgainInPlace || afterFirstPress != before)
        return;
    ASSERT_TRUE(button.visible() && button.enabled()) << "the window is left unusable";
    press(button);
}

// A window still open after the action closes without its close check; the posting window stays open after
// a failed posting until the user closes it.
void Counter::onModal(forms::Form& form) {
    if (auto* master = dynamic_cast<FrmMaster*>(&form)) {
        RegisterControls controls(*master);
        action_.inRegister(*this, controls);
    } else if (auto* entryWindow = dynamic_cast<entry::frmReceiptShop*>(&form)) {
        EntryControls entry(*entryWindow);
        action_.inEntry(*this, entry);
        if (entryWindow->isShown()) entry.cmdok.setEnabled(false);
    } else if (auto* reason = dynamic_cast<receiptregister::frmcancelreason*>(&form)) {
        user::type(controlNamed<forms::TextBox>(*reason, "txtcanreason"), QStringLiteral("Wrong customer"));
        user::click(controlNamed<forms::CommandButton>(*reason, "cmdok"));
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
    {"save", [](Counter&, RegisterControls& master) { user::click(master.cmdnew); },
     [](Counter& counter, EntryControls& entry) {
         settleTwoDocuments(entry);
         counter.press(entry.cmdok);
     },
     true, 20},
    {"cancel",
     [](Counter& counter, RegisterControls& master) {
         user::clickCell(master.flexMaster, 1, 1);
         counter.press(master.CmdDelete);
     },
     {},
     true,
     5},
    {"post",
     [](Counter& counter, RegisterControls& master) { counter.press(master.cmdUpdate); },
     {},
     false,
     4}};

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

// The shop's database on the test server, reached with `keys` in place of the same keys of its connection
// string.
QString shopDatabase(const Counter& counter, const QString& keys) {
    return counter.database.connection()->connectionString() + u';' + keys;
}

// The keys that reach the test server through the proxy.
QString through(const testing_support::FaultProxy& proxy) {
    return QStringLiteral("Host=127.0.0.1;Port=%1").arg(proxy.port());
}

std::unique_ptr<testing_support::FaultProxy> proxyToTestServer() {
    const auto server = ado::ConnectionString::parse(qEnvironmentVariable("RECEIPTS_TEST_SERVER"));
    return std::make_unique<testing_support::FaultProxy>(server.host, quint16(server.port.toUInt()));
}

// A new role with the rights the shipped statements grant the counters; the keys that log in with it.
QString counterRole(const Counter& counter) {
    const QString role = QStringLiteral("counter_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    counter.sql(QStringLiteral("create role %1 login password 'counter'").arg(role));
    QFile rights(QStringLiteral(COUNTER_RIGHTS));
    EXPECT_TRUE(rights.open(QIODevice::ReadOnly));
    counter.database.connection()->driver().executeNative(
        QString::fromUtf8(rights.readAll()).replace(QStringLiteral(":\"counter\""), role));
    return QStringLiteral("User=%1;Password=counter").arg(role);
}

class CounterRole : public ::testing::TestWithParam<Action> {};

// The counters' role, which cannot change the schema, saves, cancels and posts as the owner would.
TEST_P(CounterRole, runsTheActionWithOnlyTheRightsGranted) {
    Counter counter(Engine::Server, GetParam(), 0);
    counter.database.requireConnection();
    if (IsSkipped() || HasFatalFailure()) return;
    counter.connectAs(shopDatabase(counter, counterRole(counter)));
    counter.run();
    EXPECT_EQ(counter.errorsOfFirstPress, QStringList());
    EXPECT_NE(counter.afterFirstPress, counter.before);
}

INSTANTIATE_TEST_SUITE_P(, CounterRole, ::testing::ValuesIn(Actions),
                         [](const auto& instance) { return std::string(instance.param.name); });

// Ends every other session on the shop's database, as a restart of the server does.
void endSessions(const Counter& counter) {
    counter.scalar("select count(pg_terminate_backend(pid, 5000)) from pg_stat_activity where datname = "
                   "current_database() and pid <> pg_backend_pid()");
}

// A save whose line broke (the session ended while the entry was open, the line dropped with the saving lock
// taken or with the commit sent): the cashier is told whether the receipt was stored, and the entry ends with
// the one receipt a save without a fault stores, saved again when it was not.
TEST(BrokenLine, endsTheSaveWithOneReceiptAndTellsWhetherItWasStored) {
    Counter clean(Engine::Server, Actions[0], 0);
    clean.database.requireConnection();
    if (IsSkipped()) return;
    clean.run();
    const struct {
        const char* name;
        const char* dropAfter; // none: the session ends instead
        QStringList told;
        bool storedAtOnce;
    } cases[] = {{"session ended", nullptr, {}, true},
                 {"lock taken",
                  "LosReceiptLock",
                  {"The receipt was not saved: The database server cannot be reached: server closed the "
                   "connection unexpectedly; the entry is kept, try again"},
                  false},
                 {"commit sent", "commit", {"Receipt RC-3 was saved"}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto proxy = proxyToTestServer();
        Counter counter(Engine::Server, Actions[0], 0);
        // The session ends on a line of its own: the server's goodbye reaches the counter before it acts.
        counter.connectAs(shopDatabase(counter, c.dropAfter ? through(*proxy) : QString()));
        counter.beforeFirstPress = [&] {
            c.dropAfter ? proxy->dropAfterForwarding(c.dropAfter) : endSessions(counter);
        };
        counter.run();
        QStringList told = counter.ui.messageTexts();
        told.removeAll(QStringLiteral("Do you want to print Voucher"));
        EXPECT_EQ(told, c.told);
        EXPECT_EQ(counter.errorsOfFirstPress, QStringList());
        EXPECT_EQ(counter.afterFirstPress != counter.before, c.storedAtOnce);
        EXPECT_EQ(testing_support::rowDifferences(clean.afterFirstPress, c.storedAtOnce
                                                                             ? counter.afterFirstPress
                                                                             : counter.afterSecondPress),
                  "");
    }
}

// The line broke with the commit sent, and the server refused the counter until after OK was pressed again:
// that OK tells the receipt the first one stored, under the same save key, and stores no second one.
TEST(BrokenLine, refusedUntilOkIsPressedAgainFindsTheReceiptTheFirstOkStored) {
    Counter clean(Engine::Server, Actions[0], 0);
    clean.database.requireConnection();
    if (IsSkipped()) return;
    clean.run();
    const auto proxy = proxyToTestServer();
    Counter counter(Engine::Server, Actions[0], 0);
    const QString login = counterRole(counter), role = login.section(';', 0, 0).section('=', 1);
    counter.connectAs(shopDatabase(counter, through(*proxy) + u';' + login));
    counter.beforeFirstPress = [&] {
        proxy->dropAfterForwarding("commit");
        counter.sql("alter role " + role + " nologin");
    };
    counter.beforeSecondPress = [&] {
        counter.sql("alter role " + role + " login");
        QThread::msleep(2000); // a reopening that failed is tried again only after a while
    };
    counter.run();
    EXPECT_EQ(
        counter.ui.messageTexts(),
        QStringList({filled("The database server cannot be reached: connection to server at \"127.0.0.1\", "
                            "port %1 failed: FATAL:  role \"%2\" is not permitted to log in; the entry is "
                            "kept, try again",
                            proxy->port(), role),
                     "Receipt RC-3 was saved", "Do you want to print Voucher"}));
    EXPECT_EQ(testing_support::rowDifferences(clean.afterFirstPress, counter.afterSecondPress), "");
}

// The engine refuses a statement of the save that goes to it with others in one round trip: the saving lock's
// with the transaction's begin, the header held back with the balances' reading, a detail row held back with
// the commit. The cashier is told the engine's reason, nothing of the receipt is stored, and once the cause
// is gone OK saves it.
TEST(RefusedStatement, inARoundTripOfTheSaveLeavesNothingWrittenAndTheSaveMayBeRunAgain) {
    Counter clean(Engine::Server, Actions[0], 0);
    clean.database.requireConnection();
    if (IsSkipped()) return;
    clean.run();
    const struct {
        QString table;
        const char* change;
    } cases[] = {{"losreceiptlock", "update"},
                 {"losdummyreceiptheader", "insert"},
                 {"losdummyreceiptdetail", "insert"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table.toStdString());
        Counter counter(Engine::Server, Actions[0], 0);
        const auto native = [&](const QString& script) {
            counter.database.connection()->driver().executeNative(script);
        };
        native(QStringLiteral(
                   "create function refuse() returns trigger language plpgsql as $$ begin raise exception "
                   "'refused on %1'; end $$; create trigger refused before %2 on %1 for each row execute "
                   "function refuse()")
                   .arg(c.table, c.change));
        counter.beforeSecondPress = [&] {
            native("drop trigger refused on " + c.table + "; drop function refuse()");
        };
        counter.run();
        EXPECT_EQ(counter.errorsOfFirstPress, QStringList{"refused on " + c.table});
        EXPECT_EQ(counter.afterFirstPress, counter.before);
        EXPECT_EQ(testing_support::rowDifferences(clean.afterFirstPress, counter.afterSecondPress), "");
    }
}

// What the error log file holds so far.
QByteArray errorLog() {
    QFile log(os::inApplicationFolder(QStringLiteral("errors.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

// The server stopped under an open register: a command says so once, in the cashier's words, and the error
// log keeps each failure with its window and procedure; New leaves no empty entry window open.
TEST(StoppedServer, isToldOnceACommandWhileTheLogKeepsEveryProcedure) {
    const struct {
        const char* command;
        QStringList opened; // the windows the command shows
        QStringList logged; // window and procedure of each failure
    } cases[] = {{"cmdnew", {}, {"frmReceiptShop\tForm_Load "}},
                 {"cmdUpdate",
                  {"frmStatus"},
                  {"frmStatus\tForm_Load", "frmStatus\tupdateledgers ", "FrmMaster\tflexMaster_EnterCell",
                   "FrmMaster\tcmdUpdate_Click "}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged.last().toStdString());
        Counter counter(Engine::Server, Actions[0], 0);
        counter.database.requireConnection();
        if (IsSkipped()) return;
        auto server = proxyToTestServer();
        counter.connectAs(shopDatabase(counter, through(*server)));
        QStringList opened;
        counter.ui.backend.onModal = [&](forms::Form& form) {
            auto* master = dynamic_cast<FrmMaster*>(&form);
            if (!master) {
                opened << form.name();
                form.unload();
                return;
            }
            server.reset();
            user::click(controlNamed<forms::CommandButton>(*master, c.command));
            user::click(controlNamed<forms::CommandButton>(*master, "CmdClose"));
        };
        const qsizetype logStart = errorLog().size();
        counter.component.Show();
        EXPECT_EQ(opened, c.opened);
        ASSERT_EQ(counter.ui.errors.size(), 1u);
        const QString told = suite::errorMessageText(counter.ui.errors[0]);
        EXPECT_EQ(told.section('\n', 0, 0),
                  "The shop database cannot be reached, so what you asked for was not done.");
        const QByteArray log = errorLog().mid(logStart);
        for (const QString& failure : c.logged) {
            EXPECT_TRUE(log.contains(('\t' + failure + '\t').toUtf8())) << failure.toStdString();
            EXPECT_FALSE(told.contains(failure.section('\t', 1).trimmed())) << told.toStdString();
        }
    }
}

const char* const TakeTheSavingLock = "update LosReceiptLock set rlSaves = rlSaves + 1 where rlId = 1";

// A counter that froze holding the saving lock (or whose line was cut where the server cannot tell) loses the
// lock within 30 s: another counter then takes it.
TEST(FrozenCounter, losesTheSavingLockWithinThirtySeconds) {
    testing_support::TestDatabase database(Engine::Server);
    database.requireConnection();
    if (IsSkipped()) return;
    const auto proxy = proxyToTestServer();
    const QString shop = database.connection()->connectionString();
    ado::ConnectionPtr frozen = ado::Connection::create();
    frozen->open(shop + u';' + through(*proxy));
    frozen->beginTrans();
    frozen->execute(TakeTheSavingLock);
    proxy->freeze();
    ado::ConnectionPtr other = ado::Connection::create();
    other->setLockTimeout(60);
    other->open(shop);
    QElapsedTimer waited;
    waited.start();
    other->execute(TakeTheSavingLock);
    EXPECT_LT(waited.elapsed(), 30000);
    other->close();
}

// A server that accepts the connection and never answers is given up within 30 s, with the cause.
TEST(SilentServer, isGivenUpWithinThirtySeconds) {
    testing_support::FaultProxy silent(QString(), 0);
    QElapsedTimer waited;
    waited.start();
    const QString outcome = testing_support::outcome([&] {
        ado::Connection::create()->open(
            QStringLiteral("Driver=postgres;Host=127.0.0.1;Port=%1;Database=receipts;User=receipts")
                .arg(silent.port()));
        return QString();
    });
    EXPECT_LT(waited.elapsed(), 30000);
    EXPECT_EQ(outcome, testing_support::failsWith(core::err::DbFailure));
}

} // namespace
