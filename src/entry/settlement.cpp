// The entry window's settlement: Advance or Settlement, the received amount, the settle dialog, the total,
// the preview of a listed invoice.
#include "frminvoiceentry.h"
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "output/invoicepreview.h"
#include "platform/core/conversions.h"
#include "platform/core/money.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "shared/exchangerates.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/windows.h"

#include <optional>

namespace entry {

using shared::session;
using shared::trapped;

namespace {

const QString RowTipFormat = QStringLiteral("###,###,##0.00");
const QString OpenDialogProcedure = QStringLiteral("lvwInvoice_DblClick ");
constexpr int ReceivedDigits = 18;
constexpr int ReceivedDecimals = 2;

bool confirmDiscard(int defaultButton) {
    return forms::Runtime::msgBox(QStringLiteral("Related details will be deleted. Do you want to continue?"),
                                  forms::MsgButtons::YesNo, forms::MsgIcon::Question, session().msgboxCaption,
                                  defaultButton) == forms::MsgResult::Yes;
}

// Whether the popup's Preview is on for a kind of document; nothing for the kinds that leave it as it is.
std::optional<bool> previewFor(const QString& kindText) {
    for (const char* kind : {"Sales Invoice", "Special Invoice", "Service Invoice"})
        if (kindText == QLatin1String(kind)) return true;
    for (const char* kind : {"Book Service Invoice", "Room Bill", "Utility Bill"})
        if (kindText == QLatin1String(kind)) return false;
    return std::nullopt;
}

} // namespace

void frmReceiptShop::wireSettlementEvents() {
    optadvance.Click = [this] { optadvance_Click(); };
    OptSettlement.Click = [this] { OptSettlement_Click(); };
    txtrecamount.Change = [this] { txtrecamount_Change(); };
    txtrecamount.KeyPress = [this](int& keyAscii) {
        shared::SendTabOnEnter(keyAscii);
        session().commonGen->textvalidatenum(txtrecamount, keyAscii, ReceivedDigits, ReceivedDecimals);
    };
    lvwInvoice.DblClick = [this] { lvwInvoice_DblClick(); };
    lvwOpeningInvoices.DblClick = [this] { lvwOpeningInvoices_DblClick(); };
    lvwInvoice.KeyPress = [this](int& keyAscii) { lvwInvoice_KeyPress(keyAscii); };
    lvwOpeningInvoices.KeyPress = [this](int& keyAscii) { lvwOpeningInvoices_KeyPress(keyAscii); };
    lvwInvoice.ItemClick = [this](int item) { lvwInvoice_ItemClick(item); };
    lvwInvoice.MouseDown = [this](int button, int shift, float x, float y) {
        lvwInvoice_MouseDown(button, shift, x, y);
    };
    mnuPreview.Click = [this] { mnuPreview_Click(); };
    cmdAllocate.Click = [this] { cmdAllocate_Click(); };
}

void frmReceiptShop::clearCustomer() {
    cboCustomer.setListIndex(-1);
    ClearEntry();
    forgetCustomer();
}

// Selects the option again without either option handler acting on it.
void frmReceiptShop::putOptionBack(forms::OptionButton& option) {
    optionGuard_ = true;
    option.setValue(true);
    optionGuard_ = false;
}

// The receipt is of the kind the option buttons show, also while an option is put back.
void frmReceiptShop::showKind() {
    receipt_.kind = OptSettlement.value() ? ReceiptKind::Settlement : ReceiptKind::Advance;
}

void frmReceiptShop::optadvance_Click() {
    showKind();
    trapped(name(), QStringLiteral("optadvance_Click"), [this] {
        if (optionGuard_) return;
        // Only what the cashier settled is lost to the switch: documents merely listed are listed again.
        if (!receipt_.settledLines().empty()) {
            if (!confirmDiscard(forms::DefaultButton2)) {
                putOptionBack(OptSettlement);
                return;
            }
            clearCustomer();
        } else if (session().EntryMode == QLatin1String("N")) {
            clearCustomer();
        }
        txtAmount.setEnabled(false);
    });
}

void frmReceiptShop::OptSettlement_Click() {
    showKind();
    trapped(name(), QStringLiteral("OptSettlement_Click"), [this] {
        if (optionGuard_) return;
        // Something settled for a customer, as the Amount shows it. Choosing a customer lists the documents
        // anew, so what ClearEntry leaves settled on the opening list is never stored and is not asked about.
        if (receipt_.customerId || !receipt_.settledTotal().isZero()) {
            if (confirmDiscard(forms::DefaultButton1))
                clearCustomer();
            else
                putOptionBack(optadvance);
        } else {
            txtAmount.setEnabled(false);
        }
    });
}

// The received amount is taken as typed; its equivalent in the customer's currency is the receipt's.
void frmReceiptShop::txtrecamount_Change() {
    receipt_.receivedText = txtrecamount.text();
    trapped(name(), QStringLiteral("txtrecamount_Change"), [this] {
        if (cboCurrency.listIndex() == -1 || cboCustomer.listIndex() == -1) return;
        receipt_.customerFactor = factorBetween(receivedCurrencyId(), receipt_.customerCurrencyId);
        showEquivalent(false);
    });
}

void frmReceiptShop::lvwInvoice_DblClick() {
    trapped(name(), OpenDialogProcedure, [this] { openSettleDialog(DocumentList::Shop); });
}

void frmReceiptShop::lvwOpeningInvoices_DblClick() {
    trapped(name(), OpenDialogProcedure, [this] { openSettleDialog(DocumentList::Opening); });
}

// Settling is open only while the receipt is not stored. F10 may come before any row was chosen: the dialog
// then starts at the first.
void frmReceiptShop::openSettleDialog(DocumentList list) {
    forms::ListView& rows = listView(list);
    if (receipt_.stored || rows.count() < 1) return;
    if (rows.selectedItem() == 0) rows.setSelectedItem(1);
    frmInvoiceEntry& dialog = shared::windows().get<frmInvoiceEntry>();
    dialog.setAdocon(adocon());
    dialog.load();
    currentInvoiceIndex_ = core::toInt16(rows.selectedItem());
    dialog.showLine(receipt_.line(list, rows.selectedItem()));
    dialog.showModal(this);
    if (dialog.changedLines()) receipt_.linesChanged = true;
}

void frmReceiptShop::selectLine(DocumentList list, int position) {
    listView(list).setSelectedItem(position);
}

std::optional<QString> frmReceiptShop::settleLine(DocumentList list, int position, Money amount) {
    if (auto refused = receipt_.settle(list, position, amount)) return refused;
    listView(list).setCell(position, columnsOf(list).settlement, shownAmount(amount));
    UpdateSettledTotal();
    return std::nullopt;
}

void frmReceiptShop::lvwInvoice_KeyPress(int& keyAscii) {
    trapped(name(), QStringLiteral("lvwInvoice_KeyPress"), [&] {
        if (keyAscii == forms::keys::Enter) lvwInvoice_DblClick();
    });
}

// Enter settles on an opening invoice as on a shop invoice.
void frmReceiptShop::lvwOpeningInvoices_KeyPress(int& keyAscii) {
    trapped(name(), QStringLiteral("lvwOpeningInvoices_KeyPress"), [&] {
        if (keyAscii == forms::keys::Enter) lvwOpeningInvoices_DblClick();
    });
}

void frmReceiptShop::lvwInvoice_ItemClick(int item) {
    trapped(name(), QStringLiteral("lvwInvoice_ItemClick"), [&] {
        for (int column : {ShopListColumns.amount, ShopListColumns.settlement}) {
            const QString text = lvwInvoice.cell(item, column);
            if (!text.isEmpty()) lvwInvoice.setCellToolTip(item, column, core::format(text, RowTipFormat));
        }
        for (int column : {ShopListColumns.kind, ShopListColumns.number, ShopDateColumn}) {
            const QString text = lvwInvoice.cell(item, column);
            if (!text.isEmpty()) lvwInvoice.setCellToolTip(item, column, text);
        }
    });
}

void frmReceiptShop::lvwInvoice_MouseDown(int button, int shift, float x, float y) {
    trapped(name(), QStringLiteral("lvwInvoice_MouseDown"), [&] {
        if (button != forms::RightButton || lvwInvoice.count() < 1 || lvwInvoice.selectedItem() == 0) return;
        if (const auto preview = previewFor(lvwInvoice.cell(lvwInvoice.selectedItem(), ShopListColumns.kind)))
            mnuPreview.setEnabled(*preview);
        popupMenu(mnuPopup);
    });
}

void frmReceiptShop::mnuPreview_Click() {
    trapped(name(), QStringLiteral("mnuPreview_Click"), [this] { PreviewReport(); });
}

void frmReceiptShop::PreviewReport() {
    forms::HourglassPointer pointer;
    trapped(name(), QStringLiteral("PreviewReport"), [this] {
        output::InvoicePreview preview(adocon());
        const int item = lvwInvoice.selectedItem();
        preview.show(lvwInvoice.cell(item, ShopListColumns.kind),
                     core::numberText(core::val(lvwInvoice.cell(item, ShopListColumns.id))),
                     [this] { return getInventoryCurrencyExRate(); });
    });
}

// The received amount, in the customer's currency, settles the oldest documents of both lists in full until
// it runs out. Settlements already typed go only after a Yes; an amount beyond all that is open is left over
// for an advance. Nothing is stored until OK.
void frmReceiptShop::cmdAllocate_Click() {
    trapped(name(), QStringLiteral("cmdAllocate_Click "), [this] {
        if (receipt_.stored) return;
        if (receipt_.kind != ReceiptKind::Settlement) {
            refuse(
                QStringLiteral("An advance settles no document: choose Settlement to allocate the received "
                               "amount"),
                &OptSettlement, std::nullopt);
            return;
        }
        const std::optional<Money> received = receipt_.customerEquivalent();
        if (!receipt_.customerId || !received) {
            refuse(QStringLiteral(
                       "Choose the customer and the currency and enter the received amount to allocate "
                       "it"),
                   receipt_.customerId ? static_cast<forms::Control*>(&txtrecamount) : &cboCustomer,
                   std::nullopt);
            return;
        }
        if (!receipt_.settledTotal().isZero() &&
            forms::Runtime::msgBox(
                QStringLiteral("The settlements entered will be replaced. Allocate the received "
                               "amount to the oldest documents first?"),
                forms::MsgButtons::YesNo, forms::MsgIcon::Question, session().msgboxCaption,
                forms::DefaultButton2) != forms::MsgResult::Yes)
            return;
        const Money leftOver = receipt_.allocateOldestFirst(*received);
        receipt_.linesChanged = true;
        showSettlements();
        if (leftOver > Money())
            forms::Runtime::msgBox(
                shownAmount(leftOver) +
                    QStringLiteral(" of the received amount is left over after every document "
                                   "is settled in full; an advance takes it"),
                forms::MsgButtons::OK, forms::MsgIcon::Information, session().msgboxCaption);
    });
}

// The settlement of every line in its list, and their total.
void frmReceiptShop::showSettlements() {
    for (DocumentList list : {DocumentList::Shop, DocumentList::Opening})
        for (const SettlementLine& line : receipt_.lines(list))
            listView(list).setCell(line.position, columnsOf(list).settlement, shownAmount(line.settled));
    UpdateSettledTotal();
}

void frmReceiptShop::UpdateSettledTotal() {
    txtAmount.setText(shownAmount(receipt_.settledTotal()));
}

} // namespace entry
