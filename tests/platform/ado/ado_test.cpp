// Tests of the data access layer: the dialect's tokens and dates, its results, connections and recordsets.
#include "adotexts.h"
#include "platform/ado/command.h"
#include "platform/ado/connectionstring.h"
#include "platform/ado/dialect/datetext.h"
#include "platform/ado/dialect/selectall.h"
#include "platform/ado/dialect/token.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "support/faultinjection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

using adotest::errorText;

// The cases' tables in each engine's own language, by the driver's name; with them the procedure
// spAdd(id, shop), which adds the shop's receipts id and id + 1 and then cancels the shop's receipts.
const QHash<QString, QString> testTables = {
    {"SQLite",
     "create table receipt (drID integer not null, drShopID integer not null default 1,"
     " drNo varchar(20) collate CI, drDate DATETEXT, drCancelled integer, drAmount money,"
     " primary key (drShopID, drID));"
     "create table invoice (invoiceid integer, invoicedate DATETEXT, dueperiod integer);"
     "create table dbprocedures (name TEXT PRIMARY KEY COLLATE NOCASE, body TEXT NOT NULL);"
     "insert into dbprocedures values ('spAdd', 'insert into receipt (drID, drShopID) values (?1, ?2); "
     "insert into receipt (drID, drShopID) values (?1 + 1, ?2);\n-- the last statement uses only ?2\n"
     "update receipt set drCancelled = 1 where drShopID = ?2;');"
     "create table ashops (code numeric(18,0)); insert into ashops values (7);"
     "create table acurrencymaster (code varchar(3), currencyname text);"
     "insert into acurrencymaster values ('EUR', 'Euro');"},
    {"PostgreSQL", // the server's one database is shared by the cases: each starts by clearing it
     "drop table if exists receipt, invoice, ashops, acurrencymaster, other, later cascade;"
     "create table receipt (drID integer not null, drShopID integer not null default 1,"
     " drNo text collate ci, drDate timestamp(3), drCancelled integer, drAmount numeric,"
     " primary key (drShopID, drID));"
     "create table invoice (invoiceid integer, invoicedate timestamp(3), dueperiod integer);"
     "create or replace procedure spAdd(id integer, shop integer) language sql as $$"
     " insert into receipt (drID, drShopID) values (id, shop);"
     " insert into receipt (drID, drShopID) values (id + 1, shop);"
     " update receipt set drCancelled = 1 where drShopID = shop; $$;"
     "create table ashops (code numeric(18,0)); insert into ashops values (7);"
     "create table acurrencymaster (code varchar(3) collate ci, currencyname text collate ci);"
     "insert into acurrencymaster values ('EUR', 'Euro');"},
    {"ODBC", // the same server through its ODBC driver, which passes statements untranslated
     "drop table if exists receipt, other cascade;"
     "create table receipt (drID integer not null, drShopID integer not null default 1,"
     " drCancelled integer, primary key (drShopID, drID));"}};

// Where the cases run: a new SQLite file in the test's own folder, or the server the connection string
// in RECEIPTS_TEST_SERVER names, directly or through ODBC. Without one the server's cases are skipped, and
// fail under CI.
enum class Target { SqliteFile, Server, Odbc };

const char* nameOf(Target target) {
    const char* names[] = {"sqlite", "server", "odbc"};
    return names[int(target)];
}
void PrintTo(Target target, std::ostream* out) { // the tests' names as ctest lists them
    *out << nameOf(target);
}
std::string targetName(const ::testing::TestParamInfo<Target>& info) {
    return nameOf(info.param);
}

// A test run once per target on a database holding only the cases' tables.
class AdoTest : public ::testing::TestWithParam<Target> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        if (GetParam() != Target::SqliteFile) {
            target = qEnvironmentVariable("RECEIPTS_TEST_SERVER");
            const char* none = "RECEIPTS_TEST_SERVER names no server";
            if (target.isEmpty() && !qEnvironmentVariableIsEmpty("RECEIPTS_CI")) FAIL() << none;
            if (target.isEmpty()) GTEST_SKIP() << none;
            if (GetParam() == Target::Odbc)
                target = adotest::odbcTarget(ado::ConnectionString::parse(target));
        } else {
            target = "Driver=sqlite;Create=yes;Database=" + path();
        }
        const QString error = errorText([&] { connection = openConnection(); });
        ASSERT_EQ(error, QString()) << "the " << nameOf(GetParam()) << " does not open";
        source = connection->driver().name();
        ASSERT_TRUE(testTables.contains(source)) << "no test tables for " << source.toStdString();
        connection->driver().installFunctions();
        connection->driver().executeNative(testTables[source]);
    }
    template <typename Work> static QString errorOf(Work work) { return errorText(work).section(' ', 0, 1); }
    // The start of errorText for an error of the driver under test.
    QString driverError(qint64 number) const { return QString("error %1 from %2: ").arg(number).arg(source); }
    // Another connection on the test's database, or on what the connection string names.
    ado::ConnectionPtr openConnection(const QString& text = {}) const {
        auto opened = ado::Connection::create();
        opened->open(text.isEmpty() ? target : text);
        return opened;
    }
    // The rows on the test's connection or on another.
    QString rows(const QString& sql, ado::ConnectionPtr on = {}) const {
        return adotest::rows(sql, on ? on : connection);
    }
    // The receipts another connection sees: only committed work.
    QString committed() const { return rows("select drID from receipt order by 1", openConnection()); }
    void add(int id) { connection->execute(QString("insert into receipt (drID) values (%1)").arg(id)); }
    void addReceipts() {
        connection->execute(
            "insert into receipt (drID, drNo, drDate, drCancelled, drAmount) values "
            "(1, 'RC-0007', '20261206', 0, 1.5), (2, 'rc-0009', '2026-12-06 10:30', 1, null), "
            "(3, 'RC-12 ', '2026/12/07', 0, null), (4, 'RC-', '2026-12-05 23:59:59', null, null), "
            "(5, 'RC-12a', null, 0, null)");
    }
    void runProcedure(const QString& name, const QVariantList& parameters) const {
        ado::Command command;
        command.setActiveConnection(connection);
        command.setCommandType(ado::CommandType::StoredProcedure);
        command.setCommandText(name);
        for (const QVariant& parameter : parameters)
            command.appendParameter(parameter);
        command.execute();
    }
    // Calls a stored procedure; its error, if any, followed by the receipts it leaves.
    QString call(const QString& name, const QVariantList& parameters) const {
        const QString error = errorText([&] { runProcedure(name, parameters); });
        return error + rows("select drID, drCancelled from receipt order by 1");
    }

    QString path() const { return folder.filePath("test.db"); }

    QTemporaryDir folder;
    QString target, source;
    ado::ConnectionPtr connection;
};

// The cases every driver meets alike: the nesting of transactions.
class NestingTest : public AdoTest {};

// The cases about SQLite's own rules: its file, its locks, its types, its triggers and its table of
// procedures.
class SqliteFileTest : public AdoTest {};

} // namespace

// The tables are laid out by hand, several rows to a line.
// clang-format off

TEST(Tokenizer, splitsStatementsIntoKindsAndValuesAndJoinsThemBackExactly) {
    // Significant tokens as kind (Word, Number, String, Quoted name, sYmbol) and value, no blank or comment.
    const std::pair<QString, QString> cases[] = {
        {"select isnull(a,'x''y') from [my table] where n >= 1.5e3",
         "Wselect Wisnull Y( Wa Y, Sx'y Y) Wfrom Qmy table Wwhere Wn Y>= N1.5e3"},
        {"@p1 #temp drNo$ 12 .5 1e5 2.5E-3 0x1F", "W@p1 W#temp WdrNo$ N12 N.5 N1e5 N2.5E-3 N0x1F"},
        {"a<=b>=c<>d!=e||f", "Wa Y<= Wb Y>= Wc Y<> Wd Y!= We Y|| Wf"},
        {"N'abc' [a]]b] \"c\"\"d\" `e`", "Sabc Qa]b Qc\"d Qe"},
        {"a -- b 'c\n d /* x ' y */f", "Wa Wd Wf"},
        {ado::quoted("it's + ( -- x"), "Sit's + ( -- x"}};
    for (const auto& [sql, significant] : cases) {
        QString all;
        QStringList kept;
        for (const auto& token : ado::dialect::tokenize(sql)) {
            all += token.text;
            if (token.isSignificant()) kept << QString("_CWNSQY"[int(token.kind)]) + token.value();
        }
        EXPECT_EQ(kept.join(' '), significant) << sql.toStdString();
        EXPECT_EQ(all, sql);
    }
    // An unterminated literal runs to the end; the engine reports it.
    EXPECT_EQ(ado::dialect::tokenize("select 'abc").back().text, "'abc");
    // The first word passes over blanks and comments only.
    const std::pair<QString, QString> firstWords[] = {
        {" -- note\n /* select */ UPDATE t", "update"}, {"With x as (select 1)", "with"},
        {"'Select' x", "'select'"}, {"(select 1)", "("}, {" -- only a comment", ""}, {"", ""}};
    for (const auto& [sql, word] : firstWords)
        EXPECT_EQ(ado::dialect::firstWord(sql), word) << sql.toStdString();
}

TEST(DateText, theServersDateTextsTakeTheOneStoredFormAndOnlyThatFormIsCanonical) {
    const std::pair<const char*, const char*> cases[] = { // "" for no date
        {" 2026-12-06 ", "2026-12-06 00:00:00.000"}, {"2026/12/6", "2026-12-06 00:00:00.000"},
        {"20261206 10:30", "2026-12-06 10:30:00.000"}, {"2026-12-06T08:00:01.5", "2026-12-06 08:00:01.500"},
        {"2026-01-02 09:05:07.045", "2026-01-02 09:05:07.045"},
        // The wall-clock time even where local clocks skip it (New York, then Europe).
        {"2026-03-08 02:30", "2026-03-08 02:30:00.000"}, {"2026-03-29 02:30:00.0", "2026-03-29 02:30:00.000"},
        {"2026-13-06 10:30:00.000", ""}, {"2026-02-30", ""}, {"", ""}, {"soon", ""}, {"2026-12", ""},
        {"2026-12/06", ""}, {"06/12/2026", ""}, {"2026-12-06 25:00", ""}, {"2026-12-06 10", ""},
        {"2026-12-06x", ""}, {"202612061", ""}};
    for (const auto& [text, canonical] : cases) {
        EXPECT_EQ(ado::dialect::canonicalFormOf(QString(text)).value_or(""), canonical) << text;
        EXPECT_EQ(ado::dialect::isCanonicalDateText(QString(text)), *text && QString(text) == canonical) << text;
    }
}

TEST(SelectAll, onlyASingleTableSelectAllTakesNewRows) {
    const std::pair<const char*, const char*> cases[] = { // "" when rows cannot be added
        {"select * from receipt where drshopid=1", "receipt"}, {"SELECT * FROM [Los Detail]", "Los Detail"},
        {"select * from dbo.T order by a", "T"}, {"select a from T", ""}, {"select * from T, U", ""},
        {"update T set a = 1", ""}, {"select * from T t join U u on t.a = u.a", ""}};
    for (const auto& [sql, table] : cases)
        EXPECT_EQ(ado::dialect::tableOfSelectAll(sql).value_or(""), table) << sql;
}

TEST(ConnectionString, readsKeysInAnyCaseAndOrderWithTheirSynonymsAndKeepsTheRestAsOptions) {
    // driver|database|host|port|user|password|dsn|options as key=value, ...
    const std::pair<const char*, const char*> cases[] = {
        {" /data/receipts.db ", "|/data/receipts.db||||||"},
        {"Driver=postgres;Host=db.local;Port=5433;Database=shop;User=clerk;Password=a=b",
         "postgres|shop|db.local|5433|clerk|a=b||"},
        {"DRIVER = odbc ; dsn=Shop ; uid = clerk ;PWD=x; Server=h; Initial Catalog=c; sslmode=require;"
         "Application Name=till 1", "odbc|c|h||clerk|x|Shop|sslmode=require, Application Name=till 1"},
        {"Data Source=a.db;;User ID=u;database=b.db;", "|b.db|||u|||"},
        // A value in braces holds any character, "}}" standing for "}"; an unclosed one runs to the end.
        {"Driver=postgres;Password={a;b}}=c} ;Database= { shop }", "postgres| shop ||||a;b}=c||"},
        {"Service=shop;PWD={x}y;User={u;Host=h", "||||u;Host=h|xy||Service=shop"}};
    for (const auto& [text, parts] : cases) {
        const auto read = ado::ConnectionString::parse(text);
        QStringList options;
        for (const auto& [key, value] : read.options)
            options << key + "=" + value;
        EXPECT_EQ(QStringList({read.driver, read.database, read.host, read.port, read.user, read.password,
                               read.dsn, options.join(", ")})
                      .join('|'),
                  parts)
            << text;
    }
}

TEST(ConnectionString, showsEveryPasswordMaskedAndTheRestAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"Driver=postgres;Password={a;b}}c};User=u", "Driver=postgres;Password=***;User=u"},
        {"pwd = x ; SslPassword=y;Database=d", "pwd =***; SslPassword=***;Database=d"},
        {"User=u;Password={never closed;Host=h", "User=u;Password=***"},
        {"/data/receipts.db", "/data/receipts.db"}};
    for (const auto& [text, masked] : cases)
        EXPECT_EQ(ado::maskedConnectionString(text), masked) << text;
}

TEST_P(AdoTest, theDialectGivesTheServersResults) {
    const QString failure = driverError(core::err::DbFailure), rejected = driverError(core::err::DbStatementRejected);
    addReceipts();
    connection->execute("insert into invoice (invoiceid, invoicedate, dueperiod) values "
                        "(1, '2026-12-01 15:00', 10), (2, '2026-12-01 15:00', -10), (3, '2026-12-01', null)");
    // The statement, its result, and PostgreSQL's where that engine answers otherwise: its own wording of an
    // error, or a known difference.
    const struct {
        QString sql, expected, onPostgres = {};
    } cases[] = {
        {"select right('RC-0007',4), right('abc',10), right('abc',0), right(null,1), ISNULL (null,'x'), "
         "isnull('a','x')", "'0007', 'abc', '', null, 'x', 'a'"},
        {"select right('abc', -1)", failure + "Invalid length parameter passed to the right function."},
        {"select len('RC-12 '), len('  a'), len(''), len('   '), len(null), right('RC-12 ', len('RC-12 ')-3)",
         "5, 3, 0, 0, null, '2 '"},
        {"select convert(int,' 12 '), convert(int,''), convert(int,'+0042'), convert(int,'-2147483648'), "
         "convert(int,12.9), convert(int,-12.9), convert(int,null), convert(int, right('RC-0007',3))",
         "12, 0, 42, -2147483648, 12, -12, null, 7"},
        {"select convert(int,'2147483648')",
         failure + "The conversion of the varchar value '2147483648' overflowed an int column."},
        {"select convert(int,'99999999999999999999')",
         failure + "The conversion of the varchar value '99999999999999999999' overflowed an int column."},
        {"select convert(int,3e9)",
         failure + "Arithmetic overflow error converting expression to data type int."},
        {"select isnumeric(null), isnumeric(12.5), isnumeric(7)", "0, 1, 1"},
        // the server's numeric comes back with all its digits
        {"select 12345678901234.5678 * 1", "12345678901234.568", "12345678901234.5678"},
        // '+' joins texts when one side is text and neither is a number; a column's kind comes from the
        // statement's tables, named in any case; where the tables differ on it the literal decides.
        {"select 'A'+'->'+'B', 'A'+null, upper(drNo) + rtrim(drNo), drNo + drNo from receipt where drID = 1",
         "'A->B', null, 'RC-0007RC-0007', 'RC-0007RC-0007'"},
        {"select 1 + '5', drID + '5', drAmount + '1', +'5' from receipt where drID = 1", "6, 6, 2.5, '5'",
         "6, 6, 2.5, 5"},
        {"select len(drNo) + drNo from receipt where drID = 1", "7", // the server fails to convert 'RC-0007'
         rejected + "operator does not exist: integer + text"},
        {"select c.currencyname + '--->' + c.code, CODE + '1' from ACURRENCYMASTER c",
         "'Euro--->EUR', 'EUR1'"},
        {"select code + '1' from ASHOPS", "8"},
        {"select t.code + 'x' from (select 'EUR' as code) t", "'EURx'"},
        {"select case drcancelled when 1 then 'Yes' when 0 then 'No' end from receipt order by drID",
         "'No'; 'Yes'; 'No'; null; 'No'"},
        // Dates are stored in one form whichever spelling wrote them, so an equal date is not greater.
        {"select 'x' || drDate from receipt order by drID",
         "'x2026-12-06 00:00:00.000'; 'x2026-12-06 10:30:00.000'; "
         "'x2026-12-07 00:00:00.000'; 'x2026-12-05 23:59:59.000'; null",
         "'x2026-12-06 00:00:00'; 'x2026-12-06 10:30:00'; 'x2026-12-07 00:00:00'; 'x2026-12-05 23:59:59'; null"},
        {"select drID from receipt where drdate > '20261206' and drDate > '2026/12/06' and drDATE > '2026-12-06' "
         "order by 1", "2; 3"},
        {"select drID from receipt where drdate <= '2026-12-06' order by 1", "1; 4"},
        {"select drID from receipt where '2026/12/06 10:30' <= drDATE and drdate between '20261206' and "
         "'2026-12-07' or dateadd(day, 1, drdate) = '20261207' order by 1", "1; 2; 3"},
        {"select drID from receipt where drDate > 'soon'", "",
         failure + "invalid input syntax for type timestamp: \"soon\""},
        {"insert into receipt (drID, drDate, drNo) values (6, '2026/12/09', '20261209')", ""},
        {"select drDate, drNo from receipt where drID = 6", "2026-12-09 00:00:00.000, '20261209'"},
        {"select datediff(day,'20261206','20261211'), datediff(dd,'2026-12-06 23:59:59','2026-12-07 "
         "00:00:01'), datediff(d,'2026-12-07 00:00:01','2026-12-06 23:59:59'), "
         "datediff(day,'2026-12-06','2026-12-06 23:59')", "5, 1, -1, 0"},
        {"select datediff(yyyy,'2026-12-31 23:00','20270101'), datediff(mm,'2026-01-31','2026-03-01'), "
         "datediff(hour,'2026-12-06 10:59','2026-12-06 11:00'), datediff(mi,'2026-12-06 "
         "10:00:59','2026-12-06 10:01'), datediff(second,'2026-12-05 23:59:59','2026-12-06 00:00:01')",
         "1, 2, 1, 1, 2"},
        {"select dateadd(day,-10,'2026-12-01 15:00'), dateadd(month,1,'2026-01-31 08:00'), "
         "dateadd(hh,25,'20261206')",
         "2026-11-21 15:00:00.000, 2026-02-28 08:00:00.000, 2026-12-07 01:00:00.000"},
        // Wall-clock arithmetic: a time the clocks skip in New York or Europe still reads as written.
        {"select dateadd(day,1,'2026-03-07 02:30'), dateadd(day,1,'2026-03-28 02:30'), "
         "datediff(hour,'2026-03-08 01:00','2026-03-08 03:00')",
         "2026-03-08 02:30:00.000, 2026-03-29 02:30:00.000, 2"},
        {"select datediff(day,'20261206',dateadd(day,dueperiod,invoicedate)) from invoice order by 1",
         "null; -15; 5"},
        {"select datediff(fortnight, '20261206', '20261207')", rejected + "no such column: fortnight",
         rejected + "column \"fortnight\" does not exist"},
        {"select convert(varchar, 12)", rejected + "no such column: varchar", // only convert(int, x) is read
         rejected + "column \"varchar\" does not exist"},
        {"select datediff(day, 'soon', '20261207')",
         failure + "Conversion failed when converting date and/or time from character string.",
         failure + "invalid input syntax for type timestamp: \"soon\""},
        // The receipt numbering's highest number after the prefix 'RC-': case is ignored, 'RC-12 ' is 2.
        {"Select isnull(max(convert(int,right(drNo,len(drNo)-3))),0) from receipt where  len(drNo)>len('RC-') and "
         " isnumeric(isnull(right(drNo,len(drNo)-3),0)) =1 and substring(drNo,1,len('RC-'))='RC-'", "9"},
        // Text compares without regard to case or trailing blanks, in columns and in literals alike; on
        // PostgreSQL trailing blanks count.
        {"select drID from receipt where drNo = 'rc-12' or rtrim(drNo) = 'rc-0007' order by 1", "1; 3", "1"},
        {"select drID, DRNO from RECEIPT where ltrim(rtrim(upper(drNo)))='RC-0009' or DRid='4' order by 1",
         "2, 'rc-0009'; 4, 'RC-'"},
        {"select count(*) from receipt where substring(drNo,1,len('rc-'))='rc-'", "5"},
        // A text compared last in its condition travels as a value: its doubled quote is one.
        {"select count(*) from receipt r where r.drNo + 'x''' = 'rc-0007X''' and drID = 1", "1"},
        {"select 'Émile' = 'éMILE', 'rc-Ä' = 'RC-ä ', '' = '   ', ' a' = 'a', 'a b' = 'ab'", "1, 1, 1, 0, 0",
         "1, 0, 0, 0, 0"},
        {"select 'a' < 'B', 'ab' < 'ABC', 'Z' > '_', 'rc-a' < 'RC-ä', 'x' <> upper('X')", "1, 1, 1, 1, 0"},
        // LIKE ignores case on columns (named with their table or not), literals and expressions, a number
        // matching as its digits; a backslash is a plain character unless ESCAPE names it.
        {"select drID from receipt r where r.drNo like 'rc-00%' or drID + 1 like '4' order by 1", "1; 2; 3"},
        {"select drID from receipt where upper(drNo) + 'x' not like ('rc-' + '1%') and (case when drNo like "
         "'%7' then 'a' end) like 'A' order by 1", "1"},
        {"select 'a\\b_' like 'A\\B!_' escape '!', 'a\\b' like 'A\\_', 'O''Brien' like 'o''b%'", "1, 1, 1"},
        // Literals, comments and the join keyword are left alone; bracketed names and N'' literals are read.
        {"select [drNo], [a\"b] from receipt a right join invoice b on a.drID = b.invoiceid, (select 1 as "
         "[a\"b]) x where drNo = N'rc-0007' and 'isnull(a,b) + getdate()' /* right(x,1) */ <> '' -- len(x)",
         "'RC-0007', 1"}};

    const bool postgres = source == "PostgreSQL";
    for (const auto& [sql, expected, onPostgres] : cases)
        EXPECT_EQ(rows(sql), postgres && !onPostgres.isEmpty() ? onPostgres : expected) << sql.toStdString();
}

// clang-format on

TEST_P(AdoTest, isnumericAndConvertFollowTheServersRules) {
    const QString failure = driverError(core::err::DbFailure);
    for (const char* text : {"12", " 12 ", "+ 1", "$-1", "-$1", "$24,23.43", "1e5", "1d10", "1E-3", "+", ".",
                             ",", "$", "-", ".5", "1,000", "£5"})
        EXPECT_EQ(rows("select isnumeric(" + ado::quoted(text) + ")"), "1") << text;
    for (const char* text :
         {"", " ", "0x10", "1 2", "1 .5", "+-", "23$", "e10", "1e", "24.89.43", "12a", "--1", "$$1", "abc"})
        EXPECT_EQ(rows("select isnumeric(" + ado::quoted(text) + ")"), "0") << text;
    for (const char* text : {"12.5", "1e5", "$5", "1,000", "1 2", "abc", "- 5"})
        EXPECT_EQ(rows("select convert(int," + ado::quoted(text) + ")"),
                  failure + "Conversion failed when converting the varchar value '" + text +
                      "' to data type int.")
            << text;
}

TEST_P(SqliteFileTest, opensOnBareOrKeyedStringsNamingTheFile) {
    add(1);
    for (const QString& text : {path(), "database=" + path() + "; DRIVER=SQLite"})
        EXPECT_EQ(rows("select drID from receipt", openConnection(text)), "1") << text.toStdString();
    const QString missing = folder.filePath("missing.db");
    EXPECT_EQ(errorText([&] { openConnection(missing); }),
              driverError(core::err::DbFailure) + "The database file " + missing + " does not exist.");
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(errorText([&] { openConnection("Driver=sqlite;Host=x"); }),
              driverError(core::err::DbFailure) + "No database is named in the connection string.");
}

TEST_P(AdoTest, opensOnlyThroughAKnownDriverAndRefusesWhatItsStateForbids) {
    EXPECT_EQ(errorOf([&] { openConnection("Driver=nosuch;Database=x"); }), "error 3706");
    EXPECT_EQ(errorOf([&] { connection->open(target); }), "error 3705");
    connection->close();
    EXPECT_EQ(errorText([&] { connection->beginTrans(); }),
              "error 3704 from k8tr4072: Operation is not allowed when the object is closed.");
}

// A service of the client library's service file names what the keys would, the database included, and
// its password file gives the password the string leaves out.
TEST_P(AdoTest, aServiceAndAPasswordFileStandForTheKeys) {
    if (source == "SQLite") GTEST_SKIP() << "services and password files belong to the PostgreSQL client";
    const auto server = ado::ConnectionString::parse(target);
    const auto write = [&](const char* variable, const QString& name, const QString& text) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size());
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)); // or the client ignores it
        qputenv(variable, QFile::encodeName(file.fileName()));
    };
    write("PGSERVICEFILE", "services",
          QString("[shop]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\n")
              .arg(server.host, server.port, server.database, server.user));
    write("PGPASSFILE", "passwords",
          QStringList{server.host, server.port, server.database, server.user, server.password}.join(':'));
    EXPECT_EQ(rows("select code from ashops", openConnection("Driver=postgres;Service=shop")), "7");
    qunsetenv("PGSERVICEFILE");
    qunsetenv("PGPASSFILE");
}

// An option of the connection string reaches the server as written, quotes and backslashes included.
TEST_P(AdoTest, anOptionReachesTheServerAsWritten) {
    if (source == "SQLite") GTEST_SKIP() << "options belong to the PostgreSQL client";
    const QString name = "O'Neill's \\till";
    EXPECT_EQ(rows("select current_setting('application_name')",
                   openConnection(target + ";Application Name=" + name)),
              "'" + name + "'");
}

TEST_P(NestingTest, onlyTheOutermostCommitMakesWorkDurableAndRollbackUndoesCommittedInnerLevels) {
    connection->beginTrans();
    connection->beginTrans();
    add(1);
    connection->commitTrans();
    EXPECT_EQ(connection->transactionLevel(), 1);
    EXPECT_EQ(rows("select drID from receipt") + "/" + committed(), "1/");
    connection->rollbackTrans();
    EXPECT_EQ(rows("select drID from receipt"), "");
    connection->beginTrans();
    connection->beginTrans();
    add(2);
    connection->commitTrans();
    connection->commitTrans();
    EXPECT_EQ(committed(), "2");
    EXPECT_EQ(errorText([&] { connection->commitTrans(); }),
              driverError(-2147168242) + "No transaction is active.");
    EXPECT_EQ(errorOf([&] { connection->rollbackTrans(); }), "error -2147168242");
    EXPECT_EQ(connection->execute("update receipt set drCancelled = 1"), 1);
    EXPECT_EQ(connection->execute("create table Other (a integer)"), 0);
    connection->beginTrans();
    add(3);
    connection->close(); // undoes the open work
    EXPECT_EQ(committed(), "2");
}

// An SQLite file replaced under an open connection (a restored copy) is opened again before the next
// statement outside a transaction, never written to where nobody finds it again; a reopening that failed
// is tried again later.
TEST(SqliteFile, replacedUnderAnOpenConnectionIsOpenedAgain) {
    QTemporaryDir folder;
    const auto open = [&](const QString& name, const char* row) {
        auto opened = ado::Connection::create();
        opened->open("Driver=sqlite;Create=yes;Database=" + folder.filePath(name));
        opened->execute(QString("create table t (x text); insert into t values ('%1')").arg(row));
        return opened;
    };
    const ado::ConnectionPtr connection = open("shop.db", "old");
    open("copy.db", "restored")->close();
    // While the file is missing the statement fails; once the copy is in place, and the failure is over two
    // seconds old, the file is tried again.
    ASSERT_TRUE(QFile::remove(folder.filePath("shop.db")));
    EXPECT_EQ(
        adotest::rows("select x from t", connection),
        QString("error %1 from SQLite: The database server cannot be reached: The database file %2 does not "
                "exist.")
            .arg(core::err::DbFailure)
            .arg(folder.filePath("shop.db")));
    ASSERT_TRUE(QFile::rename(folder.filePath("copy.db"), folder.filePath("shop.db")));
    QThread::msleep(2000);
    EXPECT_EQ(adotest::rows("select x from t", connection), "'restored'");
}

TEST_P(NestingTest, aScopedTransactionRollsBackUnlessCommitted) {
    {
        ado::Transaction outer(connection);
        add(1);
        {
            ado::Transaction inner(connection);
            add(2);
        }
        outer.commit();
    }
    EXPECT_EQ(committed(), "1");
}

TEST_P(SqliteFileTest, aScopedTransactionRollsBackEvenAfterTheEngineGaveItUp) {
    connection->driver().executeNative("create trigger refuse before insert on receipt when new.drID = 99 "
                                       "begin select raise(rollback, 'Closed'); end;");
    {
        ado::Transaction outer(connection);
        connection->beginTrans();
        add(3);
        EXPECT_EQ(errorText([&] { add(99); }), "error -2147217873 from SQLite: Closed");
        EXPECT_EQ(errorText([&] { connection->commitTrans(); }),
                  "error -2147467259 from SQLite: The transaction was rolled back after an error; nothing "
                  "was committed.");
        connection->rollbackTrans();
    } // the scope's own rollback meets a transaction the engine has already ended
    EXPECT_EQ(connection->transactionLevel(), 0);
    EXPECT_EQ(committed(), "");
}

// Another connection's lock (SQLite's write lock, a server's row lock) makes a write wait the lock
// time-out, however long a statement may run, and fail as busy; once released, the write runs. A
// transaction that reads before it writes waits as long.
TEST_P(AdoTest, aWriteWaitsForAnotherConnectionsLockOnlyTheLockTimeOut) {
    add(1);
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"a write on its own",
         [&] { connection->execute("update receipt set drAmount = 2 where drID = 1"); }},
        {"a transaction reading first", [&] {
             ado::Transaction transaction(connection);
             ado::Recordset read;
             read.open("select drAmount from receipt where drID = 1", connection);
             connection->execute("update receipt set drAmount = 3 where drID = 1");
             transaction.commit();
         }}};
    connection->setCommandTimeout(20);
    connection->setLockTimeout(1);
    const ado::ConnectionPtr other = openConnection();
    for (const auto& [name, write] : writes) {
        other->beginTrans();
        other->execute("update receipt set drCancelled = 1 where drID = 1");
        QElapsedTimer waiting;
        waiting.start();
        EXPECT_EQ(errorOf(write), "error -2147217871") << name;
        EXPECT_GE(waiting.elapsed(), 900) << name;
        EXPECT_LT(waiting.elapsed(), 10000) << name;
        other->rollbackTrans();
        EXPECT_EQ(errorOf(write), "") << name;
    }
}

// A server's transaction that cannot be serialized with what another committed meanwhile is busy too: run
// again, it would succeed.
TEST_P(AdoTest, aTransactionThatCannotBeSerializedIsBusy) {
    if (source == "SQLite") GTEST_SKIP() << "SQLite's writers take turns under its write lock";
    add(1);
    connection->beginTrans();
    connection->driver().executeNative("set transaction isolation level repeatable read");
    EXPECT_EQ(rows("select drAmount from receipt"), "null");
    openConnection()->execute("update receipt set drAmount = 2 where drID = 1");
    EXPECT_EQ(errorOf([&] { connection->execute("update receipt set drAmount = 3 where drID = 1"); }),
              "error -2147217871");
    connection->rollbackTrans();
}

TEST_P(AdoTest, proceduresRunTheirStatementsWithParametersUntilOneFails) {
    connection->beginTrans();
    EXPECT_EQ(call("SPADD", {7, 3}), "7, 1; 8, 1");
    connection->rollbackTrans();
    EXPECT_EQ(call("spadd", {7, 3}), "7, 1; 8, 1");
    // The failing statement stops the body; PostgreSQL undoes the whole call.
    const bool postgres = source == "PostgreSQL";
    EXPECT_EQ(call("spAdd", {6, 3}),
              driverError(core::err::DbConstraintViolation) +
                  (postgres ? "duplicate key value violates unique constraint \"receipt_pkey\"7, 1; 8, 1"
                            : "UNIQUE constraint failed: receipt.drShopID, receipt.drID6, null; 7, 1; 8, 1"));
    const QString missing = driverError(core::err::DbStatementRejected) +
                            (postgres ? "procedure spnothing(integer) does not exist"
                                      : "Could not find stored procedure 'spNothing'.");
    EXPECT_EQ(call("spNothing", {1}).left(missing.size()), missing);
    ado::Command unconnected;
    unconnected.setCommandText("insert into receipt (drID) values (5)");
    EXPECT_EQ(errorOf([&] { unconnected.execute(); }), "error 3709");
}

TEST_P(SqliteFileTest, aProcedureIsMissingWithoutTheTableOfProcedures) {
    connection->driver().executeNative("drop table dbprocedures");
    const QString missing = "error -2147217900 from SQLite: Could not find stored procedure 'spAdd'.";
    EXPECT_EQ(call("spAdd", {1, 1}).left(missing.size()), missing);
}

TEST_P(SqliteFileTest, tablesMadeAfterTheFirstStatementAreTranslatedToo) {
    connection->execute("select 1");
    connection->driver().executeNative("create table Later (name text collate CI, made DATETEXT)");
    connection->execute("insert into Later (name, made) values ('A', '20261206')");
    EXPECT_EQ(rows("select name from Later where made = '2026/12/06'"), "'A'");
}

// Statements differing only in their numbers share a translation and a prepared statement; each step
// runs its script (untranslated, in a transaction when asked) and then the statement, on the state the
// steps before left.
TEST_P(AdoTest, aSharedStatementNeverGivesAnotherStatementsResults) {
    addReceipts();
    const QString made = "select n from later where made = '20261206'";
    const QString asText = "drop table if exists later;"
                           " create table later (made varchar(20), n varchar(5));"
                           " insert into later values ('20261206', 'one')";
    const QString asDate = "drop table later; create table later (made " +
                           QString(source == "SQLite" ? "DATETEXT" : "timestamp(3)") +
                           ", n integer); insert into later values ('2026-12-06 00:00:00.000', 1)";
    const struct {
        const char* transaction;
        QString script, sql, rows;
    } steps[] = {
        {"", "", "select drNo from receipt where drID = 1", "'RC-0007'"},
        {"", "", "select drNo from receipt where drID = 3", "'RC-12 '"}, // another number
        {"", "", "select drID from receipt where drID in (1, 3) order by drID", "1; 3"},
        {"", "", "select drID from receipt where drID in (2, 5) order by drID", "2; 5"}, // other numbers
        {"", "", "select drID from receipt where drID in (4) or drID in (2, 9, 1) order by drID", "1; 2; 4"},
        {"", "", "select drID from receipt where drID not in (1, 2, 3) order by drID", "4; 5"},
        // a list of more than numbers keeps them all
        {"", "", "select drID from receipt where drID in (1, 2 + 1) order by drID", "1; 3"},
        {"", asText, made, "'one'"},
        {"", asDate, made, "1"}, // a changed schema is translated anew
        {"begin", asText, made, "'one'"},
        {"rollback", "", made, "1"}, // the schema before, after a rollback
        {"begin", asText, made, "'one'"},
        {"rollback", asDate, made, "1"}, // the same schema version again, after a rollback
    };
    for (const auto& step : steps) {
        if (step.transaction == QString("begin")) connection->beginTrans();
        if (step.transaction == QString("rollback")) connection->rollbackTrans();
        if (!step.script.isEmpty()) connection->driver().executeNative(step.script);
        EXPECT_EQ(rows(step.sql), step.rows) << step.transaction << step.script.toStdString();
    }
}

// More shapes than the cache keeps: the first ones leave it, and run again as new ones.
TEST_P(AdoTest, statementsOfMoreShapesThanTheCacheKeepsAllRun) {
    addReceipts();
    QString found;
    for (int round = 0; round < 2; ++round)
        for (int shape = 0; shape < 300; ++shape)
            found +=
                rows(QString("select drID from receipt where drNo = 'RC-%1'").arg(shape, 4, 10, QChar('0')));
    EXPECT_EQ(found, "1212"); // RC-0007 and rc-0009, each round
}

TEST_P(SqliteFileTest, aSharedStatementIsReadByOneRecordsetAtATimeAndCountedWithItsOwnNumbers) {
    addReceipts();
    ado::Recordset first, second, named;
    const QString sql = "select drID from receipt where drID > 1 and drCancelled = 0";
    first.open(sql, connection);
    second.open(sql, connection);
    first.moveNext();
    EXPECT_EQ(first.field(0).toString() + second.field(0).toString(), "53");
    second.close();
    second.open("select drID from receipt where drID > 3 and drCancelled = 0", connection);
    EXPECT_EQ(second.recordCount(), 1);
    named.open("select (select 5 where 1 = 1) from receipt where drID = 1", connection);
    EXPECT_EQ(named.fieldName(0), "(select 5 where 1 = 1)"); // a lifted number would show in the name
}

TEST_P(AdoTest, recordsetsReadForwardUntilEofWithFieldsByNameInAnyCaseOrPosition) {
    addReceipts();
    ado::Recordset rs, empty;
    rs.open("select drID, drNo as ReceiptNo, drAmount, drCancelled from receipt order by drID", connection);
    EXPECT_FALSE(rs.bof() || rs.eof());
    EXPECT_EQ(rs.fieldName(0) + rs.fieldName(1), "drIDReceiptNo"); // as the statement spells them
    EXPECT_EQ(rs.field("RECEIPTNO"), rs.field(1));
    EXPECT_EQ(rs.field("drid"), QVariant(qint64(1)));
    EXPECT_EQ(core::toDouble(rs.field("DrAmount")), 1.5);
    EXPECT_EQ(errorOf([&] { rs.field("drShopID"); }) + errorOf([&] { rs.field(4); }), "error 3265error 3265");
    for (int row = 2; row <= 4; ++row)
        rs.moveNext();
    EXPECT_EQ(rs.recordCount(), 5); // the whole statement, wherever the recordset is
    EXPECT_FALSE(rs.field(2).isValid() || rs.field(3).isValid()); // nulls
    rs.moveNext();
    rs.moveNext();
    EXPECT_TRUE(rs.eof() && !rs.bof());
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }) + errorOf([&] { rs.field(0); }), "error 3021error 3021");
    empty.open("select * from receipt where drID > 9", connection);
    EXPECT_TRUE(empty.bof() && empty.eof() && empty.recordCount() == 0);
}

// Read as texts, from wherever the recordset stands, a listing gives what its values write, a date text in
// a text column and dates repeated from the row before among them.
TEST_P(AdoTest, aRecordsetReadAsTextsGivesTheTextsOfItsValues) {
    addReceipts();
    connection->execute(
        "insert into receipt (drID, drNo, drDate, drCancelled, drAmount) values "
        "(6, 'Ünïcode é', '20261206', -3, 12345.678), (7, '2026-12-06 10:30:00.000', '20261206', 0, 0.1)");
    const QString sql =
        "select drID, drNo, drDate, drCancelled, drAmount, drAmount * 3 from receipt order by drID";
    ado::Recordset values, texts;
    values.open(sql, connection);
    QStringList expected;
    for (values.moveNext(); !values.eof(); values.moveNext()) {
        QStringList row;
        for (int i = 0; i < values.fieldCount(); ++i)
            row << core::nullAsEmpty(values.field(i));
        expected << row.join('|');
    }
    texts.open(sql, connection);
    texts.moveNext();
    QStringList read;
    texts.readTexts(
        [&](const std::vector<QString>& row) { read << QStringList(row.begin(), row.end()).join('|'); });
    EXPECT_EQ(read.join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_TRUE(texts.eof());
}

TEST_P(AdoTest, recordsetsRefuseWhatTheirStateForbidsAndRunAStatementWithoutColumnsOnceOnOpen) {
    addReceipts();
    ado::Recordset rs;
    rs.open("update receipt set drAmount = drAmount + 1", connection);
    EXPECT_TRUE(rs.eof() && rs.fieldCount() + rs.recordCount() == 0);
    EXPECT_EQ(rows("select sum(drAmount) from receipt"), "2.5");
    EXPECT_EQ(errorOf([&] { rs.open("select 1", connection); }), "error 3705");
    rs.close();
    EXPECT_EQ(errorOf([&] { rs.eof(); }) + errorOf([&] { rs.close(); }), "error 3704error 3704");
    rs.open("select drID from receipt", connection);
    connection->close();
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }) + errorOf([&] { rs.open("select 1", connection); }),
              "error 3704error 3709");
}

TEST_P(AdoTest, getdateIsTheLocalWallClockWithMilliseconds) {
    ado::Recordset rs;
    rs.open("select getdate(), CURRENT_TIMESTAMP, getdate ( )", connection);
    // Only a complete date text with milliseconds comes back as a date. New York is hours away from
    // universal time; a minute's leeway keeps off the clock's exact value.
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(rs.field(i).typeId(), QMetaType::QDateTime) << i;
        EXPECT_EQ(rs.field(i).toDateTime().timeSpec(), Qt::LocalTime) << i;
        EXPECT_LE(qAbs(rs.field(i).toDateTime().secsTo(QDateTime::currentDateTime())), 60) << i;
    }
}

TEST_P(AdoTest, addedRowsTakeBoundValuesIntactAndDatesInTheStoredForm) {
    const QString text = QString::fromUtf8("O'Brien said \"ça coûte 5 €\" -- ' or 1=1");
    ado::Recordset rs;
    rs.open("select * from receipt where drShopID=2", connection);
    for (const auto& [id, date] : {std::pair<int, QVariant>{1, "2026/12/06"},
                                   {2, QDate(2026, 12, 7)},
                                   {3, QDateTime(QDate(2026, 12, 6), QTime(10, 30, 5, 123))}}) {
        rs.addNew();
        rs.setField("DRID", id);
        rs.setField("drshopid", 2);
        rs.setField("drno", text);
        rs.setField("drDate", date);
        EXPECT_EQ(rs.field("drNo"), text); // the pending row is current
        rs.update();
        EXPECT_EQ(rs.field("drID"), QVariant(id));
    }
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rows("select distinct drNo from receipt"), "'" + text + "'");
    EXPECT_EQ(rows("select drDate from receipt"),
              "2026-12-06 00:00:00.000; 2026-12-07 00:00:00.000; 2026-12-06 10:30:05.123");
    rs.addNew();
    rs.setField("drID", 4);
    rs.setField("drDate", "tomorrow");
    EXPECT_EQ(errorOf([&] { rs.update(); }), "error -2147467259");
    EXPECT_EQ(rows("select count(*) from receipt"), "3");
}

TEST_P(AdoTest, rowsAreAddedOnlyThroughAnUpdatableSingleTableSelectAllWithoutReadingIt) {
    addReceipts();
    ado::Recordset columns, readOnly, rs;
    columns.open("select drID from receipt", connection);
    readOnly.open("select * from receipt", connection, ado::CursorType::Static, ado::LockType::ReadOnly);
    EXPECT_EQ(errorOf([&] { columns.addNew(); }) + errorOf([&] { readOnly.addNew(); }),
              "error 3251error 3251");
    EXPECT_EQ(errorOf([&] { readOnly.setField("drID", 1); }), "error 3251");
    EXPECT_EQ(errorOf([&] { readOnly.setField("nosuch", 1); }), "error 3265");
    // Reading any row would fail the conversion in the condition.
    const QString sql = "select * from receipt where convert(int, drNo) = 1";
    rs.open(sql, connection);
    rs.addNew();
    rs.setField("drID", 6);
    rs.update();
    columns.close();
    columns.open(sql, connection);
    EXPECT_EQ(errorOf([&] { columns.eof(); }), "error -2147467259");
    connection->driver().insert("RECEIPT", {"DRID", "drno"}, {7, "RC-7"});
    EXPECT_EQ(rows("select drID, drNo from receipt where drID > 5"), "6, null; 7, 'RC-7'");
    EXPECT_EQ(errorOf([&] { connection->driver().insert("receipt", {"drNothing"}, {1}); }),
              "error -2147217900");
}

// Rows held back in a transaction go with the next statement, at the latest with the commit: what runs next
// reads them, a refused one fails the commit at the latest and nothing is stored, a rollback drops them.
// Holding ends with the transaction and needs one.
TEST_P(AdoTest, rowsHeldBackGoWithTheNextStatementOrTheCommit) {
    const auto addRow = [&](int id) {
        ado::Recordset rs;
        rs.open("select * from receipt", connection);
        rs.addNew();
        rs.setField("drID", id);
        rs.update();
    };
    const auto heldWork = [&](const std::function<void(ado::Transaction&)>& work) {
        ado::Transaction transaction(connection);
        connection->holdAddedRows();
        work(transaction);
    };
    heldWork([&](ado::Transaction& transaction) {
        addRow(1);
        addRow(2);
        EXPECT_EQ(connection->firstValues({"select count(*) from receipt"}).value(0).toInt(), 2);
        addRow(3);
        EXPECT_EQ(rows("select count(*) from receipt"), "3");
        addRow(4);
        connection->execute("update receipt set drCancelled = 1 where drID = 4");
        addRow(5);
        transaction.commit();
    });
    heldWork([&](ado::Transaction&) { addRow(6); });
    heldWork([&](ado::Transaction& transaction) {
        EXPECT_EQ(errorOf([&] {
                      addRow(1);
                      transaction.commit();
                  }),
                  "error -2147217873");
    });
    addRow(7);
    EXPECT_EQ(rows("select drID, drCancelled from receipt order by 1", openConnection()),
              "1, null; 2, null; 3, null; 4, 1; 5, null; 7, null");
    EXPECT_EQ(errorOf([&] { connection->holdAddedRows(); }), "error -2147168242");
}

// The first value of each query comes back in order: numbers as numbers, null for a query without rows. An
// update among them runs each time, before the queries after it. A refused query fails them all and the
// connection goes on.
TEST_P(AdoTest, firstValuesAnswerEachQueryInOrder) {
    addReceipts();
    const QStringList moveOn = {"update receipt set drCancelled = drCancelled + 1 where drID = 3",
                                "select drCancelled from receipt where drID = 3"};
    EXPECT_EQ(connection->firstValues(moveOn).value(1).toString(), "1");
    EXPECT_EQ(connection->firstValues(moveOn).value(1).toString(), "2");
    const QStringList queries = {"select count(*) from receipt", "select drNo from receipt where drID = 2",
                                 "select drID from receipt where drID = 99",
                                 "select isnull(sum(drAmount), 0) + 0.25 from receipt"};
    QStringList values;
    for (const QVariant& value : connection->firstValues(queries))
        values << (value.isNull()
                       ? QString("null")
                       : value.toString() + (value.typeId() == QMetaType::QString ? " text" : " number"));
    EXPECT_EQ(values.join("; "), "5 number; rc-0009 text; null; 1.75 number");
    EXPECT_EQ(errorOf([&] {
                  connection->firstValues({"select count(*) from receipt", "select nosuch from receipt"});
              }),
              "error -2147217900");
    EXPECT_EQ(rows("select count(*) from receipt"), "5");
}

// Each query's rows reach the reader with the query's place among them, in order, a query without rows
// included. A refused query fails the call and the connection goes on.
TEST_P(AdoTest, queriesTogetherHandEachQuerysRowsInOrder) {
    addReceipts();
    QStringList read;
    const auto readRows = [&read](qsizetype at, ado::Cursor& rows) {
        QStringList values;
        for (QVariantList row; rows.fetch(row);)
            values << core::nullAsEmpty(row.value(0));
        read << QString::number(at) + ": " + values.join(", ");
    };
    connection->queryTogether({"select drNo from receipt where drID < 3 order by drID",
                               "select drID from receipt where drID = 99", "select count(*) from receipt"},
                              readRows);
    EXPECT_EQ(read.join("; "), "0: RC-0007, rc-0009; 1: ; 2: 5");
    EXPECT_EQ(errorOf([&] {
                  connection->queryTogether({"select count(*) from receipt", "select nosuch from receipt"},
                                            [](qsizetype, ado::Cursor&) {});
              }),
              "error -2147217900");
    EXPECT_EQ(rows("select count(*) from receipt"), "5");
}

// Queries read ahead answer the queries that follow in their order: on the server with the rows of that
// moment, so that another connection's change after it comes too late for them. A query out of that order
// or any other statement drops what is left, a refused query fails at its own turn, and nothing is read
// ahead inside a transaction, where a refused query would fail the transaction.
TEST_P(AdoTest, queriesReadAheadAnswerTheNextQueriesInTheirOrder) {
    addReceipts();
    const bool readsAhead = GetParam() == Target::Server;
    const ado::ConnectionPtr other = openConnection();
    const QString count = "select count(*) from receipt";
    const QString number = "select drNo from receipt where drID = 2";
    connection->readAhead({count, number});
    other->execute("delete from receipt where drID = 5");
    EXPECT_EQ(rows(count), readsAhead ? "5" : "4");
    EXPECT_EQ(rows(number), "'rc-0009'");
    connection->readAhead({count, number});
    other->execute("delete from receipt where drID = 4");
    EXPECT_EQ(rows(number), "'rc-0009'");
    EXPECT_EQ(rows(count), "3");
    const QString cancelled = "select count(*) from receipt where drCancelled = 1";
    connection->readAhead({cancelled});
    connection->execute("update receipt set drCancelled = 1 where drID = 1");
    EXPECT_EQ(rows(cancelled), "2");
    connection->readAhead({count, "select nosuch from receipt", number});
    EXPECT_EQ(rows(count), "3");
    EXPECT_EQ(rows("select nosuch from receipt").section(' ', 0, 1), "error -2147217900");
    EXPECT_EQ(rows(number), "'rc-0009'");
    ado::Transaction transaction(connection);
    connection->execute("update receipt set drAmount = 2 where drID = 1");
    connection->readAhead({"select nosuch from receipt"});
    EXPECT_EQ(errorOf([&] { connection->execute("update receipt set drAmount = 3 where drID = 1"); }), "");
}

// A fault put in front of the engine fails exactly the statement asked for, whatever runs it (the
// connection, a recordset reading or adding rows, a command), and the work's transaction is rolled back
// whole; asked for none, it counts the statements and fails none.
TEST_P(AdoTest, anInjectedFaultFailsExactlyTheStatementAskedFor) {
    const auto work = [&] {
        ado::Transaction transaction(connection);
        add(1);
        ado::Recordset rs;
        rs.open("select * from receipt", connection);
        rs.addNew();
        rs.setField("drID", 2);
        rs.update();
        runProcedure("spAdd", {10, 1});
        transaction.commit();
    };
    const std::shared_ptr<testing_support::InjectedFault> fault = testing_support::injectFault(*connection);
    work();
    EXPECT_EQ(fault->statements, 4);
    EXPECT_EQ(committed(), "1; 2; 10; 11");
    connection->execute("delete from receipt");
    for (long statement = 1; statement <= 4; ++statement) {
        *fault = {statement};
        EXPECT_EQ(errorText(work), driverError(core::err::DbFailure) +
                                       QString("Fault injected at statement %1.").arg(statement));
        EXPECT_EQ(fault->statements, statement);
        EXPECT_EQ(committed(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, AdoTest, ::testing::Values(Target::SqliteFile, Target::Server), targetName);
#ifdef RECEIPTS_ODBC_BUILT
INSTANTIATE_TEST_SUITE_P(Drivers, NestingTest,
                         ::testing::Values(Target::SqliteFile, Target::Server, Target::Odbc), targetName);
#else
INSTANTIATE_TEST_SUITE_P(Drivers, NestingTest, ::testing::Values(Target::SqliteFile, Target::Server),
                         targetName);
#endif
INSTANTIATE_TEST_SUITE_P(Drivers, SqliteFileTest, ::testing::Values(Target::SqliteFile), targetName);
