// Tests of the bulk data generator for benchmarks.
#include "db/shopdatabase.h"

#include "documentkinds.h"
#include "shopdatabasetest.h"

#include <QDate>
#include <QElapsedTimer>

using dbtest::errorOf;
using dbtest::ShopDatabaseTest;

namespace {

constexpr int BulkShop = 9;

class GeneratorTest : public ShopDatabaseTest {
protected:
    long long receiptsOf(int shop, const QString& condition = "1 = 1") const {
        return count(QString("select count(*) from LosDummyReceiptHeader where drShopid = %1 and %2")
                         .arg(shop)
                         .arg(condition));
    }
    long long documentsOf(int shop) const {
        return count(QString("select count(*) from vwTotalInvoiceReceiptAmount where shopid = %1").arg(shop));
    }
};

TEST_F(GeneratorTest, producesTheAskedNumbersOfReceiptsCustomersAndDocuments) {
    db::generateLargeDataSet(connection, BulkShop, 300, 20, 4);
    EXPECT_EQ(receiptsOf(BulkShop), 300);
    EXPECT_EQ(count("select count(*) from ashopcustomerdetails where shopid = 9"), 20);
    EXPECT_EQ(documentsOf(BulkShop), 80);
    EXPECT_EQ(
        count("select count(*) from (select CUstomerId from vwTotalInvoiceReceiptAmount where shopid = 9 "
              "group by CUstomerId having count(*) = 4)"),
        20);
    EXPECT_EQ(count("select count(distinct type) from vwTotalInvoiceReceiptAmount where shopid = 9"), 8);
    EXPECT_EQ(receiptsOf(BulkShop, "drCancelled = 1"), 12);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptDetail where drdshopid = 9"), 200);
    EXPECT_EQ(receiptsOf(BulkShop, "drrecamount = 0"), 100) << "every third receipt is an advance";
}

TEST_F(GeneratorTest, createsAMissingShopWhoseRegisterWindowCoversEveryReceipt) {
    db::generateLargeDataSet(connection, BulkShop, 50, 5, 1);
    EXPECT_EQ(scalar("select companyid from ashops where shopid = 9").toInt(), 1);
    int backDays = scalar("select sNoofBackDays from LOsSettings where shopid = 9").toInt();
    QDate oldest =
        scalar("select min(drdate) from LosDummyReceiptHeader where drShopid = 9").toDateTime().date();
    EXPECT_GT(oldest, QDate::currentDate().addDays(-backDays));
    EXPECT_GE(oldest, QDate::currentDate().addDays(-365));
    EXPECT_EQ(scalar("select max(drdate) from LosDummyReceiptHeader where drShopid = 9").toDateTime().date(),
              QDate::currentDate());
}

TEST_F(GeneratorTest, continuesAfterTheIdsAndNumbersInUse) {
    db::loadDemo(connection);
    long long lastReceipt = count("select max(drID) from LosDummyReceiptHeader where drShopid = 1");
    long long lastCustomer = count("select max(customerid) from acustomermaster");
    long long lastInvoice = count("select max(ihinvoiceid) from losinvoiceheader where ihshopid = 1");
    db::generateLargeDataSet(connection, 1, 40, 8, 8);
    EXPECT_EQ(receiptsOf(1, QString("drID > %1").arg(lastReceipt)), 40);
    EXPECT_EQ(
        count(QString("select min(customerid) from acustomermaster where customerid > %1").arg(lastCustomer)),
        lastCustomer + 1);
    EXPECT_EQ(
        count(QString("select min(ihinvoiceid) from losinvoiceheader where ihshopid = 1 and ihinvoiceid > %1")
                  .arg(lastInvoice)),
        lastInvoice + 1);
    EXPECT_EQ(count(QString("select count(*) from LosDummyReceiptHeader where drShopid = 1 and drID > %1 and "
                            "drNo = 'MM/RC/' || drID")
                        .arg(lastReceipt)),
              40);
    EXPECT_EQ(count("select count(distinct drNo) from LosDummyReceiptHeader where drShopid = 1"),
              receiptsOf(1));
}

TEST_F(GeneratorTest, receiptsSettleTheirOwnCustomersDocumentsWithinTheirAmounts) {
    db::generateLargeDataSet(connection, BulkShop, 2000, 10, 2);
    for (const dbtest::Kind& kind : dbtest::documentKinds()) {
        QString join =
            QString("from LosDummyReceiptDetail d join LosDummyReceiptHeader h on h.drShopid = d.drdshopid "
                    "and h.drID = d.drdid join vwTotalInvoiceReceiptAmount v on v.type = '%1' and "
                    "v.shopid = d.drdshopid and v.invoiceId = d.%2 ")
                .arg(kind.code, kind.receiptColumn);
        EXPECT_EQ(count("select count(*) " + join + "where v.CUstomerId <> h.drcustomerid"), 0)
            << kind.code.toStdString();
        EXPECT_EQ(count("select count(*) from (select v.invoiceamt, sum(d.drdsettledamount) settled " + join +
                        "group by v.type, v.invoiceId having settled > v.invoiceamt)"),
                  0)
            << kind.code.toStdString();
    }
    EXPECT_EQ(count("select count(*) from LosDummyReceiptDetail where drdshopid = 9"),
              receiptsOf(BulkShop, "drrecamount > 0"));
}

TEST_F(GeneratorTest, withoutDocumentsEveryReceiptIsAnAdvance) {
    db::generateLargeDataSet(connection, BulkShop, 30, 3, 0);
    EXPECT_EQ(receiptsOf(BulkShop, "drrecamount = 0"), 30);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptDetail"), 0);
    EXPECT_EQ(documentsOf(BulkShop), 0);
}

TEST_F(GeneratorTest, refusesReceiptsWithoutCustomersAndNegativeCounts) {
    EXPECT_EQ(errorOf([&] { db::generateLargeDataSet(connection, BulkShop, 10, 0, 1); }).number(),
              rt::err::InvalidCall);
    EXPECT_EQ(errorOf([&] { db::generateLargeDataSet(connection, BulkShop, -1, 5, 1); }).number(),
              rt::err::InvalidCall);
    EXPECT_EQ(count("select count(*) from ashops"), 0);
}

TEST_F(GeneratorTest, makesAHundredThousandReceiptsInSeconds) {
    QElapsedTimer timer;
    timer.start();
    db::generateLargeDataSet(connection, BulkShop, 100000, 1000, 5);
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(receiptsOf(BulkShop), 100000);
}

} // namespace
