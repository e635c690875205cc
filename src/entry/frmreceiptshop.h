// The receipt entry window: customer, currency and rates, amounts, and the customer's open documents.
#pragma once

#include "invoicelists.h"
#include "openbalance.h"
#include "platform/ado/connection.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"
#include "platform/forms/othercontrols.h"
#include "platform/forms/textcontrols.h"
#include "store/receiptnumbering.h"

#include <QList>
#include <QMap>
#include <optional>
#include <vector>

namespace ado {
class Recordset;
}

namespace entry {

class frmReceiptShop : public forms::Form {
public:
    frmReceiptShop();

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
    forms::CommandButton cmdok;
    forms::CommandButton cmdCancel;
    forms::Menu mnuPopup;
    forms::Menu mnuPreview;
    forms::Menu mnuPopupCancel;

    // The window's connection, given by the register before it loads; a new, unopened connection
    // when none was given.
    ado::ConnectionPtr& adocon();
    void setAdocon(const ado::ConnectionPtr& connection) { connection_ = connection; }

    // Window state read by the settlement and the save.
    bool FirstActivation = false;
    qint32 PreviousCustomerIndex = -1;
    qint32 CustomerCurrencyId = 0;
    qint32 DepartmentCurrencyId = 0;
    qint32 CompanyCurrencyId = 0;
    qint16 ActivationItemCount = 0;
    bool OptionGuard = false;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;

    void cboCustomer_Click();
    void ClearEntry();

    // Currency and exchange rates.
    void cboCurrency_Click();
    void txtExchangeRate_Change();
    double ConvertExchangeRate(double& rate, qint32& currencyId);
    double getInventoryCurrencyExRate();

    // The customer's outstanding documents.
    void LoadShopInvoices();
    void LoadOpeningInvoices();

    // Settlement: the option handlers, the received amount, opening the settle dialog, the total.
    qint16 CurrentInvoiceIndex = 0;
    void optadvance_Click();
    void OptSettlement_Click();
    void txtrecamount_Change();
    void lvwInvoice_DblClick();
    void lvwOpeningInvoices_DblClick();
    void lvwInvoice_KeyPress(int& keyAscii);
    void lvwInvoice_ItemClick(int item);
    void lvwInvoice_MouseDown(int button, int shift, float x, float y);
    void mnuPreview_Click();
    void UpdateSettledTotal();

    // The report of the selected shop invoice, previewed.
    void PreviewReport();

    // Edit from the register: the stored receipt loaded into the window, its settled documents listed
    // and everything locked that would change it, ready to be shown. A failure before the documents
    // travels to the caller.
    void showStoredReceipt(const QString& receiptId);

    // Saving: validation, numbering, the header and detail rows, the close check.
    qint32 ReceiptId = 0;
    QString ReceiptNo;
    double DepartmentFactor = 0;
    double CompanyFactor = 0;
    void cmdok_Click();
    bool ValidateEntry();
    // What the header takes that no save changes: read before the saving lock.
    struct HeaderFacts {
        QVariant savedAt;
        QString prefix;
        QVariant userName;
        qint32 departmentId = 0;
    };
    HeaderFacts readHeaderFacts();
    void SaveReceiptHeader(const HeaderFacts& facts);
    void SaveReceiptDetails();
    store::ReceiptKeys GenerateRecieptNo(const QString& prefix);
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    // Why a valid entry was not stored, and the list row to show with the message (none: no row).
    struct SaveRefusal {
        QString message;
        forms::ListView* list = nullptr;
        int item = 0;
    };

    void layOutControls();
    void layOutLists();
    void wireEvents();
    void wireRateEvents();
    void wireSettlementEvents();
    void wireSavingEvents();
    bool saveEntry();
    std::optional<SaveRefusal> storeNewReceipt();
    std::optional<SaveRefusal> storeReceiptOnce();
    // The settled rows of one list with what is open on their documents.
    struct SettledDocuments {
        forms::ListView* list;
        const InvoiceListColumns* columns;
        QMap<int, OpenBalance> balances;
    };
    std::vector<SettledDocuments> readSettledDocuments();
    std::optional<SaveRefusal> overSettledDocument(const std::vector<SettledDocuments>& settled);
    void finishSave();
    void offerVoucher();
    bool hasUnsavedChanges();
    bool settledDiffersFromReceived() const;
    bool refuseUnknownKind();
    void writeHeaderKeys(ado::Recordset& rs, const HeaderFacts& facts);
    void writeHeaderEntry(ado::Recordset& rs);
    qint32 receivedCurrencyId() const;
    void loadWindow();
    void activateWindow();
    void chooseCustomer();
    bool keepPreviousCustomer();
    void setCurrencyCaptions(const QString& symbol);
    qint32 selectedCustomerId() const;
    void openShopDocuments(ado::Recordset& documents);
    qint32 openOpeningInvoices(ado::Recordset& invoices);
    // What is open on the given rows of the shop list or of the opening list, by row, worked out as the
    // lists were filled; a document no longer among the customer's open ones has nothing open.
    QMap<int, OpenBalance> shopBalances(const QList<int>& items);
    QMap<int, OpenBalance> openingBalances(const QList<int>& items);
    qint32 shopDepartmentId() const;
    void DisplayDetails(const QString& receiptId);

    ado::ConnectionPtr connection_;
};

} // namespace entry
