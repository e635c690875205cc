// The error reporter: number shortening, the user's name and the error log.
#include "module/reporterror.h"

#include "module/session.h"
#include "support/recordingbackend.h"
#include "stubregister.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortenErrorNumber, keepsTheLastFiveCharactersOfTheDecimalText) {
    EXPECT_EQ(module::shortenErrorNumber(3265), 3265);
    EXPECT_EQ(module::shortenErrorNumber(53), 53);
    EXPECT_EQ(module::shortenErrorNumber(-2147467259), 67259);
    EXPECT_EQ(module::shortenErrorNumber(-2147217900), 17900);
    EXPECT_EQ(module::shortenErrorNumber(-5), -5);
}

class ReportErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        stub.connection = database.connection();
        module::session() = module::Session();
        module::session().shopId = 2;
        module::session().userId = 7;
        module::session().EntryMode = QStringLiteral("N");
        module::session().registerWindow = &stub;
        database.execute(QStringLiteral("insert into LOusers (userid, shopid, username) values (7, 2, 'maria')"));
    }
    void TearDown() override { module::session().registerWindow = nullptr; }
    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    testing_support::StubRegister stub;
};

TEST_F(ReportErrorTest, recordsTheShortNumberTheUserAndTheProcedureTextExactly) {
    module::reportTrapped(QStringLiteral("FrmMaster"), QStringLiteral("Form_Load "),
                          rt::RuntimeError(-2147217900, QStringLiteral("no such table: x"), QStringLiteral("SQLite")));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].number, 17900);
    EXPECT_EQ(ui.errors[0].userName, "maria");
    EXPECT_EQ(ui.errors[0].procedureName, "Form_Load ");
    EXPECT_EQ(ui.errors[0].mode, "N");
    EXPECT_EQ(database.scalar(QStringLiteral("select procedurename + '|' + username from aErrorLog")),
              "Form_Load |maria");
    EXPECT_EQ(database.scalar(QStringLiteral("select errornumber from aErrorLog")), "17900");
}

TEST_F(ReportErrorTest, reportsEvenWhenTheConnectionIsClosed) {
    stub.connection = ado::Connection::create();
    module::reportTrapped(QStringLiteral("FrmMaster"), QStringLiteral("Form_Activate"), rt::RuntimeError::of(13));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].userName, QString());
    EXPECT_EQ(ui.errors[0].description, "Type mismatch");
}

TEST_F(ReportErrorTest, trappedStopsTheBodyAndAnswersFalse) {
    bool after = false;
    const bool completed = module::trapped(QStringLiteral("FrmMaster"), QStringLiteral("cmdNew_Click"), [&] {
        throw rt::RuntimeError::of(rt::err::DivisionByZero);
        after = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(after);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].number, 11);
    EXPECT_TRUE(module::trapped(QStringLiteral("FrmMaster"), QStringLiteral("x"), [] {}));
}

} // namespace
