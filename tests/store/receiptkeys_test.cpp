// The receipt keys, the numbering table and the saving lock made on a database that lacks them.
#include "db/shopdatabasetest.h"
#include "store/receiptkeys.h"

namespace {

class ReceiptKeys : public dbtest::ShopDatabaseTest {};

// The shop schema holds none of them; made twice, they are made once, and no row is lost. Rows that break
// the unique receipt number are named in the error log and the module goes on without that key; without
// such rows a number cannot be stored twice, in any letter case.
TEST_P(ReceiptKeys, areMadeInPlaceOnceAndLeftOutWhenStoredRowsBreakThem) {
    const struct {
        const char* rows;
        QStringList named; // in the log
    } cases[] = {{"(1, 1, 'RC-5'), (2, 1, 'RC-6'), (1, 2, null), (1, 3, null)", {}},
                 {"(1, 1, 'RC-5'), (2, 1, 'rc-5'), (1, 2, 'RC-6')", {"RC-5 1 1", "rc-5 2 1"}}};
    for (const auto& c : cases) {
        SetUp();
        execute(QString("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values ") + c.rows);
        store::ensureReceiptKeys(connection);
        store::ensureReceiptKeys(connection);
        EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader"), c.named.isEmpty() ? 4 : 3);
        EXPECT_EQ(texts("select rlSaves from LosReceiptLock"), QStringList{"0"});
        EXPECT_EQ(count("select count(*) from LosReceiptNumbering"), 0);
        const QStringList logged = texts("select errordescription from aErrorLog");
        EXPECT_EQ(logged.size(), c.named.isEmpty() ? 0 : 2) << logged.join('\n').toStdString();
        for (const QString& row : c.named)
            EXPECT_EQ(logged.filter(row).size(), logged.size()) << row.toStdString();
        const auto sameNumberAgain = [&] {
            execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values (3, 1, 'Rc-6')");
        };
        if (c.named.isEmpty())
            EXPECT_EQ(dbtest::errorOf(sameNumberAgain).number(), core::err::DbConstraintViolation);
        else
            EXPECT_NO_THROW(sameNumberAgain());
    }
}

INSTANTIATE_TEST_SUITE_P(, ReceiptKeys, dbtest::everyEngine, dbtest::engineName);

} // namespace
