// Times listing a customer's open documents in the entry window against one aggregate query of the same
// balances.
#include "benchdatabase.h"
#include "benchtiming.h"
#include "db/shopdatabase.h"
#include "entry/frmreceiptshop.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/headlessbackend.h"
#include "shared/session.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int ShopId = 1;
constexpr int CompanyId = 1;
constexpr int DepartmentId = 1;
constexpr int Repeats = 3;

// Opening invoices of the customer (two service lines, 375 in all, every second with a discount of 10):
// every third is partly paid by a head-office voucher, every fifth partly settled, every seventh settled in
// full, every fourth partly settled by a shop receipt, which a voucher takes over for every eighth. Dated
// 400 days back by %6, in the engine's own words.
const char* OpeningInvoicesScript = R"(
CREATE TEMP TABLE bench_n AS
WITH RECURSIVE n(i) AS (SELECT 1 WHERE %1 > 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) SELECT i FROM n;
INSERT INTO AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, departmentid,
                                   FinancialID, discount, dueperiod, Referenceno)
SELECT %2, i, 'OI/' || i, %6, %3, %4, 0,
       CASE WHEN i % 2 = 0 THEN 10 END, 30, 'REF/' || i FROM bench_n;
INSERT INTO serviceinvoicedetails (companyid, invoiceid, serviceline, serviceqty, amount)
SELECT %2, i, 1, 2, 150 FROM bench_n UNION ALL SELECT %2, i, 2, 1, 75 FROM bench_n;
INSERT INTO receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, cancelled)
SELECT %2, 500000 + i, %3, 0, 0 FROM bench_n WHERE i % 3 = 0;
INSERT INTO receiptvoucherdetails (companyid, receiptid, voucherline, amountreceived, hqaccountsinvoiceid)
SELECT %2, 500000 + i, 1, 50, i FROM bench_n WHERE i % 3 = 0;
INSERT INTO customersettlementheader (CompanyID, CSID, customerid, cancelled)
SELECT %2, i, %3, 0 FROM bench_n WHERE i % 5 = 0 OR i % 7 = 0;
INSERT INTO customersettlementdetail (CompanyID, CSID, settlementline, shopid, settlementamount, ACCinvoiceid)
SELECT %2, i, 1, %5, CASE WHEN i % 7 = 0 THEN 375 ELSE 40 END, i FROM bench_n WHERE i % 5 = 0 OR i % 7 = 0;
INSERT INTO LosDummyReceiptHeader (drShopid, drID, drCompanyID, drcustomerid, drCancelled)
SELECT %5, 600000 + i, %2, %3, 0 FROM bench_n WHERE i % 4 = 0;
INSERT INTO LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdaccinvoiceid,
                                   drdsettledamount)
SELECT %5, 600000 + i, 1, %2, i, 30 FROM bench_n WHERE i % 4 = 0;
INSERT INTO receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, cancelled)
SELECT %2, 700000 + i, %3, 600000 + i, 0 FROM bench_n WHERE i % 8 = 0;
INSERT INTO receiptvoucherdetails (companyid, receiptid, voucherline, amountreceived, hqaccountsinvoiceid)
SELECT %2, 700000 + i, 1, 30, i FROM bench_n WHERE i % 8 = 0;
DROP TABLE bench_n;
)";

// Head office takes over every fifth live shop receipt that settles a document: its voucher names the
// receipt and the same document in the column of its kind.
const char* TakeOverScript = R"(
CREATE TEMP TABLE bench_taken AS
SELECT d.* FROM LosDummyReceiptDetail d
  JOIN LosDummyReceiptHeader h ON h.drShopid = d.drdshopid AND h.drID = d.drdid
 WHERE d.drdshopid = %1 AND h.drCancelled = 0 AND d.drdid % 5 = 1 AND d.drdaccinvoiceid IS NULL;
INSERT INTO receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, cancelled)
SELECT %2, 800000 + drdid, 0, drdid, 0 FROM bench_taken;
INSERT INTO receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, posinvoiceid,
                                   Posserviceinvoiceid, posspinvoiceid, RoomBillID, UtilityBillID, fineid,
                                   fandbInvoiceID)
SELECT %2, 800000 + drdid, 1, drdshopid, drdsettledamount, drdinvoiceid,
       coalesce(drdserviceinvoiceid, drdbookserinvoiceid), drdsplinvoiceid, drdRoomBillID, drdUtilityBillID,
       drdfineid, drdfandbInvoiceID
  FROM bench_taken;
DROP TABLE bench_taken;
)";

// Every balance both lists show, in one statement of the module's dialect.
const char* AggregateQuery = R"(
select balance from (
 select vw.invoiceId id, vw.invoiceamt - vw.settled - isnull(r.amt, 0) balance
   from vwTotalInvoiceReceiptAmount vw
   left join (
     select d.kind, d.docid, sum(d.drdsettledamount) amt from (
       select case when rd.drdinvoiceid is not null then 'PCI'
                   when rd.drdserviceinvoiceid is not null then 'PSI'
                   when rd.drdsplinvoiceid is not null then 'PDI' when rd.drdRoomBillID is not null then 'RBI'
                   when rd.drdUtilityBillID is not null then 'UTB'
                   when rd.drdbookserinvoiceid is not null then 'SBI'
                   when rd.drdfineid is not null then 'FINE'
                   when rd.drdfandbInvoiceID is not null then 'fandb' end kind,
              cast(coalesce(rd.drdinvoiceid, rd.drdserviceinvoiceid, rd.drdsplinvoiceid, rd.drdRoomBillID,
                            rd.drdUtilityBillID, rd.drdbookserinvoiceid, rd.drdfineid,
                            rd.drdfandbInvoiceID) as int) docid,
              rd.drdid, rd.drdsettledamount
         from losdummyreceiptdetail rd join losdummyreceiptheader rh
           on rd.drdid = rh.drid and rd.drdshopid = rh.drshopid
        where rh.drcancelled = 0 and rd.drdshopid = %1 and rd.drdaccinvoiceid is null) d
      where not exists (
        select 1 from receiptvoucherheader vh cross join receiptvoucherdetails vd
         where vd.receiptid = vh.receiptid and vd.companyid = vh.companyid
           and vh.companyid = %2 and vh.cancelled = 0 and vh.dummyreceiptid = d.drdid and vd.shopid = %1
           and d.docid = case d.kind when 'PCI' then vd.posinvoiceid when 'PSI' then vd.Posserviceinvoiceid
                         when 'PDI' then vd.posspinvoiceid when 'RBI' then vd.RoomBillID
                         when 'UTB' then vd.UtilityBillID when 'SBI' then vd.Posserviceinvoiceid
                         when 'FINE' then vd.fineid when 'fandb' then vd.fandbInvoiceID end)
      group by d.kind, d.docid) r on r.kind = vw.type and r.docid = vw.invoiceId
  where vw.shopid = %1 and vw.CUstomerId = %3 and vw.type not in ('PAYMENT', 'RE', 'HQI', 'SDEBIT', 'HDEBIT')
    and vw.invoiceamt > vw.settled
 union all
 select a.invoiceid,
        (select isnull(sum(sd.serviceqty * sd.amount), 0) from serviceinvoicedetails sd
          where sd.invoiceid = a.invoiceid and sd.companyid = a.companyid) - isnull(a.discount, 0)
      - (select isnull(sum(vd.amountreceived), 0) from receiptvoucherdetails vd, receiptvoucherheader vh
          where vd.companyid = %2 and vd.receiptid = vh.receiptid and vd.companyid = vh.companyid
            and vh.cancelled = 0 and vd.hqaccountsinvoiceid = a.invoiceid and vh.CustomerID = %3)
      - (select isnull(sum(csd.settlementamount), 0)
           from customersettlementheader csh, customersettlementdetail csd
          where csh.CSID = csd.CSID and csh.CompanyID = csd.CompanyID and csh.companyid = %2
            and csd.ACCinvoiceid = a.invoiceid and csh.cancelled = 0)
      - (select isnull(sum(od.drdsettledamount), 0) from losdummyreceiptdetail od, losdummyreceiptheader oh
          where od.drdid = oh.drid and oh.drcancelled = 0 and od.drdshopid = oh.drshopid
            and od.drdaccInvoiceID = a.invoiceid and od.drdshopid = %1
            and oh.drid not in (select th.dummyreceiptid
                                  from receiptvoucherdetails td, receiptvoucherheader th
                                 where td.companyid = %2 and td.receiptid = th.receiptid
                                   and td.companyid = th.companyid and th.cancelled = 0
                                   and td.hqaccountsinvoiceid = a.invoiceid))
   from AccountsInvoiceHeader a
  where a.cancelled = 0 and a.proforma = 0 and a.cashinvoice = 0 and a.companyid = %2 and a.customerid = %3
    and a.departmentid = %4 and a.FinancialID = 0) balances
where balance > 0
)";

struct Listing {
    double seconds = 0;
    int rows = 0;
    double total = 0; // sum of the balances as shown, two decimals each
};

// The fastest of a few runs after one that warms the page cache.
double bestOf(const std::function<double()>& run) {
    run();
    double best = run();
    for (int i = 1; i < Repeats; ++i)
        best = std::min(best, run());
    return best;
}

// A window with the customer chosen and nothing listed: each run of the loaders starts from one.
std::unique_ptr<entry::frmReceiptShop> windowOf(const ado::ConnectionPtr& connection, int customerId) {
    auto window = std::make_unique<entry::frmReceiptShop>();
    window->setAdocon(connection);
    auto& customers = dynamic_cast<forms::ComboBox&>(*window->findControl(QStringLiteral("cboCustomer")));
    customers.Click = nullptr; // the loaders are timed on their own
    customers.addItem(QStringLiteral("Bench customer"));
    customers.setItemData(0, customerId);
    customers.setListIndex(0);
    return window;
}

// Both loaders of the entry window, timed together and each on its own.
Listing timeLoaders(const ado::ConnectionPtr& connection, int customerId, double& shopSeconds,
                    double& openingSeconds) {
    const auto timed = [&](const std::function<void(entry::frmReceiptShop&)>& load) {
        return bestOf([&] {
            const auto window = windowOf(connection, customerId);
            return bench::secondsOf([&] { load(*window); });
        });
    };
    shopSeconds = timed([](entry::frmReceiptShop& window) { window.LoadShopInvoices(); });
    openingSeconds = timed([](entry::frmReceiptShop& window) { window.LoadOpeningInvoices(DepartmentId); });
    const auto loadBoth = [](entry::frmReceiptShop& window) {
        window.LoadShopInvoices();
        window.LoadOpeningInvoices(DepartmentId);
    };
    Listing listing;
    listing.seconds = timed(loadBoth);
    const auto window = windowOf(connection, customerId);
    loadBoth(*window);
    for (entry::DocumentList list : {entry::DocumentList::Shop, entry::DocumentList::Opening})
        for (const entry::SettlementLine& line : window->receipt().lines(list)) {
            ++listing.rows;
            listing.total += double(line.outstanding.cents()) / 100;
        }
    return listing;
}

Listing timeAggregate(const ado::ConnectionPtr& connection, int customerId) {
    const QString sql =
        QString::fromLatin1(AggregateQuery).arg(ShopId).arg(CompanyId).arg(customerId).arg(DepartmentId);
    Listing listing;
    listing.seconds = bestOf([&] {
        return bench::secondsOf([&] {
            listing = Listing();
            ado::Recordset rs;
            rs.open(sql, connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
            for (; !rs.eof(); rs.moveNext()) {
                listing.total += core::roundHalfEven(core::toDouble(rs.field(0)), 2);
                ++listing.rows;
            }
            rs.close();
        });
    });
    return listing;
}

// Midnight 400 days ago, as each engine's native scripts write it.
QString openingDate(bool onSqlite) {
    return onSqlite ? QStringLiteral("date('now', '-400 days') || ' 00:00:00.000'")
                    : QStringLiteral("current_date - 400");
}

// One customer owning `documents` open documents in the new database: nine in ten shop documents of every
// kind with as many receipts, one in ten opening invoices.
int buildShop(const bench::BenchDatabase& database, int documents) {
    const ado::ConnectionPtr& connection = database.connection();
    connection->execute(
        QStringLiteral("insert into adepartmentMaster (DepartmentID, CompanyID, departmentname) "
                       "values (%1, %2, 'Retail')")
            .arg(DepartmentId)
            .arg(CompanyId));
    const int shopDocuments = documents - documents / 10;
    db::generateLargeDataSet(connection, ShopId, shopDocuments, 1, shopDocuments);
    ado::Recordset rs;
    rs.open(QStringLiteral("select max(customerid) from acustomermaster"), connection);
    const int customerId = core::toInt32(rs.field(0));
    rs.close();
    connection->driver().executeNative(QString::fromLatin1(TakeOverScript).arg(ShopId).arg(CompanyId));
    connection->driver().executeNative(QString::fromLatin1(OpeningInvoicesScript)
                                           .arg(documents / 10)
                                           .arg(CompanyId)
                                           .arg(customerId)
                                           .arg(DepartmentId)
                                           .arg(ShopId)
                                           .arg(openingDate(database.onSqlite())));
    database.settle();
    return customerId;
}

void prepareSession(const ado::ConnectionPtr& connection) {
    shared::Session& s = shared::session();
    s.companyId = CompanyId;
    s.shopId = ShopId;
    s.userId = 1;
    s.processDate = QDateTime(QDate::currentDate(), QTime(0, 0));
    s.commonDb = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
    s.commonDb->adocon = connection;
}

void benchmark(int documents, const QString& server) {
    bench::BenchDatabase database(server, QStringLiteral("bench.db"));
    const ado::ConnectionPtr& connection = database.connection();
    const int customerId = buildShop(database, documents);
    prepareSession(connection);
    double shopSeconds = 0, openingSeconds = 0;
    bench::resetPeakMemory();
    const Listing loaders = timeLoaders(connection, customerId, shopSeconds, openingSeconds);
    const double peakMegabytes = bench::peakMemoryMegabytes();
    const Listing aggregate = timeAggregate(connection, customerId);
    const bool agree = loaders.rows == aggregate.rows && std::fabs(loaders.total - aggregate.total) < 0.005;
    std::printf("%s, %d documents of the customer: %d listed\n", qPrintable(database.engine()), documents,
                loaders.rows);
    std::printf(
        "  LoadShopInvoices %.3f s, LoadOpeningInvoices %.3f s, both %.3f s (goal: under 0.15 s for 5000, "
        "1 s for 50000); peak memory %.0f MB\n",
        shopSeconds, openingSeconds, loaders.seconds, peakMegabytes);
    std::printf("  aggregate query %.3f s; ratio loaders / aggregate %.1f\n", aggregate.seconds,
                loaders.seconds / aggregate.seconds);
    std::printf("  balances agree: %s (%d rows, %.2f in all; aggregate %d rows, %.2f)\n",
                agree ? "yes" : "NO", loaders.rows, loaders.total, aggregate.rows, aggregate.total);
}

} // namespace

// bench-outstanding-documents [documents ...] [--database CONNECTION]: 1000 and 5000 on SQLite by default.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    forms::HeadlessBackend backend;
    forms::Runtime::setBackend(&backend);
    QStringList arguments = app.arguments();
    const QString server = bench::takeDatabaseOption(arguments);
    QList<int> sizes;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        sizes << arguments.at(i).toInt();
    if (sizes.isEmpty()) sizes = {1000, 5000};
    for (int documents : sizes)
        benchmark(documents, server);
    forms::Runtime::setBackend(nullptr);
    shared::session() = shared::Session();
    return 0;
}
