// The OK command of the entry window: validation, numbering, the stored receipt and the close check.
#include "frmreceiptshop.h"
#include "invoicelists.h"
#include "plainamount.h"

#include "output/textvoucher.h"
#include "platform/ado/recordset.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/forms/grid.h"
#include "platform/forms/runtime.h"
#include "shared/exchangerates.h"
#include "shared/filecode.h"
#include "shared/formhelpers.h"
#include "shared/registergrid.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/statement.h"
#include "store/invoicekinds.h"
#include "store/receiptnumbering.h"

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

bool refuse(const QString& message, forms::Control* focus) {
    tell(message);
    if (focus) focus->setFocus();
    return false;
}

bool isSettled(const QString& settlementCell) {
    return core::val(settlementCell) > 0;
}

// The detail column of a kind text; nothing for a text outside the catalogue.
std::optional<QString> detailColumnOf(const QString& kindText) {
    const auto kind = store::kindOfText(kindText);
    if (!kind) return std::nullopt;
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

// A detail row of one settled document; cell texts go in as they stand and the database converts them.
struct DetailRow {
    qint16 line;
    QString kindColumn;
    QString documentId;
    QString invoiceAmount;
    QString settledAmount;
};

void addDetail(ado::Recordset& rs, qint32 receiptId, const DetailRow& row) {
    const shared::Session& s = session();
    rs.addNew();
    rs.setField(QStringLiteral("drdshopid"), s.shopId);
    rs.setField(QStringLiteral("drdid"), receiptId);
    rs.setField(QStringLiteral("drdDetailid"), row.line);
    rs.setField(QStringLiteral("drdCompanyid"), s.companyId);
    rs.setField(row.kindColumn, row.documentId);
    rs.setField(QStringLiteral("drdinvoiceamount"), row.invoiceAmount);
    rs.setField(QStringLiteral("drdsettledamount"), row.settledAmount);
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
        if (const auto refusal = storeNewReceipt()) {
            if (refusal->list) refusal->list->setSelectedItem(refusal->item);
            return refuse(refusal->message, refusal->list);
        }
        cmdok.setEnabled(false);
    }
    return true;
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
    if (auto refusal = overSettledDocument(settled)) return refusal;
    if (OptSettlement.value()) SaveReceiptDetails();
    transaction.commit();
    return std::nullopt;
}

void frmReceiptShop::finishSave() {
    shared::UpdateEditedRow(QStringLiteral("drid=") + QString::number(ReceiptId), ReceiptId);
    setTag(QString());
    offerVoucher();
    unload();
}

void frmReceiptShop::offerVoucher() {
    const QString setting =
        core::trimBlanks(shared::FileCode(QStringLiteral("defaultprint"), shared::settingsFilePath()));
    if (setting.toUpper() == QLatin1String("1")) return output::printRvoucher(ReceiptId);
    const auto answer = forms::Runtime::msgBox(QStringLiteral("Do you want to print Voucher"),
                                               forms::MsgButtons::YesNo, forms::MsgIcon::Question);
    if (answer != forms::MsgResult::Yes) return;
    const forms::Grid& grid = session().registerWindow->grid();
    output::printRvoucher(core::toInt32(grid.textMatrix(grid.row(), shared::gridcol::ReceiptId)));
}

qint32 frmReceiptShop::receivedCurrencyId() const {
    return cboCurrency.itemData(cboCurrency.listIndex());
}

bool frmReceiptShop::ValidateEntry() {
    const QString& title = session().msgboxCaption;
    const bool settlement = OptSettlement.value();
    if (!shared::RequireField(cboCustomer, QStringLiteral("select customer"), title)) return false;
    if (!shared::RequireField(txtBank, QStringLiteral("Enter bank name"), title)) return false;
    if (!shared::RequireField(txtRemarks, QStringLiteral("Enter remarks"), title)) return false;
    if (!shared::RequireField(txtchequeno, QStringLiteral("Enter cheque number"), title)) return false;
    // The receipt date is typed freely; the database would refuse a text that is no date.
    if (!core::isDate(core::trimBlanks(txtProcessDate.text())))
        return refuse(QStringLiteral("Receipt Date must be a date such as ") +
                          core::shortDateText(session().processDate),
                      &txtProcessDate);
    if (settlement && lvwInvoice.count() == 0 && lvwOpeningInvoices.count() == 0)
        return refuse(QStringLiteral("Atleast one detail needed"), nullptr);
    if (settlement && core::val(txtAmount.text()) == 0)
        return refuse(QStringLiteral("Atleast one settlement should be done"), &lvwInvoice);
    if (!shared::RequireField(cboCurrency, QStringLiteral("Select the Received Amount Currency "), title))
        return false;
    if (core::val(txtrecamount.text()) == 0)
        return refuse(QStringLiteral("Enter Received Amount "), &txtrecamount);
    if (!plainAmount(txtrecamount.text()))
        return refuse(QStringLiteral("Received Amount must be a number above zero ") + plainAmountRule(),
                      &txtrecamount);
    if (settlement && settledDiffersFromReceived())
        return refuse(QStringLiteral("Received amount and settled amount should be same"), &txtrecamount);
    return !settlement || !refuseUnknownKind();
}

// The settled total must match what was received, in the customer's currency.
bool frmReceiptShop::settledDiffersFromReceived() const {
    const double settled = core::val(txtAmount.text());
    if (receivedCurrencyId() == CustomerCurrencyId) return settled != core::val(txtrecamount.text());
    return settled != core::val(txtCustEquAmount.text());
}

// A settled document of a kind the catalogue does not know would be stored without the column that
// names it, and its payment would be lost to every later balance: such a settlement is refused.
bool frmReceiptShop::refuseUnknownKind() {
    for (int item = 1; item <= lvwInvoice.count(); ++item) {
        if (!isSettled(lvwInvoice.cell(item, ShopListColumns.settlement))) continue;
        if (detailColumnOf(lvwInvoice.cell(item, ShopListColumns.kind))) continue;
        lvwInvoice.setSelectedItem(item);
        refuse(QStringLiteral("The invoice type of ") + lvwInvoice.cell(item, ShopListColumns.number) +
                   QStringLiteral(" is not known; its settlement cannot be saved"),
               &lvwInvoice);
        return true;
    }
    return false;
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
    const qint16 received = asCurrency(receivedCurrencyId());
    DepartmentFactor = shared::GetConversionRate(received, asCurrency(DepartmentCurrencyId));
    CompanyFactor = shared::GetConversionRate(received, asCurrency(CompanyCurrencyId));
    const store::ReceiptKeys keys = GenerateRecieptNo(facts.prefix);
    ReceiptId = keys.id;
    ReceiptNo = keys.number;
    ado::Recordset rs;
    rs.open(HeaderStatement + shopText(), adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    rs.addNew();
    writeHeaderKeys(rs, facts);
    writeHeaderEntry(rs);
    s.userAuditing->SaveUserAuditingInfo(QString::number(ReceiptId), ReceiptNo, true, s.EntryMode, this);
    rs.update();
    rs.close();
}

// Who, where and when: the keys, the number, the creating user, department and counter.
void frmReceiptShop::writeHeaderKeys(ado::Recordset& rs, const HeaderFacts& facts) {
    const shared::Session& s = session();
    rs.setField(QStringLiteral("drShopid"), s.shopId);
    rs.setField(QStringLiteral("drID"), ReceiptId);
    rs.setField(QStringLiteral("drCompanyID"), s.companyId);
    rs.setField(QStringLiteral("drTime"), facts.savedAt);
    rs.setField(QStringLiteral("drNo"), ReceiptNo);
    rs.setField(QStringLiteral("drRecadduser"), facts.userName);
    rs.setField(QStringLiteral("drDepartmentid"), facts.departmentId);
    rs.setField(QStringLiteral("drCounterID"), s.CounterId);
}

// What the user entered, with the rates in force. Texts go in as values, never into statement text.
void frmReceiptShop::writeHeaderEntry(ado::Recordset& rs) {
    shared::Session& s = session();
    rs.setField(QStringLiteral("drdate"),
                core::format(core::trimBlanks(txtProcessDate.text()), StoredDateFormat));
    rs.setField(QStringLiteral("drcustomerid"), cboCustomer.itemData(cboCustomer.listIndex()));
    rs.setField(QStringLiteral("drbankname"), core::trimBlanks(txtBank.text()));
    rs.setField(QStringLiteral("drremarks"), core::trimBlanks(txtRemarks.text()));
    rs.setField(QStringLiteral("drchequeno"), core::trimBlanks(txtchequeno.text()));
    rs.setField(QStringLiteral("drchequedate"), core::format(dtpChequeDate.value(), StoredDateFormat));
    rs.setField(QStringLiteral("dramount"), core::val(txtrecamount.text()));
    rs.setField(QStringLiteral("drreccurrencyid"), receivedCurrencyId());
    rs.setField(QStringLiteral("drrecamount"), core::val(txtAmount.text()));
    rs.setField(QStringLiteral("drBankExchangeRate"), core::val(txtExchangeRate.text()));
    rs.setField(QStringLiteral("drExchangeRate"), CompanyFactor);
    rs.setField(QStringLiteral("drCancelled"), qint16(0));
    rs.setField(QStringLiteral("drdepexRate"), DepartmentFactor);
    rs.setField(QStringLiteral("drexchangerates"), s.ExchangeRatesText);
    rs.setField(QStringLiteral("drUserID"), s.userId);
}

// The saving lock, and under it the receipt's id and the next free sequence number under the prefix. The
// sequence is held in 32 bits: a prefix serves more than 32,767 receipts.
store::ReceiptKeys frmReceiptShop::GenerateRecieptNo(const QString& prefix) {
    return store::lockAndNumberReceipt(adocon(), session().shopId, prefix);
}

// Line numbers of shop documents are their list positions, so unsettled rows leave gaps; the opening
// invoices follow the last position without gaps.
void frmReceiptShop::SaveReceiptDetails() {
    ado::Recordset rs;
    rs.open(DetailStatement + shopText(), adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    for (int item = 1; item <= lvwInvoice.count(); ++item) {
        if (!isSettled(lvwInvoice.cell(item, ShopListColumns.settlement))) continue;
        const auto column = detailColumnOf(lvwInvoice.cell(item, ShopListColumns.kind));
        if (!column)
            throw core::RuntimeError(core::err::InvalidCall,
                                     QStringLiteral("Unknown invoice type of ") +
                                         lvwInvoice.cell(item, ShopListColumns.number));
        addDetail(rs, ReceiptId,
                  {core::toInt16(item), *column, lvwInvoice.cell(item, ShopListColumns.id),
                   lvwInvoice.cell(item, ShopListColumns.amount),
                   lvwInvoice.cell(item, ShopListColumns.settlement)});
    }
    int line = lvwInvoice.count() + 1;
    for (int item = 1; item <= lvwOpeningInvoices.count(); ++item) {
        if (!isSettled(lvwOpeningInvoices.cell(item, OpeningListColumns.settlement))) continue;
        addDetail(rs, ReceiptId,
                  {core::toInt16(line++), store::openingInvoiceKind().detailColumn,
                   lvwOpeningInvoices.cell(item, OpeningListColumns.id),
                   lvwOpeningInvoices.cell(item, OpeningListColumns.amount),
                   lvwOpeningInvoices.cell(item, OpeningListColumns.settlement)});
    }
    rs.close();
}

// Asks only for a new entry that still carries unsaved changes.
bool frmReceiptShop::hasUnsavedChanges() {
    const shared::Session& s = session();
    if (!cmdok.enabled() || tag().isEmpty()) return false;
    return s.userAuditing->DataChanged(*this) || s.EntryChanged || lvwInvoice.count() != ActivationItemCount;
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
