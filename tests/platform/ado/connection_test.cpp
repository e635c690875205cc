// Tests of connections: opening, transactions, statements, procedures and the errors they raise.
#include "platform/ado/command.h"
#include "platform/ado/driver.h"

#include "adotestsupport.h"

using adotest::DriverTest;
using adotest::errorOf;

namespace {

class ConnectionTest : public DriverTest {
protected:
    long receipts(const ado::ConnectionPtr& on) const {
        ado::Recordset rs;
        rs.open("select count(*) from LosDummyReceiptHeader", on);
        return rs.field(0).toInt();
    }
    void addReceipt(int id) {
        connection->execute(
            QString("insert into LosDummyReceiptHeader (drID, drNo) values (%1, 'RC-%1')").arg(id));
    }
    void addProcedure(const QString& name, const QString& body) {
        connection->driver().executeNative("insert into dbprocedures (name, body) values (" +
                                           ado::quoted(name) + ", " + ado::quoted(body) + ")");
    }
    void callProcedure(const QString& name, const QVariantList& parameters) {
        ado::Command command;
        command.setActiveConnection(connection);
        command.setCommandType(ado::CommandType::StoredProcedure);
        command.setCommandText(name);
        for (const QVariant& parameter : parameters)
            command.appendParameter(parameter);
        command.execute();
    }
};

} // namespace

TEST_P(ConnectionTest, bareAndKeyedConnectionStringsOpenTheSameDatabase) {
    addReceipt(1);
    auto bare = ado::Connection::create();
    bare->open(folder.filePath("test.db"));
    EXPECT_EQ(receipts(bare), 1);
    auto keyed = ado::Connection::create();
    keyed->open("database=" + folder.filePath("test.db") + "; DRIVER=" + GetParam());
    EXPECT_EQ(receipts(keyed), 1);
    EXPECT_EQ(keyed->state(), ado::ObjectState::Open);
}

TEST_P(ConnectionTest, unknownDriverAndUnopenableDatabaseFail) {
    auto other = ado::Connection::create();
    EXPECT_EQ(errorOf([&] { other->open("Driver=nosuch;Database=x"); }).number(), 3706);
    auto error = errorOf([&] { other->open(folder.filePath("missing/folder/x.db")); });
    EXPECT_EQ(error.number(), rt::err::DbFailure);
    EXPECT_FALSE(other->isOpen());
}

TEST_P(ConnectionTest, closedConnectionRefusesWorkWith3704) {
    connection->close();
    EXPECT_EQ(connection->state(), ado::ObjectState::Closed);
    EXPECT_EQ(errorOf([&] { connection->execute("select 1"); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { connection->beginTrans(); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { connection->driver(); }).number(), rt::err::ObjectClosed);
    EXPECT_EQ(errorOf([&] { connection->close(); }).number(), rt::err::ObjectClosed);
}

TEST_P(ConnectionTest, openingAnOpenConnectionFails) {
    EXPECT_EQ(errorOf([&] { connection->open(folder.filePath("test.db")); }).number(), 3705);
}

TEST_P(ConnectionTest, executeReturnsTheRowsChanged) {
    addReceipt(1);
    addReceipt(2);
    EXPECT_EQ(connection->execute("update LosDummyReceiptHeader set drCancelled = 1"), 2);
    EXPECT_EQ(connection->execute("update LosDummyReceiptHeader set drCancelled = 1 where drID = 9"), 0);
    EXPECT_EQ(connection->execute("create table Other (a integer)"), 0);
}

TEST_P(ConnectionTest, outermostCommitMakesWorkDurable) {
    auto observer = openConnection();
    connection->beginTrans();
    connection->beginTrans();
    EXPECT_EQ(connection->transactionLevel(), 2);
    addReceipt(1);
    connection->commitTrans();
    EXPECT_EQ(connection->transactionLevel(), 1);
    EXPECT_EQ(receipts(observer), 0);
    connection->commitTrans();
    EXPECT_EQ(connection->transactionLevel(), 0);
    EXPECT_EQ(receipts(observer), 1);
}

TEST_P(ConnectionTest, innerRollbackUndoesOnlyItsOwnLevel) {
    connection->beginTrans();
    addReceipt(1);
    connection->beginTrans();
    addReceipt(2);
    connection->rollbackTrans();
    EXPECT_EQ(receipts(connection), 1);
    connection->commitTrans();
    EXPECT_EQ(receipts(openConnection()), 1);
}

TEST_P(ConnectionTest, outerRollbackUndoesCommittedInnerLevels) {
    connection->beginTrans();
    connection->beginTrans();
    addReceipt(1);
    connection->commitTrans();
    connection->rollbackTrans();
    EXPECT_EQ(receipts(connection), 0);
}

TEST_P(ConnectionTest, commitOrRollbackWithoutTransactionFails) {
    auto error = errorOf([&] { connection->commitTrans(); });
    EXPECT_EQ(error.number(), -2147168242);
    EXPECT_EQ(errorOf([&] { connection->rollbackTrans(); }).number(), -2147168242);
}

TEST_P(ConnectionTest, rollbackAfterTheEngineEndedTheTransactionStillCountsDown) {
    connection->driver().executeNative(
        "create trigger refuse before insert on LosDummyReceiptHeader when new.drID = 99 "
        "begin select raise(rollback, 'refused'); end;");
    connection->beginTrans();
    connection->beginTrans();
    addReceipt(1);
    EXPECT_EQ(errorOf([&] { addReceipt(99); }).number(), rt::err::DbConstraintViolation);
    EXPECT_EQ(errorOf([&] { connection->commitTrans(); }).number(), rt::err::DbFailure);
    connection->rollbackTrans();
    connection->rollbackTrans();
    EXPECT_EQ(connection->transactionLevel(), 0);
    EXPECT_EQ(receipts(connection), 0);
}

TEST_P(ConnectionTest, rejectedStatementsCarryTheEngineMessageAndDriverName) {
    for (const char* sql :
         {"selec 1", "select * from NoSuchTable", "select nosuchcolumn from LosDummyReceiptHeader",
          "select datediff(fortnight, '20261206', '20261207')"}) {
        auto error = errorOf([&] { connection->execute(sql); });
        EXPECT_EQ(error.number(), rt::err::DbStatementRejected) << sql;
        EXPECT_EQ(error.source(), "SQLite") << sql;
        EXPECT_FALSE(error.description().isEmpty()) << sql;
    }
}

TEST_P(ConnectionTest, keyAndTriggerRefusalsAreConstraintViolations) {
    addReceipt(1);
    auto duplicate = errorOf([&] { addReceipt(1); });
    EXPECT_EQ(duplicate.number(), rt::err::DbConstraintViolation);
    EXPECT_TRUE(duplicate.description().contains("UNIQUE")) << duplicate.description().toStdString();
    connection->driver().executeNative("create trigger guard before update on LosDummyReceiptHeader "
                                       "begin select raise(abort, 'Receipt is posted'); end;");
    auto refused = errorOf([&] { connection->execute("update LosDummyReceiptHeader set drCancelled = 1"); });
    EXPECT_EQ(refused.number(), rt::err::DbConstraintViolation);
    EXPECT_EQ(refused.description(), "Receipt is posted");
}

TEST_P(ConnectionTest, lockHeldByAnotherConnectionTimesOut) {
    auto other = openConnection();
    other->beginTrans();
    other->execute("insert into LosDummyReceiptHeader (drID) values (1)");
    connection->setCommandTimeout(1);
    EXPECT_EQ(connection->commandTimeout(), 1);
    EXPECT_EQ(errorOf([&] { addReceipt(2); }).number(), rt::err::DbTimeout);
    other->rollbackTrans();
    addReceipt(2);
    EXPECT_EQ(receipts(connection), 1);
}

TEST_P(ConnectionTest, engineFailureDuringAStatementIsUnspecified) {
    auto error = errorOf([&] { connection->execute("select right('abc', -1)"); });
    EXPECT_EQ(error.number(), rt::err::DbFailure);
    EXPECT_EQ(error.description(), "Invalid length parameter passed to the right function.");
}

TEST_P(ConnectionTest, procedureRunsEveryStatementWithItsParameters) {
    addProcedure("spUpdateLedgersPOSReceipts",
                 "insert into LosDummyReceiptHeader (drID, drShopID, drNo) values (1, ?2, 'P-' || ?1);"
                 "-- the second statement does not use the first parameter\n"
                 "update LosDummyReceiptHeader set drCancelled = 1 where drShopID = ?2;");
    callProcedure("spupdateledgersposreceipts", {7, 3});
    EXPECT_EQ(firstRow("select drNo, drCancelled from LosDummyReceiptHeader where drShopID = 3"),
              (QVariantList{"P-7", qint64(1)}));
}

TEST_P(ConnectionTest, missingProcedureIsARejectedStatement) {
    auto error = errorOf([&] { callProcedure("spNothing", {1}); });
    EXPECT_EQ(error.number(), rt::err::DbStatementRejected);
    EXPECT_EQ(error.description(), "Could not find stored procedure 'spNothing'.");
    connection->driver().executeNative("drop table dbprocedures");
    EXPECT_EQ(errorOf([&] { callProcedure("spNothing", {}); }).description(),
              "Could not find stored procedure 'spNothing'.");
}

TEST_P(ConnectionTest, failingProcedureStatementStopsTheBody) {
    addProcedure("spHalf", "insert into LosDummyReceiptHeader (drID) values (?1);"
                           "insert into LosDummyReceiptHeader (drID) values (?1);"
                           "insert into LosDummyReceiptHeader (drID) values (?1 + 1);");
    EXPECT_EQ(errorOf([&] { callProcedure("spHalf", {1}); }).number(), rt::err::DbConstraintViolation);
    EXPECT_EQ(firstColumn("select drID from LosDummyReceiptHeader"), (QVariantList{qint64(1)}));
}

TEST_P(ConnectionTest, commandTextRunsAStatementAndNeedsAConnection) {
    ado::Command command;
    command.setCommandText("insert into LosDummyReceiptHeader (drID) values (5)");
    EXPECT_EQ(errorOf([&] { command.execute(); }).number(), 3709);
    command.setActiveConnection(connection);
    command.execute();
    EXPECT_EQ(receipts(connection), 1);
}

TEST_P(ConnectionTest, schemaChangesAreSeenByTheTranslation) {
    connection->execute("select 1"); // the schema is known from here on
    connection->driver().executeNative("create table Later (name text collate CI, made DATETEXT)");
    connection->execute("insert into Later (name, made) values ('A', '20261206')");
    EXPECT_EQ(scalar("select name from Later where made = '2026/12/06'"), "A");
}

INSTANTIATE_TEST_SUITE_P(Drivers, ConnectionTest, adotest::drivers);
