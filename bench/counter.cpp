// One counter of the counters benchmark: a process of its own that saves receipts through the entry
// window's OK as a cashier does, while other counters save into the same database.
#include "benchtiming.h"
#include "cashier.h"
#include "counters.h"

#include "entry/invoicelists.h"
#include "platform/core/conversions.h"
#include "platform/forms/userinput.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <random>

namespace bench::counters {

namespace {

// Each receipt settles five of the first twelve documents listed, so that counters on the shared customer
// meet on the same documents.
constexpr int DocumentsChosenFrom = 12;
// What one row settles on a document, or what is open on it when that is less: a document takes three or
// four rows, and a counter that listed one before another settled its last part meets the balance guard.
const entry::Money RowAmount = entry::Money::fromCents(40000);
// A refused receipt is entered again on fresh balances, as a cashier corrects it, this many times at most.
constexpr int TriesPerReceipt = 5;

const QString BusyMessage =
    QStringLiteral("The receipt could not be saved: the database is busy. Try again.");
const QString GuardMessageEnd = QStringLiteral(
    " left to settle now: another counter settled it meanwhile. Correct the settlement and save again.");
const QStringList AnsweredNo = {QStringLiteral("Do you want to print Voucher"),
                                QStringLiteral("Save Changes?")};

// Five documents among the first listed, each settled by a row's amount or what is open on it.
std::vector<Settlement> chooseSettlements(const testing_support::EntryControls& entry, std::mt19937& random) {
    std::vector<int> items(std::min(DocumentsChosenFrom, entry.lvwInvoice.count()));
    std::iota(items.begin(), items.end(), 1);
    std::shuffle(items.begin(), items.end(), random);
    items.resize(std::min<size_t>(items.size(), DocumentsPerReceipt));
    std::vector<Settlement> settlements;
    for (int item : items)
        settlements.emplace_back(
            item,
            std::min(RowAmount, entry.window.receipt().line(entry::DocumentList::Shop, item).outstanding));
    return settlements;
}

class Counter {
public:
    explicit Counter(const CounterOrder& order) : order_(order) {}

    CounterReport run(const ado::ConnectionPtr& connection) {
        reportErrorsOnStderr([this] { ++report_.errors; });
        Cashier cashier;
        cashier.onMessage = [this](const forms::MessageBoxRequest& request) { return answer(request); };
        cashier.inRegister = [this](testing_support::RegisterControls& master) { saveAll(master); };
        cashier.inEntry = [this](testing_support::EntryControls& entry) { enterReceipt(entry); };
        showRegister(connection, BenchShop, cashier);
        return report_;
    }

private:
    CounterOrder order_;
    CounterReport report_;
    int receipt_ = 0;
    int try_ = 0;
    bool saved_ = false;

    forms::MsgResult answer(const forms::MessageBoxRequest& request) {
        if (asksAboutEarlierPayment(request)) return forms::MsgResult::Yes;
        if (request.text == BusyMessage)
            ++report_.busyRefusals;
        else if (request.text.endsWith(GuardMessageEnd))
            ++report_.guardRefusals;
        else if (!AnsweredNo.contains(request.text)) {
            ++report_.errors;
            std::fprintf(stderr, "counter %d, message: %s\n", order_.counter, qPrintable(request.text));
        }
        return forms::MsgResult::No;
    }

    void saveAll(testing_support::RegisterControls& master) {
        const std::clock_t cpuAtStart = std::clock();
        for (receipt_ = 0; receipt_ < order_.saves; ++receipt_) {
            saved_ = false;
            for (try_ = 0; !saved_ && try_ < TriesPerReceipt; ++try_)
                forms::user::click(master.cmdnew);
            if (!saved_) ++report_.givenUp;
        }
        report_.cpuSeconds = double(std::clock() - cpuAtStart) / CLOCKS_PER_SEC;
    }

    // Tells the parent where the counter is and waits for its answer: the counters start together, and in
    // rounds all press OK at once and none enters its next receipt before all have saved.
    static void tellAndWait(const char* where) {
        std::printf("%s\n", where);
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin)) std::fprintf(stderr, "the benchmark ended meanwhile\n");
    }

    // Each receipt is paid by a cheque of its own, which a receipt entered again after a refusal keeps.
    QString chequeOfReceipt() const { return QString::number(order_.counter * 1000000 + receipt_ + 1); }

    void enterReceipt(testing_support::EntryControls& entry) {
        const int index = customerIndex(entry, customerOfReceipt(order_, receipt_));
        if (index < 0) return;
        forms::user::select(entry.cboCustomer, index);
        if (entry.lvwInvoice.count() == 0) return;
        std::mt19937 random(order_.counter * 1000003u + receipt_ * 101u + try_);
        enterSettlement(entry, chooseSettlements(entry, random), chequeOfReceipt());
        if (order_.inRounds || report_.okClicks == 0) tellAndWait("ready");
        report_.okSeconds += secondsOf([&] { forms::user::click(entry.cmdok); });
        ++report_.okClicks;
        saved_ = !entry.window.isShown();
        report_.saves += saved_;
        if (order_.inRounds) tellAndWait("done");
    }
};

const QRegularExpression ReportPattern(QStringLiteral(
    "^report saves=(\\d+) guard=(\\d+) busy=(\\d+) errors=(\\d+) given-up=(\\d+) ok-seconds=([0-9.]+) "
    "ok-clicks=(\\d+) cpu-seconds=([0-9.]+)$"));

// How many of a counter's receipts before `receipt` (counted from 0) settle a shared customer's documents.
int sharedReceiptsBefore(int receipt) {
    return receipt / SharedEvery;
}

bool isShared(int receipt) {
    return receipt % SharedEvery == SharedEvery - 1;
}

int ownCustomersPerCounter(int saves) {
    const int own = saves - sharedReceiptsBefore(saves);
    return (own + OwnReceiptsPerCustomer - 1) / OwnReceiptsPerCustomer;
}

} // namespace

int customersOfRun(int counters, int saves) {
    return sharedReceiptsBefore(saves) + counters * ownCustomersPerCounter(saves);
}

qint32 customerOfReceipt(const CounterOrder& order, int receipt) {
    const int shared = sharedReceiptsBefore(order.saves);
    if (isShared(receipt)) return order.firstCustomer + sharedReceiptsBefore(receipt);
    const int own = (receipt - sharedReceiptsBefore(receipt)) / OwnReceiptsPerCustomer;
    return order.firstCustomer + shared + (order.counter - 1) * ownCustomersPerCounter(order.saves) + own;
}

QString CounterReport::line() const {
    return QStringLiteral("report saves=%1 guard=%2 busy=%3 errors=%4 given-up=%5 ok-seconds=%6 ok-clicks=%7 "
                          "cpu-seconds=%8")
        .arg(saves)
        .arg(guardRefusals)
        .arg(busyRefusals)
        .arg(errors)
        .arg(givenUp)
        .arg(okSeconds, 0, 'f', 4)
        .arg(okClicks)
        .arg(cpuSeconds, 0, 'f', 4);
}

std::optional<CounterReport> CounterReport::parse(const QString& line) {
    const QRegularExpressionMatch match = ReportPattern.match(line.trimmed());
    if (!match.hasMatch()) return std::nullopt;
    const auto whole = [&](int i) { return match.captured(i).toInt(); };
    return CounterReport{whole(1), whole(2),
                         whole(3), whole(4),
                         whole(5), match.captured(6).toDouble(),
                         whole(7), match.captured(8).toDouble()};
}

int runCounter(const CounterOrder& order) {
    const CashierFolder folder;
    if (!folder.ready()) return 1;
    const ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(order.database);
    const CounterReport report = Counter(order).run(connection);
    connection->close();
    std::printf("%s\n", qPrintable(report.line()));
    return 0;
}

} // namespace bench::counters
