// The checks OK makes in order, the focus, what fields take, the dialog's file, the key a save is stored
// under.
#include "entry/frminvoiceentry.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/userinput.h"
#include "store/receiptsaving.h"
#include "store/savekeys.h"
#include "support/entrywindow.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

using testing_support::EntryControls;
using testing_support::SettleDialogControls;
namespace user = forms::user;
using testing_support::Engine;
using testing_support::EntryWindowTest;

void texts(EntryControls& entry, const char* bank, const char* remarks, const char* cheque) {
    entry.txtBank.setText(bank);
    entry.txtRemarks.setText(remarks);
    entry.txtchequeno.setText(cheque);
}
void received(EntryControls& entry, int currencyIndex, const char* amount) {
    entry.cboCurrency.setListIndex(currencyIndex);
    entry.txtrecamount.setText(amount);
}
// Settles hundredths on a line of a list, as the settle dialog does.
void settleLine(EntryControls& entry, entry::DocumentList list, int position, qint64 cents) {
    ASSERT_EQ(entry.window.settleLine(list, position, entry::Money::fromCents(cents)), std::nullopt);
}
// Settles the invoice's row and the note's row.
void settle(EntryControls& entry, qint64 invoice, qint64 note) {
    settleLine(entry, entry::DocumentList::Shop, 1, invoice);
    settleLine(entry, entry::DocumentList::Shop, 2, note);
}

// The message OK gives, the control that then has the focus, and what the user completes before pressing
// OK again: each field a refusal names once, the rules themselves being the receipt's tables. Beach Cafe owes
// nothing; Abc Ltd owes INV-5 (120) and XY-15 (90), a note of an unknown kind.
const struct Step {
    const char* refused;
    const char* focus;
    std::function<void(EntryControls&)> complete;
    int selected = 0; // the shop list's row selected, if any
} Steps[] = {
    {"select customer", "cboCustomer",
     [](auto& e) {
         EntryWindowTest::pick(e.cboCustomer, "Beach Cafe");
         texts(e, "   ", "", "");
     }},
    {"Enter bank name", "txtBank", [](auto& e) { texts(e, "BML", "  ", ""); }},
    {"Enter remarks", "txtRemarks", [](auto& e) { texts(e, "BML", "rent", " "); }},
    {"Enter cheque number", "txtchequeno",
     [](auto& e) {
         texts(e, "BML", "rent", "CASH");
         e.txtProcessDate.setText("01/01/2020");
     }},
    {"Receipt Date must be a day from 04/03/2024 to 17/03/2024, the days the register lists",
     "txtProcessDate", [](auto& e) { e.txtProcessDate.setText("10/03/2024"); }},
    {"Atleast one detail needed", "cmdok", [](auto& e) { EntryWindowTest::pick(e.cboCustomer, "Abc Ltd"); }},
    {"Enter bank name", "txtBank", [](auto& e) { texts(e, "BML", "rent", "CASH"); }},
    {"Atleast one settlement should be done", "lvwInvoice",
     [](auto& e) {
         settle(e, 4000, 0);
         received(e, -1, "");
     }},
    {"Select the Received Amount Currency ", "cboCurrency",
     [](auto& e) {
         received(e, 0, "");
         e.txtExchangeRate.setText("15,42");
     }},
    {"Exchange Rate must be a number such as 15.42", "txtExchangeRate",
     [](auto& e) { e.txtExchangeRate.setText("15.42"); }},
    {"Enter Received Amount ", "txtrecamount", [](auto& e) { received(e, 0, "40.01"); }},
    // In another currency the settled total must equal the customer-equivalent amount: 5 dollars, 77.1.
    {"Received amount and settled amount should be same", "txtrecamount",
     [](auto& e) {
         received(e, 1, "5");
         settle(e, 4000, 3710);
     }},
    {"The invoice type of XY-15 is not known; its settlement cannot be saved", "lvwInvoice",
     [](auto& e) { settle(e, 7710, 0); }, 2},
    {"Do you want to print Voucher", nullptr, {}}};

using Validation = EntryWindowTest;

TEST_F(Validation, okRefusesAnIncompleteEntryCheckByCheckInOrderAndStoresNothingUntilComplete) {
    sql("insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) values (2, "
        "1, 'Beach Cafe', 1, 1)");
    sql("insert into ashopcustomerdetails (shopid, customerid) values (1, 2)");
    sql("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
        "ihcustomerid, ihnetamount) values (1, 5, 1, 'INV-5', '20240301', 1, 120)");
    sql("insert into losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, dcnno, dcndate, "
        "dcncustomerid, dcnamount) values (1, 15, 1, 'XYZ', 'XY-15', '20240301', 1, 90)");
    ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
    inEntry([&](EntryControls& entry) {
        for (const Step& step : Steps) {
            ui.messages.clear();
            forms::user::click(entry.cmdok);
            ASSERT_EQ(ui.messageTexts(), QStringList{step.refused});
            if (!step.focus) break;
            EXPECT_EQ(ui.messages[0].title, "Shop");
            EXPECT_EQ(ui.messages[0].icon, forms::MsgIcon::Information);
            EXPECT_EQ(entry.window.activeControl()->name(), step.focus) << step.refused;
            EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader"), "0") << step.refused;
            if (step.selected) {
                EXPECT_EQ(entry.lvwInvoice.selectedItem(), step.selected);
            }
            step.complete(entry);
        }
        EXPECT_FALSE(entry.window.isShown());
    });
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptDetail where drdid = 1 and drdinvoiceid = 5 and "
                     "drdsettledamount = 77.1"),
              "1");
    EXPECT_TRUE(ui.errors.empty());
}

// The settle amount has the focus with its text selected when the dialog opens, after a refusal and on the
// next row; Enter moves to Ok, and on from the received amount. Each field (rows: field, typed, kept, tip,
// selected) keeps digits and one point up to its length and decimals, tips on hover, may select on focus.
using Focus = EntryWindowTest;

TEST_F(Focus, goesWhereTheUserTypesNextAndEachFieldTakesTheKeysItAllows) {
    const std::tuple<const char*, QString, QString, const char*, bool> fields[] = {
        {"frmReceiptShop.txtExchangeRate", "1a2345.123456789", "12345.12345678", "12,345.12345678", true},
        {"frmReceiptShop.txtExchangeRate", QString(30, '0'), QString(28, '0'), "0.00", true},
        {"frmReceiptShop.txtCompExchangeRate", "0.123456789", "", "", true},
        {"frmReceiptShop.txtAmount", "1234.5", "", "", false},
        {"frmReceiptShop.txtrecamount", "1x2.345", "12.34", "", false},
        {"frmReceiptShop.txtrecamount", QString(20, '9'), QString(18, '9'), "", false},
        {"frmInvoiceEntry.txtSettleAmt", "12a.345", "12.34", "12.34", true},
        {"frmInvoiceEntry.txtSettleAmt", QString(13, '9'), QString(12, '9'), "999,999,999,999.00", true},
        {"frmInvoiceEntry.txtAmount", "9", "1250.50", "1,250.50", false}};
    size_t typedInto = 0;
    const auto typeInto = [&](forms::Form& form) {
        for (const auto& [field, typed, kept, tip, selects] : fields) {
            if (QString(field).section('.', 0, 0) != form.name()) continue;
            auto& box = dynamic_cast<forms::TextBox&>(*form.findControl(QString(field).section('.', 1)));
            if (!box.locked) user::clear(box);
            user::type(box, typed);
            user::hover(box);
            user::focus(*form.nextInTabOrder(&box));
            user::focus(box);
            EXPECT_EQ(QStringList({box.text(), box.toolTipText()}), QStringList({kept, tip})) << field;
            EXPECT_EQ(box.selLength(), selects ? kept.size() : 0) << field;
            ++typedInto;
        }
    };
    sql("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
        "ihcustomerid, ihnetamount) values (1, 10, 1, 'INV-10', '20240301', 1, 100), (1, 11, 1, 'INV-11', "
        "'20240302', 1, 1250.5)");
    inDialog = [&](forms::Form& form) {
        SettleDialogControls dialog(form);
        EXPECT_TRUE(dialog.txtSettleAmt.hasFocus());
        EXPECT_EQ(dialog.txtSettleAmt.selLength(), 4);
        user::paste(dialog.txtSettleAmt, "100.01");
        user::click(dialog.cmdok);
        EXPECT_TRUE(dialog.txtSettleAmt.hasFocus()) << "after the refusal";
        user::paste(dialog.txtSettleAmt, "100");
        user::click(dialog.cmdok);
        EXPECT_EQ(dialog.txtInvNo.text(), "INV-11");
        EXPECT_TRUE(dialog.txtSettleAmt.hasFocus()) << "on the next row";
        user::pressKey(dialog.txtSettleAmt, forms::keys::Enter);
        EXPECT_TRUE(dialog.cmdok.hasFocus());
        typeInto(dialog.window);
        user::click(dialog.cmdCancel);
    };
    ui.answers = {forms::MsgResult::OK};
    inEntry([&](EntryControls& entry) {
        typeInto(entry.window);
        pick(entry.cboCustomer, "Abc Ltd");
        user::doubleClickItem(entry.lvwInvoice, 1);
        user::pressKey(entry.txtrecamount, forms::keys::Enter);
        EXPECT_TRUE(entry.txtCustEquAmount.hasFocus());
    });
    EXPECT_EQ(ui.messageTexts(), QStringList{"Settling Amount cannot be greater than Bill Amount"});
    EXPECT_EQ(typedInto, std::size(fields));
}

// The key a save stored finds its receipt: the one of the session's shop, whatever the other ids are.
TEST_F(EntryWindowTest, theSaveKeyFindsTheReceiptOfTheSessionsShop) {
    sql("insert into ashops (shopid, companyid, departmentid, shopname, CounterLogin, futureint) values (2, "
        "1, 1, "
        "'Second Shop', 0, 0)");
    sql("insert into LOsSettings (shopid, sNoofBackDays) values (2, 7)");
    sql("insert into ashopcustomerdetails (shopid, customerid) values (2, 1)");
    component.intShopID = 2;
    ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
    inEntry([&](EntryControls& entry) {
        user::click(entry.optadvance);
        pick(entry.cboCustomer, "Abc Ltd");
        texts(entry, "BML", "rent", "CASH");
        received(entry, 0, "50");
        user::click(entry.cmdok);
    });
    const auto saved =
        store::receiptSavedUnder(database.connection(), scalar("select skKey from LosReceiptSaveKey"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->number, scalar("select drNo from LosDummyReceiptHeader where drShopid = 2"));
}

// The Qt view binds the settle dialog's controls to the widgets of its window file by name: each control
// needs a widget of its kind there.
TEST(SettleDialogWindowFile, holdsAWidgetOfTheRightClassForEveryControl) {
    QFile file(":/forms/frmInvoiceEntry.ui");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> widgetClasses;
    for (QXmlStreamReader xml(&file); !xml.atEnd();)
        if (xml.readNextStartElement() && xml.name() == QLatin1String("widget"))
            widgetClasses.insert(xml.attributes().value(QLatin1String("name")).toString(),
                                 xml.attributes().value(QLatin1String("class")).toString());
    const QMap<forms::ControlKind, QString> classOfKind = {
        {forms::ControlKind::Frame, "QGroupBox"},
        {forms::ControlKind::Label, "QLabel"},
        {forms::ControlKind::TextBox, "QLineEdit"},
        {forms::ControlKind::CommandButton, "QPushButton"}};
    entry::frmInvoiceEntry dialog;
    EXPECT_EQ(widgetClasses.value(dialog.name()), "QWidget");
    for (const forms::Control* control : dialog.controls())
        EXPECT_EQ(widgetClasses.value(control->name()), classOfKind.value(control->kind()))
            << control->name().toStdString();
}

// A document of 120 the entry settles 40 of, and how another counter's receipt names it.
struct SettledDocument {
    const char* name;
    QStringList rows;
    bool opening;
    const char* detailColumn;
    const char* voucherColumn; // of head office's vouchers
    int id;
    const char* number;
};

void PrintTo(const SettledDocument& document, std::ostream* out) {
    *out << document.name;
}

const SettledDocument SettledDocuments[] = {{"shopInvoice",
                                             {"insert into losinvoiceheader (ihshopid, ihinvoiceid, "
                                              "ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, "
                                              "ihnetamount) values (1, 5, 1, 'INV-5', '20240301', 1, 120)"},
                                             false,
                                             "drdinvoiceid",
                                             "posinvoiceid",
                                             5,
                                             "INV-5"},
                                            {"openingInvoice",
                                             {"insert into AccountsInvoiceHeader (companyid, invoiceid, "
                                              "invoiceno, invoicedate, customerid, departmentid, "
                                              "FinancialID, discount, dueperiod, Referenceno, cancelled, "
                                              "proforma, cashinvoice) values (1, 11, 'OI-11', "
                                              "'20231015', 1, 1, 0, 0, 30, 'REF-11', 0, 0, 0)",
                                              "insert into serviceinvoicedetails (companyid, invoiceid, "
                                              "serviceline, serviceqty, amount) values (1, 11, 1, "
                                              "1, 120)"},
                                             true,
                                             "drdaccInvoiceID",
                                             "hqaccountsinvoiceid",
                                             11,
                                             "OI-11"}};

// Fills in a valid entry for Abc Ltd that settles the amount on the document and 10 on each other document
// listed, received in full.
void settleDocuments(EntryControls& entry, const SettledDocument& document, qint64 cents) {
    qint64 total = 0;
    for (entry::DocumentList list : {entry::DocumentList::Shop, entry::DocumentList::Opening})
        for (const entry::SettlementLine& line : std::vector(entry.window.receipt().lines(list))) {
            const qint64 settled = line.documentNumber == QLatin1String(document.number) ? cents : 1000;
            settleLine(entry, line.list, line.position, settled);
            total += settled;
        }
    received(entry, 0, qPrintable(entry::Money::fromCents(total).text()));
}

// One receipt settles a shop invoice of 30 listed first, and both documents: 40 of the document while
// another counter works on it; OK is refused with the message naming it. After the other counter is done
// with it, having settled 100, the entry settles the 20 left and is stored. Money must be safe on every
// engine: these run on SQLite and on the server, in a database of their own.
class TwoCounters : public EntryWindowTest {
protected:
    using EntryWindowTest::EntryWindowTest;

    // The module's receipts settle `settledInTheEnd` on the document once the entry is corrected.
    void refusedThenCorrected(const SettledDocument& document,
                              const std::function<void(EntryControls&)>& meanwhile, const QString& refused,
                              const std::function<void()>& done, const char* settledInTheEnd = "120") {
        for (const SettledDocument& listed : SettledDocuments)
            for (const QString& row : listed.rows)
                sql(row);
        sql("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
            "ihcustomerid, ihnetamount) values (1, 4, 1, 'INV-4', '20240301', 1, 30)");
        ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
        inEntry([&](EntryControls& entry) {
            pick(entry.cboCustomer, "Abc Ltd");
            texts(entry, "BML", "rent", "CASH");
            settleDocuments(entry, document, 4000);
            meanwhile(entry);
            user::click(entry.cmdok);
            EXPECT_EQ(ui.messageTexts(), QStringList{refused});
            EXPECT_TRUE(entry.window.isShown() && entry.cmdok.enabled());
            EXPECT_EQ(scalar("select count(*) from LosDummyReceiptDetail where drdsettledamount = 40"), "0");
            done();
            settleDocuments(entry, document, 2000);
            user::click(entry.cmdok);
            EXPECT_FALSE(entry.window.isShown());
        });
        EXPECT_EQ(scalar(filled("select sum(drdsettledamount) from LosDummyReceiptDetail where %1 = %2",
                                document.detailColumn, document.id)),
                  settledInTheEnd);
        EXPECT_TRUE(ui.errors.empty());
    }

    // Another counter's receipt of 100 on the document, stored and committed.
    void anotherCounterSettles100(const SettledDocument& document) {
        sql("insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drcustomerid, "
            "drCancelled) "
            "values (1, 90, 1, 'OTHER-90', 1, 0)");
        sql(filled("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, %1, "
                   "drdsettledamount) values (1, 90, 1, 1, %2, 100)",
                   document.detailColumn, document.id));
    }
};

const auto EveryEngine = ::testing::Values(Engine::Sqlite, Engine::Server);

class BalanceGuardOf : public TwoCounters,
                       public ::testing::WithParamInterface<std::tuple<SettledDocument, Engine>> {
protected:
    BalanceGuardOf() : TwoCounters(std::get<Engine>(GetParam())) {}
    static const SettledDocument& document() { return std::get<SettledDocument>(GetParam()); }
};

// What another counter settled meanwhile is read again when OK stores the entry: a settlement beyond what
// is left now is refused with the document and its balance, nothing stored and the entry kept for
// correcting; what is left may still be settled.
TEST_P(BalanceGuardOf, okRefusesToSettleMoreThanAnotherCounterLeftOpenMeanwhile) {
    refusedThenCorrected(
        document(), [this](EntryControls&) { anotherCounterSettles100(document()); },
        QString(document().number) + " has 20.00 left to settle now: another counter settled it meanwhile. "
                                     "Correct the settlement and save "
                                     "again.",
        [] {});
}

// What head office received on the document meanwhile is read again too.
TEST_P(BalanceGuardOf, okRefusesToSettleMoreThanHeadOfficeLeftOpenMeanwhile) {
    refusedThenCorrected(
        document(),
        [this](EntryControls&) {
            sql("insert into receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, "
                "cancelled) "
                "values (1, 70, 1, 0, 0)");
            sql(filled("insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, "
                       "amountreceived, %1) values (1, 70, 1, 1, 100, %2)",
                       document().voucherColumn, document().id));
        },
        QString(document().number) + " has 20.00 left to settle now: another counter settled it meanwhile. "
                                     "Correct the settlement and save again.",
        [] {}, "20");
}

INSTANTIATE_TEST_SUITE_P(, BalanceGuardOf,
                         ::testing::Combine(::testing::ValuesIn(SettledDocuments), EveryEngine),
                         [](const auto& instance) {
                             return std::get<SettledDocument>(instance.param).name + std::string("_") +
                                    ::testing::PrintToString(std::get<Engine>(instance.param));
                         });

class CountersAtOnce : public TwoCounters, public ::testing::WithParamInterface<Engine> {
protected:
    CountersAtOnce() : TwoCounters(GetParam()) {}
};

// Another counter holding the saving lock past the lock wait: OK tells that the database is busy and stores
// nothing; once the lock is released, OK stores the entry.
TEST_P(CountersAtOnce, okWhileAnotherCounterHoldsTheDatabaseSaysItIsBusyAndStoresNothing) {
    const SettledDocument& document = SettledDocuments[0];
    const ado::ConnectionPtr otherCounter = ado::Connection::create();
    refusedThenCorrected(
        document,
        [&](EntryControls& entry) {
            entry.window.adocon()->setLockTimeout(1);
            otherCounter->open(entry.window.adocon()->connectionString());
            otherCounter->beginTrans();
            otherCounter->execute("update LosReceiptLock set rlSaves = rlSaves + 1 where rlId = 1");
        },
        "The receipt could not be saved: the database is busy. Try again.",
        [&] {
            otherCounter->rollbackTrans();
            anotherCounterSettles100(document);
        });
}

INSTANTIATE_TEST_SUITE_P(, CountersAtOnce, EveryEngine,
                         [](const auto& instance) { return ::testing::PrintToString(instance.param); });

} // namespace
