// The schema's own rules: the receipt's key and defaults, text collation, date storage.
#include "shopdatabasetest.h"

namespace {

class SchemaTest : public dbtest::ShopDatabaseTest {};

TEST_F(SchemaTest, receiptKeyIsShopAndIdAndANewReceiptIsActiveAndUnposted) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (1, 1), (2, 1)");
    auto again =
        dbtest::errorOf([&] { execute("insert into LosDummyReceiptHeader (drShopid, drID) values (2, 1)"); });
    EXPECT_EQ(again.number(), rt::err::DbConstraintViolation);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drCancelled = 0 and drposted = 0"), 2);
}

TEST_F(SchemaTest, textColumnsCompareWithoutCaseAndTrailingBlanks) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drRecadduser) values "
            "(1, 1, 'rc-0009 ', 'RC-0009'), (1, 2, 'rc-0009', 'RC-0008')");
    EXPECT_EQ(texts("select drID from LosDummyReceiptHeader where drNo = drRecadduser"), QStringList{"1"});
}

// Whatever form the module writes a date in, it is kept as one text whose order is the date order, so that a
// date equal to a bound is not greater than it.
TEST_F(SchemaTest, datesWrittenInAnyFormCompareAsTheSameDay) {
    for (const char* date : {"'2026/12/06'", "'20261206'", "'2026-12-06'", "'2026-12-06 00:00:00.000'"}) {
        execute("delete from LosDummyReceiptHeader");
        execute("insert into LosDummyReceiptHeader (drShopid, drID, drdate) values (1, 1, " + QString(date) +
                ")");
        EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drdate = '20261206' and drdate > "
                        "'2026/12/05' and drdate < '2026-12-07' and not drdate > '20261206' and drdate = "
                        "strftime('%Y-%m-%d %H:%M:%f', drdate)"),
                  1)
            << date;
    }
}

} // namespace
