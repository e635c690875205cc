// The documents a stored receipt settled, loaded into the entry window's two lists.
#include "entry/invoicelists.h"
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/reporterror.h"
#include "store/invoicekinds.h"

namespace receiptregister {

using namespace entry;

using shared::session;

namespace {

const QString OpeningKindColumn = QStringLiteral("drdaccinvoiceid");

// How a stored receipt's row of one kind looks its document up: %1 is the shop (the company for
// opening invoices), %2 the document id.
struct DocumentLookup {
    QString detailColumn;
    QString statement;
    QString remarksColumn; // filled into the remarks column, an empty text for null
};

const std::vector<DocumentLookup>& documentLookups() {
    static const std::vector<DocumentLookup> lookups = {
        {OpeningKindColumn,
         "select invoiceid,invoiceno,invoicedate, Referenceno from  AccountsInvoiceHeader where  invoiceid = "
         "%2 "
         " and cashinvoice = 0 and companyid = %1  and FinancialID=0",
         ""},
        {"drdinvoiceid",
         "select ihinvoiceno, ihinvoicedate,ihRemarks from losinvoiceheader where ihtype='I' and ihshopid = "
         "%1 and "
         "ihinvoiceid = %2",
         "ihRemarks"},
        {"drdserviceinvoiceid",
         "select aiinvoiceno, aiinvoicedate from losaccountsinvoiceheader where aishopid = %1 and "
         "aiinvoiceid = %2",
         ""},
        {"drdsplinvoiceid",
         "select ihinvoiceno, ihinvoicedate from losspecialinvoiceheader where ihshopid = %1 and ihinvoiceid "
         "= %2",
         ""},
        {"drdRoomBillID",
         "select abhBillNo, abhBillDate from losApartmentBillHeader where abhshopid = %1 and abhBillID= %2",
         ""},
        {"drdUtilityBillID",
         "select tbhBillNo, tbhBillDate from losTenantServiceBillHeader where tbhshopid = %1 and tbhBillID= "
         "%2",
         ""},
        {"drdbookserinvoiceid",
         "select serinvno, serinvhdate from losserviceinvheader where serinvhshopid = %1 and serinvhid= %2",
         ""},
        {"drdfineid", "select fhfineno from afineheader where fhshopid = %1 and fhfineid= %2", ""},
        {"drdfandbInvoiceID",
         "select poshBillNo,poshBillDate from losPosFandBHeader where poshShopID = %1 and poshBillID= %2",
         ""},
    };
    return lookups;
}

const DocumentLookup& lookupOf(const store::InvoiceKind& kind) {
    for (const DocumentLookup& lookup : documentLookups())
        if (lookup.detailColumn == kind.detailColumn) return lookup;
    throw core::RuntimeError::of(core::err::InvalidCall);
}

// The first kind column holding a value, in the order the kinds are tested; none when all are null.
const store::InvoiceKind* kindOfDetail(const ado::Recordset& detail) {
    for (const store::InvoiceKind& kind : store::invoiceKinds())
        if (!core::isNull(detail.field(kind.detailColumn))) return &kind;
    return nullptr;
}

// Numbers and dates of a document must be there: a null stops the loading as a missing row does.
void fillShopDocument(forms::ListView& list, int item, const store::InvoiceKind& kind,
                      const ado::Recordset& rs) {
    list.setCell(item, ShopListColumns.number, core::toText(rs.field(kind.numberColumn)));
    list.setCell(item, ShopDateColumn,
                 kind.dateColumn.isEmpty() ? QString() : core::toText(rs.field(kind.dateColumn)));
    const QString& remarks = lookupOf(kind).remarksColumn;
    if (!remarks.isEmpty()) list.setCell(item, ShopRemarksColumn, core::nullAsEmpty(rs.field(remarks)));
}

void fillOpeningInvoice(forms::ListView& list, int item, const ado::Recordset& rs) {
    list.setCell(item, OpeningListColumns.number, core::toText(rs.field(QStringLiteral("invoiceno"))));
    list.setCell(item, OpeningReferenceColumn, core::toText(rs.field(QStringLiteral("Referenceno"))));
    list.setCell(item, OpeningDateColumn, core::toText(rs.field(QStringLiteral("invoicedate"))));
    list.setCell(item, OpeningListColumns.id, core::toText(rs.field(QStringLiteral("invoiceid"))));
}

void lookUpDocument(forms::ListView& list, int item, const store::InvoiceKind& kind,
                    const QString& documentId, const ado::ConnectionPtr& connection) {
    const bool opening = kind.detailColumn == OpeningKindColumn;
    const qint32 scope = opening ? session().companyId : session().shopId;
    ado::Recordset rs;
    rs.open(lookupOf(kind).statement.arg(QString::number(scope), documentId), connection);
    if (opening)
        fillOpeningInvoice(list, item, rs);
    else
        fillShopDocument(list, item, kind, rs);
    rs.close();
}

void addStoredDocument(entry::frmReceiptShop& entry, const ado::Recordset& detail,
                       const ado::ConnectionPtr& connection) {
    const store::InvoiceKind* kind = kindOfDetail(detail);
    const bool opening = kind && kind->detailColumn == OpeningKindColumn;
    forms::ListView& list = opening ? entry.lvwOpeningInvoices : entry.lvwInvoice;
    const InvoiceListColumns& columns = opening ? OpeningListColumns : ShopListColumns;
    const int item = list.addItem(QString::number(list.count() + 1));
    if (kind) {
        const QString documentId = core::toText(detail.field(kind->detailColumn));
        list.setCell(item, ShopListColumns.kind, kind->storedKindText);
        lookUpDocument(list, item, *kind, documentId, connection);
        if (!opening) list.setCell(item, columns.id, documentId);
    }
    list.setCell(item, columns.amount,
                 core::format(detail.field(QStringLiteral("drdinvoiceamount")), QStringLiteral("#0.00")));
    list.setCell(item, columns.settlement,
                 core::format(detail.field(QStringLiteral("drdsettledamount")), QStringLiteral("0.00")));
}

} // namespace

void FrmMaster::DisplayDetails() {
    shared::trapped(name(), QStringLiteral("DisplayDetails"), [this] {
        const QString receiptId = flexMaster.textMatrix(flexMaster.row(), shared::gridcol::ReceiptId);
        ado::Recordset details;
        details.open(
            QStringLiteral("select drdbookserinvoiceid,drdinvoiceid, drdserviceinvoiceid,  drdsplinvoiceid, "
                           "drdinvoiceamount, drdsettledamount, drdRoomBillID,  drdUtilityBillID,"
                           "drdaccInvoiceID,drdFineid,drdfandbInvoiceID from losdummyreceiptdetail  where "
                           "drdshopid = ") +
                QString::number(session().shopId) + QStringLiteral(" and  drdid = '") + receiptId +
                QStringLiteral("' order by drddetailid"),
            connection);
        entry::frmReceiptShop& entry = entryWindow();
        for (; !details.eof(); details.moveNext())
            addStoredDocument(entry, details, connection);
        details.close();
    });
}

} // namespace receiptregister
