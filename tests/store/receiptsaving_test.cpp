// The keys of a new receipt under the prefix its header facts name.
#include "db/shopdatabasetest.h"
#include "store/receiptsaving.h"

namespace {

class ReceiptKeys : public dbtest::ShopDatabaseTest {};

// The shop's prefix followed by one more than the highest number any shop stored under it; without a
// prefix row all-digit numbers count. Prefixes of another year, screen or shop never count.
TEST_P(ReceiptKeys, numberTheReceiptUnderTheShopsPrefixForTheYear) {
    const struct {
        const char* prefix; // of shop 1 for this year; nullptr for none
        QStringList stored; // numbers of shop 1, or "2:number" of shop 2
        QString next;
    } cases[] = {{"RC-", {"XY-5", "77", "RC-", "RC-1a"}, "RC-1"},
                 {nullptr, {"RC-700", "12", "0009", "OLD-50", "2:9"}, "13"},
                 {"RC-", {"RC-0007", "rc-0009", "RC-0008"}, "RC-10"},
                 {"RC-", {"RC-3", "2:RC-51"}, "RC-52"},
                 {"RC-", {"RC-32767"}, "RC-32768"},
                 {"RC-", {"2:rc-00099999"}, "RC-100000"},
                 {"RC-", {"RC-2147483647"}, "RC-1"},
                 {"O'R-", {"O'R-4", "OR-9"}, "O'R-5"}};
    const store::SavingCounter counter{1, 1, 1, 1, 0};
    execute("insert into ashops (shopid, companyid, departmentid) values (1, 1, 1)");
    for (const auto& c : cases) {
        execute("delete from aPrefix");
        execute("delete from LosDummyReceiptHeader");
        execute("delete from LosReceiptNumbering");
        execute("insert into aPrefix (InterfaceID, shopid, financialid, Prefix) values (1505, 1, 2, 'OLD-'), "
                "(1400, 1, 1, 'INV-'), (1505, 2, 1, 'TWO-')");
        if (c.prefix)
            execute("insert into aPrefix (InterfaceID, shopid, financialid, Prefix) values (1505, 1, 1, " +
                    ado::quoted(c.prefix) + ")");
        for (int id = 1; id <= c.stored.size(); ++id) {
            const bool otherShop = c.stored[id - 1].startsWith("2:");
            execute(QString("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values (%1, %2, %3)")
                        .arg(otherShop ? 2 : 1)
                        .arg(id)
                        .arg(ado::quoted(c.stored[id - 1].mid(otherShop ? 2 : 0))));
        }
        const QString prefix = store::readHeaderFacts(connection, counter).prefix;
        EXPECT_EQ(store::lockAndNumberReceipt(connection, counter.shopId, prefix).keys.number, c.next)
            << c.stored.join(' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, ReceiptKeys, dbtest::everyEngine, dbtest::engineName);

} // namespace
