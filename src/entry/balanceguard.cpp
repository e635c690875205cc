// The balance guard of the save: no document is stored as settled beyond what is open on it now.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/core/conversions.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace entry {

namespace {

using BalancesNow = std::function<QMap<int, double>(const QList<int>& items)>;

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

// The first settled row of the list whose settlement exceeds its document's balance now, with the message.
std::optional<std::pair<int, QString>> overSettledRow(const forms::ListView& list,
                                                      const InvoiceListColumns& columns,
                                                      const BalancesNow& balancesNow) {
    QList<int> settled;
    for (int item = 1; item <= list.count(); ++item)
        if (settledOn(list, columns, item) > 0) settled << item;
    if (settled.isEmpty()) return std::nullopt;
    const QMap<int, double> balances = balancesNow(settled);
    for (int item : settled) {
        const double balance = balances.value(item);
        if (cents(settledOn(list, columns, item)) > cents(balance))
            return std::pair{item, overSettledMessage(list.cell(item, columns.number), balance)};
    }
    return std::nullopt;
}

} // namespace

// The lists show what was open when the customer was chosen; another counter may have settled the same
// documents since. Read again inside the saving transaction, after the lock every saving counter takes,
// the balances are those no other save can change before this one commits.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::overSettledDocument() {
    if (!OptSettlement.value()) return std::nullopt;
    const std::pair<forms::ListView*, BalancesNow> lists[] = {
        {&lvwInvoice, [this](const QList<int>& items) { return shopBalancesNow(items); }},
        {&lvwOpeningInvoices, [this](const QList<int>& items) { return openingBalancesNow(items); }}};
    for (const auto& [list, balancesNow] : lists) {
        const InvoiceListColumns& columns = list == &lvwInvoice ? ShopListColumns : OpeningListColumns;
        if (const auto row = overSettledRow(*list, columns, balancesNow))
            return SaveRefusal{row->second, list, row->first};
    }
    return std::nullopt;
}

} // namespace entry
