// The currency look-ups of the shared module: party currencies, the rates text and conversion factors.
#include "module/exchangerates.h"

#include "module/session.h"
#include "module/stubregister.h"
#include "platform/core/runtimeerror.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

using module::AddPartyRate;
using module::GetConversionRate;
using module::GetPartyCurrency;

// The number of the run-time error the call fails with; 0 when it succeeds.
qint64 errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const rt::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// Company 1 keeps its books in currency 1, its cash group in 2, the inventory account (50) in 2;
// company 2 in currency 3. Currency 5 has no rate; currency 4 is priced by company 2's sheet only.
class ExchangeRatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* sql : {
                 "insert into acompanymaster (companyID, CurrencyID) values (1, 1), (2, 3)",
                 "insert into acurrencymaster (currencyid, currencyname, companyid) values "
                 "(1, 'MVR', 1), (2, 'USD', 1), (3, 'EUR', 1), (4, 'GBP', 2), (5, 'JPY', 1)",
                 "insert into ExchangeRate (ExchangeID, CompanyID) values (1, 1), (2, 2)",
                 "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values "
                 "(1, 1, 1, 1), (1, 1, 2, 15.42), (1, 1, 3, 16.5), (1, 1, 4, 20), (2, 2, 3, 0.9)",
                 "insert into aSettings (CompanyID, CashGroupID) values (1, 2), (2, 3)",
                 "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 3), "
                 "(2, 2, 1)",
                 "insert into avendorMaster (vendorID, companyid, CurrencyID) values (7, 1, 3), (8, 2, 2)",
                 "insert into aaccountmaster (companyid, accountid, currencyid) values (1, 50, 2), (1, 60, "
                 "5)",
                 "insert into apackagesettings (companyid, inventoryid) values (1, 50)",
                 "insert into acustomermaster (customerid, CompanyID, CurrencyID) values (3, 1, 2), (4, 1, "
                 "5), (9, 2, 1)",
             })
            database.execute(QString::fromLatin1(sql));
        stub.connection = database.connection();
        module::session() = module::Session();
        module::session().companyId = 1;
        module::session().registerWindow = &stub;
    }
    void TearDown() override { module::session() = module::Session(); }

    testing_support::TestDatabase database;
    testing_support::StubRegister stub;
};

TEST(RateStatements, partyCurrencyStatementsJoinTheTextsAndValuesAsWritten) {
    module::session() = module::Session();
    module::session().companyId = 4;
    EXPECT_EQ(module::partyCurrencyStatement("Z", 9),
              "select CurrencyID curID from acompanyMaster where companyID=4");
    EXPECT_EQ(module::partyCurrencyStatement("D", 9),
              "select depcurrencyid curID from adepartmentMaster where DepartmentID=9 and CompanyID=4");
    EXPECT_EQ(module::partyCurrencyStatement("V", 9),
              "select CurrencyID curID from avendorMaster where companyid=4 and vendorID=9");
    EXPECT_EQ(module::partyCurrencyStatement("A", 9),
              "select CurrencyID curID from aaccountmaster where companyid=4 and accountid=9");
    EXPECT_EQ(module::partyCurrencyStatement("C", -9),
              "select CurrencyID curID from acustomermaster where CompanyID=4 and CustomerID=-9");
    EXPECT_EQ(
        module::partyCurrencyStatement("I", 9),
        "select currencyid curid from aaccountmaster a,apackagesettings b  Where accountid = inventoryid "
        "and a.companyid=b.companyid and a.companyid=4");
    for (const char* other : {"B", "M", "X", "", "ZZ"})
        EXPECT_EQ(module::partyCurrencyStatement(other, 9), QString()) << other;
}

TEST(RateStatements, partyRateStatementsJoinTheTextsAndValuesAsWritten) {
    module::session() = module::Session();
    module::session().companyId = 4;
    const QString join = "Where a.CompanyID = b.CompanyID And a.currencyid = b.CurrencyID ";
    EXPECT_EQ(module::partyRateStatement("V", 9),
              "select a.currencyid CurID,SellingRate from avendormaster a, "
              "ExchangeRateDetail b " +
                  join + "and a.vendorID=9 and a.companyid=4");
    EXPECT_EQ(module::partyRateStatement("C", 9),
              "select a.currencyid CurID,SellingRate from acustomermaster a, "
              "ExchangeRateDetail b " +
                  join + "and a.customerID=9 and a.companyid=4");
    EXPECT_EQ(module::partyRateStatement("A", 9),
              "select a.currencyid CurID,SellingRate from aaccountmaster a, "
              "ExchangeRateDetail b " +
                  join + "and a.accountID=9 and a.companyid=4");
    EXPECT_EQ(module::partyRateStatement("D", 9),
              "select depcurrencyid CurID,SellingRate from aDepartmentMaster a, ExchangeRateDetail b Where "
              "a.CompanyID = b.CompanyID And a.depcurrencyid = b.CurrencyID and a.DepartmentID=9 and "
              "a.companyid=4");
    EXPECT_EQ(module::partyRateStatement("Z", 9),
              "select a.CurrencyID CurID,SellingRate from acompanymaster a, ExchangeRateDetail b  Where "
              "a.CompanyID "
              "= b.CompanyID And a.currencyid = b.CurrencyID  and a.Companyid=9");
    EXPECT_EQ(
        module::partyRateStatement("B", 9),
        "select a.CashGroupID CurID,SellingRate from aSettings a, ExchangeRateDetail b  Where a.CompanyID = "
        "b.CompanyID And a.CashGroupID = b.CurrencyID  and a.companyid=4");
    EXPECT_EQ(module::partyRateStatement("M", 9),
              "select m.Currencyid CurID,SellingRate from aCurrencymaster m,  exchangeratedetail e where "
              "m.currencyid = e.currencyid and m.companyid =  e.companyid and e.Currencyid = 9 and "
              "e.Companyid = 4");
    EXPECT_EQ(
        module::partyRateStatement("I", 9),
        "select a.currencyid CurID,SellingRate from   aaccountmaster a,apackagesettings b, "
        "ExchangeRateDetail "
        "c Where a.accountid = b.inventoryid And a.companyid = b.companyid and a.currencyid=c.currencyid and "
        "a.companyid=4");
    for (const char* other : {"X", "", "CC"})
        EXPECT_EQ(module::partyRateStatement(other, 9), QString()) << other;
}

TEST_F(ExchangeRatesTest, partyCurrencyOfEveryLetterInEitherCase) {
    const struct {
        const char* letter;
        qint32 id;
        qint16 currency;
    } cases[] = {
        {"Z", 99, 1}, {"z", 0, 1},  {"D", 1, 3}, {"d", 1, 3}, {"V", 7, 3}, {"v", 7, 3},
        {"A", 50, 2}, {"a", 60, 5}, {"C", 3, 2}, {"c", 4, 5}, {"I", 0, 2}, {"i", 77, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetPartyCurrency(c.letter, c.id), c.currency) << c.letter << c.id;
}

TEST_F(ExchangeRatesTest, partyOfAnotherCompanyOrUnknownHasCurrencyZero) {
    EXPECT_EQ(GetPartyCurrency("D", 2), 0);
    EXPECT_EQ(GetPartyCurrency("V", 8), 0);
    EXPECT_EQ(GetPartyCurrency("C", 9), 0);
    EXPECT_EQ(GetPartyCurrency("A", 51), 0);
    database.execute("delete from apackagesettings");
    EXPECT_EQ(GetPartyCurrency("I", 0), 0);
}

TEST_F(ExchangeRatesTest, partyCurrencyFailsForALetterOutsideItsTable) {
    for (const char* letter : {"B", "M", "X", ""})
        EXPECT_EQ(errorOf([&] { GetPartyCurrency(letter, 1); }), rt::err::DbStatementRejected) << letter;
}

TEST_F(ExchangeRatesTest, partyCurrencyBeyondSixteenBitsOverflows) {
    database.execute("update acustomermaster set CurrencyID = 40000 where customerid = 3");
    EXPECT_EQ(errorOf([] { GetPartyCurrency("C", 3); }), rt::err::Overflow);
}

TEST_F(ExchangeRatesTest, partyRateOnAnEmptyTextGivesTheOnePair) {
    const struct {
        const char* letter;
        qint32 id;
        const char* rates;
    } cases[] = {
        {"V", 7, "3:-16.5:"}, {"v", 7, "3:-16.5:"},  {"C", 3, "2:-15.42:"},  {"c", 3, "2:-15.42:"},
        {"D", 1, "3:-16.5:"}, {"d", 1, "3:-16.5:"},  {"A", 50, "2:-15.42:"}, {"a", 50, "2:-15.42:"},
        {"Z", 1, "1:-1:"},    {"z", 2, "3:-0.9:"},   {"B", 0, "2:-15.42:"},  {"b", 5, "2:-15.42:"},
        {"M", 3, "3:-16.5:"}, {"m", 2, "2:-15.42:"}, {"I", 0, "2:-15.42:"},  {"i", 1, "2:-15.42:"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddPartyRate("", c.letter, c.id), c.rates) << c.letter << c.id;
    EXPECT_EQ(AddPartyRate("   ", "C", 3), "2:-15.42:");
}

TEST_F(ExchangeRatesTest, partyRateAppendsANewCurrencyToBothLists) {
    QString rates = AddPartyRate("", "Z", 1);
    rates = AddPartyRate(rates, "B", 0);
    rates = AddPartyRate(rates, "D", 1);
    EXPECT_EQ(rates, "1:2:3:-1:15.42:16.5:");
}

TEST_F(ExchangeRatesTest, partyRateKeepsACurrencyListedBeforeWithItsOldRate) {
    EXPECT_EQ(AddPartyRate("2:-9.99:", "C", 3), "2:-9.99:");
    EXPECT_EQ(AddPartyRate("1:2:-1:3:", "A", 50), "1:2:-1:3:");
}

TEST_F(ExchangeRatesTest, partyWithoutARateLeavesTheTextUnchanged) {
    EXPECT_EQ(AddPartyRate("1:-1:", "A", 60), "1:-1:");
    EXPECT_EQ(AddPartyRate("1:-1:", "C", 4), "1:-1:");
    EXPECT_EQ(AddPartyRate("", "M", 5), "");
    EXPECT_EQ(AddPartyRate("", "C", 9), "");
    // A currency priced only on another company's sheet has no rate of its own company.
    EXPECT_EQ(AddPartyRate("", "M", 4), "");
}

TEST_F(ExchangeRatesTest, partyRateFailsForAnUnknownLetterOrAMalformedText) {
    EXPECT_EQ(errorOf([] { AddPartyRate("", "X", 1); }), rt::err::DbStatementRejected);
    EXPECT_EQ(errorOf([] { AddPartyRate("1:1:", "C", 3); }), rt::err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([] { AddPartyRate("x:-1:", "C", 3); }), rt::err::TypeMismatch);
}

TEST(RateLists, parseAndFormatAreInverse) {
    const module::RateLists lists = module::parseRates("3:7:-1:15.42:");
    EXPECT_EQ(lists.ids, QStringList({"3", "7"}));
    EXPECT_EQ(lists.rates, QStringList({"1", "15.42"}));
    EXPECT_EQ(module::formatRates(lists), "3:7:-1:15.42:");
}

TEST(RateLists, blankTextHasEmptyListsAndATextWithoutDashFails) {
    EXPECT_TRUE(module::parseRates("  ").ids.isEmpty());
    EXPECT_TRUE(module::parseRates("").rates.isEmpty());
    EXPECT_EQ(errorOf([] { module::parseRates("3:7:"); }), rt::err::SubscriptOutOfRange);
}

TEST(IsCurrencyListed, comparesTheIdsAsIntegers) {
    EXPECT_TRUE(module::IsCurrencyListed({"3", "7"}, 7));
    EXPECT_TRUE(module::IsCurrencyListed({" 7 "}, 7));
    EXPECT_FALSE(module::IsCurrencyListed({"3", "7"}, 8));
    EXPECT_FALSE(module::IsCurrencyListed({}, 0));
    EXPECT_EQ(errorOf([] { module::IsCurrencyListed({"3", "x"}, 8); }), rt::err::TypeMismatch);
}

class ConversionRateTest : public ::testing::Test {
protected:
    void SetUp() override { module::session().ExchangeRatesText = QStringLiteral("2:5:-1:4:"); }
    void TearDown() override { module::session() = module::Session(); }
};

TEST_F(ConversionRateTest, dividesTheToRateByTheFromRate) {
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 5), 4);
    EXPECT_DOUBLE_EQ(GetConversionRate(5, 2), 0.25);
    EXPECT_DOUBLE_EQ(GetConversionRate(5, 5), 1);
}

TEST_F(ConversionRateTest, aMissingCurrencyOrAnEmptyListGivesOne) {
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 9), 1);
    EXPECT_DOUBLE_EQ(GetConversionRate(9, 5), 1);
    module::session().ExchangeRatesText.clear();
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 5), 1);
    module::session().ExchangeRatesText = QStringLiteral("2:5:-0:4:");
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 5), 1);
}

TEST_F(ConversionRateTest, takesTheGivenTextInsteadOfTheSessions) {
    EXPECT_DOUBLE_EQ(GetConversionRate("5:2:-2:3:", 5, 2), 1.5);
    EXPECT_EQ(module::session().ExchangeRatesText, "2:5:-1:4:");
}

TEST_F(ConversionRateTest, aLaterDuplicateWins) {
    module::session().ExchangeRatesText = QStringLiteral("2:5:2:-1:4:2:");
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 5), 2);
}

TEST_F(ConversionRateTest, anIdBeyondSixteenBitsOverflows) {
    module::session().ExchangeRatesText = QStringLiteral("70000:5:-1:4:");
    EXPECT_EQ(errorOf([] { GetConversionRate(2, 5); }), rt::err::Overflow);
}

TEST_F(ConversionRateTest, aMissingRateOrAMalformedIdFails) {
    module::session().ExchangeRatesText = QStringLiteral("2:5:-1:");
    EXPECT_DOUBLE_EQ(GetConversionRate(2, 9), 1) << "only a matching id reads its rate";
    EXPECT_EQ(errorOf([] { GetConversionRate(2, 5); }), rt::err::SubscriptOutOfRange);
    module::session().ExchangeRatesText = QStringLiteral("2:x:-1:4:");
    EXPECT_EQ(errorOf([] { GetConversionRate(2, 5); }), rt::err::TypeMismatch);
}

} // namespace
