// The balance guard of the save: no document is stored as settled beyond what is open on it now.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/core/conversions.h"

#include <algorithm>
#include <cmath>

namespace entry {

namespace {

qint64 cents(double amount) {
    return std::llround(amount * 100);
}

double settledOn(const forms::ListView& list, const InvoiceListColumns& columns, int item) {
    return core::val(list.cell(item, columns.settlement));
}

QString overSettledMessage(const QString& documentNumber, double balance) {
    return documentNumber + QStringLiteral(" has ") +
           core::format(std::max(balance, 0.0), QStringLiteral("#0.00")) +
           QStringLiteral(
               " left to settle now: another counter settled it meanwhile. Correct the settlement and "
               "save again.");
}

QList<int> settledItems(const forms::ListView& list, const InvoiceListColumns& columns) {
    QList<int> settled;
    for (int item = 1; item <= list.count(); ++item)
        if (settledOn(list, columns, item) > 0) settled << item;
    return settled;
}

} // namespace

// The lists show what was open when the customer was chosen. What other programs leave open on the settled
// documents is read again before the saving lock: no counter changes it.
std::vector<frmReceiptShop::SettledDocuments> frmReceiptShop::readSettledDocuments() {
    if (!OptSettlement.value()) return {};
    std::vector<SettledDocuments> read;
    if (const QList<int> items = settledItems(lvwInvoice, ShopListColumns); !items.isEmpty())
        read.push_back({&lvwInvoice, &ShopListColumns, shopBalances(items)});
    if (const QList<int> items = settledItems(lvwOpeningInvoices, OpeningListColumns); !items.isEmpty())
        read.push_back({&lvwOpeningInvoices, &OpeningListColumns, openingBalances(items)});
    return read;
}

// Another counter may have settled the same documents since they were listed. What the module's receipts
// settled on them, read inside the saving transaction after the lock every saving counter takes, is what
// no other save can change before this one commits; it is read for all of them at once. The first row
// settled beyond what is then open refuses the save.
std::optional<frmReceiptShop::SaveRefusal>
frmReceiptShop::overSettledDocument(const std::vector<SettledDocuments>& settled) {
    QStringList queries;
    for (const SettledDocuments& documents : settled)
        for (const OpenBalance& open : documents.balances)
            if (!open.receiptsSql.isEmpty()) queries << open.receiptsSql;
    const QVariantList receipts = queries.isEmpty() ? QVariantList() : adocon()->firstValues(queries);
    qsizetype next = 0;
    for (const SettledDocuments& documents : settled)
        for (auto open = documents.balances.cbegin(); open != documents.balances.cend(); ++open) {
            const double settledByReceipts =
                open->receiptsSql.isEmpty() ? 0 : core::toDouble(receipts.at(next++));
            const double balance = open->after(settledByReceipts);
            const int item = open.key();
            if (cents(settledOn(*documents.list, *documents.columns, item)) > cents(balance))
                return SaveRefusal{
                    overSettledMessage(documents.list->cell(item, documents.columns->number), balance),
                    documents.list, item};
        }
    return std::nullopt;
}

} // namespace entry
