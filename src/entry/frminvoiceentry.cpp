// The settle dialog: showing a row, the four move commands, Ok, Close and the settle amount's keys.
#include "frminvoiceentry.h"
#include "invoicelists.h"

#include "frmreceiptshop.h"
#include "platform/core/conversions.h"
#include "platform/core/money.h"
#include "platform/forms/runtime.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/windows.h"

#include <algorithm>

namespace entry {

using shared::session;
using shared::trapped;

namespace {
const QString FormName = QStringLiteral("frmInvoiceEntry");
const QString TipFormat = QStringLiteral("###,###,##0.00######");
constexpr int SettleDigits = 12;
constexpr int SettleDecimals = 2;
} // namespace

frmInvoiceEntry::frmInvoiceEntry()
    : Form(FormName, QStringLiteral("Invoice Details")), fraBills(*this, "fraBills"),
      lblInvType(*this, "lblInvType", &fraBills), txtInvType(*this, "txtInvType", &fraBills),
      lblInvNo(*this, "lblInvNo", &fraBills), txtInvNo(*this, "txtInvNo", &fraBills),
      lblAmount(*this, "lblAmount", &fraBills), txtAmount(*this, "txtAmount", &fraBills),
      lblSettleAmt(*this, "lblSettleAmt", &fraBills), txtSettleAmt(*this, "txtSettleAmt", &fraBills),
      cmdFirst(*this, "cmdFirst"), cmdPrevious(*this, "cmdPrevious"), cmdNext(*this, "cmdNext"),
      cmdLast(*this, "cmdLast"), cmdok(*this, "cmdok"), cmdCancel(*this, "cmdCancel") {
    layOutControls();
    wireEvents();
    saveDesign();
}

// The invoice fields only show the row: the focus starts in, and Enter moves on from, the settle amount.
void frmInvoiceEntry::layOutControls() {
    setSize(6300, 3900);
    lblInvType.setCaption(QStringLiteral("Invoice Type :"));
    lblInvNo.setCaption(QStringLiteral("Invoice No :"));
    lblAmount.setCaption(QStringLiteral("Amount :"));
    lblSettleAmt.setCaption(QStringLiteral("Settle Amount :"));
    // The picture buttons carry arrows instead of pictures.
    cmdFirst.setCaption(QStringLiteral("|<"));
    cmdPrevious.setCaption(QStringLiteral("<"));
    cmdNext.setCaption(QStringLiteral(">"));
    cmdLast.setCaption(QStringLiteral(">|"));
    cmdok.setCaption(QStringLiteral("&Ok"));
    cmdCancel.setCaption(QStringLiteral("&Close"));
    // Escape closes the dialog as Close does, from any of its fields.
    cmdCancel.isCancel = true;
    for (forms::TextBox* box : {&txtInvType, &txtInvNo, &txtAmount}) {
        box->locked = true;
        box->setTabStop(false);
    }
    int tab = 0;
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&txtInvType, &txtInvNo, &txtAmount, &txtSettleAmt, &cmdok,
                                                &cmdCancel, &cmdFirst, &cmdPrevious, &cmdNext, &cmdLast})
        control->setTabIndex(tab++);
}

void frmInvoiceEntry::wireEvents() {
    cmdFirst.Click = [this] { cmdFirst_Click(); };
    cmdPrevious.Click = [this] { cmdPrevious_Click(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdLast.Click = [this] { cmdLast_Click(); };
    cmdok.Click = [this] { cmdok_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    txtSettleAmt.GotFocus = [this] { txtSettleAmt_GotFocus(); };
    txtSettleAmt.KeyPress = [this](int& keyAscii) { txtSettleAmt_KeyPress(keyAscii); };
    const std::pair<forms::TextBox*, const char*> tips[] = {{&txtAmount, "txtAmount_MouseMove"},
                                                            {&txtSettleAmt, "txtSettleAmt_MouseMove"}};
    for (const auto& [box, procedure] : tips)
        box->MouseMove = [this, box, procedure = QString::fromLatin1(procedure)](int, int, float, float) {
            trapped(name(), procedure, [box] { box->setToolTipText(core::format(box->text(), TipFormat)); });
        };
}

frmReceiptShop& frmInvoiceEntry::entryWindow() const {
    return shared::windows().get<frmReceiptShop>();
}

DocumentList frmInvoiceEntry::currentList() const {
    return list_;
}

int frmInvoiceEntry::lineCount() const {
    return entryWindow().receipt().lineCount(currentList());
}

// An opening invoice shows by its reference.
void frmInvoiceEntry::showLine(const SettlementLine& line) {
    list_ = line.list;
    txtInvType.setText(line.kindText);
    txtInvNo.setText(line.list == DocumentList::Shop ? line.documentNumber : line.reference);
    txtAmount.setText(shownAmount(line.outstanding));
    txtSettleAmt.setText(shownAmount(line.settled));
}

void frmInvoiceEntry::Form_Load() {
    trapped(name(), QStringLiteral("Form_Load "), [this] {
        firstActivation_ = true;
        changedLines_ = false;
        session().formColor->Applyformcolor(*this);
    });
}

void frmInvoiceEntry::Form_Activate() {
    trapped(name(), QStringLiteral("Form_Activate"), [this] {
        if (!firstActivation_) return;
        firstActivation_ = false;
        setTag(QStringLiteral("Loaded"));
        session().userAuditing->SaveInToTag(*this);
    });
}

// Each move retakes the snapshot, so that Ok tells a changed row from the row as it was shown.
void frmInvoiceEntry::moveTo(int position) {
    frmReceiptShop& entry = entryWindow();
    entry.setCurrentInvoiceIndex(core::toInt16(position));
    entry.selectLine(currentList(), entry.currentInvoiceIndex());
    showLine(entry.receipt().line(currentList(), entry.currentInvoiceIndex()));
    session().userAuditing->SaveInToTag(*this);
}

void frmInvoiceEntry::enableBackward(bool enabled) {
    cmdFirst.setEnabled(enabled);
    cmdPrevious.setEnabled(enabled);
}

void frmInvoiceEntry::enableForward(bool enabled) {
    cmdNext.setEnabled(enabled);
    cmdLast.setEnabled(enabled);
}

void frmInvoiceEntry::cmdFirst_Click() {
    trapped(name(), QStringLiteral("cmdFirst_Click "), [this] {
        moveTo(1);
        enableBackward(false);
        enableForward(true);
    });
}

void frmInvoiceEntry::cmdLast_Click() {
    trapped(name(), QStringLiteral("cmdLast_Click "), [this] {
        moveTo(lineCount());
        enableBackward(true);
        enableForward(false);
    });
}

void frmInvoiceEntry::cmdPrevious_Click() {
    trapped(name(), QStringLiteral("cmdPrevious_Click "), [this] {
        frmReceiptShop& entry = entryWindow();
        const int position = entry.currentInvoiceIndex() - 1;
        if (position < 1) {
            entry.setCurrentInvoiceIndex(1);
            return;
        }
        moveTo(position);
        enableForward(true);
        if (position == 1) enableBackward(false);
    });
}

void frmInvoiceEntry::cmdNext_Click() {
    trapped(name(), QStringLiteral("cmdNext_Click "), [this] {
        const int count = lineCount();
        moveTo(std::min(entryWindow().currentInvoiceIndex() + 1, count));
        enableBackward(true);
        if (entryWindow().currentInvoiceIndex() == count) enableForward(false);
    });
}

void frmInvoiceEntry::cmdok_Click() {
    trapped(name(), QStringLiteral("cmdOk_Click "), [this] { settleCurrentRow(); });
}

void frmInvoiceEntry::refuseSettleAmount(const QString& message) {
    forms::Runtime::msgBox(message, forms::MsgButtons::OK, forms::MsgIcon::Information,
                           session().msgboxCaption);
    txtSettleAmt.setFocus();
}

// The amount is the receipt's to take or refuse; an empty box settles nothing.
void frmInvoiceEntry::settleCurrentRow() {
    const QString text = txtSettleAmt.text();
    const std::optional<Money> settled = text.isEmpty() ? Money() : core::plainAmount(text);
    if (!settled)
        return refuseSettleAmount(QStringLiteral("Settle Amount must be a number of zero or more ") +
                                  core::plainAmountRule());
    frmReceiptShop& entry = entryWindow();
    const int row = entry.currentInvoiceIndex();
    if (const auto refused = entry.settleLine(currentList(), row, *settled))
        return refuseSettleAmount(*refused);
    for (forms::TextBox* box : {&txtInvNo, &txtAmount, &txtSettleAmt})
        box->setText(QString());
    if (!tag().isEmpty() && session().userAuditing->DataChanged(*this)) changedLines_ = true;
    if (row == lineCount()) {
        unload();
        return;
    }
    cmdNext_Click();
    txtSettleAmt.setFocus();
}

void frmInvoiceEntry::cmdCancel_Click() {
    setTag(QString());
    unload();
}

void frmInvoiceEntry::txtSettleAmt_GotFocus() {
    txtSettleAmt.setSelStart(0);
    txtSettleAmt.setSelLength(int(txtSettleAmt.text().size()));
}

void frmInvoiceEntry::txtSettleAmt_KeyPress(int& keyAscii) {
    trapped(name(), QStringLiteral("txtSettleAmt_KeyPress "), [&] {
        shared::SendTabOnEnter(keyAscii);
        session().commonGen->textvalidatenum(txtSettleAmt, keyAscii, SettleDigits, SettleDecimals);
        if (!txtSettleAmt.text().isEmpty()) cmdok.setEnabled(true);
    });
}

} // namespace entry
