// The next receipt number under a prefix from the sequence row, and what seeding it passes over.
#include "db/shopdatabasetest.h"
#include "store/receiptnumbering.h"

namespace {

class ReceiptNumbering : public dbtest::ShopDatabaseTest {
protected:
    // A number as "number" of shop 1, or "2:number" of shop 2, cancelled; a sequence row as "PREFIX=last".
    void store(const QStringList& numbers, const QStringList& sequence) const {
        for (int id = 1; id <= numbers.size(); ++id) {
            const bool other = numbers[id - 1].startsWith("2:");
            execute(QString("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drCancelled) values "
                            "(%1, %2, %3, %4)")
                        .arg(other ? 2 : 1)
                        .arg(id)
                        .arg(ado::quoted(numbers[id - 1].mid(other ? 2 : 0)))
                        .arg(other ? 1 : 0));
        }
        for (const QString& row : sequence)
            execute("insert into LosReceiptNumbering (rnPrefix, rnLastNo) values (" +
                    ado::quoted(row.section('=', 0, 0)) + ", " + row.section('=', 1) + ")");
    }
    QString next(const QString& prefix) const {
        try {
            return store::nextReceiptNumber(connection, prefix);
        } catch (const core::RuntimeError& error) {
            return QString("error %1").arg(error.number());
        }
    }
};

// Each case: the stored numbers, the sequence rows, the prefixes asked for in turn with the numbers they
// give, and the numbers passed over in the error log. The rule's results hold: other shops' numbers count,
// cancelled or not; case does not count; leading zeros continue as plain numbers; an empty prefix (no
// prefix row) takes all-digit numbers; the sequence goes on to the last 32-bit number. A tail that is not a
// number counts as nothing, as the rule has it; one the rule takes for a number and the sequence cannot go on
// from is passed over and logged. The sequence row is trusted until its next number is found taken.
TEST_P(ReceiptNumbering, continuesTheHighestStoredNumberFromTheSequenceRow) {
    const struct {
        QStringList stored;
        QStringList sequence;
        QList<QPair<QString, QString>> asked;
        QStringList passedOver;
    } cases[] = {
        {{"RC-0007", "rc-0009", "2:RC-0008", "XY-50", "RC-1a"}, {}, {{"RC-", "RC-10"}, {"rc-", "rc-11"}}, {}},
        {{"12", "0009", "RC-700"}, {}, {{"", "13"}}, {}},
        {{"RC1e5", "2:RC1,000", "RC99999999999", "2:RC2147483647", "RC6"},
         {},
         {{"RC", "RC7"}},
         {"RC1e5", "RC1,000", "RC99999999999", "RC2147483647"}},
        {{"RC2147483646"}, {}, {{"RC", "RC2147483647"}, {"RC", "error 6"}}, {}},
        {{"RC7"}, {"RC=41"}, {{"RC", "RC42"}, {"Rc", "Rc43"}}, {}},
        {{"RC7", "rc42", "2:RC50", "RC4x"}, {"RC=41"}, {{"RC", "RC51"}}, {}},
    };
    for (const auto& c : cases) {
        execute("delete from LosDummyReceiptHeader");
        execute("delete from LosReceiptNumbering");
        execute("delete from aErrorLog");
        store(c.stored, c.sequence);
        for (const auto& [prefix, expected] : c.asked)
            EXPECT_EQ(next(prefix), expected) << c.stored.join(' ').toStdString();
        QStringList logged = texts("select errordescription from aErrorLog where procedurename = "
                                   "'GenerateRecieptNo' and modulename = 'basReceiptsShop'");
        EXPECT_EQ(logged.size(), c.passedOver.size()) << logged.join('\n').toStdString();
        for (const QString& number : c.passedOver)
            EXPECT_EQ(logged.filter(" " + number + " ").size(), 1) << number.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, ReceiptNumbering, dbtest::everyEngine, dbtest::engineName);

} // namespace
