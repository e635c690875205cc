// Listing the customer's open documents and working out what is open on them.
#include "opendocuments.h"

#include "documentsums.h"
#include "invoicekinds.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/core/statement.h"

#include <optional>

namespace store {

namespace {

// The customer's documents of the view that still have an open amount in the shop: all of them in the
// order of their ids for the list, or those of the ids :documents names.
const char* const CustomersOpenDocuments =
    " Select invoiceId ihInvoiceId, invoiceno ihInvoiceno, invoicedate  ihinvoicedate, invoiceamt - settled "
    "Amount, shopid ihShopId, type, ihRemarks from  vwTotalInvoiceReceiptAmount vw left join "
    "losInvoiceHeader ih  on vw.Type='PCI' and vw.shopid=ih.ihShopId and vw.invoiceid=ih.ihInvoiceId  where "
    "Type not in ('PAYMENT', 'RE', 'HQI', 'SDEBIT', 'HDEBIT') and  invoiceamt > settled and shopid = :shop "
    "and CUstomerId = :customer";
const char* const ListedInOrder = " Order by InvoiceId, shopid";
const char* const OfTheIds = " and invoiceId :documents";

// The module's live receipts on the named documents, by document: the detail rows whose :detail expression
// names one, of receipts that no live head-office voucher of the company took over whose rows the :voucher
// condition ties to the same document. The cross join has the embedded engine go from the named documents'
// rows to their receipts, never through all the shop's receipts.
const char* const ReceiptsSettledStatement =
    "select isnull(sum(drdsettledamount),0) as amt, :detail as document from losdummyreceiptdetail rd cross "
    "join losdummyreceiptheader rh where rd.drdid = rh.drid and rh.drcancelled = 0 and rd.drdshopid = "
    "rh.drshopid "
    "and :detail :documents and rd.drdshopid = :shop and rh.drid not in (select vh.dummyreceiptid from "
    "receiptvoucherdetails vd, receiptvoucherheader vh where vd.companyid = :company and vd.receiptid = "
    "vh.receiptid and vd.companyid = vh.companyid and cancelled = 0 and :voucher) group by :detail";
const char* const ShopVoucherCondition = ":column = :detail and vd.shopid = :shop";
const char* const OpeningDetail = "drdaccInvoiceID";
const char* const OpeningVoucherCondition = "hqaccountsinvoiceid = drdaccInvoiceID";

// The customer's opening invoices of the department, with their days to the due date.
const char* const OpeningInvoicesStatement =
    "select invoiceid,invoiceno,invoicedate,isnull(discount,0) discount, "
    "datediff(day,':processDate',dateadd(day,dueperiod,invoicedate)) as dueperiod,product, Referenceno "
    "from  AccountsInvoiceHeader where  cancelled = 0 and proforma = 0 and  cashinvoice = 0 and companyid = "
    ":company  and customerid = :customer and departmentid = :department and FinancialID=0";

// What the opening invoices' service lines come to, what head office received on them and what settlements
// took of them, by invoice.
const char* const ServiceLinesStatement =
    "select isnull(sum(serviceqty * amount),0) prodamount, invoiceid from serviceinvoicedetails where "
    "invoiceid :documents and companyid = :company group by invoiceid";

const char* const HeadOfficeReceiptsStatement =
    "select isnull(sum(amountreceived),0) as amt, hqaccountsinvoiceid from receiptvoucherdetails rd, "
    "receiptvoucherheader rh where rd.companyid = :company and rd.receiptid = rh.receiptid and rd.companyid "
    "= "
    "rh.companyid and cancelled = 0 and hqaccountsinvoiceid :documents and CustomerID = :customer group "
    "by hqaccountsinvoiceid";

const char* const OpeningSettlementsStatement =
    "select IsNull(Sum(settlementamount), 0), csd.ACCinvoiceid from customersettlementheader csh, "
    "customersettlementdetail csd where csh.CSID = csd.CSID and csh.CompanyID = csd.CompanyID and "
    "csh.companyid = :company and csd.ACCinvoiceid :documents and csh.cancelled = 0 group by "
    "csd.ACCinvoiceid";

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

ReceiptsOn shopReceiptsOn(const ViewKind& kind, const QString& document, const DocumentOwner& owner) {
    const QString voucher = core::statement(
        ShopVoucherCondition,
        {{"column", kind.headOfficeColumn}, {"detail", kind.detailColumn}, {"shop", number(owner.shopId)}});
    return {kind.detailColumn, voucher, owner, document};
}

ReceiptsOn openingReceiptsOn(const QString& invoice, const DocumentOwner& owner) {
    return {OpeningDetail, OpeningVoucherCondition, owner, invoice};
}

// The statement of what the module's receipts settled on the documents found like `on`, by document.
QString receiptsSettledSql(const ReceiptsOn& on, const QString& documents) {
    return core::statement(ReceiptsSettledStatement, {{"detail", on.detail},
                                                      {"documents", documents},
                                                      {"shop", number(on.owner.shopId)},
                                                      {"company", number(on.owner.companyId)},
                                                      {"voucher", on.voucher}});
}

// What the module's receipts settled on each of the listed documents, a statement for the documents that are
// found alike, all sent together; a failing statement's documents are read one by one.
class ReceiptsSettled {
public:
    ReceiptsSettled(const ado::ConnectionPtr& connection, const std::vector<ReceiptsOn>& documents) {
        std::vector<DocumentSums::Request> requests;
        for (const ReceiptsOn& on : documents)
            if (!on.document.isEmpty()) {
                if (!placeOf_.contains(keyOf(on))) {
                    placeOf_.insert(keyOf(on), requests.size());
                    requests.push_back({statementFor(on), {}});
                }
                requests[placeOf_.value(keyOf(on))].ids << on.document;
            }
        sums_ = DocumentSums::readTogether(connection, requests, DocumentSums::OnFailure::ReadAlone);
    }

    QVariant on(const ReceiptsOn& receipts) {
        return receipts.document.isEmpty() ? QVariant(0)
                                           : sums_[placeOf_.value(keyOf(receipts))].of(receipts.document);
    }

private:
    // The sums of the documents found alike, at the place their key gives.
    std::vector<DocumentSums> sums_;
    QHash<QString, size_t> placeOf_;

    static QString keyOf(const ReceiptsOn& on) { return on.detail + QLatin1Char('\n') + on.voucher; }
    static DocumentSums::StatementFor statementFor(const ReceiptsOn& on) {
        return [on](const QString& documents) { return receiptsSettledSql(on, documents); };
    }
};

// The day of a document's date; none for a document without one or with one that is no date.
QDate dayOf(const QVariant& date) {
    return core::isDate(date) ? core::toDateTime(date).date() : QDate();
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
             shopReceiptsOn(kind, id, owner)},
            dayOf(document.field(QStringLiteral("ihinvoicedate")))};
}

// The customer's open shop documents, in the order of their ids; with `ids`, only those of these ids.
std::vector<ShopDocument> shopDocuments(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                        const std::optional<QStringList>& ids = std::nullopt) {
    const QString chosen = ids ? QString::fromLatin1(OfTheIds) : QString::fromLatin1(ListedInOrder);
    ado::Recordset rows;
    rows.open(core::statement(CustomersOpenDocuments + chosen,
                              {{"shop", number(owner.shopId)},
                               {"customer", number(owner.customerId)},
                               {"documents", ids ? documentsCondition(*ids) : QString()}}),
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
            core::ExactAmount::of(invoice.field(QStringLiteral("discount"))),
            dayOf(invoice.field(QStringLiteral("invoicedate")))};
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

// What other programs leave open on opening invoices: their service lines, what head office received on
// them, what settlements took of them.
class OpeningSums {
public:
    OpeningSums(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                const std::vector<OpeningInvoice>& invoices, DocumentSums::OnFailure onFailure)
        : owner_(owner),
          sums_(DocumentSums::readTogether(connection,
                                           {{statementFor(ServiceLinesStatement), idsOf(invoices)},
                                            {statementFor(HeadOfficeReceiptsStatement), idsOf(invoices)},
                                            {statementFor(OpeningSettlementsStatement), idsOf(invoices)}},
                                           onFailure)) {}

    // The invoice's lines less its discount, less what head office received and what settlements took;
    // what the module's receipts settled is left to read.
    OpenBalance balanceOf(const OpeningInvoice& invoice) {
        const core::ExactAmount lines = core::ExactAmount::of(sums_[ServiceLines].of(invoice.id));
        const core::ExactAmount elsewhere = core::ExactAmount::of(sums_[HeadOffice].of(invoice.id)) +
                                            core::ExactAmount::of(sums_[Settlements].of(invoice.id));
        return {lines - invoice.discount, elsewhere, openingReceiptsOn(invoice.id, owner_)};
    }

private:
    // The sums read, in the order the constructor asks for them.
    enum { ServiceLines, HeadOffice, Settlements };
    DocumentOwner owner_;
    std::vector<DocumentSums> sums_;

    static QStringList idsOf(const std::vector<OpeningInvoice>& invoices) {
        QStringList ids;
        for (const OpeningInvoice& invoice : invoices)
            ids << invoice.id;
        return ids;
    }
    DocumentSums::StatementFor statementFor(const char* statement) const {
        return [statement, owner = owner_](const QString& documents) {
            return core::statement(statement, {{"documents", documents},
                                               {"company", number(owner.companyId)},
                                               {"customer", number(owner.customerId)}});
        };
    }
};

} // namespace

void listShopDocuments(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                       const std::function<void(const ShopDocument&, core::Money open)>& list) {
    const std::vector<ShopDocument> documents = shopDocuments(connection, owner);
    std::vector<ReceiptsOn> on;
    for (const ShopDocument& document : documents)
        on.push_back(document.balance.receiptsOn);
    ReceiptsSettled receipts(connection, on);
    for (const ShopDocument& document : documents) {
        const core::Money open = document.balance.shownAfter(receipts.on(document.balance.receiptsOn));
        if (open > core::Money()) list(document, open);
    }
}

void listOpeningInvoices(const ado::ConnectionPtr& connection, const DocumentOwner& owner, qint16 department,
                         const QDateTime& processDate,
                         const std::function<void(const OpeningInvoice&, core::Money open)>& list) {
    const std::vector<OpeningInvoice> invoices = openingInvoices(connection, owner, department, processDate);
    std::vector<ReceiptsOn> on;
    for (const OpeningInvoice& invoice : invoices)
        on.push_back(openingReceiptsOn(invoice.id, owner));
    OpeningSums sums(connection, owner, invoices, DocumentSums::OnFailure::ReadAlone);
    ReceiptsSettled receipts(connection, on);
    for (size_t k = 0; k < invoices.size(); ++k) {
        const core::Money open = sums.balanceOf(invoices[k]).shownAfter(receipts.on(on[k]));
        if (open > core::Money()) list(invoices[k], open);
    }
}

QString shopDocumentKey(const QString& kindText, const QString& id) {
    return kindText + QLatin1Char('\n') + id;
}

QHash<QString, OpenBalance> shopBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                         const QStringList& ids) {
    QHash<QString, OpenBalance> balances;
    if (ids.isEmpty()) return balances;
    for (const ShopDocument& document : shopDocuments(connection, owner, ids))
        balances.insert(shopDocumentKey(document.kindText, document.id), document.balance);
    return balances;
}

QHash<QString, OpenBalance> openingBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                            qint16 department, const QDateTime& processDate,
                                            const QStringList& ids) {
    std::vector<OpeningInvoice> named = openingInvoices(connection, owner, department, processDate);
    std::erase_if(named, [&ids](const OpeningInvoice& invoice) { return !ids.contains(invoice.id); });
    OpeningSums sums(connection, owner, named, DocumentSums::OnFailure::Throw);
    QHash<QString, OpenBalance> balances;
    for (const OpeningInvoice& invoice : named)
        balances.insert(invoice.id, sums.balanceOf(invoice));
    return balances;
}

QStringList settledNowStatements(const std::vector<OpenBalance>& balances) {
    QStringList queries;
    for (const OpenBalance& balance : balances)
        if (!balance.receiptsOn.document.isEmpty())
            queries << receiptsSettledSql(balance.receiptsOn,
                                          documentsCondition({balance.receiptsOn.document}));
    return queries;
}

std::vector<core::Money> openNow(const std::vector<OpenBalance>& balances, const QVariantList& settledNow) {
    std::vector<core::Money> open;
    qsizetype next = 0;
    for (const OpenBalance& balance : balances) {
        const QVariant settled = balance.receiptsOn.document.isEmpty() ? QVariant() : settledNow.at(next++);
        open.push_back(balance.shownAfter(core::isNull(settled) ? QVariant(0) : settled));
    }
    return open;
}

} // namespace store
