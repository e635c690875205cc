// The counters benchmark's parts: a counter's work in a process of its own, what it reports to the parent,
// and the checks of the database once every counter is done.
#pragma once

#include "platform/ado/connection.h"

#include <QString>
#include <optional>

namespace bench::counters {

// Every counter saves into the shop the parent fills, whose customers each have documents of every kind the
// shop settles.
constexpr int BenchShop = 9;
// The database is one at work: a neighbouring shop's year of receipts, settling documents of its own
// customers, fills the tables the counters read and write, and the engine has gathered its statistics. The
// server plans a counter's statements once for its session: planned over empty tables, they would go
// through every row of the shop, and each receipt saved would make the next one slower.
constexpr int HistoryShop = 8;
constexpr int HistoryReceipts = 5000;
constexpr int HistoryCustomers = 200;
// A customer has the open documents of an ordinary shop's customer, whatever the number of counters.
constexpr int DocumentsPerCustomer = 15;
// A receipt settles this many documents.
constexpr int DocumentsPerReceipt = 5;
// Most receipts settle documents of the counter's own customers, this many receipts on each: a row settles
// at most 400 of a document of 1,000 to 1,499, so fifteen documents take 45 rows or more and the last
// receipt on a customer still finds documents open.
constexpr int OwnReceiptsPerCustomer = 8;
// Every fifth receipt of a counter settles documents of a customer all counters share: the n-th such receipt
// of every counter goes to the same customer, so that counters saving at the same time meet on its documents
// and the balance guard has to refuse some settlements. Its fifteen documents serve nine counters.
constexpr int SharedEvery = 5;

// One counter's work: `saves` receipts into the shop database `database` names (a connection string); the
// customers of the run are numbered from `firstCustomer` on.
struct CounterOrder {
    int counter = 0;
    QString database;
    qint32 firstCustomer = 0;
    int saves = 0;
    // In rounds every counter presses OK when all are ready to; otherwise each works at its own pace.
    bool inRounds = false;
};

// The customers a run needs: those every counter shares, then each counter's own.
int customersOfRun(int counters, int saves);
// The customer whose documents the counter's receipt (counted from 0) settles.
qint32 customerOfReceipt(const CounterOrder& order, int receipt);

// What a counter did, as it tells the parent in one line of its standard output.
struct CounterReport {
    int saves = 0;
    int guardRefusals = 0; // refused by the balance guard: another counter settled a document meanwhile
    int busyRefusals = 0;  // "The receipt could not be saved: the database is busy. Try again."
    int errors = 0;        // errors the module reported and messages no cashier expects
    int givenUp = 0;       // receipts still not saved after every try
    double okSeconds = 0;  // in the OK command
    int okClicks = 0;
    double cpuSeconds = 0; // the counter process's own processor time from its first receipt on

    QString line() const;
    // Nothing when `line` is not a report.
    static std::optional<CounterReport> parse(const QString& line);
};

// Runs the counter in this process. It says "ready" before its first OK and waits for a line on its standard
// input; in rounds it does so before each OK, and after each says "done" and waits again. It ends with its
// report. The exit status is 0 when it could work.
int runCounter(const CounterOrder& order);

// The database once every counter is done.
struct StoredState {
    long duplicateIds = 0;     // (shop, id) pairs stored more than once
    long duplicateNumbers = 0; // receipt numbers stored more than once
    long receipts = 0;         // receipts of the bench shop
    long incomplete = 0;       // of them, without detail rows or whose details do not add up to the header
    long overSettled = 0;      // documents whose live shop receipts settle more than is open on them

    bool sound(long savesReported) const;
};

StoredState checkStored(const ado::ConnectionPtr& connection);

} // namespace bench::counters
