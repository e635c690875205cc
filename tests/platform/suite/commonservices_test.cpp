// The suite's database and general helpers: look-ups, next numbers, combo filling, the numeric key filter.
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/textcontrols.h"
#include "platform/suite/servicesinterfaces.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

class CommonDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        database.execute(QStringLiteral("insert into LOusers (userid, shopid, username) values (1, 1, 'ahmed'), "
                                        "(2, 1, 'fathimath'), (2, 2, 'other')"));
        commonDb->adocon = database.connection();
    }
    testing_support::TestDatabase database;
    std::shared_ptr<suite::ClsCommonDb> commonDb =
        suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
};

TEST_F(CommonDbTest, fieldComesFromTheTableExpressionAndTheCondition) {
    commonDb->strTableName = QStringLiteral("LOUSERS where userid=2");
    EXPECT_EQ(commonDb->fnreturnfield(QStringLiteral("username"), QStringLiteral("shopid = 2")).toString(), "other");
    commonDb->strTableName = QStringLiteral("lousers");
    EXPECT_EQ(commonDb->fnreturnfield(QStringLiteral("username"), QStringLiteral(" userid=1 and shopid=1")).toString(),
              "ahmed");
}

TEST_F(CommonDbTest, noRowOrNullGivesAnEmptyText) {
    commonDb->strTableName = QStringLiteral("lousers");
    EXPECT_EQ(commonDb->fnreturnfield(QStringLiteral("username"), QStringLiteral("userid=99")).toString(), QString());
    database.execute(QStringLiteral("insert into LOusers (userid, shopid) values (3, 1)"));
    EXPECT_EQ(commonDb->fnreturnfield(QStringLiteral("username"), QStringLiteral("userid=3")).toString(), QString());
}

TEST_F(CommonDbTest, nextNumberFollowsTheHighestOrStartsAtOne) {
    commonDb->strTableName = QStringLiteral("LosDummyReceiptHeader where drshopid=1");
    EXPECT_EQ(commonDb->fnGetNextMaxNo(QStringLiteral("drid")), 1);
    database.execute(QStringLiteral("insert into LosDummyReceiptHeader (drshopid, drid) values (1, 41), (2, 90)"));
    EXPECT_EQ(commonDb->fnGetNextMaxNo(QStringLiteral("drid")), 42);
}

TEST_F(CommonDbTest, comboIsRefilledWithTextsAndIds) {
    forms::Form form(QStringLiteral("frmTest"), QString());
    forms::ComboBox combo(form, QStringLiteral("cboUser"));
    combo.addItem(QStringLiteral("stale"));
    commonDb->strTableName = QStringLiteral("lousers");
    commonDb->populatecomboorlist(combo, QStringLiteral("userid"), QStringLiteral("username + '--->' + 'x'"),
                                  QStringLiteral("shopid=1 order by userid"));
    ASSERT_EQ(combo.listCount(), 2);
    EXPECT_EQ(combo.list(0), "ahmed--->x");
    EXPECT_EQ(combo.itemData(1), 2);
}

TEST_F(CommonDbTest, unsetConnectionIsObjectNotSet) {
    commonDb->adocon.reset();
    commonDb->strTableName = QStringLiteral("lousers");
    try {
        commonDb->fnreturnfield(QStringLiteral("username"));
        FAIL();
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), 91);
    }
}

class CommonGenTest : public ::testing::Test {
protected:
    // The key as the filter leaves it after typing into a box holding `text` with the caret at its end.
    int filtered(const QString& text, QChar key, int limit, int decimals) {
        box.setText(text);
        box.setSelStart(int(text.size()));
        int keyAscii = key.unicode();
        commonGen->textvalidatenum(box, keyAscii, limit, decimals);
        return keyAscii;
    }
    forms::Form form{QStringLiteral("frmTest"), QString()};
    forms::TextBox box{form, QStringLiteral("txtAmount")};
    forms::ComboBox combo{form, QStringLiteral("cboCurrency")};
    std::shared_ptr<suite::ClsCommonGen> commonGen =
        suite::Factory::create<suite::ClsCommonGen>(suite::progid::CommonGen);
};

TEST_F(CommonGenTest, numericFilterTakesDigitsAndOnePointWithinTheLimits) {
    EXPECT_EQ(filtered(QStringLiteral("12"), u'3', 18, 2), '3');
    EXPECT_EQ(filtered(QStringLiteral("12"), u'.', 18, 2), '.');
    EXPECT_EQ(filtered(QStringLiteral("12.5"), u'.', 18, 2), 0);
    EXPECT_EQ(filtered(QStringLiteral("12.55"), u'1', 18, 2), 0);
    EXPECT_EQ(filtered(QStringLiteral("12"), u'a', 18, 2), 0);
    EXPECT_EQ(filtered(QStringLiteral("123456789012"), u'1', 12, 2), 0);
    EXPECT_EQ(filtered(QStringLiteral("12.55"), QChar(8), 18, 2), 8);
    EXPECT_EQ(filtered(QStringLiteral("12.55"), QChar(13), 18, 2), 13);
}

TEST_F(CommonGenTest, numericFilterJudgesTheTextAfterTheSelectionIsReplaced) {
    box.setText(QStringLiteral("12.55"));
    box.setSelStart(3);
    box.setSelLength(2);
    int keyAscii = '9';
    commonGen->textvalidatenum(box, keyAscii, 18, 2);
    EXPECT_EQ(keyAscii, '9');
}

TEST_F(CommonGenTest, comboItemIsSelectedByItsDataAndItsClickRuns) {
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    for (int id : {5, 7, 9}) {
        combo.addItem(QString::number(id));
        combo.setItemData(combo.newIndex(), id);
    }
    commonGen->SelectComboItemByValue(combo, 7);
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
    commonGen->SelectComboItemByValue(combo, 4);
    EXPECT_EQ(combo.listIndex(), 1);
}

TEST(ServiceFactory, createsByProgIdWithoutRegardToCaseAndCanBeOverridden) {
    EXPECT_NE(suite::Factory::create<suite::ClsCommonDb>(QStringLiteral("commonmodule.clscommondb")), nullptr);
    try {
        suite::Factory::createObject(QStringLiteral("No.Such"));
        FAIL();
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), 429);
    }
    struct FakeGen : suite::ClsCommonGen {
        void SelectComboItemByValue(forms::ComboBox&, qint32) override {}
        void textvalidatenum(forms::TextBox&, int& keyAscii, int, int) override { keyAscii = 0; }
    };
    suite::Factory::registerClass(QStringLiteral("Test.Fake"), [] { return std::make_shared<FakeGen>(); });
    EXPECT_NE(std::dynamic_pointer_cast<FakeGen>(suite::Factory::createObject(QStringLiteral("test.fake"))), nullptr);
    EXPECT_THROW(suite::Factory::create<suite::ClsCommonDb>(QStringLiteral("Test.Fake")), rt::RuntimeError);
}

} // namespace
