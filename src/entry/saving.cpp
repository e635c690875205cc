// The OK command of the entry window: validation, numbering, the stored receipt and the close check.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "output/textvoucher.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "shared/filecode.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "store/earlierpayment.h"
#include "store/invoicekinds.h"
#include "store/receiptsaving.h"
#include "store/savekeys.h"

#include <optional>

namespace entry {

using shared::session;
using shared::trapped;

namespace {

// Until the commit a failure leaves nothing stored; after it the receipt stays saved.
const QString SaveProcedure = QStringLiteral("cmdOk_Click");
const QString AfterCommitProcedure = QStringLiteral("cmdOk_Click  ");

const QString StoredDateFormat = QStringLiteral("yyyy/mm/dd");

forms::MsgResult tell(const QString& text, forms::MsgButtons buttons = forms::MsgButtons::OK) {
    return forms::Runtime::msgBox(text, buttons, forms::MsgIcon::Information, session().msgboxCaption);
}

// The detail column of a line's kind; a refused validation keeps every other kind from the save.
QString detailColumnOf(const SettlementLine& line) {
    if (line.list == DocumentList::Opening) return store::openingInvoiceKind().detailColumn;
    const auto kind = store::kindOfText(line.kindText);
    if (!kind)
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("Unknown invoice type of ") + line.documentNumber);
    return kind->detailColumn;
}

// What the header records besides its keys, with the factors of the rates in force. Texts go in as values,
// never into statement text. The settled total is the sum of the lines stored with it.
store::ReceiptHeader headerOf(const Receipt& r) {
    return {core::format(core::trimBlanks(r.receiptDateText), StoredDateFormat),
            *r.customerId,
            core::trimBlanks(r.bankName),
            core::trimBlanks(r.remarks),
            core::trimBlanks(r.chequeNo),
            core::format(r.chequeDate, StoredDateFormat),
            *r.receivedAmount(),
            *r.receivedCurrencyId,
            r.recordedTotal(),
            r.bankRate(),
            factorBetween(*r.receivedCurrencyId, r.companyCurrencyId).storedValue(),
            factorBetween(*r.receivedCurrencyId, r.departmentCurrencyId).storedValue(),
            session().ExchangeRatesText};
}

// The settled lines. Line numbers of shop documents are their list positions, so unsettled lines leave gaps;
// the opening invoices follow the last position without gaps.
std::vector<store::ReceiptLine> linesOf(const Receipt& receipt) {
    std::vector<store::ReceiptLine> lines;
    int openingLine = receipt.lineCount(DocumentList::Shop) + 1;
    for (const SettlementLine& line : receipt.settledLines())
        lines.push_back({detailColumnOf(line), line.documentId,
                         core::toInt16(line.list == DocumentList::Shop ? line.position : openingLine++),
                         line.outstanding, line.settled});
    return lines;
}

// The question before a payment is stored a second time: the earlier receipt as the register lists it.
QString paidTwiceQuestion(const store::EarlierPayment& earlier) {
    const QString cheque = store::namesCheque(earlier.chequeNo)
                               ? QStringLiteral(" (cheque ") + earlier.chequeNo + QLatin1Char(')')
                               : QString();
    const QString day =
        earlier.day ? QStringLiteral(" of ") + core::shortDateText(earlier.day->startOfDay()) : QString();
    return QStringLiteral("Receipt %1%2 already records %3 from %4%5. Save this receipt as well?")
        .arg(earlier.number, day, shownAmount(earlier.received), earlier.customerName, cheque);
}

} // namespace

store::SavingCounter savingCounter() {
    const shared::Session& s = session();
    return {s.shopId, s.companyId, s.financialId, s.userId, s.CounterId};
}

void frmReceiptShop::wireSavingEvents() {
    cmdok.Click = [this] { cmdok_Click(); };
}

void frmReceiptShop::cmdok_Click() {
    bool saved = false;
    if (!trapped(name(), SaveProcedure, [&] { saved = saveEntry(); }) || !saved) return;
    trapped(name(), AfterCommitProcedure, [this] { finishSave(); });
}

// Validates and, for a new receipt, stores header and details in one transaction; false when the
// entry was refused.
bool frmReceiptShop::saveEntry() {
    if (!ValidateEntry()) return false;
    if (session().EntryMode == QLatin1String("N")) {
        if (!receipt_.saveInDoubt && !paymentNewOrConfirmed()) return false;
        if (const auto refusal = storeNewReceipt())
            return refuse(refusal->message, refusal->line ? &listView(refusal->line->list) : nullptr,
                          refusal->line);
        receipt_.stored = true;
        cmdok.setEnabled(false);
    }
    return true;
}

// A payment some receipt of the shop may already record is stored only after a Yes; No keeps the entry as
// it is. The look-up comes before the saving lock. A save in doubt is not asked about: its save key tells
// whether the receipt it may find is this one.
bool frmReceiptShop::paymentNewOrConfirmed() {
    const auto earlier = store::earlierPayment(adocon(), session().shopId, headerOf(receipt_));
    return !earlier || forms::Runtime::msgBox(paidTwiceQuestion(*earlier), forms::MsgButtons::YesNo,
                                              forms::MsgIcon::Question, session().msgboxCaption,
                                              forms::DefaultButton2) == forms::MsgResult::Yes;
}

// Tells why the entry was refused, with the line it names selected and the focus where it belongs.
bool frmReceiptShop::refuse(const QString& message, forms::Control* focus,
                            const std::optional<SettlementLine>& line) {
    if (line) listView(line->list).setSelectedItem(line->position);
    tell(message);
    if (focus) focus->setFocus();
    return false;
}

// One attempt at storing the new receipt; a refusal rolls everything back, the entry stays as it is. The
// saving lock comes first in the transaction, with the receipt's id and number and the balances of the
// settled documents, all read under it in the lock's round trip. What no save changes is read before it, so
// that other counters wait for less; the rows go after the balance check.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::storeReceiptOnce() {
    shared::Session& s = session();
    const store::SavingCounter counter = savingCounter();
    const store::HeaderFacts facts = store::readHeaderFacts(adocon(), counter);
    const std::vector<SettledDocuments> settled = readSettledDocuments();
    const std::vector<store::OpenBalance> balances = balancesOf(settled);
    ado::Transaction transaction(adocon());
    // The rows go to the engine with the commit, not one at a time.
    adocon()->holdAddedRows();
    s.commonDb->adocon = adocon();
    const store::LockedReceipt locked = store::lockAndNumberReceipt(adocon(), counter.shopId, facts.prefix,
                                                                    store::settledNowStatements(balances));
    saved_ = locked.keys;
    if (auto refusal = overSettledDocument(settled, store::openNow(balances, locked.read))) return refusal;
    store::addReceiptHeader(adocon(), counter, saved_, facts, headerOf(receipt_));
    s.userAuditing->SaveUserAuditingInfo(QString::number(saved_.id), saved_.number, true, s.EntryMode, this);
    store::recordSaveKey(adocon(), receipt_.saveKey, counter.shopId, saved_.id);
    if (receipt_.kind == ReceiptKind::Settlement)
        store::addReceiptLines(adocon(), counter, saved_.id, linesOf(receipt_));
    transaction.commit();
    return std::nullopt;
}

void frmReceiptShop::finishSave() {
    receipt_.saveKey.clear();
    receipt_.saveInDoubt = false;
    shared::UpdateEditedRow(QStringLiteral("drid=") + QString::number(saved_.id), saved_.id);
    setTag(QString());
    offerVoucher();
    unload();
}

// The voucher printed is the saved receipt's, whatever row the register shows.
void frmReceiptShop::offerVoucher() {
    const QString setting =
        core::trimBlanks(shared::FileCode(QStringLiteral("defaultprint"), shared::settingsFilePath()));
    if (setting.toUpper() != QLatin1String("1")) {
        const auto answer = forms::Runtime::msgBox(QStringLiteral("Do you want to print Voucher"),
                                                   forms::MsgButtons::YesNo, forms::MsgIcon::Question);
        if (answer != forms::MsgResult::Yes) return;
    }
    output::printRvoucher(saved_.id);
}

qint32 frmReceiptShop::receivedCurrencyId() const {
    return cboCurrency.itemData(cboCurrency.listIndex());
}

forms::Control* frmReceiptShop::controlOf(EntryField field) {
    const std::pair<EntryField, forms::Control*> controls[] = {
        {EntryField::Customer, &cboCustomer},       {EntryField::Bank, &txtBank},
        {EntryField::Remarks, &txtRemarks},         {EntryField::ChequeNo, &txtchequeno},
        {EntryField::ReceiptDate, &txtProcessDate}, {EntryField::Lines, &lvwInvoice},
        {EntryField::Currency, &cboCurrency},       {EntryField::BankRate, &txtExchangeRate},
        {EntryField::ReceivedAmount, &txtrecamount}};
    for (const auto& [named, control] : controls)
        if (named == field) return control;
    return nullptr;
}

// The days the register lists; any day when there is no register to list the receipt.
ReceiptDates frmReceiptShop::receiptDates() const {
    const shared::Session& s = session();
    ReceiptDates dates{{}, {}, s.processDate.date()};
    if (s.registerWindow) std::tie(dates.first, dates.last) = s.registerWindow->listedDates();
    return dates;
}

bool frmReceiptShop::ValidateEntry() {
    const std::optional<Refusal> refusal = receipt_.validate(receiptDates());
    return !refusal || refuse(refusal->message, controlOf(refusal->field), refusal->line);
}

// Asks only for a new entry that still carries unsaved changes.
bool frmReceiptShop::hasUnsavedChanges() {
    const shared::Session& s = session();
    if (receipt_.stored || tag().isEmpty()) return false;
    return s.userAuditing->DataChanged(*this) || receipt_.linesChanged ||
           receipt_.lineCount(DocumentList::Shop) != activationLineCount_;
}

void frmReceiptShop::Form_QueryUnload(int& cancel, int unloadMode) {
    trapped(name(), QStringLiteral("Form_QueryUnload"), [&] {
        if (hasUnsavedChanges()) {
            const forms::MsgResult answer =
                tell(QStringLiteral("Save Changes?"), forms::MsgButtons::YesNoCancel);
            if (answer != forms::MsgResult::No) {
                cancel = 1;
                // A successful save closes the window itself.
                if (answer == forms::MsgResult::Yes) cmdok_Click();
                return;
            }
        }
    });
}

} // namespace entry
