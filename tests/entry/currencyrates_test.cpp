// The entry window's received currency: the proposed bank rate, the company and department rates, the
// customer-equivalent amount, the rate fields' keys, focus and tool tips, and the invoice's rate factor.
#include "entry/frmreceiptshop.h"

#include "module/session.h"
#include "module/stubregister.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/userinput.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"
#include "support/testsession.h"

#include <gtest/gtest.h>

namespace {

using receipts::frmReceiptShop;

// Company 1: books in currency 1 (rate 2), cash group 2 (rate 8), first department in 3 (rate 5);
// currency 4 has rate 0.5, currency 5 no rate. The inventory account 50 is kept in currency 4.
class CurrencyRatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sql : {
                 "insert into acompanymaster (companyID, CurrencyID) values (1, 1)",
                 "insert into acurrencymaster (currencyid, currencyname, symbol, companyid) values "
                 "(1, 'MVR', 'Rf', 1), (2, 'USD', '$', 1), (3, 'EUR', 'E', 1), (4, 'GBP', 'L', 1), (5, "
                 "'JPY', 'Y', 1)",
                 "insert into ExchangeRate (ExchangeID, CompanyID) values (1, 1)",
                 "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values "
                 "(1, 1, 1, 2), (1, 1, 2, 8), (1, 1, 3, 5), (1, 1, 4, 0.5)",
                 "insert into aSettings (CompanyID, CashGroupID) values (1, 2)",
                 "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 3)",
                 "insert into ashops (shopid, companyid, departmentid, miscsettings13) values (1, 1, 1, 'b')",
                 "insert into aaccountmaster (companyid, accountid, currencyid) values (1, 50, 4)",
                 "insert into apackagesettings (companyid, inventoryid) values (1, 50)",
                 "insert into acustomermaster (customerid, CompanyID, CurrencyID) values (3, 1, 2)",
             })
            database.execute(QString::fromLatin1(sql));
        stub.connection = database.connection();
        testing_support::startSession(stub, database.connection());
        entry.setAdocon(database.connection());
        entry.load();
        ASSERT_EQ(entry.cboCurrency.listCount(), 5);
    }
    void TearDown() override {
        entry.unload();
        module::session() = module::Session();
    }

    void chooseCurrency(int currencyId) {
        for (int i = 0; i < entry.cboCurrency.listCount(); ++i)
            if (entry.cboCurrency.itemData(i) == currencyId) return forms::user::select(entry.cboCurrency, i);
        FAIL() << "no currency " << currencyId;
    }
    QString rates() const {
        return entry.txtExchangeRate.text() + " " + entry.txtCompExchangeRate.text() + " " +
               entry.txtdepcurrency.text();
    }
    bool anyFieldShowsInfinity() const {
        for (const forms::TextBox* box : {&entry.txtExchangeRate, &entry.txtCompExchangeRate,
                                          &entry.txtdepcurrency, &entry.txtCustEquAmount})
            if (box->text().contains("inf", Qt::CaseInsensitive)) return true;
        return false;
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    testing_support::StubRegister stub;
    frmReceiptShop entry;
};

TEST_F(CurrencyRatesTest, choosingACurrencyProposesItsRateAndDerivesTheOthers) {
    chooseCurrency(4);
    EXPECT_EQ(rates(), "0.5 8 3.2"); // 8 / (0.5 * 2) and 8 / (0.5 * 5)
    chooseCurrency(1);
    EXPECT_EQ(rates(), "2 1 0.8"); // the company currency: 2 / 2; 8 / (2 * 5)
    chooseCurrency(2);
    EXPECT_EQ(rates(), "8 4 1"); // the cash group: 8 / 2, department rate 1
    chooseCurrency(3);
    EXPECT_EQ(rates(), "5 0.8 1"); // the department currency: 8 / (5 * 2), department rate 1
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(CurrencyRatesTest, aCurrencyWithoutARateGetsOnePointZeroZero) {
    chooseCurrency(5);
    EXPECT_EQ(rates(), "1.00 4 1.6");
}

TEST_F(CurrencyRatesTest, aCashGroupWithoutARateHasTheInverseOfTheCompanyRate) {
    database.execute("update aSettings set CashGroupID = 5");
    chooseCurrency(5);
    EXPECT_EQ(rates(), "1.00 0.5 1");
    database.execute("update acompanymaster set CurrencyID = 5");
    chooseCurrency(4);
    chooseCurrency(5);
    EXPECT_EQ(entry.txtCompExchangeRate.text(), "1");
}

TEST_F(CurrencyRatesTest, theLastProposedBankRateDecidesTheDerivedRates) {
    chooseCurrency(4);
    forms::user::type(entry.txtExchangeRate, "2");
    EXPECT_EQ(rates(), "2 2 0.8");
    // Choosing again empties the bank rate and proposes the stored one; both runs recompute.
    chooseCurrency(2);
    EXPECT_EQ(rates(), "8 4 1");
    chooseCurrency(5);
    EXPECT_EQ(rates(), "1.00 4 1.6");
}

TEST_F(CurrencyRatesTest, aZeroOrEmptyBankRateCountsAsOne) {
    chooseCurrency(4);
    entry.txtExchangeRate.setText("2");
    EXPECT_EQ(rates(), "2 2 0.8");
    entry.txtExchangeRate.setText("0");
    EXPECT_EQ(rates(), "0 4 1.6");
    entry.txtExchangeRate.setText("2");
    entry.txtExchangeRate.setText("");
    EXPECT_EQ(rates(), " 4 1.6");
}

TEST_F(CurrencyRatesTest, theDepartmentCurrencyHasRateOneWhateverTheBankRate) {
    chooseCurrency(3);
    for (const char* bankRate : {"7", "0.25", "16"}) {
        entry.txtExchangeRate.setText(bankRate);
        EXPECT_EQ(entry.txtdepcurrency.text(), "1") << bankRate;
    }
    EXPECT_EQ(entry.txtCompExchangeRate.text(), "0.25") << "8 / (16 * 2)";
}

TEST_F(CurrencyRatesTest, theDepartmentIsTheCompanysFirstNotTheShops) {
    database.execute(
        "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (9, 1, 4)");
    database.execute("update ashops set departmentid = 9");
    chooseCurrency(4);
    EXPECT_EQ(entry.txtdepcurrency.text(), "3.2");
}

TEST_F(CurrencyRatesTest, withoutACurrencyTheHandlersDoNothing) {
    entry.txtExchangeRate.setText("4");
    EXPECT_EQ(rates(), "4  ");
    chooseCurrency(4);
    entry.cboCurrency.setListIndex(-1);
    EXPECT_EQ(rates(), "0.5 8 3.2");
    entry.txtExchangeRate.setText("1");
    EXPECT_EQ(rates(), "1 8 3.2");
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(CurrencyRatesTest, choosingACurrencyListsItsRateAndNamesItsSymbol) {
    chooseCurrency(4);
    EXPECT_EQ(module::session().ExchangeRatesText, "4:-0.5:");
    EXPECT_EQ(entry.lblreceivedamount.caption(), "Recived Amount(L):");
    chooseCurrency(5);
    EXPECT_EQ(module::session().ExchangeRatesText, "4:-0.5:");
    chooseCurrency(2);
    EXPECT_EQ(module::session().ExchangeRatesText, "4:2:-0.5:8:");
    EXPECT_EQ(entry.lblreceivedamount.caption(), "Recived Amount($):");
}

TEST_F(CurrencyRatesTest, customerEquivalentIsRoundedHalfToEvenInShortestForm) {
    const struct {
        const char* rates;
        const char* amount;
    } cases[] = {
        {"4:7:-8:1:", "1.25"},          // 10 x 0.125
        {"4:7:-100000:12345:", "1.23"}, // 10 x 0.12345
        {"4:7:-80:1:", "0.12"},         // 10 x 0.0125, the half goes to the even neighbour
        {"4:7:-4:5:", "12.5"},          // not 12.50
        {"4:-1:", "10"},                // the customer's currency is not listed
    };
    entry.CustomerCurrencyId = 7;
    entry.txtrecamount.setText("10");
    for (const auto& c : cases) {
        module::session().ExchangeRatesText = c.rates;
        chooseCurrency(4);
        EXPECT_EQ(entry.txtCustEquAmount.text(), c.amount) << c.rates;
    }
}

TEST_F(CurrencyRatesTest, customerEquivalentBeforeACustomerIsChosenUsesFactorOne) {
    entry.txtrecamount.setText("12.345");
    chooseCurrency(4);
    EXPECT_EQ(entry.txtCustEquAmount.text(), "12.34");
}

TEST_F(CurrencyRatesTest, aDivisionByZeroIsReportedAndNoFieldShowsInfinity) {
    chooseCurrency(2);
    database.execute("update ExchangeRateDetail set SellingRate = 1e-30 where CurrencyID = 1");
    entry.txtExchangeRate.setText("1e300"); // (1 / 1e300) x 1e-30 underflows to zero
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].procedureName, "txtExchangeRate_Change");
    EXPECT_EQ(ui.errors[0].moduleName, "frmReceiptShop");
    EXPECT_EQ(ui.errors[0].number, rt::err::DivisionByZero);
    EXPECT_EQ(rates(), "1e300 4 1") << "the fields keep what was written before the error";
    EXPECT_FALSE(anyFieldShowsInfinity());
}

TEST_F(CurrencyRatesTest, aProductBeyondTheDoubleRangeIsAnOverflowNotInfinity) {
    chooseCurrency(4);
    database.execute("update ExchangeRateDetail set SellingRate = 1e300 where CurrencyID = 2");
    entry.txtExchangeRate.setText("1e-300");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].procedureName, "txtExchangeRate_Change");
    EXPECT_EQ(ui.errors[0].number, rt::err::Overflow);
    EXPECT_FALSE(anyFieldShowsInfinity());
}

TEST_F(CurrencyRatesTest, failuresOfTheCurrencyChoiceAreReportedUnderItsName) {
    entry.CustomerCurrencyId = 70000;
    chooseCurrency(4);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].procedureName, "cbocurrency_click");
    EXPECT_EQ(ui.errors[0].number, rt::err::Overflow);
    EXPECT_EQ(entry.txtCustEquAmount.text(), "");
    entry.CustomerCurrencyId = 2;
    module::session().ExchangeRatesText = "garbage";
    chooseCurrency(2);
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ui.errors[1].procedureName, "cbocurrency_click");
    EXPECT_EQ(rates(), "8 4 1") << "the rates were written before the failing step";
}

TEST_F(CurrencyRatesTest, convertingARateDividesTheSellingRateByIt) {
    double rate = 4;
    qint32 currency = 2;
    EXPECT_DOUBLE_EQ(entry.ConvertExchangeRate(rate, currency), 2);
    rate = 0;
    EXPECT_DOUBLE_EQ(entry.ConvertExchangeRate(rate, currency), 8);
    EXPECT_DOUBLE_EQ(rate, 1) << "a zero rate becomes 1 in the caller's variable too";
    rate = 4;
    currency = 5;
    EXPECT_DOUBLE_EQ(entry.ConvertExchangeRate(rate, currency), 0.25);
    database.execute("update ExchangeRateDetail set SellingRate = 0 where CurrencyID = 2");
    currency = 2;
    EXPECT_DOUBLE_EQ(entry.ConvertExchangeRate(rate, currency), 0.25);
}

TEST_F(CurrencyRatesTest, typingARateKeepsDigitsAndAtMostEightDecimals) {
    chooseCurrency(4);
    forms::user::type(entry.txtExchangeRate, "1a.1234567891");
    EXPECT_EQ(entry.txtExchangeRate.text(), "1.12345678");
    forms::user::focus(entry.txtAmount);
    forms::user::type(entry.txtExchangeRate, QString(30, '9'));
    EXPECT_EQ(entry.txtExchangeRate.text().size(), 28);
}

TEST_F(CurrencyRatesTest, focusSelectsTheWholeRate) {
    chooseCurrency(4);
    entry.txtAmount.setText("12");
    for (forms::TextBox* box : {&entry.txtExchangeRate, &entry.txtCompExchangeRate}) {
        forms::user::focus(entry.txtAmount);
        forms::user::focus(*box);
        EXPECT_EQ(box->selStart(), 0);
        EXPECT_EQ(box->selLength(), box->text().size()) << qPrintable(box->name());
        EXPECT_GT(box->selLength(), 0);
    }
    forms::user::focus(entry.txtAmount);
    EXPECT_EQ(entry.txtAmount.selLength(), 0) << "only the rate fields select on focus";
}

TEST_F(CurrencyRatesTest, hoveringShowsTheFormattedNumberAsToolTip) {
    const struct {
        forms::TextBox* box;
        const char* text;
        const char* tip;
    } cases[] = {{&entry.txtAmount, "1234.5", "1,234.50"},
                 {&entry.txtCompExchangeRate, "0.123456789", "0.12345679"},
                 {&entry.txtExchangeRate, "1234567", "1,234,567.00"},
                 {&entry.txtAmount, "abc", "abc"}};
    for (const auto& c : cases) {
        c.box->setText(c.text);
        forms::user::hover(*c.box);
        EXPECT_EQ(c.box->toolTipText(), c.tip) << c.text;
    }
    entry.txtdepcurrency.setText("1234.5");
    forms::user::hover(entry.txtdepcurrency);
    EXPECT_EQ(entry.txtdepcurrency.toolTipText(), "");
}

class InventoryRateTest : public CurrencyRatesTest {
protected:
    void SetUp() override {
        CurrencyRatesTest::SetUp();
        entry.lvwInvoice.addItem("1");
        entry.lvwInvoice.addItem("2");
        entry.lvwInvoice.setCell(1, 6, "10");
        entry.lvwInvoice.setCell(2, 6, "11");
        module::session().ExchangeRatesText = "1:-2:";
    }
    void storeInvoice(int id, const char* rates) {
        database.execute(
            QString("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcustomerid, ihexchangerates) "
                    "values (1, %1, 3, '%2')")
                .arg(id)
                .arg(rates));
    }
};

TEST_F(InventoryRateTest, addsTheInventoryCurrencyToTheInvoicesOwnRates) {
    storeInvoice(10, "2:-10:");
    storeInvoice(11, "2:4:-10:1:");
    entry.lvwInvoice.setSelectedItem(1);
    EXPECT_DOUBLE_EQ(entry.getInventoryCurrencyExRate(), 0.05); // 0.5 / 10
    entry.lvwInvoice.setSelectedItem(2);
    EXPECT_DOUBLE_EQ(entry.getInventoryCurrencyExRate(), 0.1) << "the invoice's stored rate stays";
}

TEST_F(InventoryRateTest, leavesTheSessionsRatesAsTheyWere) {
    storeInvoice(10, "2:-10:");
    entry.lvwInvoice.setSelectedItem(1);
    entry.getInventoryCurrencyExRate();
    EXPECT_EQ(module::session().ExchangeRatesText, "1:-2:");
}

TEST_F(InventoryRateTest, anInvoiceOfAnotherShopOrWithoutRatesGivesOne) {
    database.execute("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcustomerid, ihexchangerates) "
                     "values (2, 10, 3, '2:-10:'), (1, 11, 3, null)");
    entry.lvwInvoice.setSelectedItem(1);
    EXPECT_DOUBLE_EQ(entry.getInventoryCurrencyExRate(), 1);
    entry.lvwInvoice.setSelectedItem(2);
    EXPECT_DOUBLE_EQ(entry.getInventoryCurrencyExRate(), 1) << "only the inventory currency is listed";
}

TEST_F(InventoryRateTest, failsWithoutASelectedInvoice) {
    EXPECT_THROW(entry.getInventoryCurrencyExRate(), rt::RuntimeError);
}

} // namespace
