// Tests of recordsets: reading, fields, nulls, dates, counts and rows added to a table.
#include "platform/ado/driver.h"

#include "adotestsupport.h"

#include <QElapsedTimer>

using adotest::DriverTest;
using adotest::errorOf;

namespace {

class RecordsetTest : public DriverTest {
protected:
    void addReceipts(int count) {
        for (int id = 1; id <= count; ++id)
            connection->execute(QString("insert into LosDummyReceiptHeader (drID, drNo, drDate, drAmount) "
                                        "values (%1, 'RC-%1', '2026120%1', %1.5)")
                                    .arg(id));
    }
};

} // namespace

TEST_P(RecordsetTest, readsRowsForwardUntilEof) {
    addReceipts(3);
    ado::Recordset rs;
    rs.open("select drID, drNo from LosDummyReceiptHeader order by drID", connection);
    EXPECT_FALSE(rs.bof());
    QStringList numbers;
    for (; !rs.eof(); rs.moveNext())
        numbers << rs.field("drNo").toString();
    EXPECT_EQ(numbers, (QStringList{"RC-1", "RC-2", "RC-3"}));
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }).number(), rt::err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.field(0); }).number(), rt::err::NoCurrentRecord);
}

TEST_P(RecordsetTest, emptyResultIsBothBofAndEof) {
    ado::Recordset rs;
    rs.open("select * from LosDummyReceiptHeader", connection);
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(errorOf([&] { rs.field("drNo"); }).number(), rt::err::NoCurrentRecord);
}

TEST_P(RecordsetTest, fieldsByNameInAnyCaseOrByPosition) {
    addReceipts(1);
    ado::Recordset rs;
    rs.open("select drID, drNo as ReceiptNo, drAmount from LosDummyReceiptHeader", connection);
    EXPECT_EQ(rs.fieldCount(), 3);
    EXPECT_EQ(rs.fieldName(1), "ReceiptNo");
    EXPECT_EQ(rs.field("RECEIPTNO"), rs.field(1));
    EXPECT_EQ(rs.field("drid"), QVariant(qint64(1)));
    EXPECT_EQ(rs.field("DrAmount"), QVariant(1.5));
    EXPECT_EQ(errorOf([&] { rs.field("drDate"); }).number(), rt::err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.field(3); }).number(), rt::err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.fieldName(-1); }).number(), rt::err::ItemNotFound);
}

TEST_P(RecordsetTest, nullFieldsAreInvalidValues) {
    connection->execute("insert into LosDummyReceiptHeader (drID) values (1)");
    QVariantList row = firstRow("select drNo, drDate, drAmount, isnull(drNo, 'none'), len(drNo) "
                                "from LosDummyReceiptHeader");
    ASSERT_EQ(row.size(), 5);
    EXPECT_FALSE(row[0].isValid());
    EXPECT_FALSE(row[1].isValid());
    EXPECT_FALSE(row[2].isValid());
    EXPECT_EQ(row[3], "none");
    EXPECT_FALSE(row[4].isValid());
}

TEST_P(RecordsetTest, closedRecordsetOrConnectionRefusesWorkWith3704) {
    addReceipts(1);
    ado::Recordset rs;
    rs.open("select drID from LosDummyReceiptHeader", connection);
    rs.close();
    EXPECT_EQ(rs.state(), ado::ObjectState::Closed);
    EXPECT_EQ(errorOf([&] { rs.eof(); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.field(0); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.close(); }).number(), rt::err::ObjectClosed);
    rs.open("select drID from LosDummyReceiptHeader", connection);
    connection->close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { rs.open("select 1", connection); }).number(), 3709);
}

TEST_P(RecordsetTest, statementWithoutResultColumnsRunsOnOpen) {
    addReceipts(2);
    ado::Recordset rs;
    rs.open("update LosDummyReceiptHeader set drAmount = drAmount + 1", connection);
    EXPECT_EQ(scalar("select sum(drAmount) from LosDummyReceiptHeader").toDouble(), 6.0);
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.fieldCount(), 0);
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(scalar("select sum(drAmount) from LosDummyReceiptHeader").toDouble(), 6.0); // ran only once
}

TEST_P(RecordsetTest, openingTwiceFails) {
    ado::Recordset rs;
    rs.open("select 1", connection);
    EXPECT_EQ(errorOf([&] { rs.open("select 1", connection); }).number(), 3705);
}

TEST_P(RecordsetTest, recordCountCountsTheWholeStatementWhereverTheRecordsetIs) {
    addReceipts(4);
    ado::Recordset rs;
    rs.open("select * from LosDummyReceiptHeader where drID > 1", connection);
    rs.moveNext();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.field("drID").toInt(), 3);
}

TEST_P(RecordsetTest, datesComeBackAsLocalDateTimes) {
    addReceipts(1);
    QVariant date = scalar("select drDate from LosDummyReceiptHeader");
    ASSERT_EQ(date.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(date.toDateTime(), QDateTime(QDate(2026, 12, 1), QTime(0, 0)));
    EXPECT_EQ(date.toDateTime().timeSpec(), Qt::LocalTime);
    EXPECT_EQ(scalar("select 'x' || drDate from LosDummyReceiptHeader"), "x2026-12-01 00:00:00.000");
}

TEST_P(RecordsetTest, currentTimeIsLocalWithMilliseconds) {
    QDateTime before = QDateTime::currentDateTime().addMSecs(-1);
    QVariantList row = firstRow("select getdate(), CURRENT_TIMESTAMP");
    QDateTime after = QDateTime::currentDateTime().addMSecs(1);
    for (const QVariant& value : row) {
        ASSERT_EQ(value.typeId(), QMetaType::QDateTime);
        EXPECT_GE(value.toDateTime(), before);
        EXPECT_LE(value.toDateTime(), after);
    }
}

TEST_P(RecordsetTest, addedRowIsInsertedWithBoundValuesAndCanonicalDates) {
    ado::Recordset rs;
    rs.open("select * from LosDummyReceiptHeader where drShopID=1", connection);
    rs.addNew();
    rs.setField("DRID", 7);
    rs.setField("drno", "O'Brien");
    rs.setField("drDate", "2026/12/06");
    rs.setField("drAmount", 12.25);
    EXPECT_EQ(rs.field("drNo"), "O'Brien"); // the pending row is current
    rs.update();
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("drID"), QVariant(7));
    QVariantList row = firstRow("select drNo, 'x' || drDate, drAmount, drShopID from LosDummyReceiptHeader");
    EXPECT_EQ(row, (QVariantList{"O'Brien", "x2026-12-06 00:00:00.000", 12.25, qint64(1)}));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
}

TEST_P(RecordsetTest, dateValuesRoundTripWithMilliseconds) {
    QDateTime stamp(QDate(2026, 12, 6), QTime(10, 30, 5, 123));
    ado::Recordset rs;
    rs.open("select * from LosDummyReceiptHeader", connection);
    rs.addNew();
    rs.setField("drID", 1);
    rs.setField("drDate", stamp);
    rs.update();
    rs.addNew();
    rs.setField("drID", 2);
    rs.setField("drDate", QDate(2026, 12, 7));
    rs.update();
    EXPECT_EQ(firstColumn("select drDate from LosDummyReceiptHeader order by drID"),
              (QVariantList{stamp, QDateTime(QDate(2026, 12, 7), QTime(0, 0))}));
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader where drDate > '20261206'").toInt(), 2);
}

TEST_P(RecordsetTest, textThatIsNoDateIsRefusedForADateColumn) {
    ado::Recordset rs;
    rs.open("select * from LosDummyReceiptHeader", connection);
    rs.addNew();
    rs.setField("drID", 1);
    rs.setField("drDate", "tomorrow");
    EXPECT_EQ(errorOf([&] { rs.update(); }).number(), rt::err::DbFailure);
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader").toInt(), 0);
}

TEST_P(RecordsetTest, addingNeedsAnUpdatableSingleTableSelectAll) {
    ado::Recordset joined;
    joined.open("select drID from LosDummyReceiptHeader", connection);
    EXPECT_EQ(errorOf([&] { joined.addNew(); }).number(), 3251);
    ado::Recordset readOnly;
    readOnly.open("select * from LosDummyReceiptHeader", connection, ado::CursorType::Static,
                  ado::LockType::ReadOnly);
    EXPECT_EQ(errorOf([&] { readOnly.addNew(); }).number(), 3251);
    EXPECT_EQ(errorOf([&] { readOnly.setField("drID", 1); }).number(), 3251);
    EXPECT_EQ(errorOf([&] { readOnly.setField("nosuch", 1); }).number(), rt::err::ItemNotFound);
}

TEST_P(RecordsetTest, driverInsertMatchesColumnNamesWithoutRegardToCase) {
    connection->driver().insert("losdummyreceiptheader", {"DRID", "drno"}, {3, "RC-3"});
    EXPECT_EQ(scalar("select drNo from LosDummyReceiptHeader where drID = 3"), "RC-3");
    auto error = errorOf([&] { connection->driver().insert("LosDummyReceiptHeader", {"drNothing"}, {1}); });
    EXPECT_EQ(error.number(), rt::err::DbStatementRejected);
}

TEST_P(RecordsetTest, addingARowToALargeTableReadsNoneOfIt) {
    connection->driver().executeNative(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 100000) "
        "insert into LosDummyReceiptHeader (drID, drNo) select i, 'RC-' || i from n;");
    // Any row the recordset read would fail the conversion in its condition.
    QString sql = "select * from LosDummyReceiptHeader where convert(int, drNo) = 1";
    ado::Recordset probe;
    probe.open(sql, connection);
    EXPECT_EQ(errorOf([&] { probe.eof(); }).number(), rt::err::DbFailure);

    QElapsedTimer timer;
    timer.start();
    ado::Recordset rs;
    rs.open(sql, connection);
    rs.addNew();
    rs.setField("drID", 100001);
    rs.setField("drNo", "RC-100001");
    rs.update();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptHeader").toInt(), 100001);
}

INSTANTIATE_TEST_SUITE_P(Drivers, RecordsetTest, adotest::drivers);
