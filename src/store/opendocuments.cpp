// Listing the customer's open documents and working out what is open on them.
#include "opendocuments.h"

#include "invoicekinds.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/core/statement.h"

#include <optional>

namespace store {

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

// Where a view code's documents are named: a kind outside the catalogue is matched through every column.
struct ViewKind {
    QString kindText;
    QString detailColumn;
    QString headOfficeColumn;
};

ViewKind viewKindOf(const QString& type) {
    if (const auto kind = kindOfViewType(type))
        return {kind->kindText, kind->detailColumn, kind->headOfficeColumn};
    return {QString(), DetailIdFallback, ViewIdFallback};
}

QString receiptsSettledSql(const QString& detailCondition, const QString& voucherCondition,
                           qint32 companyId) {
    return core::statement(
        ReceiptsSettledStatement,
        {{"detail", detailCondition}, {"voucher", voucherCondition}, {"company", number(companyId)}});
}

QString shopReceiptsSettledSql(const ViewKind& kind, const QString& document, const DocumentOwner& owner) {
    const QString shop = number(owner.shopId);
    return receiptsSettledSql(
        core::statement(ShopDetailCondition,
                        {{"column", kind.detailColumn}, {"document", document}, {"shop", shop}}),
        core::statement(ShopVoucherCondition,
                        {{"column", kind.headOfficeColumn}, {"document", document}, {"shop", shop}}),
        owner.companyId);
}

QString openingReceiptsSettledSql(const QString& invoice, const DocumentOwner& owner) {
    return receiptsSettledSql(
        core::statement(OpeningDetailCondition, {{"document", invoice}, {"shop", number(owner.shopId)}}),
        core::statement(OpeningVoucherCondition, {{"document", invoice}}), owner.companyId);
}

ShopDocument shopDocumentOf(const ado::Recordset& document, const DocumentOwner& owner) {
    const ViewKind kind = viewKindOf(core::nullAsEmpty(document.field(QStringLiteral("type"))));
    const QString id = core::toText(document.field(QStringLiteral("ihInvoiceId")));
    return {kind.kindText,
            core::toText(document.field(QStringLiteral("ihInvoiceno"))),
            core::toText(document.field(QStringLiteral("ihinvoicedate"))),
            id,
            core::nullAsEmpty(document.field(QStringLiteral("ihRemarks"))),
            {core::ExactAmount::of(document.field(QStringLiteral("Amount"))), core::ExactAmount(),
             shopReceiptsSettledSql(kind, id, owner)}};
}

std::vector<ShopDocument> shopDocuments(const ado::ConnectionPtr& connection, const DocumentOwner& owner) {
    ado::Recordset rows;
    rows.open(core::statement(ShopDocumentsStatement,
                              {{"shop", number(owner.shopId)}, {"customer", number(owner.customerId)}}),
              connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    std::vector<ShopDocument> documents;
    for (; !rows.eof(); rows.moveNext())
        documents.push_back(shopDocumentOf(rows, owner));
    rows.close();
    return documents;
}

OpeningInvoice openingInvoiceOf(const ado::Recordset& invoice) {
    return {core::toText(invoice.field(QStringLiteral("invoiceid"))),
            core::toText(invoice.field(QStringLiteral("invoiceno"))),
            core::toText(invoice.field(QStringLiteral("Referenceno"))),
            core::toText(invoice.field(QStringLiteral("invoicedate"))),
            core::ExactAmount::of(invoice.field(QStringLiteral("discount")))};
}

std::vector<OpeningInvoice> openingInvoices(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                            qint16 department, const QDateTime& processDate) {
    ado::Recordset rows;
    rows.open(core::statement(OpeningInvoicesStatement,
                              {{"processDate", core::format(processDate, QStringLiteral("yyyymmdd"))},
                               {"company", number(owner.companyId)},
                               {"customer", number(owner.customerId)},
                               {"department", QString::number(department)}}),
              connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    std::vector<OpeningInvoice> invoices;
    for (; !rows.eof(); rows.moveNext())
        invoices.push_back(openingInvoiceOf(rows));
    rows.close();
    return invoices;
}

// The sums that say what other programs leave open on an opening invoice, in this order: its service lines,
// what head office received on it, what settlements took of it.
constexpr qsizetype OpeningSums = 3;
QStringList openingSumsSql(const OpeningInvoice& invoice, const DocumentOwner& owner) {
    const QString company = number(owner.companyId);
    return {core::statement(ServiceLinesStatement, {{"invoice", invoice.id}, {"company", company}}),
            core::statement(
                HeadOfficeReceiptsStatement,
                {{"company", company}, {"invoice", invoice.id}, {"customer", number(owner.customerId)}}),
            core::statement(OpeningSettlementsStatement, {{"company", company}, {"invoice", invoice.id}})};
}

// What is open on an opening invoice, given its sums: its service lines less the discount, less what head
// office received, what settlements took and what the module's receipts settled.
OpenBalance openingInvoiceBalance(const OpeningInvoice& invoice, const QVariantList& sums,
                                  const DocumentOwner& owner) {
    return {core::ExactAmount::of(sums.at(0)) - invoice.discount,
            core::ExactAmount::of(sums.at(1)) + core::ExactAmount::of(sums.at(2)),
            openingReceiptsSettledSql(invoice.id, owner)};
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

} // namespace

void listShopDocuments(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                       const std::function<void(const ShopDocument&, core::Money open)>& list) {
    const std::vector<ShopDocument> documents = shopDocuments(connection, owner);
    QStringList receipts;
    for (const ShopDocument& document : documents)
        receipts << document.balance.receiptsSql;
    readInGroups(connection, receipts, 1, [&](qsizetype first, const QVariantList& values) {
        const ShopDocument& document = documents[size_t(first)];
        const core::Money open = document.balance.shownAfter(values.at(0));
        if (open > core::Money()) list(document, open);
    });
}

void listOpeningInvoices(const ado::ConnectionPtr& connection, const DocumentOwner& owner, qint16 department,
                         const QDateTime& processDate,
                         const std::function<void(const OpeningInvoice&, core::Money open)>& list) {
    const std::vector<OpeningInvoice> invoices = openingInvoices(connection, owner, department, processDate);
    constexpr qsizetype SumsOfInvoice = OpeningSums + 1;
    QStringList sums;
    for (const OpeningInvoice& invoice : invoices)
        sums << openingSumsSql(invoice, owner) << openingReceiptsSettledSql(invoice.id, owner);
    readInGroups(connection, sums, SumsOfInvoice, [&](qsizetype first, const QVariantList& values) {
        const OpeningInvoice& invoice = invoices[size_t(first / SumsOfInvoice)];
        const core::Money open =
            openingInvoiceBalance(invoice, values, owner).shownAfter(values.at(OpeningSums));
        if (open > core::Money()) list(invoice, open);
    });
}

QString shopDocumentKey(const QString& kindText, const QString& id) {
    return kindText + QLatin1Char('\n') + id;
}

QHash<QString, OpenBalance> shopBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner) {
    QHash<QString, OpenBalance> balances;
    for (const ShopDocument& document : shopDocuments(connection, owner))
        balances.insert(shopDocumentKey(document.kindText, document.id), document.balance);
    return balances;
}

QHash<QString, OpenBalance> openingBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                            qint16 department, const QDateTime& processDate,
                                            const QStringList& ids) {
    std::vector<OpeningInvoice> named = openingInvoices(connection, owner, department, processDate);
    std::erase_if(named, [&ids](const OpeningInvoice& invoice) { return !ids.contains(invoice.id); });
    QStringList sums;
    for (const OpeningInvoice& invoice : named)
        sums << openingSumsSql(invoice, owner);
    const QVariantList values = sums.isEmpty() ? QVariantList() : connection->firstValues(sums);
    QHash<QString, OpenBalance> balances;
    for (size_t k = 0; k < named.size(); ++k)
        balances.insert(
            named[k].id,
            openingInvoiceBalance(named[k], values.mid(qsizetype(k) * OpeningSums, OpeningSums), owner));
    return balances;
}

std::vector<core::Money> openNow(const ado::ConnectionPtr& connection,
                                 const std::vector<OpenBalance>& balances) {
    QStringList queries;
    for (const OpenBalance& open : balances)
        if (!open.receiptsSql.isEmpty()) queries << open.receiptsSql;
    const QVariantList receipts = queries.isEmpty() ? QVariantList() : connection->firstValues(queries);
    std::vector<core::Money> open;
    qsizetype next = 0;
    for (const OpenBalance& balance : balances)
        open.push_back(balance.shownAfter(balance.receiptsSql.isEmpty() ? QVariant(0) : receipts.at(next++)));
    return open;
}

} // namespace store
