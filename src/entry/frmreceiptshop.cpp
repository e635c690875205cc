// The entry window: layout, loading, activation, the customer choice and the keyboard.
#include "frmreceiptshop.h"

#include "platform/ado/adoerror.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "shared/exchangerates.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/windows.h"

namespace entry {

using shared::session;
using shared::trapped;

namespace {
constexpr int EntryTimeoutSeconds = 12000;
// The shop's active customers, with their currencies.
} // namespace

frmReceiptShop::frmReceiptShop()
    : Form(shared::EntryWindowName, QStringLiteral("Receipts")), lblreceiptno(*this, "lblreceiptno"),
      txtreceiptno(*this, "txtreceiptno"), lblDate(*this, "lblDate"), txtProcessDate(*this, "txtProcessDate"),
      LblOptCaption(*this, "LblOptCaption"), cboCustomer(*this, "cboCustomer"),
      lblCurrency(*this, "lblCurrency"), cboCurrency(*this, "cboCurrency"),
      lblExBankRate(*this, "lblExBankRate"), txtExchangeRate(*this, "txtExchangeRate"),
      txtCompExchangeRate(*this, "txtCompExchangeRate"), txtdepcurrency(*this, "txtdepcurrency"),
      lblreceivedamount(*this, "lblreceivedamount"), txtrecamount(*this, "txtrecamount"),
      lblCustEquAmount(*this, "lblCustEquAmount"), txtCustEquAmount(*this, "txtCustEquAmount"),
      lblAmount(*this, "lblAmount"), txtAmount(*this, "txtAmount"), lblchequeno(*this, "lblchequeno"),
      txtchequeno(*this, "txtchequeno"), lblChequedate(*this, "lblChequedate"),
      dtpChequeDate(*this, "dtpChequeDate"), Lblbank(*this, "Lblbank"), txtBank(*this, "txtBank"),
      lblremarks(*this, "lblremarks"), txtRemarks(*this, "txtRemarks"),
      fradummyreceiptoption(*this, "fradummyreceiptoption"),
      optadvance(*this, "optadvance", &fradummyreceiptoption),
      OptSettlement(*this, "OptSettlement", &fradummyreceiptoption), sstbInvoices(*this, "sstbInvoices"),
      lvwInvoice(*this, "lvwInvoice", &sstbInvoices),
      lvwOpeningInvoices(*this, "lvwOpeningInvoices", &sstbInvoices), cmdAllocate(*this, "cmdAllocate"),
      cmdok(*this, "cmdok"), cmdCancel(*this, "cmdCancel"), mnuPopup(*this, "mnuPopup", "Popup"),
      mnuPreview(*this, "mnuPreview", "Preview", &mnuPopup),
      mnuPopupCancel(*this, "mnuPopupCancel", "Cancel", &mnuPopup) {
    layOutControls();
    layOutLists();
    wireEvents();
    wireRateEvents();
    wireSettlementEvents();
    wireSavingEvents();
    saveDesign();
}

void frmReceiptShop::layOutControls() {
    setKeyPreview(true);
    setSize(15000, 9600);
    lblreceiptno.setCaption(QStringLiteral("Receipt No:"));
    lblDate.setCaption(QStringLiteral("Receipt Date:"));
    LblOptCaption.setCaption(QStringLiteral("Customer:"));
    lblCurrency.setCaption(QStringLiteral("C&urrency:"));
    lblExBankRate.setCaption(QStringLiteral("Exchange Rate:"));
    lblreceivedamount.setCaption(QStringLiteral("Received Amount:"));
    lblCustEquAmount.setCaption(QStringLiteral("Cust. Equ. Amount:"));
    lblAmount.setCaption(QStringLiteral("Amount:"));
    lblchequeno.setCaption(QStringLiteral("Cheque No:"));
    lblChequedate.setCaption(QStringLiteral("Cheque Date:"));
    Lblbank.setCaption(QStringLiteral("Bank Name:"));
    lblremarks.setCaption(QStringLiteral("Remarks:"));
    optadvance.setCaption(QStringLiteral("&Advance"));
    OptSettlement.setCaption(QStringLiteral("Settlement"));
    OptSettlement.setValue(true);
    sstbInvoices.addTab(QStringLiteral("Shop Invoices"));
    sstbInvoices.addTab(QStringLiteral("Opening Invoices"));
    sstbInvoices.placeOnTab(lvwInvoice, 0);
    sstbInvoices.placeOnTab(lvwOpeningInvoices, 1);
    cmdAllocate.setCaption(QStringLiteral("A&llocate"));
    cmdok.setCaption(QStringLiteral("&Ok"));
    cmdCancel.setCaption(QStringLiteral("&Close"));
    // Escape closes the entry as Close does, with the question about unsaved changes.
    cmdCancel.isCancel = true;
    // What the receipt works out is shown, never typed over: it can still be selected and copied.
    for (forms::TextBox* computed : {&txtCompExchangeRate, &txtdepcurrency, &txtCustEquAmount, &txtAmount})
        computed->locked = true;
    int tab = 0;
    const auto inTabOrder = [&tab](std::initializer_list<forms::Control*> controls) {
        for (forms::Control* control : controls)
            control->setTabIndex(tab++);
    };
    inTabOrder({&txtreceiptno, &txtProcessDate, &cboCustomer, &cboCurrency, &txtExchangeRate,
                &txtCompExchangeRate, &txtdepcurrency, &txtrecamount, &txtCustEquAmount, &txtAmount,
                &txtchequeno, &dtpChequeDate, &txtBank, &txtRemarks});
    inTabOrder({&optadvance, &OptSettlement, &sstbInvoices, &lvwInvoice, &lvwOpeningInvoices, &cmdAllocate,
                &cmdok, &cmdCancel});
}

void frmReceiptShop::layOutLists() {
    using forms::Alignment;
    const struct {
        const char* header;
        Alignment alignment;
        int width;
    } shopColumns[] = {{"SlNo", Alignment::Left, 1058},
                       {"Invoice Type", Alignment::Left, 3688},
                       {"Invoice No.", Alignment::Left, 3352},
                       {"Invoice Date", Alignment::Left, 2117},
                       {"Invoice Amt", Alignment::Right, 2646},
                       {"Settlement", Alignment::Right, 2646},
                       {"id", Alignment::Left, 0},
                       {"Invoice Remarks", Alignment::Left, 8819}},
      openingColumns[] = {{"SlNo", Alignment::Left, 1685},         {"Invoice Type", Alignment::Left, 3528},
                          {"Invoice No.", Alignment::Left, 4410},  {"Reference No.", Alignment::Left, 4410},
                          {"Invoice Date", Alignment::Left, 2469}, {"Invoice Amt", Alignment::Right, 3881},
                          {"Settlement", Alignment::Right, 3881},  {"id", Alignment::Left, 0}};
    for (const auto& column : shopColumns)
        lvwInvoice.addColumn(QString::fromLatin1(column.header), column.width, column.alignment);
    for (const auto& column : openingColumns)
        lvwOpeningInvoices.addColumn(QString::fromLatin1(column.header), column.width, column.alignment);
}

void frmReceiptShop::wireEvents() {
    cboCustomer.Click = [this] { cboCustomer_Click(); };
    // Enter moves on from every field, as Tab does.
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &cboCustomer, &txtBank, &txtchequeno, &txtRemarks, &cboCurrency, &txtAmount, &dtpChequeDate,
             &txtreceiptno, &txtProcessDate, &txtCompExchangeRate, &txtdepcurrency, &txtCustEquAmount})
        control->KeyPress = [](int& keyAscii) { shared::SendTabOnEnter(keyAscii); };
    cmdCancel.Click = [this] { unload(); };
    wireEnteredTexts();
}

// What the cashier types that the receipt takes as it stands.
std::vector<std::pair<forms::TextBox*, QString Receipt::*>> frmReceiptShop::enteredTexts() {
    return {{&txtBank, &Receipt::bankName},
            {&txtRemarks, &Receipt::remarks},
            {&txtchequeno, &Receipt::chequeNo},
            {&txtProcessDate, &Receipt::receiptDateText}};
}

void frmReceiptShop::wireEnteredTexts() {
    for (const auto& [box, field] : enteredTexts())
        box->Change = [this, box, field] { receipt_.*field = box->text(); };
    dtpChequeDate.Change = [this] { receipt_.chequeDate = dtpChequeDate.value(); };
}

// A field filled with what it already held raises no change: the receipt takes each as it stands. The
// picker holds today from its design, so on the day of the process date it would otherwise give the receipt
// no cheque date at all.
void frmReceiptShop::takeEnteredFields() {
    for (const auto& [box, field] : enteredTexts())
        receipt_.*field = box->text();
    receipt_.chequeDate = dtpChequeDate.value();
}

forms::ListView& frmReceiptShop::listView(DocumentList list) {
    return list == DocumentList::Shop ? lvwInvoice : lvwOpeningInvoices;
}

ado::ConnectionPtr& frmReceiptShop::adocon() {
    if (!connection_) connection_ = ado::Connection::create();
    return connection_;
}

// Without the database the window has no customers or currencies to offer: it closes again at once, and
// the register keeps the focus.
void frmReceiptShop::Form_Load() {
    const auto failure =
        shared::trappedFailure(name(), QStringLiteral("Form_Load "), [this] { loadWindow(); });
    if (failure && ado::unreachableCause(failure->description())) discard();
}

void frmReceiptShop::loadWindow() {
    shared::Session& s = session();
    receipt_ = Receipt();
    for (forms::TextBox* box : {&txtreceiptno, &txtProcessDate})
        box->locked = false;
    s.commonDb = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
    s.commonGen = suite::Factory::create<suite::ClsCommonGen>(suite::progid::CommonGen);
    adocon()->setCommandTimeout(EntryTimeoutSeconds);
    s.commonDb->adocon = adocon();
    s.formColor->Applyformcolor(*this);
    s.formColor->Applytabcolor(sstbInvoices);
    firstActivation_ = true;
    shared::ApplyListViewLayout(QStringLiteral("posReceipts"), lvwInvoice, name());
    if (s.EntryMode == QLatin1String("N")) {
        txtProcessDate.setText(core::shortDateText(s.processDate));
        dtpChequeDate.setValue(s.processDate.date());
    }
    const store::EntryLookups lookups = entryLookups();
    lookups.fillCustomers(cboCustomer);
    lookups.fillCurrencies(cboCurrency);
    if (!lookups.shopFeatures().contains(QLatin1Char('b'), Qt::CaseSensitive)) {
        txtExchangeRate.setVisible(false);
        lblExBankRate.setVisible(false);
    }
    previousCustomerIndex_ = -1;
    takeEnteredFields();
    setTag(QStringLiteral("Loaded"));
    s.userAuditing->SaveInToTag(*this);
}

void frmReceiptShop::Form_Activate() {
    trapped(name(), QStringLiteral("Form_Activate"), [this] { activateWindow(); });
}

void frmReceiptShop::activateWindow() {
    shared::Session& s = session();
    const std::optional<QString> alias = entryLookups().invoiceAlias();
    s.AliasEnabled = alias.has_value();
    if (alias) {
        s.AliasName = *alias;
        sstbInvoices.setTabCaption(0, s.AliasName + QStringLiteral(" Invoices"));
    }
    if (firstActivation_) {
        firstActivation_ = false;
        setTag(QStringLiteral("loaded"));
        s.userAuditing->SaveInToTag(*this);
    }
    activationLineCount_ = receipt_.lineCount(DocumentList::Shop);
}

void frmReceiptShop::Form_KeyDown(int& keyCode, int shift) {
    trapped(name(), QStringLiteral("Form_KeyDown "), [&] {
        // F10 settles on the list of the tab shown; F9 allocates, as Allocate does.
        forms::ListView& shown = sstbInvoices.currentTab() == 1 ? lvwOpeningInvoices : lvwInvoice;
        if (keyCode == forms::keys::F10 && shown.DblClick) shown.DblClick();
        if (keyCode == forms::keys::F9 && cmdAllocate.enabled()) cmdAllocate_Click();
    });
}

void frmReceiptShop::cboCustomer_Click() {
    trapped(name(), QStringLiteral("cboCustomer_Click "), [this] {
        const int chosen = cboCustomer.listIndex();
        receipt_.customerId = chosen == -1 ? std::nullopt : std::optional<qint32>(selectedCustomerId());
        if (chosen != -1 && chosen != previousCustomerIndex_) {
            if (keepPreviousCustomer()) return;
            chooseCustomer();
        }
        previousCustomerIndex_ = cboCustomer.listIndex();
    });
}

// Asks before the documents listed for the previous customer are discarded; on No the previous
// customer is selected again.
bool frmReceiptShop::keepPreviousCustomer() {
    if (receipt_.lineCount(DocumentList::Shop) < 1) return false;
    const auto answer =
        forms::Runtime::msgBox(QStringLiteral("Related details will be deleted. Do you want to continue?"),
                               forms::MsgButtons::YesNo, forms::MsgIcon::Question, session().msgboxCaption);
    if (answer != forms::MsgResult::No) return false;
    cboCustomer.setListIndex(previousCustomerIndex_);
    return true;
}

qint32 frmReceiptShop::selectedCustomerId() const {
    return cboCustomer.itemData(cboCustomer.listIndex());
}

store::EntryLookups entryLookups() {
    const shared::Session& s = session();
    return store::EntryLookups(*s.commonDb, s.companyId, s.shopId);
}

void frmReceiptShop::chooseCustomer() {
    shared::Session& s = session();
    ClearEntry();
    for (DocumentList list : {DocumentList::Shop, DocumentList::Opening}) {
        listView(list).clear();
        receipt_.clearLines(list);
    }
    const qint32 customerId = selectedCustomerId();
    const store::EntryLookups lookups = entryLookups();
    const qint32 departmentId = lookups.shopDepartment();
    readPartiesAhead(departmentId, customerId);
    s.ExchangeRatesText = shared::AddPartyRate(s.ExchangeRatesText, QStringLiteral("D"), departmentId);
    s.ExchangeRatesText = shared::AddPartyRate(s.ExchangeRatesText, QStringLiteral("B"), departmentId);
    s.ExchangeRatesText = shared::AddPartyRate(s.ExchangeRatesText, QStringLiteral("C"), customerId);
    receipt_.departmentCurrencyId = shared::GetPartyCurrency(QStringLiteral("D"), departmentId);
    receipt_.companyCurrencyId = shared::GetPartyCurrency(QStringLiteral("Z"), s.companyId);
    receipt_.customerCurrencyId = shared::GetPartyCurrency(QStringLiteral("C"), customerId);
    s.commonGen->SelectComboItemByValue(cboCurrency, receipt_.customerCurrencyId);
    setCurrencyCaptions(core::nullAsEmpty(lookups.symbol(receipt_.customerCurrencyId)));
    if (s.EntryMode == QLatin1String("N") && receipt_.kind == ReceiptKind::Settlement &&
        receipt_.customerId) {
        LoadShopInvoices();
        LoadOpeningInvoices(core::toInt16(departmentId));
    }
}

// The parties' rates and currencies that choosing a customer adds and looks up, in its order, read in one
// round trip.
void frmReceiptShop::readPartiesAhead(qint32 departmentId, qint32 customerId) {
    const QStringList rates = {shared::partyRateStatement(QStringLiteral("D"), departmentId),
                               shared::partyRateStatement(QStringLiteral("B"), departmentId),
                               shared::partyRateStatement(QStringLiteral("C"), customerId)};
    const QStringList currencies = {shared::partyCurrencyStatement(QStringLiteral("D"), departmentId),
                                    shared::partyCurrencyStatement(QStringLiteral("Z"), session().companyId),
                                    shared::partyCurrencyStatement(QStringLiteral("C"), customerId)};
    shared::registerConnection()->readAhead(rates + currencies);
}

void frmReceiptShop::setCurrencyCaptions(const QString& symbol) {
    lblreceivedamount.setCaption(QStringLiteral("Recived Amount (") + symbol + QStringLiteral("):"));
    lblCustEquAmount.setCaption(QStringLiteral("Cust. Equ. Amount(") + symbol + QStringLiteral("):"));
    lblAmount.setCaption(QStringLiteral("Amount(") + symbol + QStringLiteral("):"));
    lvwInvoice.setHeaderText(5, QStringLiteral("Invoice Amt(") + symbol + QStringLiteral(")"));
    lvwInvoice.setHeaderText(6, QStringLiteral("Settlement(") + symbol + QStringLiteral(")"));
}

// Without a customer nothing of the last one's stays: the captions as designed, no rates, no currencies, no
// opening invoices (the shop invoices go with ClearEntry).
void frmReceiptShop::forgetCustomer() {
    for (forms::Label* label : {&lblreceivedamount, &lblCustEquAmount, &lblAmount})
        label->setCaption(label->designedCaption());
    lvwInvoice.setHeaderText(5, QStringLiteral("Invoice Amt"));
    lvwInvoice.setHeaderText(6, QStringLiteral("Settlement"));
    for (forms::TextBox* rate : {&txtExchangeRate, &txtCompExchangeRate, &txtdepcurrency, &txtCustEquAmount})
        rate->setText(QString());
    lvwOpeningInvoices.clear();
    receipt_.clearLines(DocumentList::Opening);
    receipt_.customerCurrencyId = receipt_.departmentCurrencyId = receipt_.companyCurrencyId = 0;
}

void frmReceiptShop::ClearEntry() {
    lvwInvoice.clear();
    receipt_.clearLines(DocumentList::Shop);
    for (forms::TextBox* box : {&txtAmount, &txtrecamount, &txtBank, &txtRemarks, &txtchequeno})
        box->setText(QString());
    cboCurrency.setListIndex(-1);
}

} // namespace entry
