// The counters benchmark's parts: a counter's work in a process of its own, what it reports to the parent,
// and the checks of the database once every counter is done.
#pragma once

#include "platform/ado/connection.h"

#include <QString>
#include <optional>

namespace bench::counters {

// Every counter saves into the shop the parent fills: its customers come one after the other, each with
// documents of every kind the shop settles.
constexpr int BenchShop = 9;
// Every counter saves this many receipts of one customer before it goes on to the next, so that counters
// working at the same time settle the same customer's documents.
constexpr int ReceiptsPerCustomer = 5;
// A receipt settles this many documents.
constexpr int DocumentsPerReceipt = 5;

// One counter's work: `saves` receipts into the shop database `database` names (a connection string), the
// first five settling documents of the customer `firstCustomer`, the next five of the customer after it.
struct CounterOrder {
    int counter = 0;
    QString database;
    qint32 firstCustomer = 0;
    int saves = 0;
};

// What a counter did, as it tells the parent in one line of its standard output.
struct CounterReport {
    int saves = 0;
    int guardRefusals = 0; // refused by the balance guard: another counter settled a document meanwhile
    int busyRefusals = 0;  // "The receipt could not be saved: the database is busy. Try again."
    int errors = 0;        // errors the module reported and messages no cashier expects
    int givenUp = 0;       // receipts still not saved after every try
    double seconds = 0;    // from the start signal to the end of the last save
    double okSeconds = 0;  // within it, in the OK command alone
    int okClicks = 0;

    QString line() const;
    // Nothing when `line` is not a report.
    static std::optional<CounterReport> parse(const QString& line);
};

// Runs the counter in this process: announces "ready" once its register is open, starts saving when a line
// comes on its standard input, and ends with its report. The exit status is 0 when it could work.
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
