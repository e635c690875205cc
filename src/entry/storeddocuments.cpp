// The documents a stored receipt settled, listed in the entry window's two invoice lists.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/reporterror.h"
#include "shared/session.h"
#include "shared/windows.h"
#include "store/storedreceipt.h"

namespace entry {

using shared::session;

namespace {

// Numbers and dates of a document must be there: a null stops the loading as a missing row does.
void fillShopDocument(forms::ListView& list, int item, const store::InvoiceKind& kind,
                      const ado::Recordset& rs) {
    list.setCell(item, ShopListColumns.number, core::toText(rs.field(kind.numberColumn)));
    list.setCell(item, ShopDateColumn,
                 kind.dateColumn.isEmpty() ? QString() : core::toText(rs.field(kind.dateColumn)));
    if (!kind.remarksColumn.isEmpty())
        list.setCell(item, ShopRemarksColumn, core::nullAsEmpty(rs.field(kind.remarksColumn)));
}

void fillOpeningInvoice(forms::ListView& list, int item, const store::InvoiceKind& kind,
                        const ado::Recordset& rs) {
    list.setCell(item, OpeningListColumns.number, core::toText(rs.field(kind.numberColumn)));
    list.setCell(item, OpeningReferenceColumn, core::toText(rs.field(kind.referenceColumn)));
    list.setCell(item, OpeningDateColumn, core::toText(rs.field(kind.dateColumn)));
    list.setCell(item, OpeningListColumns.id, core::toText(rs.field(kind.idColumn)));
}

void lookUpDocument(forms::ListView& list, int item, const store::InvoiceKind& kind,
                    const QString& documentId, const ado::ConnectionPtr& connection) {
    ado::Recordset rs;
    store::openStoredDocument(rs, connection, kind, documentId, session().companyId, session().shopId);
    if (kind.companyWide)
        fillOpeningInvoice(list, item, kind, rs);
    else
        fillShopDocument(list, item, kind, rs);
    rs.close();
}

} // namespace

// Listing the documents is the register's part of Edit: a failure is reported under the register's
// name, keeps the rows listed before it and lets the rest of Edit go on.
void frmReceiptShop::DisplayDetails(const QString& receiptId) {
    shared::trapped(shared::RegisterWindowName, QStringLiteral("DisplayDetails"), [this, &receiptId] {
        ado::Recordset details;
        store::openStoredLines(details, adocon(), session().shopId, receiptId);
        for (; !details.eof(); details.moveNext())
            addStoredDocument(details);
        details.close();
    });
}

void frmReceiptShop::addStoredDocument(const ado::Recordset& detail) {
    const store::InvoiceKind* kind = store::kindOfStoredLine(detail);
    const bool opening = kind && kind->companyWide;
    const DocumentList shownIn = opening ? DocumentList::Opening : DocumentList::Shop;
    forms::ListView& list = listView(shownIn);
    const InvoiceListColumns& columns = columnsOf(shownIn);
    const int item = list.addItem(QString::number(list.count() + 1));
    if (kind) {
        const QString documentId = core::toText(detail.field(kind->detailColumn));
        list.setCell(item, columns.kind, kind->storedKindText);
        lookUpDocument(list, item, *kind, documentId, adocon());
        if (!opening) list.setCell(item, columns.id, documentId);
    }
    list.setCell(item, columns.amount,
                 core::format(detail.field(QStringLiteral("drdinvoiceamount")), QStringLiteral("#0.00")));
    list.setCell(item, columns.settlement,
                 core::format(detail.field(QStringLiteral("drdsettledamount")), QStringLiteral("0.00")));
}

} // namespace entry
