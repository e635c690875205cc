// The rule that a posted receipt is frozen and that a cancelled receipt is never posted.
#include "shopdatabasetest.h"

using dbtest::errorOf;
using dbtest::ShopDatabaseTest;

namespace {

const char* const Frozen = "Posted receipts cannot be changed.";

// Shop 1 holds receipt 1 (open, with a detail), receipt 3 (cancelled) and receipt 4 (posted, with a detail).
class PostedReceipt : public ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        native("INSERT INTO ashops (shopid, companyid, cashaccountid) VALUES (1, 1, 1001);"
               "INSERT INTO LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drcustomerid, dramount,"
               " drCancelled) VALUES (1, 1, 1, 'MM/1', 10, 100, 0), (1, 3, 1, 'MM/3', 10, 70, 1),"
               " (1, 4, 1, 'MM/4', 12, 30, 0);"
               "INSERT INTO LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdsettledamount) VALUES"
               " (1, 1, 1, 100), (1, 4, 1, 30);"
               "UPDATE LosDummyReceiptHeader SET drposted = 1 WHERE drID = 4;");
    }
};

TEST_P(PostedReceipt, refusesEveryChangeWhileAnOpenReceiptTakesThem) {
    const struct {
        const char* statement;
        const char* refusal; // null: the change is taken
    } rows[] = {
        {"update LosDummyReceiptHeader set drcancelled = 1, drCancelledRemarks = 'late' where drid = 4",
         Frozen},
        {"delete from LosDummyReceiptHeader where drID = 4", Frozen},
        {"insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 4, 2)", Frozen},
        {"update LosDummyReceiptDetail set drdsettledamount = 1 where drdid = 4", Frozen},
        {"update LosDummyReceiptDetail set drdid = 4 where drdid = 1", Frozen},
        {"delete from LosDummyReceiptDetail where drdid = 4", Frozen},
        {"update LosDummyReceiptHeader set drposted = 1 where drID = 3",
         "Cancelled receipts cannot be posted."},
        {"insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 1, 2)", nullptr},
        {"update LosDummyReceiptDetail set drdsettledamount = 90 where drdid = 1 and drdDetailid = 1",
         nullptr},
        {"delete from LosDummyReceiptDetail where drdid = 1 and drdDetailid = 2", nullptr},
        {"update LosDummyReceiptHeader set drcancelled = 1, drCancelledRemarks = 'late' where drid = 1",
         nullptr}};
    for (const auto& row : rows) {
        const QString statement = QString::fromLatin1(row.statement);
        if (!row.refusal) {
            EXPECT_NO_THROW(execute(statement)) << row.statement;
            continue;
        }
        const core::RuntimeError error = errorOf([&] { execute(statement); });
        EXPECT_EQ(error.number(), core::err::DbConstraintViolation) << row.statement;
        EXPECT_TRUE(error.description().contains(QLatin1String(row.refusal)))
            << error.description().toStdString();
    }
    EXPECT_EQ(count("select count(*) from LosDummyReceiptDetail where drdid = 4"), 1);
    EXPECT_EQ(texts("select drNo from LosDummyReceiptHeader where drCancelled = 1 order by drID"),
              QStringList({"MM/1", "MM/3"}));
    EXPECT_EQ(count("select count(*) from aGeneralLedger where documentid = 3"), 0);
}

INSTANTIATE_TEST_SUITE_P(, PostedReceipt, dbtest::everyEngine, dbtest::engineName);

} // namespace
