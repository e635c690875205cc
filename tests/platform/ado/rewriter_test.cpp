// Tests of the translation of the module's dialect into SQLite's.
#include "platform/ado/tsql/selectall.h"
#include "platform/ado/tsql/sqliterewriter.h"

#include "adotestsupport.h"

using tsql::ValueKind;

namespace {

const QString now = "strftime('%Y-%m-%d %H:%M:%f','now','localtime')";

class SqliteRewriterTest : public ::testing::Test {
protected:
    SqliteRewriterTest() {
        catalog.addColumn("LosDummyReceiptHeader", "drID", ValueKind::Number);
        catalog.addColumn("LosDummyReceiptHeader", "drNo", ValueKind::Text);
        catalog.addColumn("LosDummyReceiptHeader", "drDate", ValueKind::Date);
        catalog.addColumn("acustomermaster", "customername", ValueKind::Text);
        catalog.addColumn("acustomermaster", "customerid", ValueKind::Number);
        catalog.addColumn("acurrencymaster", "currencyname", ValueKind::Text);
        catalog.addColumn("acurrencymaster", "code", ValueKind::Text);
        catalog.addColumn("ashops", "code", ValueKind::Number);
    }
    QString translated(const QString& sql) const { return tsql::SqliteRewriter(catalog).translate(sql); }

    tsql::Catalog catalog;
};

} // namespace

TEST_F(SqliteRewriterTest, functionsTheEngineLacksCallOurs) {
    EXPECT_EQ(translated("select isnull(a,0), len(drNo), right(drNo,2), isnumeric(x) from t"),
              "select tsql_isnull(a,0), tsql_len(drNo), tsql_right(drNo,2), tsql_isnumeric(x) from t");
    EXPECT_EQ(translated("select ISNULL (a, 0)"), "select tsql_isnull (a, 0)");
}

TEST_F(SqliteRewriterTest, convertToIntBecomesOurFailingConversion) {
    EXPECT_EQ(translated("select convert(int, right(drNo,3))"), "select tsql_int( tsql_right(drNo,3))");
    EXPECT_EQ(translated("select convert(varchar, x)"), "select convert(varchar, x)");
}

TEST_F(SqliteRewriterTest, datePartBecomesALiteralAndUnknownPartsAreLeftForTheEngine) {
    EXPECT_EQ(translated("select datediff(day,'20261206',dateadd(DAY,dueperiod,invoicedate))"),
              "select tsql_datediff('day','20261206',tsql_dateadd('day',dueperiod,invoicedate))");
    EXPECT_EQ(translated("select datediff(fortnight, a, b)"), "select datediff(fortnight, a, b)");
}

TEST_F(SqliteRewriterTest, currentTimeIsLocalWithMilliseconds) {
    EXPECT_EQ(translated("select getdate()"), "select " + now);
    EXPECT_EQ(translated("select CURRENT_TIMESTAMP"), "select " + now);
    EXPECT_EQ(translated("select getdate ( ) , 1"), "select " + now + " , 1");
}

TEST_F(SqliteRewriterTest, literalsCommentsAndJoinKeywordsAreNeverRewritten) {
    QString sql = "select 'isnull(a,b) + getdate()' from a right join b on a.x = b.x -- len(x)\n";
    EXPECT_EQ(translated(sql), sql);
    EXPECT_EQ(translated("select /* right(x,1) */ 1"), "select /* right(x,1) */ 1");
}

TEST_F(SqliteRewriterTest, plusWithATextSideConcatenates) {
    EXPECT_EQ(translated("select 'A'+'--->'+'B'"), "select 'A'||'--->'||'B'");
    EXPECT_EQ(translated("select 'A'+null"), "select 'A'||null");
    EXPECT_EQ(
        translated("select c.customername+'--->'+b.currencyname from acustomermaster c,acurrencymaster b"),
        "select c.customername||'--->'||b.currencyname from acustomermaster c,acurrencymaster b");
    EXPECT_EQ(translated("select upper(x) + rtrim(y)"), "select upper(x) || rtrim(y)");
}

TEST_F(SqliteRewriterTest, plusWithANumberSideStaysArithmetic) {
    EXPECT_EQ(translated("select 1 + '5'"), "select 1 + '5'");
    EXPECT_EQ(translated("select drID + '5' from LosDummyReceiptHeader"),
              "select drID + '5' from LosDummyReceiptHeader");
    EXPECT_EQ(translated("select len(drNo) + drNo from LosDummyReceiptHeader"),
              "select tsql_len(drNo) + drNo from LosDummyReceiptHeader");
    EXPECT_EQ(translated("select a + b"), "select a + b");
    EXPECT_EQ(translated("select +'5'"), "select +'5'");
}

TEST_F(SqliteRewriterTest, columnKindFollowsTheTablesOfTheStatement) {
    EXPECT_EQ(translated("select code + 'x' from acurrencymaster"),
              "select code || 'x' from acurrencymaster");
    EXPECT_EQ(translated("select code + 'x' from ashops"), "select code + 'x' from ashops");
    // Kinds differing between tables tell nothing; the text literal decides.
    EXPECT_EQ(translated("select code + 'x'"), "select code || 'x'");
}

TEST_F(SqliteRewriterTest, dateLiteralsComparedWithDateColumnsTakeTheStoredForm) {
    EXPECT_EQ(translated("select 1 from LosDummyReceiptHeader where drdate>'20261206'"),
              "select 1 from LosDummyReceiptHeader where drdate>'2026-12-06 00:00:00.000'");
    EXPECT_EQ(translated("select 1 where '2026/12/06 10:30' <= h.DRDATE"),
              "select 1 where '2026-12-06 10:30:00.000' <= h.DRDATE");
    EXPECT_EQ(translated("select 1 where drdate between '2026-12-01' and '20261231 23:59:59'"),
              "select 1 where drdate between '2026-12-01 00:00:00.000' and '2026-12-31 23:59:59.000'");
    EXPECT_EQ(translated("select 1 where dateadd(day, 1, drdate) = '20261207'"),
              "select 1 where tsql_dateadd('day', 1, drdate) = '2026-12-07 00:00:00.000'");
}

TEST_F(SqliteRewriterTest, aTextThatIsNoDateIsLeftAsWritten) {
    EXPECT_EQ(translated("select 1 where drdate > 'soon'"), "select 1 where drdate > 'soon'");
    EXPECT_EQ(translated("select 1 where drdate > '20261301'"), "select 1 where drdate > '20261301'");
}

TEST_F(SqliteRewriterTest, datesWrittenToDateColumnsTakeTheStoredForm) {
    EXPECT_EQ(translated("update LosDummyReceiptHeader set drDate = '2026/12/06' where drID = 1"),
              "update LosDummyReceiptHeader set drDate = '2026-12-06 00:00:00.000' where drID = 1");
    EXPECT_EQ(translated("insert into LosDummyReceiptHeader (drID, drDate, drNo) values (1, '20261206', "
                         "'20261206'), (2, null, 'x')"),
              "insert into LosDummyReceiptHeader (drID, drDate, drNo) values (1, '2026-12-06 00:00:00.000', "
              "'20261206'), (2, null, 'x')");
    EXPECT_EQ(translated("insert LosDummyReceiptHeader (drDate) values ('2026-12-06 10:30')"),
              "insert LosDummyReceiptHeader (drDate) values ('2026-12-06 10:30:00.000')");
}

TEST_F(SqliteRewriterTest, textLiteralsComparedWithTextOrExpressionsIgnoreCase) {
    EXPECT_EQ(translated("select 1 where drno = 'RC-1'"), "select 1 where drno = 'RC-1' COLLATE CI");
    EXPECT_EQ(translated("select 1 where substring(drNo,1,len('RC-'))='RC-'"),
              "select 1 where substring(drNo,1,tsql_len('RC-'))='RC-' COLLATE CI");
    EXPECT_EQ(translated("select 1 where 'x' <> upper(y)"), "select 1 where 'x' COLLATE CI <> upper(y)");
}

TEST_F(SqliteRewriterTest, textLiteralsComparedWithNumberColumnsStayPlain) {
    EXPECT_EQ(translated("select 1 from LosDummyReceiptHeader where drid = '12'"),
              "select 1 from LosDummyReceiptHeader where drid = '12'");
    EXPECT_EQ(translated("select 1 where isnumeric(x) = '1'"), "select 1 where tsql_isnumeric(x) = '1'");
}

TEST_F(SqliteRewriterTest, bracketNamesAndNationalLiteralsTakeTheEngineForm) {
    EXPECT_EQ(translated("select [drNo], [a\"b] from t where x = N'y'"),
              "select \"drNo\", \"a\"\"b\" from t where x = 'y' COLLATE CI");
}

TEST(SelectAll, recognisesTheTableOfASingleTableSelectAll) {
    EXPECT_EQ(tsql::tableOfSelectAll("select * from LosDummyReceiptHeader where drshopid=1"),
              QString("LosDummyReceiptHeader"));
    EXPECT_EQ(tsql::tableOfSelectAll("SELECT * FROM [Los Detail]"), QString("Los Detail"));
    EXPECT_EQ(tsql::tableOfSelectAll("select * from dbo.T order by a"), QString("T"));
}

TEST(SelectAll, refusesJoinsColumnListsAndOtherStatements) {
    EXPECT_FALSE(tsql::tableOfSelectAll("select a from T"));
    EXPECT_FALSE(tsql::tableOfSelectAll("select * from T, U"));
    EXPECT_FALSE(tsql::tableOfSelectAll("select * from T t join U u on t.a = u.a"));
    EXPECT_FALSE(tsql::tableOfSelectAll("update T set a = 1"));
}

TEST(Catalog, kindsFromDeclaredTypes) {
    EXPECT_EQ(tsql::kindOfDeclaredType("DATETEXT"), ValueKind::Date);
    EXPECT_EQ(tsql::kindOfDeclaredType("integer"), ValueKind::Number);
    EXPECT_EQ(tsql::kindOfDeclaredType("NUMERIC(18,2)"), ValueKind::Number);
    EXPECT_EQ(tsql::kindOfDeclaredType("real"), ValueKind::Number);
    EXPECT_EQ(tsql::kindOfDeclaredType("varchar(50)"), ValueKind::Text);
    EXPECT_EQ(tsql::kindOfDeclaredType("TEXT"), ValueKind::Text);
    EXPECT_EQ(tsql::kindOfDeclaredType(""), ValueKind::Unknown);
}

TEST(Catalog, namesAreMatchedWithoutRegardToCase) {
    tsql::Catalog catalog;
    catalog.addColumn("LosDummyReceiptHeader", "drNo", ValueKind::Text);
    EXPECT_TRUE(catalog.hasTable("LOSDUMMYRECEIPTHEADER"));
    EXPECT_EQ(catalog.columnName("losdummyreceiptheader", "DRNO"), "drNo");
    EXPECT_EQ(catalog.columnKind("losdummyreceiptheader", "drno"), ValueKind::Text);
    EXPECT_TRUE(catalog.columnName("losdummyreceiptheader", "drX").isEmpty());
}
