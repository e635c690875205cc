// The schema's own rules: the receipt's key and defaults, text collation, date storage.
#include "shopdatabasetest.h"

namespace {

class SchemaTest : public dbtest::ShopDatabaseTest {};

TEST_P(SchemaTest, receiptKeyIsShopAndIdAndANewReceiptIsActiveAndUnposted) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (1, 1), (2, 1)");
    auto again =
        dbtest::errorOf([&] { execute("insert into LosDummyReceiptHeader (drShopid, drID) values (2, 1)"); });
    EXPECT_EQ(again.number(), core::err::DbConstraintViolation);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drCancelled = 0 and drposted = 0"), 2);
}

// Trailing blanks count on the server (its collation cannot ignore them).
TEST_P(SchemaTest, textColumnsCompareWithoutCaseAndOnSqliteWithoutTrailingBlanks) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drRecadduser) values "
            "(1, 1, 'rc-0009 ', 'RC-0009'), (1, 2, 'rc-0011', 'RC-0008'), (1, 3, 'Rc-0010', 'rC-0010')");
    EXPECT_EQ(texts("select drID from LosDummyReceiptHeader where drNo = drRecadduser order by drID"),
              onSqlite() ? QStringList({"1", "3"}) : QStringList{"3"});
}

// Whatever form the module writes a date in, it is kept as one text whose order is the date order, so that a
// date equal to a bound is not greater than it.
TEST_P(SchemaTest, datesWrittenInAnyFormCompareAsTheSameDay) {
    for (const char* date : {"'2026/12/06'", "'20261206'", "'2026-12-06'", "'2026-12-06 00:00:00.000'"}) {
        execute("delete from LosDummyReceiptHeader");
        execute("insert into LosDummyReceiptHeader (drShopid, drID, drdate) values (1, 1, " + QString(date) +
                ")");
        EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drdate = '20261206' and drdate > "
                        "'2026/12/05' and drdate < '2026-12-07' and not drdate > '20261206'" +
                        QString(onSqlite() ? " and drdate = strftime('%Y-%m-%d %H:%M:%f', drdate)" : "")),
                  1)
            << date;
    }
}

// A grid's columns come back in their order to a join that asks for none, however they were written.
TEST_P(SchemaTest, gridColumnsComeBackInTheirOrderWhateverOrderTheyWereWrittenIn) {
    execute("insert into atables (tableid, tablename) values (7, 'aLaterGrid'), (5, 'aEarlierGrid')");
    execute("insert into atablecolumns (tableid, columnorder, columnheader) values (7, 3, 'c3'), (7, 1, "
            "'c1'), (5, 1, 'x'), (7, 4, 'c4'), (7, 2, 'c2')");
    EXPECT_EQ(texts("select columnheader from atables t, atablecolumns c where t.tableid = c.tableid and "
                    "tablename = 'aLaterGrid'"),
              (QStringList{"c1", "c2", "c3", "c4"}));
}

// Each table with its key columns and a value for each, as each engine's catalogue lists them.
const QHash<QString, QString> keysOfEveryTable = {
    {"SQLite", "select m.name, group_concat(k.name), group_concat(case k.type when 'DATETEXT' then "
               "'''20261206''' else 900000 + k.pk end) from sqlite_master m left join "
               "pragma_table_info(m.name) k on k.pk > 0 where m.type = 'table' and m.name not like 'sqlite%' "
               "and m.name <> 'dbprocedures' group by 1"},
    {"PostgreSQL", "select c.relname, string_agg(a.attname, ',' order by k.n), string_agg(case when "
                   "format_type(a.atttypid, a.atttypmod) like 'timestamp%' then '''20261206''' else "
                   "cast(900000 + k.n as text) end, ',' order by k.n) from pg_index i join pg_class c on "
                   "c.oid = i.indrelid join pg_namespace s on s.oid = c.relnamespace and s.nspname = "
                   "'public' cross join unnest(i.indkey) with ordinality k(attnum, n) join pg_attribute a "
                   "on a.attrelid = c.oid and a.attnum = k.attnum where i.indisprimary group by 1"}};

// Every column but the key has a default or takes null, so a row naming only its key can be written to any
// table as the database lists them; only a stored procedure needs its body.
TEST_P(SchemaTest, everyTableTakesARowNamingOnlyItsKeyColumns) {
    const QString catalogue = keysOfEveryTable.value(connection->driver().name());
    ASSERT_FALSE(catalogue.isEmpty())
        << "no catalogue query for " << connection->driver().name().toStdString();
    for (const QVariantList& key : rows(catalogue)) {
        const QString insert = "insert into " + key[0].toString() + " (" + key[1].toString() + ") values (" +
                               key[2].toString() + ")";
        EXPECT_NO_THROW(execute(insert)) << insert.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, SchemaTest, dbtest::everyEngine, dbtest::engineName);

} // namespace
