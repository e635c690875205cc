// Times saving a settlement of 50 documents into shops holding few and very many receipts.
#include "benchdatabase.h"
#include "component/clsreceiptsshop.h"
#include "db/shopdatabase.h"
#include "entry/frmreceiptshop.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/headlessbackend.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "platform/suite/errordetails.h"
#include "receiptregister/frmmaster.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int BenchShop = 9;
constexpr int SettledDocuments = 50;
constexpr int Saves = 9;

struct Timings {
    std::vector<double> saves;
    std::vector<double> numbering;
    QString storedDetails;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// Beside the demo shop: `receipts` receipts of the bench shop, and one more customer with enough outstanding
// documents for every save.
void fillDatabase(const ado::ConnectionPtr& connection, int receipts) {
    db::generateLargeDataSet(connection, BenchShop, receipts, 200, 0);
    db::generateLargeDataSet(connection, BenchShop, 0, 1, SettledDocuments * Saves);
}

qint32 lastCustomerIndex(const entry::frmReceiptShop& entry) {
    int best = 0;
    for (int i = 1; i < entry.cboCustomer.listCount(); ++i)
        if (entry.cboCustomer.itemData(i) > entry.cboCustomer.itemData(best)) best = i;
    return best;
}

// Settles the first 50 listed documents in full and saves, timing the OK command alone.
void saveSettlement(entry::frmReceiptShop& entry, Timings& timings) {
    forms::user::select(entry.cboCustomer, lastCustomerIndex(entry));
    entry.txtBank.setText(QStringLiteral("Bank of Maldives"));
    entry.txtRemarks.setText(QStringLiteral("bench settlement"));
    entry.txtchequeno.setText(QStringLiteral("100200"));
    double total = 0;
    for (int item = 1; item <= SettledDocuments && item <= entry.lvwInvoice.count(); ++item) {
        entry.lvwInvoice.setCell(item, 5, entry.lvwInvoice.cell(item, 4));
        total += core::val(entry.lvwInvoice.cell(item, 4));
    }
    const QString amount = core::format(total, QStringLiteral("0.00"));
    entry.txtAmount.setText(amount);
    entry.txtrecamount.setText(amount);
    timings.numbering.push_back(secondsOf([&] { entry.GenerateRecieptNo(); }));
    timings.saves.push_back(secondsOf([&] { forms::user::click(entry.cmdok); }));
    if (entry.isShown()) std::fprintf(stderr, "the receipt was not saved\n");
}

Timings run(int receipts, const QString& server) {
    bench::BenchDatabase database(server, QStringLiteral("save-%1.db").arg(receipts), true);
    std::printf("preparing %d receipts on %s...\n", receipts, qPrintable(database.engine()));
    std::fflush(stdout);
    const ado::ConnectionPtr& connection = database.connection();
    fillDatabase(connection, receipts);
    Timings timings;
    forms::HeadlessBackend backend;
    backend.onMessage = [](const forms::MessageBoxRequest& request) {
        if (request.text != QLatin1String("Do you want to print Voucher"))
            std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return forms::MsgResult::No;
    };
    backend.onModal = [&](forms::Form& form) {
        if (auto* master = dynamic_cast<receiptregister::FrmMaster*>(&form)) {
            for (int save = 0; save < Saves; ++save)
                forms::user::click(master->cmdnew);
            master->unload();
            return;
        }
        auto& entry = static_cast<entry::frmReceiptShop&>(form);
        saveSettlement(entry, timings);
        if (entry.isShown()) entry.unload();
    };
    forms::Runtime::setBackend(&backend);
    component::clsReceiptsShop component;
    component.setAdocon(connection);
    component.intCompanyID = 1;
    component.intShopID = BenchShop;
    component.intUserID = 1;
    component.intFinancialID = 1;
    component.dtProcessDate = QDateTime(QDate::currentDate(), QTime());
    component.Show();
    forms::Runtime::setBackend(nullptr);
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
        "%9d receipts: save %.4f s (median of %zu), numbering statement %.4f s, %s detail rows stored\n",
        receipts, median(timings.saves), timings.saves.size(), median(timings.numbering),
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
    QTemporaryDir dir;
    os::setApplicationFolder(dir.path());
    QFile settings(QDir(dir.path()).filePath(QStringLiteral("shopsetting.txt")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("defaultprint :=0\r\n") <= 0) return 1;
    settings.close();
    suite::setErrorNotifier([](const suite::ErrorRecord& error) {
        std::fprintf(stderr, "error in %s: %s\n", qPrintable(error.procedureName),
                     qPrintable(error.description));
    });
    const Timings few = run(small, server);
    const Timings many = run(large, server);
    printTimings(small, few);
    printTimings(large, many);
    std::printf("ratio %d/%d receipts: save %.2f, numbering statement %.2f\n", large, small,
                median(many.saves) / median(few.saves), median(many.numbering) / median(few.numbering));
    return 0;
}
