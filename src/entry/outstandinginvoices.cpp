// The customer's outstanding shop documents and opening invoices, listed with what is still open on each.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/session.h"
#include "store/invoicekinds.h"

namespace entry {

using shared::session;

namespace {

const QString AmountFormat = QStringLiteral("#0.00");
const QString NothingSettled = QStringLiteral("0.00");
const QString OpeningKindText = QStringLiteral("Opening Invoice");

// The module's live receipts on one document; the document's condition and the voucher exclusion follow.
const QString ReceiptsSettledHead =
    QStringLiteral("select isnull(sum(drdsettledamount),0) as amt ") +
    QStringLiteral(" from losdummyreceiptdetail rd,losdummyreceiptheader rh where ") +
    QStringLiteral(" rd.drdid = rh.drid and rh.drcancelled = 0 and rd.drdshopid= rh.drshopid");

QString number(qint32 value) {
    return QString::number(value);
}

// Receipts that a live head-office voucher of the company took over; the voucher's document condition
// follows.
QString takenOverReceipts(const QString& company) {
    return QStringLiteral(" and  rh.drid not in(select rh.dummyreceiptid from receiptvoucherdetails "
                          "rd,receiptvoucherheader rh where rd.companyid = ") +
           company + QStringLiteral(" and ") +
           QStringLiteral(" rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and cancelled = 0 ");
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

QString shopDocumentsSql(const QString& shop, const QString& customer) {
    return QStringLiteral(" Select invoiceId ihInvoiceId, invoiceno ihInvoiceno, invoicedate ") +
           QStringLiteral(
               " ihinvoicedate, invoiceamt - settled Amount, shopid ihShopId, type, ihRemarks from ") +
           QStringLiteral(" vwTotalInvoiceReceiptAmount vw left join losInvoiceHeader ih ") +
           QStringLiteral(" on vw.Type='PCI' and vw.shopid=ih.ihShopId and vw.invoiceid=ih.ihInvoiceId ") +
           QStringLiteral(" where Type not in ('PAYMENT', 'RE', 'HQI', 'SDEBIT', 'HDEBIT') and ") +
           QStringLiteral(" invoiceamt > settled and shopid = ") + shop +
           QStringLiteral(" and CUstomerId = ") + customer + QStringLiteral(" Order by InvoiceId, shopid");
}

QString shopReceiptsSettledSql(const ViewKind& kind, const QString& document, const QString& shop,
                               const QString& company) {
    return ReceiptsSettledHead + QStringLiteral(" and ") + kind.detailColumn + QStringLiteral("=") +
           document + QStringLiteral(" and  rd.drdshopid=") + shop + takenOverReceipts(company) +
           QStringLiteral(" and ") + kind.headOfficeColumn + QStringLiteral("= ") + document +
           QStringLiteral(" and rd.shopid=") + shop + QStringLiteral("  )");
}

QString openingInvoicesSql(const QString& company, const QString& customer, const QString& department) {
    return QStringLiteral("select invoiceid,invoiceno,invoicedate,isnull(discount,0) discount,") +
           QStringLiteral(" datediff(day,'") +
           core::format(session().processDate, QStringLiteral("yyyymmdd")) +
           QStringLiteral("',dateadd(day,dueperiod,invoicedate)) as dueperiod,product, Referenceno from ") +
           QStringLiteral(" AccountsInvoiceHeader where  cancelled = 0 and proforma = 0 and ") +
           QStringLiteral(" cashinvoice = 0 and companyid = ") + company + QStringLiteral(" ") +
           QStringLiteral(" and customerid = ") + customer + QStringLiteral(" and departmentid = ") +
           department + QStringLiteral(" and FinancialID=0");
}

QString serviceLinesSql(const QString& invoice, const QString& company) {
    return QStringLiteral(" select isnull(sum(serviceqty * amount),0) prodamount ") +
           QStringLiteral(" from serviceinvoicedetails where invoiceid = ") + invoice + QStringLiteral(" ") +
           QStringLiteral(" and companyid = ") + company + QStringLiteral(" ");
}

QString headOfficeReceiptsSql(const QString& invoice, const QString& company, const QString& customer) {
    return QStringLiteral("select isnull(sum(amountreceived),0) as amt from receiptvoucherdetails "
                          "rd,receiptvoucherheader rh where rd.companyid = ") +
           company + QStringLiteral(" and ") +
           QStringLiteral(" rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and ") +
           QStringLiteral(" cancelled = 0 and hqaccountsinvoiceid = ") + invoice +
           QStringLiteral(" and CustomerID=") + customer;
}

QString openingReceiptsSettledSql(const QString& invoice, const QString& shop, const QString& company) {
    return ReceiptsSettledHead + QStringLiteral(" and drdaccInvoiceID =") + invoice +
           QStringLiteral(" and rd.drdshopid=") + shop + takenOverReceipts(company) +
           QStringLiteral(" and hqaccountsinvoiceid = ") + invoice + QStringLiteral(" )");
}

// Customer settlements of an opening invoice, through the common database helper.
double openingSettlements(const QString& invoice, const QString& company) {
    suite::ClsCommonDb& commonDb = *session().commonDb;
    commonDb.strTableName = QStringLiteral("customersettlementheader csh,customersettlementdetail csd");
    return core::toDouble(commonDb.fnreturnfield(
        QStringLiteral("IsNull(Sum(settlementamount), 0)"),
        QStringLiteral(" csh.CSID=csd.CSID and csh.CompanyID=csd.CompanyID and ") +
            QStringLiteral(" csh.companyid=") + company + QStringLiteral(" And csd.ACCinvoiceid =") +
            invoice + QStringLiteral("  and csh.cancelled=0")));
}

// Adds the current document of the view with what the module's receipts leave open on it; false when
// nothing is left, so that the document takes no running number.
bool listShopDocument(forms::ListView& list, const ado::Recordset& document, int runningNumber,
                      const ado::ConnectionPtr& connection) {
    const shared::Session& s = session();
    const ViewKind kind = viewKindOf(core::nullAsEmpty(document.field(QStringLiteral("type"))));
    const QString id = core::toText(document.field(QStringLiteral("ihInvoiceId")));
    const double settled = sumOf(shopReceiptsSettledSql(kind, id, number(s.shopId), number(s.companyId)),
                                 QStringLiteral("Amt"), connection);
    const double outstanding = core::toDouble(document.field(QStringLiteral("Amount"))) - settled;
    if (!(outstanding > 0)) return false;
    const int item = list.addItem(QString::number(runningNumber));
    list.setCell(item, ShopListColumns.kind, kind.kindText);
    list.setCell(item, ShopListColumns.number, core::toText(document.field(QStringLiteral("ihInvoiceno"))));
    list.setCell(item, ShopDateColumn, core::toText(document.field(QStringLiteral("ihinvoicedate"))));
    list.setCell(item, ShopListColumns.amount, core::format(outstanding, AmountFormat));
    list.setCell(item, ShopListColumns.settlement, NothingSettled);
    list.setCell(item, ShopListColumns.id, id);
    list.setCell(item, ShopRemarksColumn, core::nullAsEmpty(document.field(QStringLiteral("ihRemarks"))));
    return true;
}

// Adds the current opening invoice when its service lines less the discount exceed what head office
// received, what settlements took and what the module's receipts settled; false when nothing is left.
bool listOpeningInvoice(forms::ListView& list, const ado::Recordset& invoice, qint32 customerId,
                        int runningNumber, const ado::ConnectionPtr& connection) {
    const shared::Session& s = session();
    const QString id = core::toText(invoice.field(QStringLiteral("invoiceid")));
    const QString company = number(s.companyId);
    const double amount = sumOf(serviceLinesSql(id, company), QStringLiteral("prodamount"), connection) -
                          core::toDouble(invoice.field(QStringLiteral("discount")));
    const double headOffice =
        sumOf(headOfficeReceiptsSql(id, company, number(customerId)), QStringLiteral("Amt"), connection);
    const double settlements = openingSettlements(id, company);
    const double receipts =
        sumOf(openingReceiptsSettledSql(id, number(s.shopId), company), QStringLiteral("Amt"), connection);
    const double balance = amount - (headOffice + settlements + receipts);
    if (!(balance > 0)) return false;
    const int item = list.addItem(QString::number(runningNumber));
    list.setCell(item, OpeningListColumns.kind, OpeningKindText);
    list.setCell(item, OpeningListColumns.number, core::toText(invoice.field(QStringLiteral("invoiceno"))));
    list.setCell(item, OpeningReferenceColumn, core::toText(invoice.field(QStringLiteral("Referenceno"))));
    list.setCell(item, OpeningDateColumn, core::toText(invoice.field(QStringLiteral("invoicedate"))));
    list.setCell(item, OpeningListColumns.amount, core::format(balance, AmountFormat));
    list.setCell(item, OpeningListColumns.settlement, NothingSettled);
    list.setCell(item, OpeningListColumns.id, id);
    return true;
}

} // namespace

void frmReceiptShop::LoadShopInvoices() {
    const shared::Session& s = session();
    ado::Recordset documents;
    documents.open(shopDocumentsSql(number(s.shopId), number(selectedCustomerId())), adocon(),
                   ado::CursorType::Keyset, ado::LockType::Optimistic);
    int runningNumber = 1;
    for (; !documents.eof(); documents.moveNext())
        if (listShopDocument(lvwInvoice, documents, runningNumber, adocon())) ++runningNumber;
    documents.close();
}

void frmReceiptShop::LoadOpeningInvoices() {
    shared::Session& s = session();
    s.commonDb->strTableName = QStringLiteral("aShops where shopId= ") + number(s.shopId);
    const qint16 department = core::toInt16(s.commonDb->fnreturnfield(QStringLiteral("DepartmentID")));
    const qint32 customerId = selectedCustomerId();
    ado::Recordset invoices;
    invoices.open(openingInvoicesSql(number(s.companyId), number(customerId), QString::number(department)),
                  adocon(), ado::CursorType::Keyset, ado::LockType::Optimistic);
    int runningNumber = 1;
    for (; !invoices.eof(); invoices.moveNext())
        if (listOpeningInvoice(lvwOpeningInvoices, invoices, customerId, runningNumber, adocon()))
            ++runningNumber;
    invoices.close();
}

} // namespace entry
