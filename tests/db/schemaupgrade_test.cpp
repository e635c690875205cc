// The receipt keys, the numbering, lock and save-key tables made on a database made before them.
#include "db/schemaupgrade.h"
#include "shopdatabasetest.h"

namespace {

class SchemaUpgrade : public dbtest::ShopDatabaseTest {
protected:
    // The database as a version before the tables and keys left it.
    void makeOld() const {
        for (const char* table : {"LosReceiptLock", "LosReceiptNumbering", "LosReceiptSaveKey"})
            execute(QString("drop table ") + table);
        for (const char* key : {"uxReceiptHeaderShopId", "uxReceiptHeaderNo", "ixReceiptHeaderCheque"})
            execute(QString("drop index ") + key);
    }
};

// Made twice, they are made once, and no row is lost. Rows that break the unique receipt number are named in
// what the upgrade returns and the module goes on without that key; without such rows a number cannot be
// stored twice, in any letter case.
TEST_P(SchemaUpgrade, makesTheTablesAndKeysOnceAndLeavesOutAKeyStoredRowsBreak) {
    const struct {
        const char* rows;
        QStringList named;
    } cases[] = {{"(1, 1, 'RC-5'), (2, 1, 'RC-6'), (1, 2, null), (1, 3, null)", {}},
                 {"(1, 1, 'RC-5'), (2, 1, 'rc-5'), (1, 2, 'RC-6')", {"RC-5 1 1", "rc-5 2 1"}}};
    for (const auto& c : cases) {
        SetUp();
        makeOld();
        execute(QString("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values ") + c.rows);
        const QStringList left = db::upgradeDatabase(connection);
        EXPECT_EQ(db::upgradeDatabase(connection), left);
        EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader"), c.named.isEmpty() ? 4 : 3);
        EXPECT_EQ(texts("select rlSaves from LosReceiptLock"), QStringList{"0"});
        EXPECT_EQ(count("select count(*) from LosReceiptNumbering") +
                      count("select count(*) from LosReceiptSaveKey"),
                  0);
        EXPECT_EQ(left.size(), c.named.isEmpty() ? 0 : 1) << left.join('\n').toStdString();
        for (const QString& row : c.named)
            EXPECT_EQ(left.filter(row).size(), left.size()) << row.toStdString();
        const auto sameNumberAgain = [&] {
            execute("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values (3, 1, 'Rc-6')");
        };
        if (c.named.isEmpty())
            EXPECT_EQ(dbtest::errorOf(sameNumberAgain).number(), core::err::DbConstraintViolation);
        else
            EXPECT_NO_THROW(sameNumberAgain());
    }
}

INSTANTIATE_TEST_SUITE_P(, SchemaUpgrade, dbtest::everyEngine, dbtest::engineName);

} // namespace
