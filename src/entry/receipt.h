// The receipt being entered: what the cashier chose and typed, the documents listed for settling, and the
// rules that decide what the receipt records. It knows no window and no database: the entry window shows
// it, the settle dialog settles its lines and the save stores it.
#pragma once

#include "platform/core/money.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace entry {

// The entry's amounts and rates are the module's exact money types.
using core::ExactAmount;
using core::Money;
using core::Rate;

enum class ReceiptKind { Advance, Settlement };

// The entry window's two lists of documents: the shop's own documents and head office's opening invoices.
enum class DocumentList { Shop, Opening };

// A document listed for settling, and what this receipt settles on it.
struct SettlementLine {
    DocumentList list = DocumentList::Shop;
    int position = 0; // in its list, from 1
    QString kindText; // as the list shows it; empty for a kind the catalogue does not know
    QString documentId;
    QString documentNumber;
    QString reference; // an opening invoice's reference, by which the settle dialog shows it
    Money outstanding;
    Money settled;
    QDate documentDate; // the day of the document's date; none for a document without one
};

// The days a receipt may be dated: those the register lists. A date outside them would vanish from the
// register once saved, so that it could no longer be viewed, printed or cancelled there. Without a first
// day (no register) any date is taken; a first day after the last (the shop closed on or after the process
// date) takes none.
struct ReceiptDates {
    QDate first;
    QDate last;
    QDate example; // shown in the message refusing a text that is no date
};

// The one rule for those days, the register's listing and the entry's check alike: from the shop's back
// days before the process date (the process date itself when the shop keeps none) and after its last
// closing, to as many days after the process date.
ReceiptDates receiptDates(const QDate& processDate, int backDays, const std::optional<QDate>& lastClosing);

// Where the focus goes with a refusal.
enum class EntryField {
    None,
    Customer,
    Bank,
    Remarks,
    ChequeNo,
    ReceiptDate,
    Lines,
    Currency,
    BankRate,
    ReceivedAmount
};

struct Refusal {
    QString message;
    EntryField field = EntryField::None;
    std::optional<SettlementLine> line = std::nullopt; // the line to show with the message
};

class Receipt {
public:
    ReceiptKind kind = ReceiptKind::Settlement;
    std::optional<qint32> customerId;
    qint32 customerCurrencyId = 0;
    qint32 departmentCurrencyId = 0;
    qint32 companyCurrencyId = 0;
    std::optional<qint32> receivedCurrencyId;
    QString receivedText; // the received amount as typed, in the received currency
    QString bankRateText; // as typed; the company and department rates shown are worked out from it
    QString bankName;
    QString remarks;
    QString chequeNo;
    QDate chequeDate;
    QString receiptDateText; // as typed

    // The factor from the received currency to the customer's; nothing until both are chosen.
    std::optional<Rate> customerFactor;

    // The key of the receipt's save, chosen at its first attempt and kept until it is known to be stored, and
    // whether an attempt broke off with its outcome unknown: the next one asks before storing anything.
    QString saveKey;
    bool saveInDoubt = false;
    // Whether the settle dialog or an allocation settled a line with a change: the entry has changes to save.
    bool linesChanged = false;
    // Whether the receipt is stored: saved by this entry, or a stored one shown for Edit. A stored receipt
    // takes no settling and has no unsaved changes.
    bool stored = false;

    // The bank rate typed: the number the text starts with, 0 for none (taken as 1 where rates are worked
    // out).
    double bankRate() const;
    // The received amount when it is typed as a plain amount; nothing typed is nothing received yet.
    std::optional<Money> receivedAmount() const;
    // The received amount in the customer's currency: the amount times the factor, to hundredths with
    // halves to even. Nothing without a factor or without a plain received amount.
    std::optional<Money> customerEquivalent() const;
    // What the lines of both lists settle, as the entry shows it.
    Money settledTotal() const;
    // What the receipt records as settled: the settled total for a settlement, nothing for an advance, which
    // stores no line.
    Money recordedTotal() const;

    const std::vector<SettlementLine>& lines(DocumentList list) const { return lists_[size_t(list)]; }
    // The lines a settlement stores, in list order: those with something settled.
    std::vector<SettlementLine> settledLines() const;
    int lineCount(DocumentList list) const;
    const SettlementLine& line(DocumentList list, int position) const;
    // Adds a line at the end of its list, settling nothing; returns its position.
    int addLine(SettlementLine line);
    void clearLines(DocumentList list);
    // Settles an amount on a line, or says why not: nothing beyond what is outstanding on its document.
    std::optional<QString> settle(DocumentList list, int position, Money amount);
    // Spreads an amount over the lines of both lists, in place of what they settled: the oldest document
    // first (a document without a date after every dated one), on one day the lower position, the shop's
    // list before the opening one; each settled in full until the amount runs out, the last in part. Returns
    // what is left over when the amount is more than all that is outstanding.
    Money allocateOldestFirst(Money amount);

    // The first rule the entry breaks, in the order the cashier is told of them; nothing when it may be
    // saved.
    std::optional<Refusal> validate(const ReceiptDates& dates) const;

private:
    std::optional<Refusal> refuseParties(const ReceiptDates& dates) const;
    std::optional<Refusal> refuseAmounts() const;

    // The lines of each list, in list order: a line's position is its place in its list.
    std::array<std::vector<SettlementLine>, 2> lists_;
};

} // namespace entry
