// The receipt's rules without a window: amounts in exact hundredths, its totals and equivalent, settling a
// line and the order in which an incomplete receipt is refused.
#include "entry/openbalance.h"
#include "entry/receipt.h"

#include "platform/core/runtimeerror.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using entry::DocumentList;
using entry::EntryField;
using entry::Money;
using entry::Receipt;
using entry::ReceiptKind;

std::optional<qint64> centsOf(const std::optional<Money>& amount) {
    return amount ? std::optional<qint64>(amount->cents()) : std::nullopt;
}

// A typed text is read as exact hundredths when it is a plain amount, and not at all when it is not.
TEST(PlainAmount, readsDigitsWithOnePointAndUpToTwoDecimalsAsExactHundredths) {
    const std::pair<const char*, qint64> read[] = {{"100", 10000}, {"100.5", 10050}, {"1.1", 110},
                                                   {"1.01", 101},  {"0.05", 5},      {".5", 50},
                                                   {"7.", 700},    {"0", 0},         {"0042", 4200}};
    // Leading zeros do not count against the twelve whole digits.
    EXPECT_EQ(centsOf(entry::plainAmount("000000000000042")), 4200);
    EXPECT_EQ(centsOf(entry::plainAmount("999999999999.99")), 99999999999999);
    for (const auto& [text, cents] : read)
        EXPECT_EQ(centsOf(entry::plainAmount(text)), cents) << text;
    // Digits of other scripts (Arabic-Indic three, fullwidth seven) are no digits, after the point too.
    for (const char* text :
         {"", ".", "5,000", "12,50", "12abc", " 5 0", "50 ", "1.2.3", "-50", "+50", "0.001", "1e308",
          "1000000000000", "1\u0663", "\uff17", "12.3x", "12.a5", "1.\u0663"})
        EXPECT_EQ(entry::plainAmount(QString::fromUtf8(text)), std::nullopt) << text;
}

// Each row: a computed double, the way its halves go, and the hundredths and text it becomes.
TEST(Money, roundsAComputedAmountToHundredthsOnItsDecimalValue) {
    using Halves = Money::Halves;
    const std::tuple<double, Halves, qint64, const char*> rows[] = {
        {0.125, Halves::ToEven, 12, "0.12"},        {0.375, Halves::ToEven, 38, "0.38"},
        {0.125, Halves::AwayFromZero, 13, "0.13"},  {1.005, Halves::ToEven, 100, "1.00"},
        {1.005, Halves::AwayFromZero, 101, "1.01"}, {154.2, Halves::ToEven, 15420, "154.20"},
        {-0.255, Halves::ToEven, -26, "-0.26"},     {1234.5, Halves::ToEven, 123450, "1234.50"},
        {0.004, Halves::ToEven, 0, "0.00"}};
    for (const auto& [value, halves, cents, text] : rows) {
        const Money money = Money::fromDouble(value, halves);
        EXPECT_EQ(money.cents(), cents) << value;
        EXPECT_EQ(money.text(), text) << value;
    }
    for (double beyond : {1e16, std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Money::fromDouble(beyond), core::RuntimeError) << beyond;
}

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
    r.addLine({DocumentList::Shop, 0, "Sales Invoice", "5", "INV-5", {}, Money::fromCents(12000), {}});
    r.addLine({DocumentList::Shop, 0, "XYZ", "15", "XY-15", {}, Money::fromCents(9000), {}});
    r.addLine(
        {DocumentList::Opening, 0, "Opening Invoice", "11", "OI-11", "REF-11", Money::fromCents(6000), {}});
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
        EXPECT_EQ(centsOf(r.customerEquivalent()), equivalent) << received;
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

// Each row: a document's amount, what other programs and the module's receipts settled on it, as the
// database gives them (doubles, numeric texts), and what is open on it in hundredths, rounded once with
// halves away from zero, as the lists show it and the guard at OK checks it.
TEST(OpenBalance, isWorkedOutExactlyAndRoundedOnce) {
    const struct {
        QVariant amount, elsewhere, receipts;
        qint64 cents;
    } rows[] = {{100.0, 33.335, 0.0, 6667},
                {100.0, 33.335, 66.67, -1},
                {100.0, 33.335, 66.66, 1},
                {0.3, 0.1, 0.2, 0},
                {QStringLiteral("66.665"), QStringLiteral("0"), 0, 6667},
                {QStringLiteral("-0.005"), 0.0, 0.0, -1},
                {QStringLiteral("999999999999.99"), 0.0, QStringLiteral("0.004"), 99999999999999}};
    for (const auto& row : rows) {
        const entry::OpenBalance open{entry::ExactAmount::of(row.amount),
                                      entry::ExactAmount::of(row.elsewhere), QString()};
        EXPECT_EQ(open.shownAfter(row.receipts).cents(), row.cents) << row.amount.toString().toStdString();
    }
    const auto errorOf = [](const QVariant& value) {
        try {
            entry::ExactAmount::of(value);
        } catch (const core::RuntimeError& error) {
            return error.number();
        }
        return qint64(0);
    };
    EXPECT_EQ(errorOf(QVariant()), core::err::InvalidUseOfNull);
    EXPECT_EQ(errorOf(QStringLiteral("12abc")), core::err::TypeMismatch);
}

} // namespace
