// Times saving a settlement of 50 documents into shops holding few and very many receipts.
#include "benchdatabase.h"
#include "benchtiming.h"
#include "cashier.h"
#include "db/shopdatabase.h"
#include "entry/invoicelists.h"
#include "platform/ado/recordset.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/forms/userinput.h"
#include "store/receiptsaving.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace {

constexpr int BenchShop = 9;
constexpr int SettledDocuments = 50;
constexpr int Saves = 9;

struct Timings {
    std::vector<double> saves;
    std::vector<double> keys;
    QString storedDetails;
};

// Beside the demo shop: `receipts` receipts of the bench shop, and one more customer with enough outstanding
// documents for every save.
void fillDatabase(const ado::ConnectionPtr& connection, int receipts) {
    db::generateLargeDataSet(connection, BenchShop, receipts, 200, 0);
    db::generateLargeDataSet(connection, BenchShop, 0, 1, SettledDocuments * Saves);
}

qint32 lastCustomerIndex(const testing_support::EntryControls& entry) {
    int best = 0;
    for (int i = 1; i < entry.cboCustomer.listCount(); ++i)
        if (entry.cboCustomer.itemData(i) > entry.cboCustomer.itemData(best)) best = i;
    return best;
}

// Settles the first 50 listed documents in full and saves, timing the OK command alone.
void saveSettlement(testing_support::EntryControls& entry, Timings& timings) {
    forms::user::select(entry.cboCustomer, lastCustomerIndex(entry));
    std::vector<bench::Settlement> settlements;
    for (int item = 1; item <= SettledDocuments && item <= entry.lvwInvoice.count(); ++item)
        settlements.emplace_back(item,
                                 entry.window.receipt().line(entry::DocumentList::Shop, item).outstanding);
    bench::enterSettlement(entry, settlements, QString::number(100200 + timings.saves.size()));
    // The keys are taken in a transaction undone at once, as a save given up gives its number back.
    const QString prefix = store::readHeaderFacts(entry.window.adocon(), entry::savingCounter()).prefix;
    timings.keys.push_back(bench::secondsOf([&] {
        ado::Transaction undone(entry.window.adocon());
        store::lockAndNumberReceipt(entry.window.adocon(), entry::savingCounter().shopId, prefix);
    }));
    timings.saves.push_back(bench::secondsOf([&] { forms::user::click(entry.cmdok); }));
    if (entry.window.isShown()) std::fprintf(stderr, "the receipt was not saved\n");
}

Timings run(int receipts, const QString& server) {
    bench::BenchDatabase database(server, QStringLiteral("save-%1.db").arg(receipts), true);
    std::printf("preparing %d receipts on %s...\n", receipts, qPrintable(database.engine()));
    std::fflush(stdout);
    const ado::ConnectionPtr& connection = database.connection();
    fillDatabase(connection, receipts);
    database.settle();
    Timings timings;
    bench::Cashier cashier;
    cashier.onMessage = [](const forms::MessageBoxRequest& request) {
        if (bench::asksAboutEarlierPayment(request)) return forms::MsgResult::Yes;
        if (request.text != QLatin1String("Do you want to print Voucher"))
            std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return forms::MsgResult::No;
    };
    cashier.inRegister = [](testing_support::RegisterControls& master) {
        for (int save = 0; save < Saves; ++save)
            forms::user::click(master.cmdnew);
    };
    cashier.inEntry = [&](testing_support::EntryControls& entry) { saveSettlement(entry, timings); };
    bench::showRegister(connection, BenchShop, cashier);
    ado::Recordset rs;
    rs.open(QStringLiteral("select count(*) from LosDummyReceiptDetail where drdshopid=%1 and drdid>%2")
                .arg(BenchShop)
                .arg(receipts),
            connection);
    timings.storedDetails = core::nullAsEmpty(rs.field(0));
    return timings;
}

void printTimings(int receipts, const Timings& timings) {
    std::printf(
        "%9d receipts: save %.4f s (median of %zu), lock, id and number %.4f s, %s detail rows stored\n",
        receipts, bench::median(timings.saves), timings.saves.size(), bench::median(timings.keys),
        qPrintable(timings.storedDetails));
}

} // namespace

// bench-save-receipt [small] [large] [--database CONNECTION]: 1000 and 1000000 receipts on SQLite by default.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const QString server = bench::takeDatabaseOption(arguments);
    const int small = arguments.size() > 1 ? arguments.at(1).toInt() : 1000;
    const int large = arguments.size() > 2 ? arguments.at(2).toInt() : 1000000;
    const bench::CashierFolder folder;
    if (!folder.ready()) return 1;
    bench::reportErrorsOnStderr();
    const Timings few = run(small, server);
    const Timings many = run(large, server);
    printTimings(small, few);
    printTimings(large, many);
    std::printf("ratio %d/%d receipts: save %.2f, lock, id and number %.2f\n", large, small,
                bench::median(many.saves) / bench::median(few.saves),
                bench::median(many.keys) / bench::median(few.keys));
    return 0;
}
