// The receipt entry window: a view of the receipt being entered, its customer, currency and rates, amounts
// and the customer's open documents.
#pragma once

#include "receipt.h"

#include "platform/ado/connection.h"
#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/tabcontrol.h"
#include "platform/forms/textcontrols.h"
#include "store/entrylookups.h"
#include "store/opendocuments.h"
#include "store/receiptsaving.h"

#include <QMap>
#include <optional>
#include <vector>

namespace ado {
class Recordset;
}

namespace core {
class RuntimeError;
}

namespace entry {

// The counter saving, as the host's session names it.
store::SavingCounter savingCounter();

// The entry's look-ups in the session's company and shop.
store::EntryLookups entryLookups();

// The factor from one currency to another, from the session's rate list: the customer's equivalent is worked
// out with it and the receipt stores it for the company's and the department's currencies.
Rate factorBetween(qint32 fromCurrency, qint32 toCurrency);

// The controls show the receipt and pass what the cashier does to it; the rules, amounts and totals are the
// receipt's. Handlers are named after their events, as the error log names them.
class frmReceiptShop : public forms::Form {
public:
    frmReceiptShop();

    // The window's connection, given by the register before it loads; a new, unopened connection
    // when none was given.
    ado::ConnectionPtr& adocon();
    void setAdocon(const ado::ConnectionPtr& connection) { connection_ = connection; }

    const Receipt& receipt() const { return receipt_; }

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void cboCustomer_Click();
    void ClearEntry();

    // Currency and exchange rates.
    void cboCurrency_Click();
    void txtExchangeRate_Change();
    double ConvertExchangeRate(double& rate, qint32& currencyId);
    double getInventoryCurrencyExRate();

    // The customer's outstanding documents.
    void LoadShopInvoices();
    // The opening invoices of the shop's department.
    void LoadOpeningInvoices(qint16 department);

    // Settlement: the option handlers, the received amount, opening the settle dialog, the total.
    void optadvance_Click();
    void OptSettlement_Click();
    void txtrecamount_Change();
    void lvwInvoice_DblClick();
    void lvwOpeningInvoices_DblClick();
    void lvwInvoice_KeyPress(int& keyAscii);
    void lvwOpeningInvoices_KeyPress(int& keyAscii);
    void lvwInvoice_ItemClick(int item);
    void lvwInvoice_MouseDown(int button, int shift, float x, float y);
    void mnuPreview_Click();
    // Allocate: the received amount spread over the listed documents, the oldest first.
    void cmdAllocate_Click();
    void UpdateSettledTotal();
    void PreviewReport();

    // What the settle dialog works on: the position it shows in the list it steps through, the row shown
    // selected, and the amount settled on a line.
    qint16 currentInvoiceIndex() const { return currentInvoiceIndex_; }
    void setCurrentInvoiceIndex(qint16 position) { currentInvoiceIndex_ = position; }
    void selectLine(DocumentList list, int position);
    // The amount settled on the line and shown with the settled total, or why it is refused.
    std::optional<QString> settleLine(DocumentList list, int position, Money amount);

    // Edit from the register: the stored receipt loaded into the window, its settled documents listed
    // and everything locked that would change it, ready to be shown. A failure before the documents
    // travels to the caller.
    void showStoredReceipt(const QString& receiptId);

    // Saving: validation, numbering, the header and detail rows.
    void cmdok_Click();
    bool ValidateEntry();

private:
    // Why a valid entry was not stored, and the line to show with the message (none: no line).
    struct SaveRefusal {
        QString message;
        std::optional<SettlementLine> line = std::nullopt;
    };
    // The settled lines of one list with what is open on their documents, by position.
    struct SettledDocuments {
        DocumentList list;
        QMap<int, store::OpenBalance> balances;
    };

    void layOutControls();
    void layOutLists();
    void wireEvents();
    std::vector<std::pair<forms::TextBox*, QString Receipt::*>> enteredTexts();
    void wireEnteredTexts();
    void takeEnteredFields();
    void wireRateEvents();
    void wireSettlementEvents();
    void wireSavingEvents();
    forms::ListView& listView(DocumentList list);
    forms::Control* controlOf(EntryField field);
    void showEquivalent(bool shortest);
    void showSettlements();
    bool refuse(const QString& message, forms::Control* focus, const std::optional<SettlementLine>& line);
    bool saveEntry();
    bool paymentNewOrConfirmed();
    std::optional<SaveRefusal> storeNewReceipt();
    std::optional<SaveRefusal> storeReceiptOnce();
    std::optional<SaveRefusal> outcomeAfterBrokenLine(const core::RuntimeError& broke);
    std::optional<SaveRefusal> savedMeanwhile(const store::ReceiptKeys& stored);
    std::vector<SettledDocuments> readSettledDocuments();
    static std::vector<store::OpenBalance> balancesOf(const std::vector<SettledDocuments>& settled);
    std::optional<SaveRefusal> overSettledDocument(const std::vector<SettledDocuments>& settled,
                                                   const std::vector<Money>& openNow);
    void finishSave();
    void offerVoucher();
    bool hasUnsavedChanges();
    ReceiptDates receiptDates() const;
    void loadWindow();
    void activateWindow();
    void chooseCustomer();
    bool keepPreviousCustomer();
    void readPartiesAhead(qint32 departmentId, qint32 customerId);
    void setCurrencyCaptions(const QString& symbol);
    void clearCustomer();
    void forgetCustomer();
    void putOptionBack(forms::OptionButton& option);
    void showKind();
    void openSettleDialog(DocumentList list);
    qint32 selectedCustomerId() const;
    qint32 receivedCurrencyId() const;
    // Whose documents the lists show: the session's company and shop, the chosen customer.
    store::DocumentOwner documentOwner() const;
    // What is open on the given settled lines of the shop list or of the opening list, by position, worked
    // out as the lists were filled; a document no longer among the customer's open ones has nothing open.
    QMap<int, store::OpenBalance> shopBalances(const std::vector<SettlementLine>& lines);
    QMap<int, store::OpenBalance> openingBalances(const std::vector<SettlementLine>& lines);
    void DisplayDetails(const QString& receiptId);
    void addStoredDocument(const ado::Recordset& detail);
    void showStoredParties(const ado::Recordset& rs);
    void showStoredRates(const ado::Recordset& rs);
    void lockStoredReceipt();

    // Controls, named as the window layout names them.
    forms::Label lblreceiptno;
    forms::TextBox txtreceiptno;
    forms::Label lblDate;
    forms::TextBox txtProcessDate;
    forms::Label LblOptCaption;
    forms::ComboBox cboCustomer;
    forms::Label lblCurrency;
    forms::ComboBox cboCurrency;
    forms::Label lblExBankRate;
    forms::TextBox txtExchangeRate;
    forms::TextBox txtCompExchangeRate;
    forms::TextBox txtdepcurrency;
    forms::Label lblreceivedamount;
    forms::TextBox txtrecamount;
    forms::Label lblCustEquAmount;
    forms::TextBox txtCustEquAmount;
    forms::Label lblAmount;
    forms::TextBox txtAmount;
    forms::Label lblchequeno;
    forms::TextBox txtchequeno;
    forms::Label lblChequedate;
    forms::DatePicker dtpChequeDate;
    forms::Label Lblbank;
    forms::TextBox txtBank;
    forms::Label lblremarks;
    forms::TextBox txtRemarks;
    forms::Frame fradummyreceiptoption;
    forms::OptionButton optadvance;
    forms::OptionButton OptSettlement;
    forms::TabControl sstbInvoices;
    forms::ListView lvwInvoice;
    forms::ListView lvwOpeningInvoices;
    forms::CommandButton cmdAllocate;
    forms::CommandButton cmdok;
    forms::CommandButton cmdCancel;
    forms::Menu mnuPopup;
    forms::Menu mnuPreview;
    forms::Menu mnuPopupCancel;

    ado::ConnectionPtr connection_;
    Receipt receipt_;
    // The stored receipt's id and number, once saved.
    store::ReceiptKeys saved_;
    bool firstActivation_ = false;
    qint32 previousCustomerIndex_ = -1;
    int activationLineCount_ = 0;
    // Set while an option handler puts the previous option back, so that neither handler acts on it.
    bool optionGuard_ = false;
    qint16 currentInvoiceIndex_ = 0;
};

} // namespace entry
