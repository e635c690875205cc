// The receipt's rules without a window: its totals and equivalent, settling a line, the days it may be
// dated, what is open on a document and the order in which an incomplete receipt is refused.
#include "entry/receipt.h"

#include "platform/core/runtimeerror.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using core::Money;
using entry::DocumentList;
using entry::EntryField;
using entry::Receipt;
using entry::ReceiptKind;

// Abc Ltd, in its own currency 1, owing a sales invoice INV-5 of 120, a note XY-15 of a kind the
// catalogue does not know and an opening invoice OI-11 of 60; paid in its currency and complete but for
// what it settles and receives. The register lists 4 to 17 March 2024.
const entry::ReceiptDates Dates{QDate(2024, 3, 4), QDate(2024, 3, 17), QDate(2024, 3, 10)};

Receipt settlementOfAbcLtd() {
    Receipt r;
    r.customerId = 1;
    r.customerCurrencyId = 1;
    r.receivedCurrencyId = 1;
    r.customerFactor = entry::Rate();
    r.bankName = "BML";
    r.remarks = "rent";
    r.chequeNo = "CASH";
    r.receiptDateText = "10/03/2024";
    r.addLine({DocumentList::Shop, 0, "Sales Invoice", "5", "INV-5", {}, Money::fromCents(12000), {}, {}});
    r.addLine({DocumentList::Shop, 0, "XYZ", "15", "XY-15", {}, Money::fromCents(9000), {}, {}});
    r.addLine({DocumentList::Opening,
               0,
               "Opening Invoice",
               "11",
               "OI-11",
               "REF-11",
               Money::fromCents(6000),
               {},
               {}});
    return r;
}

// Settles hundredths on the sales invoice and the opening invoice, and receives a text.
void settleAndReceive(Receipt& r, qint64 invoice, qint64 opening, const QString& received) {
    EXPECT_EQ(r.settle(DocumentList::Shop, 1, Money::fromCents(invoice)), std::nullopt);
    EXPECT_EQ(r.settle(DocumentList::Opening, 1, Money::fromCents(opening)), std::nullopt);
    r.receivedText = received;
}

// Lines are numbered in their own list; what is settled adds up over both lists, is stored line by line in
// list order for a settlement and not at all for an advance; nothing is settled beyond what is outstanding.
TEST(Receipt, settlesLinesUpToTheirOutstandingAmountAndTotalsThemForASettlementOnly) {
    Receipt r = settlementOfAbcLtd();
    EXPECT_EQ(r.lineCount(DocumentList::Shop), 2);
    EXPECT_EQ(r.line(DocumentList::Opening, 1).documentNumber, "OI-11");
    settleAndReceive(r, 12000, 2550, "145.50");
    EXPECT_EQ(r.settle(DocumentList::Opening, 1, Money::fromCents(6001)),
              "Settling Amount cannot be greater than Bill Amount");
    EXPECT_EQ(r.line(DocumentList::Opening, 1).settled.cents(), 2550);
    EXPECT_EQ(r.settledTotal().cents(), 14550);
    QStringList stored;
    for (const entry::SettlementLine& line : r.settledLines())
        stored << line.documentNumber + "=" + line.settled.text();
    EXPECT_EQ(stored, QStringList({"INV-5=120.00", "OI-11=25.50"}));
    EXPECT_EQ(r.recordedTotal().cents(), 14550);
    r.kind = ReceiptKind::Advance;
    EXPECT_EQ(r.recordedTotal().cents(), 0);
    r.clearLines(DocumentList::Shop);
    EXPECT_EQ(r.settledTotal().cents(), 2550);
    EXPECT_THROW(r.line(DocumentList::Shop, 1), core::RuntimeError);
}

// Each row: what is received, in the customer's currency or through a factor of two selling rates, spread
// over five documents; then what each settles, in the order they are listed (shop 1 to 3, opening 1 and 2),
// and what is left over. Oldest first: opening 1 (1 March, the lower position), shop 2 (1 March), shop 1
// (2 March), opening 2 (3 March), shop 3 (no date). The 20.00 settled on shop 3 before is replaced.
TEST(Receipt, allocatesOldestFirstInFullUntilTheAmountRunsOut) {
    const struct {
        QString received;
        std::pair<QString, QString> factor;
        QString settled;
        qint64 leftOver;
    } rows[] = {{"0", {"1", "1"}, "0.00 0.00 0.00 0.00 0.00", 0},
                {"55", {"1", "1"}, "0.00 15.00 0.00 40.00 0.00", 0},
                {"119.99", {"1", "1"}, "49.99 30.00 0.00 40.00 0.00", 0},
                {"150", {"1", "1"}, "50.00 30.00 20.00 40.00 10.00", 0},
                {"160.55", {"1", "1"}, "50.00 30.00 20.00 40.00 10.00", 1055},
                {"100", {"1", "15.42"}, "0.00 0.00 0.00 6.49 0.00", 0}};
    // Each document: its list, what is outstanding on it and its day of March 2024 (0: none).
    const std::tuple<DocumentList, qint64, int> documents[] = {{DocumentList::Shop, 5000, 2},
                                                               {DocumentList::Shop, 3000, 1},
                                                               {DocumentList::Shop, 2000, 0},
                                                               {DocumentList::Opening, 4000, 1},
                                                               {DocumentList::Opening, 1000, 3}};
    for (const auto& row : rows) {
        Receipt r;
        r.customerFactor = entry::Rate::of(row.factor.first, row.factor.second);
        r.receivedText = row.received;
        for (const auto& [list, cents, day] : documents)
            r.addLine({list,
                       0,
                       "Sales Invoice",
                       {},
                       {},
                       {},
                       Money::fromCents(cents),
                       {},
                       day ? QDate(2024, 3, day) : QDate()});
        r.settle(DocumentList::Shop, 3, Money::fromCents(2000));
        EXPECT_EQ(r.allocateOldestFirst(*r.customerEquivalent()).cents(), row.leftOver)
            << row.received.toStdString();
        QStringList settled;
        for (DocumentList list : {DocumentList::Shop, DocumentList::Opening})
            for (const entry::SettlementLine& line : r.lines(list))
                settled << line.settled.text();
        EXPECT_EQ(settled.join(' '), row.settled) << row.received.toStdString();
    }
}

// Each row: the received text, the factor to the customer's currency as two selling rates (none: not yet
// chosen) and the equivalent, worked out in decimal and rounded once to hundredths with halves to even; none
// for a text that is no plain amount. A third decimal of the product rounds, a factor of 1/15.42 is exact.
TEST(Receipt, customerEquivalentIsTheReceivedAmountTimesTheFactor) {
    using Factor = std::optional<std::pair<const char*, const char*>>;
    const std::tuple<const char*, Factor, std::optional<qint64>> rows[] = {
        {"10", std::pair("0.125", "1"), 125},
        {"1", std::pair("0.125", "1"), 12},
        {"3", std::pair("0.125", "1"), 38},
        {"10", std::pair("0.12345", "1"), 123},
        {"10", std::pair("15.42", "1"), 15420},
        {"", std::pair("2", "1"), 0},
        {"2243.61", std::pair("1", "15.42"), 14550},
        {"0.05", std::pair("1", "4"), 1},
        {"0.06", std::pair("1", "4"), 2},
        {"999999999999.99", std::pair("15.42", "1"), 1541999999999985},
        {"12,50", std::pair("1", "1"), std::nullopt},
        {"10", std::nullopt, std::nullopt}};
    for (const auto& [received, factor, equivalent] : rows) {
        Receipt r;
        r.receivedText = received;
        if (factor) r.customerFactor = entry::Rate::of(factor->first, factor->second);
        const std::optional<Money> expected =
            equivalent ? std::optional(Money::fromCents(*equivalent)) : std::nullopt;
        EXPECT_EQ(r.customerEquivalent(), expected) << received;
    }
}

// Each row breaks a settlement of 120 of INV-5 and 25.50 of OI-11, received in full, and says which
// refusal comes: where two rules are broken, the one checked first.
struct Broken {
    const char* what;
    std::function<void(Receipt&)> breakIt;
    const char* message; // none: the days allowed
    EntryField field;
    const char* line = ""; // the document shown with the refusal
};

const QString DatesAllowed =
    "Receipt Date must be a day from 04/03/2024 to 17/03/2024, the days the register lists";

const Broken Rows[] = {
    {"customer", [](Receipt& r) { r.customerId.reset(), r.bankName.clear(); }, "select customer",
     EntryField::Customer},
    {"bank", [](Receipt& r) { r.bankName = "  ", r.remarks.clear(); }, "Enter bank name", EntryField::Bank},
    {"remarks", [](Receipt& r) { r.remarks = " ", r.chequeNo.clear(); }, "Enter remarks",
     EntryField::Remarks},
    {"cheque", [](Receipt& r) { r.chequeNo = "", r.receiptDateText = "x"; }, "Enter cheque number",
     EntryField::ChequeNo},
    {"no date", [](Receipt& r) { r.receiptDateText = "31/02/2024", r.clearLines(DocumentList::Shop); },
     "Receipt Date must be a date such as 10/03/2024", EntryField::ReceiptDate},
    {"day before", [](Receipt& r) { r.receiptDateText = " 03/03/2024 "; }, nullptr, EntryField::ReceiptDate},
    {"day after", [](Receipt& r) { r.receiptDateText = "18/03/2024"; }, nullptr, EntryField::ReceiptDate},
    {"no lines",
     [](Receipt& r) {
         r.clearLines(DocumentList::Shop), r.clearLines(DocumentList::Opening), r.receivedCurrencyId.reset();
     },
     "Atleast one detail needed", EntryField::None},
    {"nothing settled", [](Receipt& r) { settleAndReceive(r, 0, 0, ""); },
     "Atleast one settlement should be done", EntryField::Lines},
    {"currency", [](Receipt& r) { r.receivedCurrencyId.reset(), r.receivedText.clear(); },
     "Select the Received Amount Currency ", EntryField::Currency},
    {"bank rate", [](Receipt& r) { r.bankRateText = "15,42", r.receivedText.clear(); },
     "Exchange Rate must be a number such as 15.42", EntryField::BankRate},
    {"nothing received", [](Receipt& r) { r.receivedText = "0.00"; }, "Enter Received Amount ",
     EntryField::ReceivedAmount},
    {"no number", [](Receipt& r) { r.receivedText = "abc"; }, "Enter Received Amount ",
     EntryField::ReceivedAmount},
    {"comma", [](Receipt& r) { r.receivedText = "145,50"; },
     "Received Amount must be a number above zero with at most two decimals, below 1,000,000,000,000",
     EntryField::ReceivedAmount},
    {"more received", [](Receipt& r) { r.receivedText = "145.51"; },
     "Received amount and settled amount should be same", EntryField::ReceivedAmount},
    // 9.43 dollars are 145.41 in the customer's currency, 9.44 are 145.56: neither is what was settled.
    {"other currency",
     [](Receipt& r) {
         r.receivedCurrencyId = 2, r.customerFactor = entry::Rate::of("15.42", "1"), r.receivedText = "9.44";
     },
     "Received amount and settled amount should be same", EntryField::ReceivedAmount},
    {"unknown kind",
     [](Receipt& r) {
         settleAndReceive(r, 12000, 2550, "146.50"), r.settle(DocumentList::Shop, 2, Money::fromCents(100));
     },
     "The invoice type of XY-15 is not known; its settlement cannot be saved", EntryField::Lines, "XY-15"},
};

TEST(Receipt, refusesTheFirstRuleAnIncompleteEntryBreaks) {
    for (const Broken& row : Rows) {
        Receipt r = settlementOfAbcLtd();
        settleAndReceive(r, 12000, 2550, "145.50");
        row.breakIt(r);
        const auto refusal = r.validate(Dates);
        ASSERT_TRUE(refusal) << row.what;
        EXPECT_EQ(refusal->message, row.message ? QString(row.message) : DatesAllowed) << row.what;
        EXPECT_EQ(refusal->field, row.field) << row.what;
        EXPECT_EQ(refusal->line ? refusal->line->documentNumber : QString(), row.line) << row.what;
    }
}

// What passes: the settlement received in full in its currency or as the equivalent of another, an advance
// without lines on the first or last day listed, and any day when no register lists receipts.
TEST(Receipt, takesACompleteSettlementOrAdvance) {
    const std::function<void(Receipt&)> complete[] = {
        [](Receipt&) {},
        [](Receipt& r) {
            r.receivedCurrencyId = 2, r.customerFactor = entry::Rate::of("1", "15.42"),
            r.receivedText = "2243.61";
        },
        [](Receipt& r) {
            r.kind = ReceiptKind::Advance, r.clearLines(DocumentList::Shop),
            r.clearLines(DocumentList::Opening);
            r.receiptDateText = "04/03/2024", r.receivedText = "7";
        },
        [](Receipt& r) { r.receiptDateText = "17/03/2024", r.bankRateText = "15.42"; }};
    for (const auto& change : complete) {
        Receipt r = settlementOfAbcLtd();
        settleAndReceive(r, 12000, 2550, "145.50");
        change(r);
        const auto refusal = r.validate(Dates);
        EXPECT_FALSE(refusal) << refusal->message.toStdString();
    }
    Receipt anyDay = settlementOfAbcLtd();
    settleAndReceive(anyDay, 12000, 2550, "145.50");
    anyDay.receiptDateText = "01/01/2020";
    EXPECT_FALSE(anyDay.validate({{}, {}, QDate(2024, 3, 10)}));
}

// Each row: the shop's back days and last closing (days from the process date, none: no closing), and the
// first and last day a receipt may be dated, in days from the process date.
TEST(ReceiptDates, runFromTheBackDaysOrTheDayAfterTheLastClosingToAsManyDaysAhead) {
    const QDate processDate(2024, 3, 10);
    const struct {
        int backDays;
        std::optional<int> closing;
        int first, last;
    } rows[] = {{7, std::nullopt, -6, 7},
                {1, std::nullopt, 0, 1},
                {0, std::nullopt, 0, 0},
                {-3, std::nullopt, 0, 0},
                {7, -4, -3, 7},
                {7, -9, -6, 7},
                {7, 0, 1, 7},
                {0, 0, 1, 0}};
    for (const auto& row : rows) {
        const std::optional<QDate> closing =
            row.closing ? std::optional(processDate.addDays(*row.closing)) : std::nullopt;
        const entry::ReceiptDates dates = entry::receiptDates(processDate, row.backDays, closing);
        EXPECT_EQ(std::pair(processDate.daysTo(dates.first), processDate.daysTo(dates.last)),
                  std::pair(qint64(row.first), qint64(row.last)))
            << row.backDays << " back days, closing " << row.closing.value_or(999);
    }
}

} // namespace
