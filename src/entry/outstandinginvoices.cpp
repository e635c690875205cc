// The customer's outstanding shop documents and opening invoices, listed with what is still open on each.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "shared/session.h"
#include "shared/statement.h"
#include "store/invoicekinds.h"

#include <QHash>
#include <QMap>
#include <functional>
#include <optional>
#include <vector>

namespace entry {

using shared::session;

namespace {

// The customer's documents of the view that still have an open amount in the shop.
const char* const ShopDocumentsStatement =
    " Select invoiceId ihInvoiceId, invoiceno ihInvoiceno, invoicedate  ihinvoicedate, invoiceamt - settled "
    "Amount, shopid ihShopId, type, ihRemarks from  vwTotalInvoiceReceiptAmount vw left join "
    "losInvoiceHeader ih  on vw.Type='PCI' and vw.shopid=ih.ihShopId and vw.invoiceid=ih.ihInvoiceId  where "
    "Type not in ('PAYMENT', 'RE', 'HQI', 'SDEBIT', 'HDEBIT') and  invoiceamt > settled and shopid = :shop "
    "and CUstomerId = :customer Order by InvoiceId, shopid";

// The module's live receipts on one document: the detail rows the :detail condition names, of receipts
// that no live head-office voucher of the company took over whose rows the :voucher condition names.
const char* const ReceiptsSettledStatement =
    "select isnull(sum(drdsettledamount),0) as amt  from losdummyreceiptdetail rd,losdummyreceiptheader rh "
    "where  rd.drdid = rh.drid and rh.drcancelled = 0 and rd.drdshopid= rh.drshopid and :detail and  "
    "rh.drid not in(select rh.dummyreceiptid from receiptvoucherdetails rd,receiptvoucherheader rh where "
    "rd.companyid = :company and  rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and cancelled "
    "= 0  and :voucher )";
const char* const ShopDetailCondition = ":column=:document and  rd.drdshopid=:shop";
const char* const ShopVoucherCondition = ":column= :document and rd.shopid=:shop ";
const char* const OpeningDetailCondition = "drdaccInvoiceID =:document and rd.drdshopid=:shop";
const char* const OpeningVoucherCondition = "hqaccountsinvoiceid = :document";

// The customer's opening invoices of the department, with their days to the due date.
const char* const OpeningInvoicesStatement =
    "select invoiceid,invoiceno,invoicedate,isnull(discount,0) discount, "
    "datediff(day,':processDate',dateadd(day,dueperiod,invoicedate)) as dueperiod,product, Referenceno "
    "from  AccountsInvoiceHeader where  cancelled = 0 and proforma = 0 and  cashinvoice = 0 and companyid = "
    ":company  and customerid = :customer and departmentid = :department and FinancialID=0";

const char* const ServiceLinesStatement =
    " select isnull(sum(serviceqty * amount),0) prodamount  from serviceinvoicedetails where invoiceid = "
    ":invoice  and companyid = :company ";

const char* const HeadOfficeReceiptsStatement =
    "select isnull(sum(amountreceived),0) as amt from receiptvoucherdetails rd,receiptvoucherheader rh "
    "where rd.companyid = :company and  rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and  "
    "cancelled = 0 and hqaccountsinvoiceid = :invoice and CustomerID=:customer";

const char* const OpeningSettlementsStatement =
    "select IsNull(Sum(settlementamount), 0) from customersettlementheader csh,customersettlementdetail csd "
    "where  csh.CSID=csd.CSID and csh.CompanyID=csd.CompanyID and  csh.companyid=:company And "
    "csd.ACCinvoiceid "
    "=:invoice  and csh.cancelled=0";

QString number(qint32 value) {
    return QString::number(value);
}

QString companyText() {
    return number(session().companyId);
}

// Where a view code's documents are named: a kind outside the catalogue is matched through every column.
struct ViewKind {
    QString kindText;
    QString detailColumn;
    QString headOfficeColumn;
};

ViewKind viewKindOf(const QString& type) {
    if (const auto kind = store::kindOfViewType(type))
        return {kind->kindText, kind->detailColumn, kind->headOfficeColumn};
    return {QString(), store::DetailIdFallback, store::ViewIdFallback};
}

QString receiptsSettledSql(const QString& detailCondition, const QString& voucherCondition) {
    return shared::statement(
        ReceiptsSettledStatement,
        {{"detail", detailCondition}, {"voucher", voucherCondition}, {"company", companyText()}});
}

QString shopReceiptsSettledSql(const ViewKind& kind, const QString& document, const QString& shop) {
    return receiptsSettledSql(
        shared::statement(ShopDetailCondition,
                          {{"column", kind.detailColumn}, {"document", document}, {"shop", shop}}),
        shared::statement(ShopVoucherCondition,
                          {{"column", kind.headOfficeColumn}, {"document", document}, {"shop", shop}}));
}

QString openingReceiptsSettledSql(const QString& invoice, const QString& shop) {
    return receiptsSettledSql(
        shared::statement(OpeningDetailCondition, {{"document", invoice}, {"shop", shop}}),
        shared::statement(OpeningVoucherCondition, {{"document", invoice}}));
}

ViewKind viewKindOfDocument(const ado::Recordset& document) {
    return viewKindOf(core::nullAsEmpty(document.field(QStringLiteral("type"))));
}

QString idOfShopDocument(const ado::Recordset& document) {
    return core::toText(document.field(QStringLiteral("ihInvoiceId")));
}

// What is open on the current document of the view.
OpenBalance shopDocumentBalance(const ado::Recordset& document) {
    return {ExactAmount::of(document.field(QStringLiteral("Amount"))), ExactAmount(),
            shopReceiptsSettledSql(viewKindOfDocument(document), idOfShopDocument(document),
                                   number(session().shopId))};
}

// A document of the view as the shop list shows it, and what is open on it.
struct ShopDocument {
    QString kindText;
    QString number;
    QString date;
    QString id;
    QString remarks;
    OpenBalance balance;
};

ShopDocument shopDocumentOf(const ado::Recordset& document) {
    return {viewKindOfDocument(document).kindText,
            core::toText(document.field(QStringLiteral("ihInvoiceno"))),
            core::toText(document.field(QStringLiteral("ihinvoicedate"))),
            idOfShopDocument(document),
            core::nullAsEmpty(document.field(QStringLiteral("ihRemarks"))),
            shopDocumentBalance(document)};
}

// What is open on a document, as the lists show it and the receipt settles against it; nothing when not a
// hundredth is left.
std::optional<Money> outstandingAmount(Money open) {
    return open > Money() ? std::optional(open) : std::nullopt;
}

// Adds the document with what is open on it when something is; false when nothing is left, so that the
// document takes no running number.
bool listShopDocument(forms::ListView& list, Receipt& receipt, const ShopDocument& document,
                      Money outstanding) {
    const std::optional<Money> open = outstandingAmount(outstanding);
    if (!open) return false;
    const int item = receipt.addLine(
        {DocumentList::Shop, 0, document.kindText, document.id, document.number, QString(), *open, Money()});
    list.addItem(QString::number(item));
    list.setCell(item, ShopListColumns.kind, document.kindText);
    list.setCell(item, ShopListColumns.number, document.number);
    list.setCell(item, ShopDateColumn, document.date);
    list.setCell(item, ShopListColumns.amount, shownAmount(*open));
    list.setCell(item, ShopListColumns.settlement, shownAmount(Money()));
    list.setCell(item, ShopListColumns.id, document.id);
    list.setCell(item, ShopRemarksColumn, document.remarks);
    return true;
}

// An opening invoice as the opening list shows it.
struct OpeningInvoice {
    QString id;
    QString number;
    QString reference;
    QString date;
    ExactAmount discount;
};

OpeningInvoice openingInvoiceOf(const ado::Recordset& invoice) {
    return {core::toText(invoice.field(QStringLiteral("invoiceid"))),
            core::toText(invoice.field(QStringLiteral("invoiceno"))),
            core::toText(invoice.field(QStringLiteral("Referenceno"))),
            core::toText(invoice.field(QStringLiteral("invoicedate"))),
            ExactAmount::of(invoice.field(QStringLiteral("discount")))};
}

// The sums that say what other programs leave open on an opening invoice, in this order: its service lines,
// what head office received on it, what settlements took of it.
constexpr qsizetype OpeningSums = 3;
QStringList openingSumsSql(const OpeningInvoice& invoice, qint32 customerId) {
    const QString company = companyText();
    return {
        shared::statement(ServiceLinesStatement, {{"invoice", invoice.id}, {"company", company}}),
        shared::statement(HeadOfficeReceiptsStatement,
                          {{"company", company}, {"invoice", invoice.id}, {"customer", number(customerId)}}),
        shared::statement(OpeningSettlementsStatement, {{"company", company}, {"invoice", invoice.id}})};
}

// What is open on an opening invoice, given its sums: its service lines less the discount, less what head
// office received, what settlements took and what the module's receipts settled.
OpenBalance openingInvoiceBalance(const OpeningInvoice& invoice, const QVariantList& sums) {
    return {ExactAmount::of(sums.at(0)) - invoice.discount,
            ExactAmount::of(sums.at(1)) + ExactAmount::of(sums.at(2)),
            openingReceiptsSettledSql(invoice.id, number(session().shopId))};
}

// Adds the opening invoice when something is open on it; false when nothing is left.
bool listOpeningInvoice(forms::ListView& list, Receipt& receipt, const OpeningInvoice& invoice,
                        Money balance) {
    const std::optional<Money> open = outstandingAmount(balance);
    if (!open) return false;
    const QString kindText = store::openingInvoiceKind().kindText;
    const int item = receipt.addLine(
        {DocumentList::Opening, 0, kindText, invoice.id, invoice.number, invoice.reference, *open, Money()});
    list.addItem(QString::number(item));
    list.setCell(item, OpeningListColumns.kind, kindText);
    list.setCell(item, OpeningListColumns.number, invoice.number);
    list.setCell(item, OpeningReferenceColumn, invoice.reference);
    list.setCell(item, OpeningDateColumn, invoice.date);
    list.setCell(item, OpeningListColumns.amount, shownAmount(*open));
    list.setCell(item, OpeningListColumns.settlement, shownAmount(Money()));
    list.setCell(item, OpeningListColumns.id, invoice.id);
    return true;
}

// The first value of each statement, read at once. When that fails they are read again a group of `group`
// at a time, each group handed to `use` before the next is read: what comes before the failing statement
// is used, and its error is the one reported.
void readInGroups(const ado::ConnectionPtr& connection, const QStringList& statements, qsizetype group,
                  const std::function<void(qsizetype first, const QVariantList& values)>& use) {
    std::optional<QVariantList> all;
    try {
        if (!statements.isEmpty()) all = connection->firstValues(statements);
    } catch (const core::RuntimeError&) {
        all.reset();
    }
    for (qsizetype first = 0; first < statements.size(); first += group)
        use(first, all ? all->mid(first, group) : connection->firstValues(statements.mid(first, group)));
}

// Every line with nothing open, until its document is found among the rows read again.
QMap<int, OpenBalance> nothingOpen(const std::vector<SettlementLine>& lines) {
    QMap<int, OpenBalance> balances;
    for (const SettlementLine& line : lines)
        balances.insert(line.position, {});
    return balances;
}

// A shop document is known by its kind and id: an invoice and a note may share an id.
QString shopDocumentKey(const QString& kindText, const QString& id) {
    return kindText + QLatin1Char('\n') + id;
}

} // namespace

void frmReceiptShop::openShopDocuments(ado::Recordset& documents) {
    documents.open(shared::statement(ShopDocumentsStatement, {{"shop", number(session().shopId)},
                                                              {"customer", number(selectedCustomerId())}}),
                   adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
}

qint32 frmReceiptShop::openOpeningInvoices(ado::Recordset& invoices) {
    shared::Session& s = session();
    const qint16 department = core::toInt16(s.commonDb->fnreturnfield(
        QStringLiteral("aShops where shopId= ") + number(s.shopId), QStringLiteral("DepartmentID")));
    const qint32 customerId = selectedCustomerId();
    invoices.open(shared::statement(OpeningInvoicesStatement,
                                    {{"processDate", core::format(s.processDate, QStringLiteral("yyyymmdd"))},
                                     {"company", companyText()},
                                     {"customer", number(customerId)},
                                     {"department", QString::number(department)}}),
                  adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    return customerId;
}

QMap<int, OpenBalance> frmReceiptShop::shopBalances(const std::vector<SettlementLine>& lines) {
    QHash<QString, int> positionOfKey;
    for (const SettlementLine& line : lines)
        positionOfKey.insert(shopDocumentKey(line.kindText, line.documentId), line.position);
    QMap<int, OpenBalance> balances = nothingOpen(lines);
    ado::Recordset rows;
    for (openShopDocuments(rows); !rows.eof(); rows.moveNext()) {
        const ShopDocument document = shopDocumentOf(rows);
        const auto found = positionOfKey.constFind(shopDocumentKey(document.kindText, document.id));
        if (found != positionOfKey.cend()) balances[*found] = document.balance;
    }
    rows.close();
    return balances;
}

QMap<int, OpenBalance> frmReceiptShop::openingBalances(const std::vector<SettlementLine>& lines) {
    ado::Recordset rows;
    const qint32 customerId = openOpeningInvoices(rows);
    QHash<QString, int> positionOfId;
    for (const SettlementLine& line : lines)
        positionOfId.insert(line.documentId, line.position);
    QMap<int, OpenBalance> balances = nothingOpen(lines);
    std::vector<std::pair<int, OpeningInvoice>> settled;
    for (; !rows.eof(); rows.moveNext()) {
        const OpeningInvoice invoice = openingInvoiceOf(rows);
        if (const auto found = positionOfId.constFind(invoice.id); found != positionOfId.cend())
            settled.emplace_back(*found, invoice);
    }
    rows.close();
    QStringList sums;
    for (const auto& [position, invoice] : settled)
        sums << openingSumsSql(invoice, customerId);
    const QVariantList values = sums.isEmpty() ? QVariantList() : adocon()->firstValues(sums);
    for (size_t k = 0; k < settled.size(); ++k)
        balances[settled[k].first] =
            openingInvoiceBalance(settled[k].second, values.mid(qsizetype(k) * OpeningSums, OpeningSums));
    return balances;
}

// What the module's receipts settled on the documents is read for all of them at once, in the view's order.
void frmReceiptShop::LoadShopInvoices() {
    ado::Recordset rows;
    std::vector<ShopDocument> documents;
    for (openShopDocuments(rows); !rows.eof(); rows.moveNext())
        documents.push_back(shopDocumentOf(rows));
    rows.close();
    QStringList receipts;
    for (const ShopDocument& document : documents)
        receipts << document.balance.receiptsSql;
    readInGroups(adocon(), receipts, 1, [&](qsizetype first, const QVariantList& values) {
        const ShopDocument& document = documents[size_t(first)];
        listShopDocument(lvwInvoice, receipt_, document, document.balance.shownAfter(values.at(0)));
    });
}

// The sums of all the invoices are read at once, in the order the invoices come.
void frmReceiptShop::LoadOpeningInvoices() {
    ado::Recordset rows;
    const qint32 customerId = openOpeningInvoices(rows);
    std::vector<OpeningInvoice> invoices;
    for (; !rows.eof(); rows.moveNext())
        invoices.push_back(openingInvoiceOf(rows));
    rows.close();
    constexpr qsizetype SumsOfInvoice = OpeningSums + 1;
    QStringList sums;
    for (const OpeningInvoice& invoice : invoices)
        sums << openingSumsSql(invoice, customerId)
             << openingReceiptsSettledSql(invoice.id, number(session().shopId));
    readInGroups(adocon(), sums, SumsOfInvoice, [&](qsizetype first, const QVariantList& values) {
        const OpeningInvoice& invoice = invoices[size_t(first / SumsOfInvoice)];
        const OpenBalance open = openingInvoiceBalance(invoice, values);
        listOpeningInvoice(lvwOpeningInvoices, receipt_, invoice, open.shownAfter(values.at(OpeningSums)));
    });
}

} // namespace entry
