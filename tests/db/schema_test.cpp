// Tests of the schema: what it creates, that it runs again safely, its defaults, collation and column order.
#include "db/shopdatabase.h"

#include "shopdatabasetest.h"

#include <QSet>

using dbtest::ShopDatabaseTest;

namespace {

// Every table and view the module reads or writes.
const QStringList moduleTables = {"LosDummyReceiptHeader",
                                  "LosDummyReceiptDetail",
                                  "acustomermaster",
                                  "ashopcustomerdetails",
                                  "ashops",
                                  "LOusers",
                                  "louserrights",
                                  "LOsSettings",
                                  "aCounterMaster",
                                  "aPrefix",
                                  "acurrencymaster",
                                  "acompanymaster",
                                  "adepartmentMaster",
                                  "ExchangeRate",
                                  "ExchangeRateDetail",
                                  "aSettings",
                                  "aaccountmaster",
                                  "apackagesettings",
                                  "aalias",
                                  "avendorMaster",
                                  "losinvoiceheader",
                                  "losaccountsinvoiceheader",
                                  "losspecialinvoiceheader",
                                  "losApartmentBillHeader",
                                  "losTenantServiceBillHeader",
                                  "losserviceinvheader",
                                  "afineheader",
                                  "losPosFandBHeader",
                                  "AccountsInvoiceHeader",
                                  "serviceinvoicedetails",
                                  "receiptvoucherheader",
                                  "receiptvoucherdetails",
                                  "customersettlementheader",
                                  "customersettlementdetail",
                                  "alistviewheader",
                                  "alistviewdetails",
                                  "atables",
                                  "atablecolumns",
                                  "aErrorLog",
                                  "aUserAuditing",
                                  "aFormColor",
                                  "aGridSettings",
                                  "dbprocedures"};
const QStringList moduleViews = {"vwTotalInvoiceReceiptAmount", "vwshopCloseDate"};

const QString gridColumnsQuery = "select tc.columnheader,tc.columnname from atables t,atablecolumns tc where "
                                 "t.tableid = tc.tableid and tablename ='%1'";

class SchemaTest : public ShopDatabaseTest {
protected:
    QSet<QString> objects(const QString& type) const {
        QSet<QString> names;
        for (const QString& name : texts("select name from sqlite_master where type = '" + type + "'"))
            names.insert(name.toLower());
        return names;
    }
    QList<QVariantList> keyColumns(const QString& table) const {
        return rows("select name, type from pragma_table_info('" + table + "') where pk > 0 order by pk");
    }
    QString keyValue(const QString& type, int position) const {
        if (type == "DATETEXT") return QString("'2026-12-%1 00:00:00.000'").arg(10 + position);
        if (type.startsWith("TEXT")) return QString("'key %1'").arg(position);
        return QString::number(900000 + position);
    }
    QList<QVariantList> gridColumns(const QString& table) const { return rows(gridColumnsQuery.arg(table)); }
};

TEST_F(SchemaTest, createsEveryTableAndViewTheModuleUses) {
    QSet<QString> tables = objects("table");
    for (const QString& table : moduleTables)
        EXPECT_TRUE(tables.contains(table.toLower())) << table.toStdString();
    QSet<QString> views = objects("view");
    for (const QString& view : moduleViews)
        EXPECT_TRUE(views.contains(view.toLower())) << view.toStdString();
    EXPECT_EQ(count("select count(*) from vwTotalInvoiceReceiptAmount"), 0);
}

TEST_F(SchemaTest, runsAgainWithoutLosingOrDuplicatingRows) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values (1, 1, 'RC-1')");
    db::createSchema(connection);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader"), 1);
    EXPECT_EQ(count("select count(*) from atablecolumns"), 6);
    EXPECT_EQ(count("select count(*) from dbprocedures"), 1);
}

TEST_F(SchemaTest, everyTableTakesARowNamingOnlyItsKeyColumns) {
    for (const QString& table : texts("select name from sqlite_master where type = 'table' "
                                      "and name not like 'sqlite%' and name <> 'dbprocedures'")) {
        QStringList names, values;
        for (const QVariantList& column : keyColumns(table)) {
            names << column[0].toString();
            values << keyValue(column[1].toString(), names.size());
        }
        ASSERT_FALSE(names.isEmpty()) << table.toStdString() << " has no key";
        QString insert =
            QString("insert into %1 (%2) values (%3)").arg(table, names.join(','), values.join(','));
        EXPECT_NO_THROW(execute(insert)) << insert.toStdString();
    }
}

TEST_F(SchemaTest, onlyKeyColumnsAndProcedureBodiesAreRequired) {
    QStringList required;
    for (const QString& table :
         texts("select name from sqlite_master where type = 'table' and name not like 'sqlite%'"))
        for (const QString& column : texts("select name from pragma_table_info('" + table +
                                           "') where \"notnull\" = 1 and dflt_value is null and pk = 0"))
            required << table + "." + column;
    EXPECT_EQ(required, QStringList{"dbprocedures.body"});
}

TEST_F(SchemaTest, newReceiptIsActiveAndUnposted) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (1, 1)");
    EXPECT_EQ(scalar("select drCancelled from LosDummyReceiptHeader").toInt(), 0);
    EXPECT_EQ(scalar("select drposted from LosDummyReceiptHeader").toInt(), 0);
}

TEST_F(SchemaTest, receiptKeyIsShopAndReceiptId) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (1, 1)");
    execute("insert into LosDummyReceiptHeader (drShopid, drID) values (2, 1)");
    auto error =
        dbtest::errorOf([&] { execute("insert into LosDummyReceiptHeader (drShopid, drID) values (2, 1)"); });
    EXPECT_EQ(error.number(), rt::err::DbConstraintViolation);
    execute("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 1, 1)");
    error = dbtest::errorOf([&] {
        execute("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid) values (1, 1, 1)");
    });
    EXPECT_EQ(error.number(), rt::err::DbConstraintViolation);
}

TEST_F(SchemaTest, textColumnsCompareWithoutCaseAndTrailingBlanks) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drRecadduser) values (1, 1, 'rc-0009 "
            "', 'RC-0009')");
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drNo = drRecadduser"), 1);
}

TEST_F(SchemaTest, datesAreStoredAsCanonicalText) {
    execute("insert into LosDummyReceiptHeader (drShopid, drID, drdate) values (1, 1, '2026/12/06')");
    EXPECT_EQ(scalar("select typeof(drdate) from LosDummyReceiptHeader").toString(), "text");
    native("insert into LosDummyReceiptHeader (drShopid, drID, drdate) values (1, 2, 20261206)");
    EXPECT_EQ(scalar("select typeof(drdate) from LosDummyReceiptHeader where drID = 2").toString(), "text");
}

TEST_F(SchemaTest, receiptGridColumnsComeInGridOrder) {
    QList<QVariantList> expected = {{"Receipt Id", "drid"},     {"Receipt No", "drno"},
                                    {"Receipt Date", "drdate"}, {"Customer", "customername"},
                                    {"Amount", "dramount"},     {"Cancelled", "drcancelled"}};
    EXPECT_EQ(gridColumns("LosDummyReceiptHeader"), expected);
}

TEST_F(SchemaTest, tableColumnsComeInOrderWhateverTheOrderTheyWereWrittenIn) {
    execute("insert into atables (tableid, tablename) values (7, 'aLaterGrid')");
    for (int order : {3, 1, 4, 2})
        execute(QString("insert into atablecolumns (tableid, columnorder, columnname, columnheader) "
                        "values (7, %1, 'c%1', 'Column %1')")
                    .arg(order));
    execute("insert into atables (tableid, tablename) values (5, 'aEarlierGrid')");
    execute(
        "insert into atablecolumns (tableid, columnorder, columnname, columnheader) values (5, 1, 'x', 'X')");
    QStringList headers;
    for (const QVariantList& row : gridColumns("aLaterGrid"))
        headers << row[0].toString();
    EXPECT_EQ(headers, (QStringList{"Column 1", "Column 2", "Column 3", "Column 4"}));
}

} // namespace
