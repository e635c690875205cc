// Counters saving at once into one shop database: processes of this program each save receipts through the
// entry window's OK as a cashier does; then the database is checked for lost, duplicated and over-settled
// money.
#include "counters.h"
#include "benchdatabase.h"

#include "db/shopdatabase.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace bench::counters;

qint32 lastCustomerId(const ado::ConnectionPtr& connection) {
    ado::Recordset rs;
    rs.open(QStringLiteral("select max(customerid) from acustomermaster"), connection);
    const qint32 last = core::toInt32(rs.field(0));
    rs.close();
    return last;
}

// The transactions the server rolled back in this database: every refused save, and every attempt the
// module gave up on a busy database and made again. Nothing on SQLite, which does not count them.
std::optional<long> rolledBack(const bench::BenchDatabase& database) {
    if (database.onSqlite()) return std::nullopt;
    ado::Recordset rs;
    rs.open(QStringLiteral("select xact_rollback from pg_stat_database where datname = current_database()"),
            database.connection());
    const long count = core::toInt32(rs.field(0));
    rs.close();
    return count;
}

using Processes = std::vector<std::unique_ptr<QProcess>>;

Processes startCounters(const CounterOrder& order, int counters) {
    Processes processes;
    for (int counter = 1; counter <= counters; ++counter) {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--counter"), QString::number(counter), QStringLiteral("--database"),
                        order.database, QStringLiteral("--first-customer"),
                        QString::number(order.firstCustomer), QStringLiteral("--saves"),
                        QString::number(order.saves), QStringLiteral("--in-rounds"),
                        QString::number(int(order.inRounds))});
        processes.push_back(std::move(process));
    }
    return processes;
}

// The next line a counter writes; empty when it ended without one.
QString lineOf(QProcess& process) {
    while (!process.canReadLine())
        if (!process.waitForReadyRead(-1)) return QString::fromUtf8(process.readAll());
    return QString::fromUtf8(process.readLine());
}

void add(CounterReport& total, const CounterReport& report) {
    total.saves += report.saves;
    total.guardRefusals += report.guardRefusals;
    total.busyRefusals += report.busyRefusals;
    total.errors += report.errors;
    total.givenUp += report.givenUp;
    total.okSeconds += report.okSeconds;
    total.okClicks += report.okClicks;
    total.cpuSeconds += report.cpuSeconds;
}

// What the counters did together, and how long it took: from the start to the last report, and in rounds
// the rounds' OK presses.
struct RunOutcome {
    CounterReport total;
    double seconds = 0;
    double savingSeconds = 0;
};

// Whether every counter ended well, its work `complete` so far.
bool finished(Processes& processes, bool complete) {
    for (auto& process : processes) {
        process->waitForFinished(-1);
        complete = complete && process->exitCode() == 0;
    }
    return complete;
}

void tell(const std::vector<QProcess*>& processes, const char* line) {
    for (QProcess* process : processes)
        process->write(line);
    // Without an event loop a process's input is written only while the program waits for it.
    for (QProcess* process : processes)
        process->waitForBytesWritten(-1);
}

// The counters save in rounds. Each counter enters its next receipt and says "ready" (or sends its report
// when it has none left); once every counter still saving is ready, all press OK at once and the round
// lasts until the last says "done". Then they go on to their next receipts. Nothing when a counter ended
// without its report.
std::optional<RunOutcome> runInRounds(Processes& processes) {
    std::vector<QProcess*> saving;
    for (auto& process : processes)
        saving.push_back(process.get());
    RunOutcome outcome;
    bool complete = true;
    QElapsedTimer sinceFirstRound;
    while (!saving.empty()) {
        std::vector<QProcess*> ready;
        for (QProcess* process : saving) {
            const QString line = lineOf(*process).trimmed();
            if (line == QLatin1String("ready"))
                ready.push_back(process);
            else if (const auto report = CounterReport::parse(line))
                add(outcome.total, *report);
            else
                complete = false;
        }
        if (!sinceFirstRound.isValid()) sinceFirstRound.start();
        QElapsedTimer round;
        round.start();
        tell(ready, "go\n");
        for (QProcess* process : ready)
            complete = lineOf(*process).trimmed() == QLatin1String("done") && complete;
        outcome.savingSeconds += round.nsecsElapsed() / 1e9;
        tell(ready, "next\n");
        saving = ready;
    }
    outcome.seconds = sinceFirstRound.nsecsElapsed() / 1e9;
    return finished(processes, complete) ? std::optional(outcome) : std::nullopt;
}

// Every counter once its first receipt is entered, then the start for all at once; each then works at its
// own pace until its report. Nothing when a counter ended without its report.
std::optional<RunOutcome> runAtOwnPace(Processes& processes) {
    std::vector<QProcess*> counters;
    bool complete = true;
    for (auto& process : processes) {
        counters.push_back(process.get());
        complete = lineOf(*process).trimmed() == QLatin1String("ready") && complete;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    tell(counters, "go\n");
    RunOutcome outcome;
    for (QProcess* process : counters) {
        const auto report = CounterReport::parse(lineOf(*process));
        complete = report && complete;
        if (report) add(outcome.total, *report);
    }
    outcome.seconds = sinceStart.nsecsElapsed() / 1e9;
    return finished(processes, complete) ? std::optional(outcome) : std::nullopt;
}

QString yesOrNo(bool yes) {
    return yes ? QStringLiteral("yes") : QStringLiteral("NO");
}

// Attempts made again on a busy database: what the server rolled back less the refusals and errors, each
// of which rolled back once.
QString retriesText(const CounterReport& total, std::optional<long> rollbacks) {
    if (!rollbacks)
        return QStringLiteral("not counted (the module does not tell them; SQLite keeps no count)");
    return QStringLiteral("%1 (%2 transactions rolled back by the server, less the refusals and errors)")
        .arg(*rollbacks - total.guardRefusals - total.busyRefusals - total.errors)
        .arg(*rollbacks);
}

void printRound(const QString& engine, int counters, int saves, const CounterOrder& order,
                const RunOutcome& outcome, std::optional<long> rollbacks, const StoredState& stored) {
    const CounterReport& total = outcome.total;
    const int clicks = std::max(total.okClicks, 1);
    std::printf("%d counters on %s, %d receipts each, %s: %d saved in %.2f s, %.1f saves/s", counters,
                qPrintable(engine), saves,
                order.inRounds ? "pressing OK at once in rounds" : "each at its own pace", total.saves,
                outcome.seconds, total.saves / outcome.seconds);
    if (order.inRounds)
        std::printf("; while they press OK %.1f saves/s (%.2f s)", total.saves / outcome.savingSeconds,
                    outcome.savingSeconds);
    std::printf("\n  OK %.1f ms on average; the counters' own processor time %.1f ms a saved receipt\n",
                total.okSeconds / clicks * 1000, total.saves ? total.cpuSeconds / total.saves * 1000 : 0.0);
    std::printf(
        "  refused by the balance guard %d, refused busy %d, errors %d, receipts given up %d; retries "
        "%s\n",
        total.guardRefusals, total.busyRefusals, total.errors, total.givenUp,
        qPrintable(retriesText(total, rollbacks)));
    std::printf("  ids unique %s (%ld twice), numbers unique %s (%ld twice), receipts complete %s (%ld not), "
                "stored = saved %s (%ld stored), no document settled beyond its amount %s (%ld beyond)\n",
                qPrintable(yesOrNo(stored.duplicateIds == 0)), stored.duplicateIds,
                qPrintable(yesOrNo(stored.duplicateNumbers == 0)), stored.duplicateNumbers,
                qPrintable(yesOrNo(stored.incomplete == 0)), stored.incomplete,
                qPrintable(yesOrNo(stored.receipts == total.saves)), stored.receipts,
                qPrintable(yesOrNo(stored.overSettled == 0)), stored.overSettled);
    std::fflush(stdout);
}

// One round in a database of its own: the demo shops, a neighbouring shop's history, the customers of the
// run with their documents, the keys and tables the register's first opening makes, made before the
// counters start together.
bool runRound(const QString& server, int counters, int saves, bool inRounds) {
    bench::BenchDatabase database(server, QStringLiteral("counters.db"), true);
    const ado::ConnectionPtr& connection = database.connection();
    db::generateLargeDataSet(connection, HistoryShop, HistoryReceipts, HistoryCustomers,
                             DocumentsPerCustomer);
    CounterOrder order{0, connection->connectionString(), lastCustomerId(connection) + 1, saves, inRounds};
    db::generateLargeDataSet(connection, BenchShop, 0, customersOfRun(counters, saves), DocumentsPerCustomer);
    database.settle();
    const std::optional<long> rollbacksBefore = rolledBack(database);
    Processes processes = startCounters(order, counters);
    const std::optional<RunOutcome> outcome = inRounds ? runInRounds(processes) : runAtOwnPace(processes);
    if (!outcome) {
        std::fprintf(stderr, "%d counters: a counter ended before its report\n", counters);
        return false;
    }
    // A server counts a session's transactions when the session ends, a moment after its program.
    if (rollbacksBefore) QThread::msleep(1000);
    const std::optional<long> rollbacksAfter = rolledBack(database);
    std::optional<long> rollbacks;
    if (rollbacksAfter) rollbacks = *rollbacksAfter - *rollbacksBefore;
    const StoredState stored = checkStored(connection);
    printRound(database.engine(), counters, saves, order, *outcome, rollbacks, stored);
    return stored.sound(outcome->total.saves);
}

int runCounterProcess(QStringList& arguments) {
    CounterOrder order;
    order.counter = bench::takeOption(arguments, QStringLiteral("--counter")).toInt();
    order.database = bench::takeDatabaseOption(arguments);
    order.firstCustomer = bench::takeOption(arguments, QStringLiteral("--first-customer")).toInt();
    order.saves = bench::takeOption(arguments, QStringLiteral("--saves")).toInt();
    order.inRounds = bench::takeOption(arguments, QStringLiteral("--in-rounds")).toInt() != 0;
    return runCounter(order);
}

} // namespace

// bench-counters [--database CONNECTION] [--saves M] [COUNTERS...]: 1, 2, 4 and 8 counters of 50 receipts
// each on SQLite by default, first each at its own pace, then pressing OK at once in rounds. With
// --counter N it is one counter of a run, started by the run itself.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.contains(QStringLiteral("--counter"))) return runCounterProcess(arguments);
    const QString server = bench::takeDatabaseOption(arguments);
    const QString savesOption = bench::takeOption(arguments, QStringLiteral("--saves"));
    const int saves = savesOption.isEmpty() ? 50 : savesOption.toInt();
    QList<int> rounds;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        rounds << arguments.at(i).toInt();
    if (rounds.isEmpty()) rounds = {1, 2, 4, 8};
    if (saves < 1 || std::any_of(rounds.cbegin(), rounds.cend(), [](int counters) { return counters < 1; })) {
        std::fprintf(stderr, "usage: bench-counters [--database CONNECTION] [--saves M] [COUNTERS...], "
                             "each a number from 1\n");
        return 2;
    }
    bool sound = true;
    for (int counters : rounds)
        for (bool inRounds : {false, true})
            sound = runRound(server, counters, saves, inRounds) && sound;
    return sound ? 0 : 1;
}
