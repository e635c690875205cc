// The OK command of the entry window: validation, numbering, the stored receipt and the close check.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "output/textvoucher.h"
#include "platform/ado/recordset.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "shared/exchangerates.h"
#include "shared/filecode.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/statement.h"
#include "store/invoicekinds.h"
#include "store/receiptnumbering.h"
#include "store/savekeys.h"

#include <optional>

namespace entry {

using shared::session;
using shared::trapped;

namespace {

// Until the commit a failure leaves nothing stored; after it the receipt stays saved.
const QString SaveProcedure = QStringLiteral("cmdOk_Click");
const QString AfterCommitProcedure = QStringLiteral("cmdOk_Click  ");

const QString HeaderStatement = QStringLiteral("select * from LosDummyReceiptHeader where drshopid=");
const QString DetailStatement = QStringLiteral("select * from LosDummyReceiptDetail where drdshopid=");
const QString StoredDateFormat = QStringLiteral("yyyy/mm/dd");

const char* const PrefixStatement =
    "SELECT Prefix FROM aPrefix WHERE InterfaceID = :interface and shopid=:shop and financialid = :financial";
const char* const ServerTimeStatement = "select CURRENT_TIMESTAMP";
const char* const UserNameStatement = "select username from Lousers where userid=:user";
const char* const DepartmentStatement = "select departmentid from ashops where  shopid=:shop";

QString shopText() {
    return QString::number(session().shopId);
}

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

qint16 asCurrency(qint32 currencyId) {
    return core::toInt16(currencyId);
}

QString prefixStatement() {
    return shared::statement(PrefixStatement, {{"interface", QString::number(shared::ReceiptInterfaceId)},
                                               {"shop", shopText()},
                                               {"financial", QString::number(session().financialId)}});
}

// A field read where a missing value is an empty text.
QVariant textIfNull(const QVariant& value) {
    return core::isNull(value) ? QVariant(QString()) : value;
}

// A detail row of one settled document, on the given line number. The amounts go in as the lists show
// them; the database converts them.
void addDetail(ado::Recordset& rs, qint32 receiptId, qint16 lineNumber, const SettlementLine& line) {
    const shared::Session& s = session();
    rs.addNew();
    rs.setField(QStringLiteral("drdshopid"), s.shopId);
    rs.setField(QStringLiteral("drdid"), receiptId);
    rs.setField(QStringLiteral("drdDetailid"), lineNumber);
    rs.setField(QStringLiteral("drdCompanyid"), s.companyId);
    rs.setField(detailColumnOf(line), line.documentId);
    rs.setField(QStringLiteral("drdinvoiceamount"), line.outstanding.text());
    rs.setField(QStringLiteral("drdsettledamount"), line.settled.text());
    rs.update();
}

} // namespace

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
        if (const auto refusal = storeNewReceipt())
            return refuse(refusal->message, refusal->line ? &listView(refusal->line->list) : nullptr,
                          refusal->line);
        cmdok.setEnabled(false);
    }
    return true;
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
// saving lock comes first in the transaction, with the receipt's id and number (GenerateRecieptNo): the
// id, the number and the balances are all read under it. What no save changes is read before it, so that
// other counters wait for less.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::storeReceiptOnce() {
    const HeaderFacts facts = readHeaderFacts();
    const std::vector<SettledDocuments> settled = readSettledDocuments();
    ado::Transaction transaction(adocon());
    // The rows go to the engine with the balances' reading and with the commit, not one at a time.
    adocon()->holdAddedRows();
    SaveReceiptHeader(facts);
    store::recordSaveKey(adocon(), saveKey_, session().shopId, saved_.id);
    if (auto refusal = overSettledDocument(settled)) return refusal;
    if (OptSettlement.value()) SaveReceiptDetails();
    transaction.commit();
    return std::nullopt;
}

void frmReceiptShop::finishSave() {
    saveKey_.clear();
    saveInDoubt_ = false;
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

// The time of saving, the prefix, the creating user's name and the shop's department, read at once.
frmReceiptShop::HeaderFacts frmReceiptShop::readHeaderFacts() {
    const QVariantList read = adocon()->firstValues(
        {QString::fromLatin1(ServerTimeStatement), prefixStatement(),
         shared::statement(UserNameStatement, {{"user", QString::number(session().userId)}}),
         shared::statement(DepartmentStatement, {{"shop", shopText()}})});
    return {read.at(0), core::nullAsEmpty(read.at(1)), textIfNull(read.at(2)),
            core::toInt32(textIfNull(read.at(3)))};
}

void frmReceiptShop::SaveReceiptHeader(const HeaderFacts& facts) {
    shared::Session& s = session();
    s.commonDb->adocon = adocon();
    saved_ = GenerateRecieptNo(facts.prefix);
    ado::Recordset rs;
    rs.open(HeaderStatement + shopText(), adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    rs.addNew();
    writeHeaderKeys(rs, facts);
    writeHeaderEntry(rs);
    s.userAuditing->SaveUserAuditingInfo(QString::number(saved_.id), saved_.number, true, s.EntryMode, this);
    rs.update();
    rs.close();
}

// Who, where and when: the keys, the number, the creating user, department and counter.
void frmReceiptShop::writeHeaderKeys(ado::Recordset& rs, const HeaderFacts& facts) {
    const shared::Session& s = session();
    rs.setField(QStringLiteral("drShopid"), s.shopId);
    rs.setField(QStringLiteral("drID"), saved_.id);
    rs.setField(QStringLiteral("drCompanyID"), s.companyId);
    rs.setField(QStringLiteral("drTime"), facts.savedAt);
    rs.setField(QStringLiteral("drNo"), saved_.number);
    rs.setField(QStringLiteral("drRecadduser"), facts.userName);
    rs.setField(QStringLiteral("drDepartmentid"), facts.departmentId);
    rs.setField(QStringLiteral("drCounterID"), s.CounterId);
}

// What the receipt holds, with the factors of the rates in force. Texts go in as values, never into
// statement text. The settled total is the sum of the lines stored with it.
void frmReceiptShop::writeHeaderEntry(ado::Recordset& rs) {
    shared::Session& s = session();
    const Receipt& r = receipt_;
    const qint16 received = asCurrency(*r.receivedCurrencyId);
    rs.setField(QStringLiteral("drdate"),
                core::format(core::trimBlanks(r.receiptDateText), StoredDateFormat));
    rs.setField(QStringLiteral("drcustomerid"), *r.customerId);
    rs.setField(QStringLiteral("drbankname"), core::trimBlanks(r.bankName));
    rs.setField(QStringLiteral("drremarks"), core::trimBlanks(r.remarks));
    rs.setField(QStringLiteral("drchequeno"), core::trimBlanks(r.chequeNo));
    rs.setField(QStringLiteral("drchequedate"), core::format(r.chequeDate, StoredDateFormat));
    rs.setField(QStringLiteral("dramount"), r.receivedAmount()->toDouble());
    rs.setField(QStringLiteral("drreccurrencyid"), *r.receivedCurrencyId);
    rs.setField(QStringLiteral("drrecamount"), r.recordedTotal().toDouble());
    rs.setField(QStringLiteral("drBankExchangeRate"), r.bankRate());
    rs.setField(QStringLiteral("drExchangeRate"),
                shared::GetConversionRate(received, asCurrency(r.companyCurrencyId)));
    rs.setField(QStringLiteral("drCancelled"), qint16(0));
    rs.setField(QStringLiteral("drdepexRate"),
                shared::GetConversionRate(received, asCurrency(r.departmentCurrencyId)));
    rs.setField(QStringLiteral("drexchangerates"), s.ExchangeRatesText);
    rs.setField(QStringLiteral("drUserID"), s.userId);
}

// The saving lock, and under it the receipt's id and the next free sequence number under the prefix. The
// sequence is held in 32 bits: a prefix serves more than 32,767 receipts.
store::ReceiptKeys frmReceiptShop::GenerateRecieptNo(const QString& prefix) {
    return store::lockAndNumberReceipt(adocon(), session().shopId, prefix);
}

// Line numbers of shop documents are their list positions, so unsettled lines leave gaps; the opening
// invoices follow the last position without gaps.
void frmReceiptShop::SaveReceiptDetails() {
    ado::Recordset rs;
    rs.open(DetailStatement + shopText(), adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    int openingLine = receipt_.lineCount(DocumentList::Shop) + 1;
    for (const SettlementLine& line : receipt_.settledLines())
        addDetail(rs, saved_.id,
                  core::toInt16(line.list == DocumentList::Shop ? line.position : openingLine++), line);
    rs.close();
}

// Asks only for a new entry that still carries unsaved changes.
bool frmReceiptShop::hasUnsavedChanges() {
    const shared::Session& s = session();
    if (!cmdok.enabled() || tag().isEmpty()) return false;
    return s.userAuditing->DataChanged(*this) || s.EntryChanged || lvwInvoice.count() != activationItemCount_;
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
        // A settle-dialog change belongs to the entry closing with it; the next entry starts unchanged.
        session().EntryChanged = false;
    });
}

} // namespace entry
