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

const QString AmountFormat = QStringLiteral("#0.00");
const QString NothingSettled = QStringLiteral("0.00");

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

const char* const OpeningSettlementsCondition =
    " csh.CSID=csd.CSID and csh.CompanyID=csd.CompanyID and  csh.companyid=:company And csd.ACCinvoiceid "
    "=:invoice  and csh.cancelled=0";

QString number(qint32 value) {
    return QString::number(value);
}

QString companyText() {
    return number(session().companyId);
}

// One sum of a statement that always returns one row.
double sumOf(const QString& sql, const QString& field, const ado::ConnectionPtr& connection) {
    ado::Recordset rs;
    rs.open(sql, connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    const double value = core::toDouble(rs.field(field));
    rs.close();
    return value;
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

// Customer settlements of an opening invoice, through the common database helper.
double openingSettlements(const QString& invoice) {
    suite::ClsCommonDb& commonDb = *session().commonDb;
    commonDb.strTableName = QStringLiteral("customersettlementheader csh,customersettlementdetail csd");
    return core::toDouble(commonDb.fnreturnfield(
        QStringLiteral("IsNull(Sum(settlementamount), 0)"),
        shared::statement(OpeningSettlementsCondition, {{"company", companyText()}, {"invoice", invoice}})));
}

ViewKind viewKindOfDocument(const ado::Recordset& document) {
    return viewKindOf(core::nullAsEmpty(document.field(QStringLiteral("type"))));
}

QString idOfShopDocument(const ado::Recordset& document) {
    return core::toText(document.field(QStringLiteral("ihInvoiceId")));
}

// What is open on the current document of the view.
OpenBalance shopDocumentBalance(const ado::Recordset& document) {
    return {core::toDouble(document.field(QStringLiteral("Amount"))), 0,
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

// Adds the document with what is open on it when something is; false when nothing is left, so that the
// document takes no running number.
bool listShopDocument(forms::ListView& list, const ShopDocument& document, double outstanding,
                      int runningNumber) {
    if (!(outstanding > 0)) return false;
    const int item = list.addItem(QString::number(runningNumber));
    list.setCell(item, ShopListColumns.kind, document.kindText);
    list.setCell(item, ShopListColumns.number, document.number);
    list.setCell(item, ShopDateColumn, document.date);
    list.setCell(item, ShopListColumns.amount, core::format(outstanding, AmountFormat));
    list.setCell(item, ShopListColumns.settlement, NothingSettled);
    list.setCell(item, ShopListColumns.id, document.id);
    list.setCell(item, ShopRemarksColumn, document.remarks);
    return true;
}

QString idOfOpeningInvoice(const ado::Recordset& invoice) {
    return core::toText(invoice.field(QStringLiteral("invoiceid")));
}

// What is open on the current opening invoice: its service lines less the discount, less what head office
// received, what settlements took and what the module's receipts settled.
OpenBalance openingInvoiceBalance(const ado::Recordset& invoice, qint32 customerId,
                                  const ado::ConnectionPtr& connection) {
    const shared::Session& s = session();
    const QString id = idOfOpeningInvoice(invoice);
    const QString company = companyText();
    const double amount =
        sumOf(shared::statement(ServiceLinesStatement, {{"invoice", id}, {"company", company}}),
              QStringLiteral("prodamount"), connection) -
        core::toDouble(invoice.field(QStringLiteral("discount")));
    const double headOffice =
        sumOf(shared::statement(HeadOfficeReceiptsStatement,
                                {{"company", company}, {"invoice", id}, {"customer", number(customerId)}}),
              QStringLiteral("Amt"), connection);
    const double settlements = openingSettlements(id);
    return {amount, headOffice + settlements, openingReceiptsSettledSql(id, number(s.shopId))};
}

// Adds the current opening invoice when something is open on it; false when nothing is left.
bool listOpeningInvoice(forms::ListView& list, const ado::Recordset& invoice, qint32 customerId,
                        int runningNumber, const ado::ConnectionPtr& connection) {
    const QString id = idOfOpeningInvoice(invoice);
    const double balance = openingInvoiceBalance(invoice, customerId, connection).now(connection);
    if (!(balance > 0)) return false;
    const int item = list.addItem(QString::number(runningNumber));
    list.setCell(item, OpeningListColumns.kind, store::openingInvoiceKind().kindText);
    list.setCell(item, OpeningListColumns.number, core::toText(invoice.field(QStringLiteral("invoiceno"))));
    list.setCell(item, OpeningReferenceColumn, core::toText(invoice.field(QStringLiteral("Referenceno"))));
    list.setCell(item, OpeningDateColumn, core::toText(invoice.field(QStringLiteral("invoicedate"))));
    list.setCell(item, OpeningListColumns.amount, core::format(balance, AmountFormat));
    list.setCell(item, OpeningListColumns.settlement, NothingSettled);
    list.setCell(item, OpeningListColumns.id, id);
    return true;
}

// Where each listed row's document is among the rows read again, and what is open on it.
struct ReadAgain {
    std::function<QString(int item)> keyOfItem;
    std::function<QString(const ado::Recordset& row)> keyOfRow;
    std::function<OpenBalance(const ado::Recordset& row)> balanceOf;
};

// What is open on each item's document, by item; an item whose document is no longer among the rows has
// nothing open.
QMap<int, OpenBalance> balancesOfItems(const QList<int>& items, ado::Recordset& rows,
                                       const ReadAgain& readAgain) {
    QMap<int, OpenBalance> balances;
    QHash<QString, int> itemOfKey;
    for (int item : items) {
        balances.insert(item, {});
        itemOfKey.insert(readAgain.keyOfItem(item), item);
    }
    for (; !rows.eof(); rows.moveNext()) {
        const auto found = itemOfKey.constFind(readAgain.keyOfRow(rows));
        if (found != itemOfKey.cend()) balances[*found] = readAgain.balanceOf(rows);
    }
    rows.close();
    return balances;
}

// A shop document is known by its kind and id: an invoice and a note may share an id.
QString shopDocumentKey(const QString& kindText, const QString& id) {
    return kindText + QLatin1Char('\n') + id;
}

} // namespace

double OpenBalance::now(const ado::ConnectionPtr& connection) const {
    return after(receiptsSql.isEmpty() ? 0 : sumOf(receiptsSql, QStringLiteral("Amt"), connection));
}

void frmReceiptShop::openShopDocuments(ado::Recordset& documents) {
    documents.open(shared::statement(ShopDocumentsStatement, {{"shop", number(session().shopId)},
                                                              {"customer", number(selectedCustomerId())}}),
                   adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
}

qint32 frmReceiptShop::openOpeningInvoices(ado::Recordset& invoices) {
    shared::Session& s = session();
    s.commonDb->strTableName = QStringLiteral("aShops where shopId= ") + number(s.shopId);
    const qint16 department = core::toInt16(s.commonDb->fnreturnfield(QStringLiteral("DepartmentID")));
    const qint32 customerId = selectedCustomerId();
    invoices.open(shared::statement(OpeningInvoicesStatement,
                                    {{"processDate", core::format(s.processDate, QStringLiteral("yyyymmdd"))},
                                     {"company", companyText()},
                                     {"customer", number(customerId)},
                                     {"department", QString::number(department)}}),
                  adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    return customerId;
}

QMap<int, OpenBalance> frmReceiptShop::shopBalances(const QList<int>& items) {
    ado::Recordset documents;
    openShopDocuments(documents);
    return balancesOfItems(items, documents,
                           {[this](int item) {
                                return shopDocumentKey(lvwInvoice.cell(item, ShopListColumns.kind),
                                                       lvwInvoice.cell(item, ShopListColumns.id));
                            },
                            [](const ado::Recordset& row) {
                                return shopDocumentKey(viewKindOfDocument(row).kindText,
                                                       idOfShopDocument(row));
                            },
                            shopDocumentBalance});
}

QMap<int, OpenBalance> frmReceiptShop::openingBalances(const QList<int>& items) {
    ado::Recordset invoices;
    const qint32 customerId = openOpeningInvoices(invoices);
    return balancesOfItems(items, invoices,
                           {[this](int item) { return lvwOpeningInvoices.cell(item, OpeningListColumns.id); },
                            idOfOpeningInvoice,
                            [this, customerId](const ado::Recordset& row) {
                                return openingInvoiceBalance(row, customerId, adocon());
                            }});
}

// What the module's receipts settled on the documents is read for all of them at once, in the view's order.
// When that fails, the documents are listed one by one again: those before the failing statement stay
// listed, and its error is the one reported.
void frmReceiptShop::LoadShopInvoices() {
    ado::Recordset rows;
    std::vector<ShopDocument> documents;
    for (openShopDocuments(rows); !rows.eof(); rows.moveNext())
        documents.push_back(shopDocumentOf(rows));
    rows.close();
    QStringList queries;
    for (const ShopDocument& document : documents)
        queries << document.balance.receiptsSql;
    std::optional<QVariantList> settled;
    try {
        if (!queries.isEmpty()) settled = adocon()->firstValues(queries);
    } catch (const core::RuntimeError&) {
        settled.reset();
    }
    int runningNumber = 1;
    for (size_t i = 0; i < documents.size(); ++i) {
        const OpenBalance& balance = documents[i].balance;
        const double outstanding =
            settled ? balance.after(core::toDouble(settled->at(qsizetype(i)))) : balance.now(adocon());
        if (listShopDocument(lvwInvoice, documents[i], outstanding, runningNumber)) ++runningNumber;
    }
}

void frmReceiptShop::LoadOpeningInvoices() {
    ado::Recordset invoices;
    const qint32 customerId = openOpeningInvoices(invoices);
    int runningNumber = 1;
    for (; !invoices.eof(); invoices.moveNext())
        if (listOpeningInvoice(lvwOpeningInvoices, invoices, customerId, runningNumber, adocon()))
            ++runningNumber;
    invoices.close();
}

} // namespace entry
