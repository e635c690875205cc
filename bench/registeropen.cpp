// Times opening the register over a large shop against the bare grid query through the same driver and
// against the engine's own C interface reading the same rows.
#include "benchdatabase.h"
#include "benchtiming.h"
#include "component/clsreceiptsshop.h"
#include "db/shopdatabase.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/form.h"
#include "platform/forms/headlessbackend.h"
#include "rawengine.h"
#include "receiptregister/frmmaster.h"
#include "shared/services/errordetails.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int ShopId = 1;
constexpr int Runs = 3;

double secondsToReadAll(const ado::ConnectionPtr& connection, const QString& sql) {
    QElapsedTimer timer;
    timer.start();
    ado::Recordset rs;
    rs.open(sql, connection);
    long cells = 0;
    for (; !rs.eof(); rs.moveNext())
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells += core::nullAsEmpty(rs.field(i)).size() > 0;
    rs.close();
    return timer.nsecsElapsed() / 1e9;
}

// The grid's rows through the engine's own interface; nothing for an engine without a raw reader here.
std::optional<bench::RawReading> readRaw(const bench::BenchDatabase& database, const QString& sql) {
    const auto target = ado::ConnectionString::parse(database.connection()->connectionString());
    if (database.onSqlite()) return bench::readThroughSqlite(target.database, sql);
#ifdef RECEIPTS_BENCH_LIBPQ
    if (target.driver.compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0)
        return bench::readThroughLibpq(target, sql);
#endif
    return std::nullopt;
}

void report(int rows, double openSeconds, double peakMegabytes, double querySeconds,
            const std::optional<bench::RawReading>& raw) {
    std::printf("receipts in the register: %d (each time the median of %d runs)\n", rows, Runs);
    std::printf("open register: %.3f s, peak memory %.0f MB (goal for 1,000,000: under 3 s)\n", openSeconds,
                peakMegabytes);
    std::printf("bare grid query: %.3f s\nratio: %.2f (goal under 1.5)\n", querySeconds,
                openSeconds / querySeconds);
    if (!raw) {
        std::printf("raw engine: left out, this build has no reader of this engine's own interface\n");
        return;
    }
    std::printf("raw engine: %.3f s (%ld rows)\nratio to the raw engine: %.2f (goal under 1.5)\n",
                raw->seconds, raw->rows, openSeconds / raw->seconds);
}

} // namespace

// bench-register-open [receipts] [--database CONNECTION]: 100000 receipts on a new SQLite file by default.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    const QString server = bench::takeDatabaseOption(arguments);
    const int receipts = arguments.size() > 1 ? arguments.at(1).toInt() : 100000;
    bench::BenchDatabase database(server, QStringLiteral("bench.db"));
    const ado::ConnectionPtr& connection = database.connection();
    db::generateLargeDataSet(connection, ShopId, receipts, 200, 0);
    std::printf("engine: %s\n", qPrintable(database.engine()));

    forms::HeadlessBackend backend;
    double openSeconds = 0;
    int rows = 0;
    QElapsedTimer timer;
    backend.onModal = [&](forms::Form& form) {
        openSeconds = timer.nsecsElapsed() / 1e9;
        rows = static_cast<receiptregister::FrmMaster&>(form).grid().rows() - 1;
        form.unload();
    };
    forms::Runtime::setBackend(&backend);
    suite::setErrorNotifier([](const suite::ErrorRecord& error) {
        std::fprintf(stderr, "error in %s: %s\n", qPrintable(error.procedureName),
                     qPrintable(error.description));
    });
    component::clsReceiptsShop component;
    component.setAdocon(connection);
    component.intCompanyID = 1;
    component.intShopID = ShopId;
    component.intUserID = 1;
    component.dtProcessDate = QDateTime(QDate::currentDate(), QTime());
    // Each figure is the median of its runs, the three kinds of reading taking turns, so that what else the
    // machine does weighs on all of them alike; the memory is the first opening's.
    std::vector<double> opens, queries, raws;
    std::optional<bench::RawReading> raw;
    double peakMegabytes = 0;
    for (int run = 0; run < Runs; ++run) {
        if (run == 0) bench::resetPeakMemory();
        timer.start();
        component.Show();
        if (run == 0) peakMegabytes = bench::peakMemoryMegabytes();
        opens.push_back(openSeconds);
        const QString gridQuery = component.frmMaster().gridQuery();
        queries.push_back(secondsToReadAll(connection, gridQuery));
        raw = readRaw(database, gridQuery);
        if (raw) raws.push_back(raw->seconds);
    }
    if (raw) raw->seconds = bench::median(raws);
    report(rows, bench::median(opens), peakMegabytes, bench::median(queries), raw);
    forms::Runtime::setBackend(nullptr);
    return 0;
}
