// The receipt's totals, its lines and the rules a receipt must meet before it is saved.
#include "receipt.h"

#include "platform/core/conversions.h"
#include "platform/core/money.h"
#include "platform/core/runtimeerror.h"
#include "store/invoicekinds.h"

#include <algorithm>
#include <tuple>

namespace entry {

namespace {

bool blank(const QString& text) {
    return core::trimBlanks(text).isEmpty();
}

Refusal refusal(const char* message, EntryField field) {
    return {QString::fromLatin1(message), field, std::nullopt};
}

QString dateText(const QDate& date) {
    return core::shortDateText(date.startOfDay());
}

// A line of a shop document of a kind the catalogue does not know would be stored without the column that
// names its document, and its payment would be lost to every later balance.
bool unknownKind(const SettlementLine& line) {
    return line.list == DocumentList::Shop && !store::kindOfText(line.kindText);
}

// The line at a position of a list, of the lines given as they are (const or not); error 9 when there is
// none.
template <class Lines> auto& lineIn(Lines& lines, int position) {
    if (position < 1 || size_t(position) > lines.size())
        throw core::RuntimeError::of(core::err::SubscriptOutOfRange);
    return lines[size_t(position - 1)];
}

} // namespace

// The register lists the days after its date bound, the process date less the back days: a shop that keeps
// none would list not even the process date, so it counts as one back day.
ReceiptDates receiptDates(const QDate& processDate, int backDays, const std::optional<QDate>& lastClosing) {
    const int days = std::max(backDays, 0);
    QDate first = processDate.addDays(1 - std::max(days, 1));
    if (lastClosing && *lastClosing >= first) first = lastClosing->addDays(1);
    return {first, processDate.addDays(days), processDate};
}

double Receipt::bankRate() const {
    return core::leadingNumber(bankRateText);
}

std::optional<Money> Receipt::receivedAmount() const {
    if (receivedText.isEmpty()) return Money();
    return core::plainAmount(receivedText);
}

std::optional<Money> Receipt::customerEquivalent() const {
    const std::optional<Money> received = receivedAmount();
    if (!customerFactor || !received) return std::nullopt;
    return customerFactor->convert(*received);
}

Money Receipt::settledTotal() const {
    Money total;
    for (const std::vector<SettlementLine>& list : lists_)
        for (const SettlementLine& line : list)
            total += line.settled;
    return total;
}

Money Receipt::recordedTotal() const {
    return kind == ReceiptKind::Settlement ? settledTotal() : Money();
}

std::vector<SettlementLine> Receipt::settledLines() const {
    std::vector<SettlementLine> settled;
    for (const std::vector<SettlementLine>& list : lists_)
        for (const SettlementLine& line : list)
            if (line.settled > Money()) settled.push_back(line);
    return settled;
}

int Receipt::lineCount(DocumentList list) const {
    return int(lines(list).size());
}

const SettlementLine& Receipt::line(DocumentList list, int position) const {
    return lineIn(lines(list), position);
}

int Receipt::addLine(SettlementLine line) {
    std::vector<SettlementLine>& list = lists_[size_t(line.list)];
    line.position = int(list.size()) + 1;
    line.settled = Money();
    list.push_back(line);
    return line.position;
}

void Receipt::clearLines(DocumentList list) {
    lists_[size_t(list)].clear();
}

std::optional<QString> Receipt::settle(DocumentList list, int position, Money amount) {
    SettlementLine& line = lineIn(lists_[size_t(list)], position);
    if (amount > line.outstanding)
        return QStringLiteral("Settling Amount cannot be greater than Bill Amount");
    line.settled = amount;
    return std::nullopt;
}

Money Receipt::allocateOldestFirst(Money amount) {
    std::vector<SettlementLine*> oldestFirst;
    for (std::vector<SettlementLine>& list : lists_)
        for (SettlementLine& line : list)
            oldestFirst.push_back(&line);
    const auto order = [](const SettlementLine* line) {
        return std::tuple(!line->documentDate.isValid(), line->documentDate, line->position, line->list);
    };
    std::stable_sort(
        oldestFirst.begin(), oldestFirst.end(),
        [&order](const SettlementLine* a, const SettlementLine* b) { return order(a) < order(b); });
    for (SettlementLine* line : oldestFirst) {
        line->settled = std::max(Money(), std::min(amount, line->outstanding));
        amount = amount - line->settled;
    }
    return amount;
}

std::optional<Refusal> Receipt::validate(const ReceiptDates& dates) const {
    if (auto refused = refuseParties(dates)) return refused;
    return refuseAmounts();
}

// The customer, the texts that describe the payment, and a receipt date the register lists.
std::optional<Refusal> Receipt::refuseParties(const ReceiptDates& dates) const {
    if (!customerId) return refusal("select customer", EntryField::Customer);
    if (blank(bankName)) return refusal("Enter bank name", EntryField::Bank);
    if (blank(remarks)) return refusal("Enter remarks", EntryField::Remarks);
    if (blank(chequeNo)) return refusal("Enter cheque number", EntryField::ChequeNo);
    const QString date = core::trimBlanks(receiptDateText);
    if (!core::isDate(date))
        return Refusal{QStringLiteral("Receipt Date must be a date such as ") + dateText(dates.example),
                       EntryField::ReceiptDate};
    const QDate day = core::toDateTime(date).date();
    if (dates.first > dates.last)
        return refusal("No day is open for receipts: the shop closed on or after the process date",
                       EntryField::ReceiptDate);
    if (dates.first.isValid() && (day < dates.first || day > dates.last))
        return Refusal{QStringLiteral("Receipt Date must be a day from %1 to %2, the days the register lists")
                           .arg(dateText(dates.first), dateText(dates.last)),
                       EntryField::ReceiptDate};
    return std::nullopt;
}

// What a settlement settles, the received currency and amount, and that the two agree.
std::optional<Refusal> Receipt::refuseAmounts() const {
    const bool settlement = kind == ReceiptKind::Settlement;
    if (settlement && lineCount(DocumentList::Shop) + lineCount(DocumentList::Opening) == 0)
        return refusal("Atleast one detail needed", EntryField::None);
    if (settlement && settledTotal().isZero())
        return refusal("Atleast one settlement should be done", EntryField::Lines);
    if (!receivedCurrencyId) return refusal("Select the Received Amount Currency ", EntryField::Currency);
    // Nothing typed is taken as the rate 1; anything else must be a number read as typed.
    if (!bankRateText.isEmpty() && !core::isPlainNumber(bankRateText))
        return Refusal{QStringLiteral("Exchange Rate must be a number such as ") + core::numberText(15.42),
                       EntryField::BankRate};
    if (!core::startsWithNonZero(receivedText))
        return refusal("Enter Received Amount ", EntryField::ReceivedAmount);
    const std::optional<Money> received = receivedAmount();
    if (!received)
        return Refusal{QStringLiteral("Received Amount must be a number above zero ") +
                           core::plainAmountRule(),
                       EntryField::ReceivedAmount};
    if (!settlement) return std::nullopt;
    const std::optional<Money> paid =
        *receivedCurrencyId == customerCurrencyId ? received : customerEquivalent();
    if (paid != settledTotal())
        return refusal("Received amount and settled amount should be same", EntryField::ReceivedAmount);
    for (const SettlementLine& line : settledLines())
        if (unknownKind(line))
            return Refusal{QStringLiteral("The invoice type of ") + line.documentNumber +
                               QStringLiteral(" is not known; its settlement cannot be saved"),
                           EntryField::Lines, line};
    return std::nullopt;
}

} // namespace entry
