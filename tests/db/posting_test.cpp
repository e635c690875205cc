// Tests of the ledger posting procedure and of the rule that posted receipts are frozen.
#include "platform/ado/command.h"

#include "shopdatabasetest.h"

using dbtest::errorOf;
using dbtest::ShopDatabaseTest;

namespace {

const QString postedMessage = "Posted receipts cannot be changed.";
constexpr long long earlierLines = 2;

// Shop 1 holds an active receipt, an active one taken in dollars, a cancelled one and one posted earlier
// (with its two ledger lines); shop 2 holds one active receipt. Both shops belong to company 1.
class PostingTest : public ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        native("INSERT INTO ashops (shopid, companyid, cashaccountid) VALUES (1, 1, 1001), (2, 1, 1002);"
               "INSERT INTO aSettings (CompanyID, debtorsaccountid) VALUES (1, 1200);"
               "INSERT INTO LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drdate, drcustomerid, "
               "dramount,"
               "    drreccurrencyid, drExchangeRate, drCancelled, drposted) VALUES"
               " (1, 1, 1, 'MM/1', '2026-12-01 00:00:00.000', 10, 100, 1, 1, 0, 0),"
               " (1, 2, 1, 'MM/2', '2026-12-02 00:00:00.000', 11, 50, 2, 15.42, 0, 0),"
               " (1, 3, 1, 'MM/3', '2026-12-03 00:00:00.000', 10, 70, 1, 1, 1, 0),"
               " (1, 4, 1, 'MM/4', '2026-11-20 00:00:00.000', 12, 30, 1, 1, 0, 0),"
               " (2, 1, 1, 'HM/1', '2026-12-01 00:00:00.000', 10, 40, 1, 1, 0, 0);"
               "INSERT INTO LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid,"
               "    drdinvoiceamount, drdsettledamount) VALUES (1, 1, 1, 1, 7, 250, 100), (1, 4, 1, 1, 8, "
               "30, 30);"
               "UPDATE LosDummyReceiptHeader SET drposted = 1 WHERE drShopid = 1 AND drID = 4;");
    }
    void post(int companyId, int shopId) const {
        ado::Command command;
        command.setActiveConnection(connection);
        command.setCommandType(ado::CommandType::StoredProcedure);
        command.setCommandText("spUpdateLedgersPOSReceipts");
        command.appendParameter(companyId);
        command.appendParameter(shopId);
        command.execute();
    }
    QStringList posted() const {
        return texts("select drNo from LosDummyReceiptHeader where drposted = 1 order by drShopid, drID");
    }
    long long ledgerLines() const { return count("select count(*) from aGeneralLedger"); }
    void expectRefused(const QString& statement) const {
        auto error = errorOf([&] { execute(statement); });
        EXPECT_EQ(error.number(), rt::err::DbConstraintViolation) << statement.toStdString();
        EXPECT_TRUE(error.description().contains(postedMessage)) << error.description().toStdString();
    }
};

TEST_F(PostingTest, postsOnlyTheShopsActiveReceiptsNotPostedBefore) {
    post(1, 1);
    EXPECT_EQ(posted(), (QStringList{"MM/1", "MM/2", "MM/4"}));
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drpostedtime is not null"), 2);
}

TEST_F(PostingTest, writesCashDebitAndCustomerCreditInTheCompanyCurrency) {
    post(1, 1);
    QList<QVariantList> lines =
        rows("select accountid, customerid, debit, credit, currencyamount, documentno "
             "from aGeneralLedger where documentid = 2 order by glid");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0][0].toInt(), 1001);
    EXPECT_TRUE(lines[0][1].isNull());
    EXPECT_DOUBLE_EQ(lines[0][2].toDouble(), 771.0);
    EXPECT_DOUBLE_EQ(lines[0][3].toDouble(), 0.0);
    EXPECT_EQ(lines[1][0].toInt(), 1200);
    EXPECT_EQ(lines[1][1].toInt(), 11);
    EXPECT_DOUBLE_EQ(lines[1][3].toDouble(), 771.0);
    EXPECT_DOUBLE_EQ(lines[1][4].toDouble(), 50.0);
    EXPECT_EQ(lines[1][5].toString(), "MM/2");
    EXPECT_EQ(ledgerLines(), earlierLines + 4) << "receipts 1 and 2 only; receipt 4 was posted before";
    EXPECT_DOUBLE_EQ(number("select sum(debit) - sum(credit) from aGeneralLedger"), 0.0);
}

TEST_F(PostingTest, postingAgainFindsNothingNew) {
    post(1, 1);
    post(1, 1);
    EXPECT_EQ(ledgerLines(), earlierLines + 4);
}

TEST_F(PostingTest, postsNothingForAnotherCompanysShop) {
    post(2, 1);
    EXPECT_EQ(posted(), QStringList{"MM/4"});
    EXPECT_EQ(ledgerLines(), earlierLines);
}

TEST_F(PostingTest, postingRolledBackWithItsTransactionLeavesNothing) {
    connection->beginTrans();
    post(1, 2);
    EXPECT_EQ(posted(), (QStringList{"MM/4", "HM/1"}));
    connection->rollbackTrans();
    EXPECT_EQ(posted(), QStringList{"MM/4"});
    EXPECT_EQ(ledgerLines(), earlierLines);
}

TEST_F(PostingTest, postedReceiptCannotBeCancelled) {
    post(1, 1);
    expectRefused(
        "update LosDummyReceiptHeader set drcancelled = 1 ,drCancelledRemarks = 'late' where drshopid=1 "
        "and drid = '1'");
    EXPECT_EQ(scalar("select drCancelled from LosDummyReceiptHeader where drShopid = 1 and drID = 1").toInt(),
              0);
}

TEST_F(PostingTest, unpostedReceiptCanStillBeCancelled) {
    post(1, 1);
    execute("update LosDummyReceiptHeader set drcancelled = 1 ,drCancelledRemarks = 'late' where drshopid=2 "
            "and drid = '1'");
    EXPECT_EQ(scalar("select drCancelled from LosDummyReceiptHeader where drShopid = 2 and drID = 1").toInt(),
              1);
}

TEST_F(PostingTest, postedReceiptCannotBeDeletedNorItsDetailsChanged) {
    expectRefused("delete from LosDummyReceiptHeader where drShopid = 1 and drID = 4");
    expectRefused("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 4, 2)");
    expectRefused("update LosDummyReceiptDetail set drdsettledamount = 1 where drdshopid = 1 and drdid = 4");
    expectRefused("update LosDummyReceiptDetail set drdid = 4 where drdshopid = 1 and drdid = 1");
    expectRefused("delete from LosDummyReceiptDetail where drdshopid = 1 and drdid = 4");
    EXPECT_EQ(count("select count(*) from LosDummyReceiptDetail where drdid = 4"), 1);
}

TEST_F(PostingTest, detailsOfUnpostedReceiptsStayWritable) {
    execute("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 1, 2)");
    execute("update LosDummyReceiptDetail set drdsettledamount = 90 where drdshopid = 1 and drdid = 1 "
            "and drdDetailid = 1");
    execute("delete from LosDummyReceiptDetail where drdshopid = 1 and drdid = 1 and drdDetailid = 2");
    EXPECT_DOUBLE_EQ(number("select drdsettledamount from LosDummyReceiptDetail where drdid = 1"), 90.0);
}

TEST_F(PostingTest, cancelledReceiptCannotBePosted) {
    auto error = errorOf(
        [&] { execute("update LosDummyReceiptHeader set drposted = 1 where drShopid = 1 and drID = 3"); });
    EXPECT_EQ(error.number(), rt::err::DbConstraintViolation);
    EXPECT_EQ(ledgerLines(), earlierLines);
}

} // namespace
