// Times opening the register over a large shop against the bare grid query through the same driver.
#include "component/clsreceiptsshop.h"
#include "db/shopdatabase.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/form.h"
#include "platform/forms/headlessbackend.h"
#include "platform/suite/errordetails.h"
#include "receiptregister/frmmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int ShopId = 1;

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int receipts = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    const QString path =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("bench.db"));
    auto connection = ado::Connection::create();
    connection->open(QStringLiteral("Driver=sqlite;Database=") + path);
    db::createSchema(connection);
    db::generateLargeDataSet(connection, ShopId, receipts, 200, 0);

    forms::HeadlessBackend backend;
    double openSeconds = 0;
    int rows = 0;
    QElapsedTimer timer;
    backend.onModal = [&](forms::Form& form) {
        openSeconds = timer.nsecsElapsed() / 1e9;
        rows = static_cast<receiptregister::FrmMaster&>(form).flexMaster.rows() - 1;
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
    timer.start();
    component.Show();
    const double querySeconds = secondsToReadAll(connection, component.frmMaster().strGridQuery);
    std::printf("receipts in the register: %d\n", rows);
    std::printf("open register: %.3f s\nbare grid query: %.3f s\nratio: %.2f (goal under 1.5)\n", openSeconds,
                querySeconds, openSeconds / querySeconds);
    forms::Runtime::setBackend(nullptr);
    return 0;
}
