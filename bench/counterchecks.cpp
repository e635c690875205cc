// The checks of the counters benchmark: no receipt duplicated, lost or incomplete, no document settled beyond
// what was open on it.
#include "counters.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "store/invoicekinds.h"

namespace bench::counters {

namespace {

const char* const DuplicateIdsStatement =
    "select count(*) from (select drShopid, drID from LosDummyReceiptHeader group by drShopid, drID "
    "having count(*) > 1) d";
const char* const DuplicateNumbersStatement =
    "select count(*) from (select drNo from LosDummyReceiptHeader where drNo is not null group by drNo "
    "having count(*) > 1) d";
const char* const ReceiptsStatement = "select count(*) from LosDummyReceiptHeader where drShopid = %1";
const char* const IncompleteStatement =
    "select count(*) from LosDummyReceiptHeader h where h.drShopid = %1 and (not exists (select 1 from "
    "LosDummyReceiptDetail d where d.drdshopid = h.drShopid and d.drdid = h.drID) or abs(h.drrecamount - "
    "(select sum(d.drdsettledamount) from LosDummyReceiptDetail d where d.drdshopid = h.drShopid and "
    "d.drdid = h.drID)) >= 0.005)";
// %2 the kind's type code in the view, %3 the detail column that names its documents.
const char* const OverSettledStatement =
    "select count(*) from vwTotalInvoiceReceiptAmount vw where vw.shopid = %1 and vw.type = '%2' and "
    "vw.invoiceamt - vw.settled + 0.005 < (select isnull(sum(d.drdsettledamount), 0) from "
    "LosDummyReceiptDetail d join LosDummyReceiptHeader h on h.drShopid = d.drdshopid and h.drID = d.drdid "
    "where h.drCancelled = 0 and d.drdshopid = %1 and d.%3 = vw.invoiceId)";

long countOf(const QString& sql, const ado::ConnectionPtr& connection) {
    ado::Recordset rs;
    rs.open(sql, connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    const long count = core::toInt32(rs.field(0));
    rs.close();
    return count;
}

QString ofShop(const char* statement) {
    return QString::fromUtf8(statement).arg(BenchShop);
}

// Every kind of shop document the view lists, each against the detail column that names it.
long overSettledDocuments(const ado::ConnectionPtr& connection) {
    long count = 0;
    for (const store::InvoiceKind& kind : store::invoiceKinds())
        if (!kind.companyWide && !kind.viewType.isEmpty())
            count += countOf(ofShop(OverSettledStatement).arg(kind.viewType, kind.detailColumn), connection);
    return count;
}

} // namespace

bool StoredState::sound(long savesReported) const {
    return duplicateIds == 0 && duplicateNumbers == 0 && incomplete == 0 && overSettled == 0 &&
           receipts == savesReported;
}

StoredState checkStored(const ado::ConnectionPtr& connection) {
    StoredState state;
    state.duplicateIds = countOf(QString::fromUtf8(DuplicateIdsStatement), connection);
    state.duplicateNumbers = countOf(QString::fromUtf8(DuplicateNumbersStatement), connection);
    state.receipts = countOf(ofShop(ReceiptsStatement), connection);
    state.incomplete = countOf(ofShop(IncompleteStatement), connection);
    state.overSettled = overSettledDocuments(connection);
    return state;
}

} // namespace bench::counters
