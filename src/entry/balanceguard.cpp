// The balance guard of the save: no document is stored as settled beyond what is open on it now.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/core/conversions.h"

#include <algorithm>

namespace entry {

namespace {

QString overSettledMessage(const QString& documentNumber, Money balance) {
    return documentNumber + QStringLiteral(" has ") + shownAmount(std::max(balance, Money())) +
           QStringLiteral(
               " left to settle now: another counter settled it meanwhile. Correct the settlement and "
               "save again.");
}

// The receipt's settled lines of one list.
std::vector<SettlementLine> settledLinesOf(const Receipt& receipt, DocumentList list) {
    std::vector<SettlementLine> lines = receipt.settledLines();
    std::erase_if(lines, [list](const SettlementLine& line) { return line.list != list; });
    return lines;
}

} // namespace

// The lists show what was open when the customer was chosen. What other programs leave open on the settled
// documents is read again before the saving lock: no counter changes it.
std::vector<frmReceiptShop::SettledDocuments> frmReceiptShop::readSettledDocuments() {
    if (receipt_.kind != ReceiptKind::Settlement) return {};
    std::vector<SettledDocuments> read;
    if (const auto lines = settledLinesOf(receipt_, DocumentList::Shop); !lines.empty())
        read.push_back({DocumentList::Shop, shopBalances(lines)});
    if (const auto lines = settledLinesOf(receipt_, DocumentList::Opening); !lines.empty())
        read.push_back({DocumentList::Opening, openingBalances(lines)});
    return read;
}

// The balances of the settled documents of every list, in the order of the lists and of their lines.
std::vector<store::OpenBalance> frmReceiptShop::balancesOf(const std::vector<SettledDocuments>& settled) {
    std::vector<store::OpenBalance> balances;
    for (const SettledDocuments& documents : settled)
        balances.insert(balances.end(), documents.balances.cbegin(), documents.balances.cend());
    return balances;
}

// Another counter may have settled the same documents since they were listed. What is open on them now,
// after what the module's receipts settled read inside the saving transaction with the lock every saving
// counter takes, is what no other save can change before this one commits. The first line settled beyond
// it refuses the save.
std::optional<frmReceiptShop::SaveRefusal>
frmReceiptShop::overSettledDocument(const std::vector<SettledDocuments>& settled,
                                    const std::vector<Money>& openNow) {
    auto balance = openNow.cbegin();
    for (const SettledDocuments& documents : settled)
        for (auto open = documents.balances.cbegin(); open != documents.balances.cend(); ++open, ++balance) {
            const SettlementLine& line = receipt_.line(documents.list, open.key());
            if (line.settled > *balance)
                return SaveRefusal{overSettledMessage(line.documentNumber, *balance), line};
        }
    return std::nullopt;
}

} // namespace entry
