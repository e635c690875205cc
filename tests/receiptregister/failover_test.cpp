// A counter on a primary server and its standby: the primary fails under the open entry, the standby is
// promoted, and OK stores the receipt on it.
#include "platform/ado/connectionstring.h"
#include "platform/forms/userinput.h"
#include "support/entrywindow.h"

#include <QProcess>

namespace {

using testing_support::EntryControls;

class Failover : public testing_support::EntryWindowTest {
protected:
    Failover() : EntryWindowTest(testing_support::Engine::Server) {}
};

// The connection string names both servers for a read-write session: reopening the line after the primary
// failed finds the promoted standby.
TEST_F(Failover, storesTheOpenEntryOnThePromotedStandby) {
    const QString failover = qEnvironmentVariable("RECEIPTS_TEST_FAILOVER");
    ASSERT_FALSE(failover.isEmpty()) << "RECEIPTS_TEST_FAILOVER names no failover: run under "
                                        "tools/with-test-server --standby";
    sql("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
        "ihcustomerid, ihnetamount) values (1, 5, 1, 'INV-5', '20240301', 1, 120)");
    ui.standingAnswers["Do you want to print Voucher"] = forms::MsgResult::No;
    inEntry([&](EntryControls& entry) {
        pick(entry.cboCustomer, "Abc Ltd");
        entry.txtBank.setText("BML");
        entry.txtRemarks.setText("rent");
        entry.txtchequeno.setText("CASH");
        ASSERT_EQ(entry.window.settleLine(entry::DocumentList::Shop, 1, entry::Money::fromCents(4000)),
                  std::nullopt);
        entry.cboCurrency.setListIndex(0);
        entry.txtrecamount.setText("40.00");
        ASSERT_EQ(QProcess::execute(failover, {}), 0);
        forms::user::click(entry.cmdok);
    });
    EXPECT_TRUE(ui.errors.empty()) << ui.errors.front().description.toStdString();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Do you want to print Voucher"});
    EXPECT_EQ(scalar("select count(*) from LosDummyReceiptDetail where drdsettledamount = 40 and "
                     "drdinvoiceid = 5"),
              "1");
    const QString standbyPort =
        ado::ConnectionString::parse(database.connection()->connectionString()).port.section(',', 1);
    EXPECT_EQ(scalar("select current_setting('port')"), standbyPort);
}

} // namespace
