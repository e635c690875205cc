// The schema's own rules: the receipt's key and defaults, text collation, date storage.
#include "shopdatabasetest.h"

namespace {

class SchemaTest : public dbtest::ShopDatabaseTest {};

TEST_F(SchemaTest, receiptKeyIsShopAndIdAndANewReceiptIsActiveAndUnposted) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (1, 1), (2, 1)");
    auto again =
        dbtest::errorOf([&] { execute("insert into LosDummyReceiptHeader (drShopid, drID) values (2, 1)"); });
    EXPECT_EQ(again.number(), core::err::DbConstraintViolation);
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

// A grid's columns come back in their order to a join that asks for none, however they were written.
TEST_F(SchemaTest, gridColumnsComeBackInTheirOrderWhateverOrderTheyWereWrittenIn) {
    execute("insert into atables (tableid, tablename) values (7, 'aLaterGrid'), (5, 'aEarlierGrid')");
    execute("insert into atablecolumns (tableid, columnorder, columnheader) values (7, 3, 'c3'), (7, 1, "
            "'c1'), (5, 1, 'x'), (7, 4, 'c4'), (7, 2, 'c2')");
    EXPECT_EQ(texts("select columnheader from atables t, atablecolumns c where t.tableid = c.tableid and "
                    "tablename = 'aLaterGrid'"),
              (QStringList{"c1", "c2", "c3", "c4"}));
}

// Every column but the key has a default or takes null, so a row naming only its key can be written to any
// table as the database lists them; only a stored procedure needs its body.
TEST_F(SchemaTest, everyTableTakesARowNamingOnlyItsKeyColumns) {
    for (const QVariantList& key :
         rows("select m.name, group_concat(k.name), group_concat(case k.type when 'DATETEXT' then "
              "'''20261206''' else 900000 + k.pk end) from sqlite_master m left join "
              "pragma_table_info(m.name) k on k.pk > 0 where m.type = 'table' and m.name not like 'sqlite%' "
              "and m.name <> 'dbprocedures' group by 1")) {
        const QString insert = "insert into " + key[0].toString() + " (" + key[1].toString() + ") values (" +
                               key[2].toString() + ")";
        EXPECT_NO_THROW(execute(insert)) << insert.toStdString();
    }
}

} // namespace
