// The bulk data generator of the benchmarks: ids after those in use, dates inside its year, consistent rows.
#include "shopdatabasetest.h"

namespace {

class GeneratorTest : public dbtest::ShopDatabaseTest {
protected:
    // The first row's fields, blank-separated.
    QString line(const QString& sql) const {
        QStringList fields;
        for (const QVariant& field : rows(sql).value(0))
            fields << field.toString();
        return fields.join(' ');
    }
};

// For 10/03/2024 receipts fall on 12/03/2023 to 10/03/2024, documents on 11/03/2023 to 09/03/2024. Every
// third receipt is an advance, every 25th cancelled; the others settle a document of their own customer
// within what it is for. A shop the generator creates lists every receipt in its register.
TEST_P(GeneratorTest, continuesAfterTheIdsInUseAndKeepsItsRowsInsideTheYearUpToTheDay) {
    struct {
        bool onDemo;
        int shop, receipts, customers, documents;
    } runs[] = {{false, 9, 300, 20, 4}, {true, 1, 40, 8, 8}, {false, 9, 30, 3, 0}};
    for (const auto& run : runs) {
        SCOPED_TRACE("shop " + std::to_string(run.shop) + ", receipts " + std::to_string(run.receipts));
        SetUp();
        if (run.onDemo) db::loadDemo(connection, QDate(2024, 3, 10));
        const int lastId = count(QString::asprintf(
            "select isnull(max(drID), 0) from LosDummyReceiptHeader where drShopid = %d", run.shop));
        const int lastCustomer = count("select isnull(max(customerid), 0) from acustomermaster");
        db::generateLargeDataSet(connection, run.shop, run.receipts, run.customers, run.documents,
                                 {2024, 3, 10});
        // Each new receipt's rows with the document it settles and what has been settled of that document.
        const QString settled = QString::asprintf(
            R"((select h.*, v.CUstomerId as owner, v.invoiceamt as invoiced, sum(drdsettledamount) over
            (partition by v.shopid, v.type, v.invoiceId) as total from LosDummyReceiptDetail d join
            LosDummyReceiptHeader h on drShopid = drdshopid and drID = drdid left join vwTotalInvoiceReceiptAmount
            v on v.shopid = drdshopid and v.invoiceId = coalesce(drdinvoiceid, drdserviceinvoiceid, drdsplinvoiceid,
            drdRoomBillID, drdUtilityBillID, drdbookserinvoiceid, drdfineid, drdfandbInvoiceID) and v.type = case
            when drdinvoiceid is not null then 'PCI' when drdserviceinvoiceid is not null then 'PSI' when
            drdsplinvoiceid is not null then 'PDI' when drdRoomBillID is not null then 'RBI' when drdUtilityBillID
            is not null then 'UTB' when drdbookserinvoiceid is not null then 'SBI' when drdfineid is not null then
            'FINE' else 'fandb' end where drdid > %d) settled)",
            lastId);
        const int advances = run.documents ? run.receipts / 3 : run.receipts;
        EXPECT_EQ(
            line(QString::asprintf(
                R"(select count(*), min(drID), max(drID), count(distinct drNo), sum(drCancelled), sum(case when
                drrecamount = 0 then 1 else 0 end), sum(case when drdate > '20230311' and drdate <= '20240310' then
                1 else 0 end), sum(case when drdate = '20240310' then 1 else 0 end), (select count(*) from %s
                where drShopid = %d and drcustomerid = owner and total <= invoiced), (select count(*) from
                acustomermaster where customerid > %d), (select min(customerid) from acustomermaster where
                customerid > %d), (select count(*) from ashopcustomerdetails where shopid = %d and customerid >
                %d), (select count(*) from vwTotalInvoiceReceiptAmount where shopid = %d and CUstomerId > %d
                and invoicedate >= '20230311' and invoicedate < '20240310') from LosDummyReceiptHeader where
                drShopid = %d and drID > %d)",
                qPrintable(settled), run.shop, lastCustomer, lastCustomer, run.shop, lastCustomer, run.shop,
                lastCustomer, run.shop, lastId)),
            QString::asprintf("%d %d %d %d %d %d %d 1 %d %d %d %d %d", run.receipts, lastId + 1,
                              lastId + run.receipts, run.receipts, run.receipts / 25, advances, run.receipts,
                              run.receipts - advances, run.customers, lastCustomer + 1, run.customers,
                              run.customers * run.documents));
        EXPECT_EQ(
            line(
                "select companyid, case when sNoofBackDays >= 365 then 1 else 0 end from ashops natural join "
                "LOsSettings where shopid = 9"),
            run.onDemo ? "" : "1 1");
    }
    EXPECT_THROW(db::generateLargeDataSet(connection, 9, 10, 0, 1), core::RuntimeError);
    EXPECT_THROW(db::generateLargeDataSet(connection, 9, -1, 5, 1), core::RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(, GeneratorTest, dbtest::everyEngine, dbtest::engineName);

} // namespace
