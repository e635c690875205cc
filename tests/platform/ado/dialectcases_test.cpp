// The dialect's cases every driver must pass, run through Connection and Recordset.
#include "platform/ado/command.h"
#include "platform/ado/driver.h"

#include "adotestsupport.h"

using adotest::DriverTest;
using adotest::errorOf;

namespace {

class DialectCases : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        for (const char* values : {"1, 'RC-0007', '20261206', 0", "2, 'rc-0009', '2026-12-06 10:30', 1",
                                   "3, 'RC-12 ', '2026/12/07', 0", "4, 'RC-', '2026-12-05 23:59:59', null",
                                   "5, 'RC-12a', null, 0"})
            connection->execute(
                QString("insert into LosDummyReceiptHeader (drID, drNo, drDate, drCancelled) values (%1)")
                    .arg(values));
    }

    // The statement of the receipt numbering: the highest numeric tail after the prefix.
    QVariant highestNumber(const QString& prefix) const {
        QString length = QString::number(prefix.size());
        return scalar("Select isnull(max(convert(int,right(drNo,len(drNo)-" + length +
                      "))),0) from LosDummyReceiptHeader where  len(drNo)>len('" + prefix + "') and " +
                      " isnumeric(isnull(right(drNo,len(drNo)-" + length +
                      "),0)) =1 and substring(drNo,1,len('" + prefix + "'))='" + prefix + "'");
    }
};

} // namespace

TEST_P(DialectCases, rightIsnullAndConvertInOneSelect) {
    EXPECT_EQ(firstRow("select right('RC-0007',4), isnull(null,'x'), convert(int,' 12 ')"),
              (QVariantList{"0007", "x", qint64(12)}));
}

TEST_P(DialectCases, lenIgnoresTrailingBlanksOnly) {
    EXPECT_EQ(firstRow("select len('RC-12 '), len('  a'), len(''), right('RC-12 ', len('RC-12 ')-3)"),
              (QVariantList{qint64(5), qint64(3), qint64(0), "2 "}));
}

TEST_P(DialectCases, convertToIntReadsEmptyAsZeroAndRefusesFractions) {
    EXPECT_EQ(firstRow("select convert(int,''), convert(int,'-7')"), (QVariantList{qint64(0), qint64(-7)}));
    auto error = errorOf([&] { scalar("select convert(int,'12.5')"); });
    EXPECT_EQ(error.number(), rt::err::DbFailure);
    EXPECT_EQ(error.description(),
              "Conversion failed when converting the varchar value '12.5' to data type int.");
}

TEST_P(DialectCases, plusWithTextConcatenatesAndNullGivesNull) {
    QVariantList row = firstRow("select 'A'+'--->'+'B', 'A'+null, 1 + '5'");
    EXPECT_EQ(row.value(0), "A--->B");
    EXPECT_TRUE(rt::isNull(row.value(1)));
    EXPECT_EQ(row.value(2).toInt(), 6);
}

TEST_P(DialectCases, receiptNumberingIgnoresCaseAndTrailingBlanks) {
    EXPECT_EQ(highestNumber("RC-").toInt(), 9);
    EXPECT_EQ(highestNumber("XY-").toInt(), 0);
}

TEST_P(DialectCases, caseGivesYesNoAndNullForOtherValues) {
    QVariantList flags = firstColumn(
        "select case drcancelled when 1 then 'Yes' when 0 then 'No' end from LosDummyReceiptHeader "
        "order by drid");
    ASSERT_EQ(flags.size(), 5);
    EXPECT_EQ(flags[0], "No");
    EXPECT_EQ(flags[1], "Yes");
    EXPECT_EQ(flags[2], "No");
    EXPECT_TRUE(rt::isNull(flags[3]));
    EXPECT_EQ(flags[4], "No");
}

TEST_P(DialectCases, aDateEqualToTheBoundIsNotGreaterInAnySpelling) {
    for (const char* bound : {"20261206", "2026/12/06", "2026-12-06"})
        EXPECT_EQ(scalar(QString("select count(*) from LosDummyReceiptHeader where drdate > '%1'").arg(bound))
                      .toInt(),
                  2)
            << bound;
}

TEST_P(DialectCases, datediffCountsMidnights) {
    EXPECT_EQ(firstRow("select datediff(day,'20261206','20261211'), "
                       "datediff(day,'2026-12-06 23:59:59','2026-12-07 00:00:01'), "
                       "datediff(day,'2026-12-07 00:00:01','2026-12-06 23:59:59')"),
              (QVariantList{qint64(5), qint64(1), qint64(-1)}));
}

TEST_P(DialectCases, datediffOfDateaddOverDuePeriods) {
    connection->execute(
        "insert into AccountsInvoiceHeader (invoiceid, invoicedate, dueperiod) values "
        "(1, '2026-12-01 15:00', 10), (2, '2026-12-01 15:00', -10), (3, '2026-12-01 15:00', null)");
    QVariantList due =
        firstColumn("select datediff(day,'20261206',dateadd(day,dueperiod,invoicedate)) as dueperiod "
                    "from AccountsInvoiceHeader order by invoiceid");
    ASSERT_EQ(due.size(), 3);
    EXPECT_EQ(due[0].toInt(), 5);
    EXPECT_EQ(due[1].toInt(), -15);
    EXPECT_TRUE(rt::isNull(due[2]));
}

TEST_P(DialectCases, namesMatchInAnyCaseAndFieldsKeepTheWrittenName) {
    ado::Recordset rs;
    rs.open("select drID from LosDummyReceiptHeader where DRID=1", connection);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.fieldName(0), "drID");
    EXPECT_EQ(rs.field("DRid").toInt(), 1);
}

TEST_P(DialectCases, textLiteralMatchesIntegerAndTrimmedUpperMatchesText) {
    connection->execute("insert into LosDummyReceiptHeader (drID, drNo) values (12, 'RC-0012')");
    EXPECT_EQ(scalar("select drNo from LosDummyReceiptHeader where drid='12'"), "RC-0012");
    EXPECT_EQ(
        scalar("select drID from LosDummyReceiptHeader where ltrim(rtrim(upper(drNo)))='RC-0009'").toInt(),
        2);
}

TEST_P(DialectCases, procedureInsideARolledBackTransactionLeavesNothing) {
    connection->driver().executeNative("insert into dbprocedures (name, body) values ('spAddReceipt', "
                                       "'insert into LosDummyReceiptHeader (drID, drNo) values (?1, ?2); "
                                       "update LosDummyReceiptHeader set drCancelled = 1 where drID = ?1;')");
    connection->beginTrans();
    ado::Command command;
    command.setActiveConnection(connection);
    command.setCommandType(ado::CommandType::StoredProcedure);
    command.setCommandText("SPADDRECEIPT");
    command.appendParameter(20);
    command.appendParameter("RC-0020");
    command.execute();
    EXPECT_EQ(scalar("select drCancelled from LosDummyReceiptHeader where drID = 20").toInt(), 1);
    connection->rollbackTrans();
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader where drID = 20").toInt(), 0);
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader").toInt(), 5);
}

TEST_P(DialectCases, textComparisonIgnoresCaseAndTrailingBlanks) {
    EXPECT_EQ(scalar("select drID from LosDummyReceiptHeader where drNo = 'rc-12'").toInt(), 3);
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader where rtrim(drNo) = 'rc-0007'").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Drivers, DialectCases, adotest::drivers);

namespace {

struct IsNumericCase {
    const char* text;
    int expected;
};

class ServerIsNumericInSql : public DriverTest {};

} // namespace

TEST_P(ServerIsNumericInSql, followsTheServersListOnEveryDriver) {
    static const IsNumericCase cases[] = {
        {"+ 1", 1},  {"$-1", 1}, {"-$1", 1}, {"$24,23.43", 1}, {"1e5", 1}, {"1d10", 1},     {"+", 1},
        {".", 1},    {",", 1},   {"$", 1},   {"", 0},          {" ", 0},   {"0x10", 0},     {"1 2", 0},
        {"1 .5", 0}, {"+-", 0},  {"23$", 0}, {"e10", 0},       {"1e", 0},  {"24.89.43", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(scalar("select isnumeric(" + ado::quoted(text) + ")").toInt(), expected) << text;
    EXPECT_EQ(scalar("select isnumeric(null)").toInt(), 0);
    EXPECT_EQ(scalar("select isnumeric(12.5)").toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Drivers, ServerIsNumericInSql, adotest::drivers);
