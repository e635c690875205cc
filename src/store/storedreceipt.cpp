// Reading a stored receipt back.
#include "storedreceipt.h"

#include "platform/core/conversions.h"
#include "platform/core/statement.h"

namespace store {

namespace {

const char* const StoredHeaderStatement =
    "select * from LOsDummyReceiptHeader where  drshopid=:shop and drid = ':receipt'";

// The detail rows in the order they were saved; the kind columns as the receipt tables spell them.
const char* const DetailsStatement =
    "select drdbookserinvoiceid,drdinvoiceid, drdserviceinvoiceid,  drdsplinvoiceid, drdinvoiceamount, "
    "drdsettledamount, drdRoomBillID,  drdUtilityBillID,drdaccInvoiceID,drdFineid,drdfandbInvoiceID from "
    "losdummyreceiptdetail  where drdshopid = :shop and  drdid = ':receipt' order by drddetailid";

} // namespace

void openStoredReceipt(ado::Recordset& header, const ado::ConnectionPtr& connection, qint32 shopId,
                       const QString& receiptId) {
    header.open(
        core::statement(StoredHeaderStatement, {{"shop", QString::number(shopId)}, {"receipt", receiptId}}),
        connection);
}

bool hasSettledDocuments(suite::ClsCommonDb& lookups, qint32 shopId, const QString& receiptId) {
    return core::val(lookups.fnreturnfield(QStringLiteral("losdummyreceiptdetail where drdid=") + receiptId +
                                               QStringLiteral(" And drdshopid = ") + QString::number(shopId),
                                           QStringLiteral("count(*)"))) > 0;
}

void openStoredLines(ado::Recordset& details, const ado::ConnectionPtr& connection, qint32 shopId,
                     const QString& receiptId) {
    details.open(
        core::statement(DetailsStatement, {{"shop", QString::number(shopId)}, {"receipt", receiptId}}),
        connection);
}

const InvoiceKind* kindOfStoredLine(const ado::Recordset& detail) {
    for (const InvoiceKind& kind : invoiceKinds())
        if (!core::isNull(detail.field(kind.detailColumn))) return &kind;
    return nullptr;
}

void openStoredDocument(ado::Recordset& document, const ado::ConnectionPtr& connection,
                        const InvoiceKind& kind, const QString& documentId, qint32 companyId, qint32 shopId) {
    const qint32 scope = kind.companyWide ? companyId : shopId;
    document.open(core::statement(kind.lookupStatement, {{"table", kind.sourceTable},
                                                         {"shop", kind.shopColumn},
                                                         {"id", kind.idColumn},
                                                         {"number", kind.numberColumn},
                                                         {"date", kind.dateColumn},
                                                         {"remarks", kind.remarksColumn},
                                                         {"reference", kind.referenceColumn},
                                                         {"scope", QString::number(scope)},
                                                         {"document", documentId}}),
                  connection);
}

} // namespace store
