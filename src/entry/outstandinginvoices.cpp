// The customer's outstanding shop documents and opening invoices, listed with what is still open on each.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/core/conversions.h"
#include "shared/session.h"
#include "store/invoicekinds.h"

#include <QHash>
#include <QMap>
#include <vector>

namespace entry {

using shared::session;

namespace {

// Adds the document with what is open on it.
void listShopDocument(forms::ListView& list, Receipt& receipt, const store::ShopDocument& document,
                      Money open) {
    const int item = receipt.addLine({DocumentList::Shop, 0, document.kindText, document.id, document.number,
                                      QString(), open, Money(), document.day});
    list.addItem(QString::number(item));
    list.setCell(item, ShopListColumns.kind, document.kindText);
    list.setCell(item, ShopListColumns.number, document.number);
    list.setCell(item, ShopDateColumn, document.date);
    list.setCell(item, ShopListColumns.amount, shownAmount(open));
    list.setCell(item, ShopListColumns.settlement, shownAmount(Money()));
    list.setCell(item, ShopListColumns.id, document.id);
    list.setCell(item, ShopRemarksColumn, document.remarks);
}

// Adds the opening invoice with what is open on it.
void listOpeningInvoice(forms::ListView& list, Receipt& receipt, const store::OpeningInvoice& invoice,
                        Money open) {
    const QString kindText = store::openingInvoiceKind().kindText;
    const int item = receipt.addLine({DocumentList::Opening, 0, kindText, invoice.id, invoice.number,
                                      invoice.reference, open, Money(), invoice.day});
    list.addItem(QString::number(item));
    list.setCell(item, OpeningListColumns.kind, kindText);
    list.setCell(item, OpeningListColumns.number, invoice.number);
    list.setCell(item, OpeningReferenceColumn, invoice.reference);
    list.setCell(item, OpeningDateColumn, invoice.date);
    list.setCell(item, OpeningListColumns.amount, shownAmount(open));
    list.setCell(item, OpeningListColumns.settlement, shownAmount(Money()));
    list.setCell(item, OpeningListColumns.id, invoice.id);
}

// The ids of the lines' documents that have one.
QStringList idsOf(const std::vector<SettlementLine>& lines) {
    QStringList ids;
    for (const SettlementLine& line : lines)
        if (!line.documentId.isEmpty()) ids << line.documentId;
    return ids;
}

// The balance found for each line by its key, nothing open for a line whose document is no longer among the
// customer's open ones.
template <typename KeyOf>
QMap<int, store::OpenBalance> byPosition(const std::vector<SettlementLine>& lines,
                                         const QHash<QString, store::OpenBalance>& found, KeyOf keyOf) {
    QMap<int, store::OpenBalance> balances;
    for (const SettlementLine& line : lines)
        balances.insert(line.position, found.value(keyOf(line)));
    return balances;
}

} // namespace

store::DocumentOwner frmReceiptShop::documentOwner() const {
    const shared::Session& s = session();
    return {s.companyId, s.shopId, selectedCustomerId()};
}

QMap<int, store::OpenBalance> frmReceiptShop::shopBalances(const std::vector<SettlementLine>& lines) {
    return byPosition(
        lines, store::shopBalances(adocon(), documentOwner(), idsOf(lines)),
        [](const SettlementLine& line) { return store::shopDocumentKey(line.kindText, line.documentId); });
}

QMap<int, store::OpenBalance> frmReceiptShop::openingBalances(const std::vector<SettlementLine>& lines) {
    const QHash<QString, store::OpenBalance> found = store::openingBalances(
        adocon(), documentOwner(), entryLookups().openingDepartment(), session().processDate, idsOf(lines));
    return byPosition(lines, found, [](const SettlementLine& line) { return line.documentId; });
}

void frmReceiptShop::LoadShopInvoices() {
    store::listShopDocuments(adocon(), documentOwner(),
                             [this](const store::ShopDocument& document, Money open) {
                                 listShopDocument(lvwInvoice, receipt_, document, open);
                             });
}

void frmReceiptShop::LoadOpeningInvoices(qint16 department) {
    store::listOpeningInvoices(adocon(), documentOwner(), department, session().processDate,
                               [this](const store::OpeningInvoice& invoice, Money open) {
                                   listOpeningInvoice(lvwOpeningInvoices, receipt_, invoice, open);
                               });
}

} // namespace entry
