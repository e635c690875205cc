// The received currency's rates, the customer's equivalent, an invoice's inventory rate, party currencies.
#include "platform/core/runtimeerror.h"
#include "platform/forms/userinput.h"
#include "shared/exchangerates.h"
#include "shared/session.h"
#include "support/entrywindow.h"

namespace {

using testing_support::EntryControls;
using testing_support::failsWith;
using testing_support::outcome;
namespace err = core::err;

const QString overflow = failsWith(err::Overflow), rejected = failsWith(err::DbStatementRejected),
              outOfRange = failsWith(err::SubscriptOutOfRange), mismatch = failsWith(err::TypeMismatch);

// Besides the shop's Rufiyaa (15.42) and US Dollars (1, the cash group): Euro (3) at 0.92, Yen (4) at 0,
// Baht (5) without a rate, Gold (6) at 8, Pound (7) at 0.8, Token (8) at 0.12345; customers in US
// Dollars and in Tokens. The inventory account 50 is kept in Pounds, account 60 in Baht, vendor 7 deals
// in Euro, the department 3 too. Company 2 keeps its books in Krona (9) at 20, unknown to company 1.
class Rates : public testing_support::EntryWindowTest {
protected:
    Rates() {
        sql("insert into acurrencymaster (currencyid, currencyname, symbol, companyid) values (3, 'Euro', "
            "'EUR', 1), (4, 'Yen', 'JPY', 1), (5, 'Baht', 'THB', 1), (6, 'Gold', 'XAU', 1), (7, 'Pound', "
            "'GBP', 1), (8, 'Token', 'TKN', 1), (9, 'Krona', 'SEK', 2)");
        sql("insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values (1, 1, "
            "3, 0.92), (1, 1, 4, 0), (1, 1, 6, 8), (1, 1, 7, 0.8), (1, 1, 8, 0.12345), (2, 2, 9, 20)");
        sql("insert into ExchangeRate (ExchangeID, CompanyID) values (2, 2)");
        sql("insert into acompanymaster (companyID, name, CurrencyID) values (2, 'Nordic', 9)");
        sql("insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (2, 2, 9), (3, "
            "1, 3)");
        sql("insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) values "
            "(2, 1, 'Beach Cafe', 2, 1), (3, 1, 'Token Trader', 8, 1), (9, 2, 'Nordic', 1, 1), (10, 1, "
            "'Far', 40000, 0)");
        sql("insert into ashopcustomerdetails (shopid, customerid) values (1, 2), (1, 3)");
        sql("insert into aaccountmaster (companyid, accountid, currencyid) values (1, 50, 7), (1, 60, 5)");
        sql("insert into apackagesettings (companyid, inventoryid) values (1, 50)");
        sql("insert into avendorMaster (vendorID, companyid, CurrencyID) values (7, 1, 3), (8, 2, 2)");
    }
};

struct RateCase {
    const char* name;
    const char* change;   // a statement run before the window opens
    const char* currency; // picked; empty for none
    const char* typed;    // the bank rate then entered; nullptr for none
    QString rates;        // bank, company and department rate
    QString listed;       // the session's rates text afterwards
    qint64 error = 0;     // reported by the rate's change; the fields keep what they showed before
};

// A currency's company rate is s(cash group) / (bank rate x s(company currency)), its department rate
// s(cash group) / (bank rate x s(department currency)); the currencies themselves and the cash group
// take shorter ways. A missing or zero rate counts as 1. A rate out of the range of a double is an error.
const RateCase RateCases[] = {
    {"theCompanyCurrencyHasRatesOne", nullptr, "Rufiyaa", nullptr, "15.42 1 1", "1:-15.42:"},
    {"aTypedRateOfTheCompanyCurrencyTakesPart", nullptr, "Rufiyaa", "7", "7 0.453955901426719 1",
     "1:-15.42:"},
    {"theCashGroupHasTheInverseCompanyRateAndDepartmentRateOne", nullptr, "US Dollar", nullptr,
     "1 0.0648508430609598 1", "2:-1:"},
    {"anotherCurrencyGoesThroughTheCashGroup", nullptr, "Euro", nullptr,
     "0.92 0.0704900468053911 0.0704900468053911", "3:-0.92:"},
    {"aTypedRateReplacesTheProposedOne", nullptr, "Euro", "2", "2 0.0324254215304799 0.0324254215304799",
     "3:-0.92:"},
    {"aTypedZeroCountsAsOne", nullptr, "Euro", "0", "0 0.0648508430609598 0.0648508430609598", "3:-0.92:"},
    {"aZeroSellingRateProposesOne", nullptr, "Yen", nullptr, "1.00 0.0648508430609598 0.0648508430609598",
     "4:-0:"},
    {"aMissingSellingRateProposesOne", nullptr, "Baht", nullptr, "1.00 0.0648508430609598 0.0648508430609598",
     ""},
    {"theCashGroupsOwnRateTakesPart", "update aSettings set CashGroupID = 7", "Euro", nullptr,
     "0.92 0.0563920374443129 0.0563920374443129", "3:-0.92:"},
    {"aCashGroupWithoutARateCountsAsOne", "update aSettings set CashGroupID = 5", "Baht", nullptr,
     "1.00 0.0648508430609598 1", ""},
    {"theDepartmentCurrencyIsThatOfTheCompanysFirstDepartmentNotTheShops",
     "update ashops set departmentid = 3", "Rufiyaa", nullptr, "15.42 1 1", "1:-15.42:"},
    {"withoutACurrencyATypedRateChangesNothing", nullptr, "", "4", "4  ", ""},
    {"aQuotientBeyondADoubleIsADivisionByZero",
     "update ExchangeRateDetail set SellingRate = 1e-300 where CurrencyID = 1", "US Dollar",
     "100000000000000000000000000", "100000000000000000000000000 1E+300 1",
     "2:-1:", core::err::DivisionByZero},
    {"aProductBeyondADoubleIsAnOverflowNotInfinity",
     "update ExchangeRateDetail set SellingRate = 1e305 where CurrencyID = 2", "Euro", "0.00000001",
     "0.00000001 7.04900468053911E+303 7.04900468053911E+303", "3:-0.92:", core::err::Overflow}};

class ReceivedCurrency : public Rates, public ::testing::WithParamInterface<size_t> {};

TEST_P(ReceivedCurrency, proposesTheBankRateAndDerivesTheCompanyAndDepartmentRates) {
    const RateCase& c = RateCases[GetParam()];
    if (c.change) sql(QString::fromLatin1(c.change));
    inEntry([&](EntryControls& entry) {
        if (*c.currency) pick(entry.cboCurrency, c.currency);
        if (c.typed) forms::user::paste(entry.txtExchangeRate, c.typed);
        EXPECT_EQ(entry.txtExchangeRate.text() + " " + entry.txtCompExchangeRate.text() + " " +
                      entry.txtdepcurrency.text(),
                  c.rates);
        EXPECT_EQ(shared::session().ExchangeRatesText, c.listed);
    });
    QList<qint64> reported;
    for (const auto& error : ui.errors)
        reported << (error.procedureName == "txtExchangeRate_Change" ? error.number : -1);
    EXPECT_EQ(reported, c.error ? QList<qint64>{c.error} : QList<qint64>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, ReceivedCurrency, ::testing::Range<size_t>(0, std::size(RateCases)),
                         [](const auto& row) { return std::string(RateCases[row.param].name); });

// The received amount times s(customer currency) / s(received currency), as the receipt rounds it: in its
// shortest form when the currency is picked, with two decimals when the amount changes. Without a customer
// the factor is 1 and a changed amount is not converted; an amount that is no plain amount has no equivalent.
TEST_F(Rates, customerEquivalentIsTheReceivedAmountInTheCustomersCurrency) {
    const struct {
        const char* customer; // picked first; empty for none
        const char* before;   // received amount pasted before the currency is picked
        const char* currency;
        const char* after; // received amount pasted after it
        const char* equivalent;
    } cases[] = {
        {"", "12.34", "US Dollar", "5", "12.34"},     {"Beach Cafe", "10", "Gold", "", "1.25"},
        {"Beach Cafe", "10", "Pound", "", "12.5"},    {"Token Trader", "10", "US Dollar", "", "1.23"},
        {"Abc Ltd", "", "US Dollar", "10", "154.20"}, {"Abc Ltd", "", "Rufiyaa", "0.125", ""}};
    inEntry([&](EntryControls& entry) {
        for (const auto& c : cases) {
            if (*c.customer) pick(entry.cboCustomer, c.customer);
            forms::user::paste(entry.txtrecamount, c.before);
            pick(entry.cboCurrency, c.currency);
            if (*c.after) forms::user::paste(entry.txtrecamount, c.after);
            EXPECT_EQ(entry.txtCustEquAmount.text(), c.equivalent)
                << c.customer << " " << c.before << c.after;
        }
    });
    EXPECT_TRUE(ui.errors.empty());
}

// The invoice's own rates text with the inventory currency added when it is not listed: the factor is
// s(inventory currency) / s(customer currency). The session's rates text is only borrowed.
TEST_F(Rates, inventoryRateOfAnInvoiceComesFromItsOwnRatesWithTheInventoryCurrencyAdded) {
    const struct {
        int invoice;
        const char* stored;
        double factor;
    } cases[] = {{10, "'1:-10:'", 0.08}, {11, "'1:7:-10:2:'", 0.2}, {12, "null", 1}};
    for (const auto& c : cases)
        sql(filled(
            "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihinvoiceno, ihinvoicedate, ihcustomerid, "
            "ihcompanyid, ihnetamount, ihexchangerates) values (1, %1, 'INV-%1', '20240301', 1, 1, 100, "
            "%2), (2, %1, 'INV-%1', '20240301', 1, 1, 100, '1:-10:')",
            c.invoice, c.stored));
    inEntry([&](EntryControls& entry) {
        pick(entry.cboCustomer, "Abc Ltd");
        const QString sessionRates = shared::session().ExchangeRatesText;
        for (int item = 1; item <= 3; ++item) {
            entry.lvwInvoice.setSelectedItem(item);
            EXPECT_DOUBLE_EQ(entry.window.getInventoryCurrencyExRate(), cases[item - 1].factor)
                << "invoice " << item;
        }
        EXPECT_EQ(shared::session().ExchangeRatesText, sessionRates);
    });
}

// A party by its letter in either case (company, department, vendor, account, customer, cash group B,
// currency M, inventory account I): its currency, 0 for another company's; its currency and rate added to
// a rates text ("ids:-rates:") unless listed, when the first rate stays, or left out without a rate.
TEST_F(Rates, partyCurrencyAndRateByLetter) {
    const struct {
        const char* rates;
        const char* letter;
        qint32 id;
        QString currency;
        QString added;
    } cases[] = {
        // clang-format off
        {"", "Z", 1, "1", "1:-15.42:"}, {"", "z", 2, "1", "9:-20:"}, {"", "D", 1, "1", "1:-15.42:"},
        {"", "d", 2, "0", ""}, {"", "V", 7, "3", "3:-0.92:"}, {"", "v", 8, "0", ""},
        {"", "A", 50, "7", "7:-0.8:"}, {"", "a", 60, "5", ""}, {"", "C", 2, "2", "2:-1:"},
        {"", "c", 9, "0", ""}, {"", "I", 0, "7", "7:-0.8:"}, {"", "C", 10, overflow, ""},
        {"", "B", 0, rejected, "2:-1:"}, {"", "m", 3, rejected, "3:-0.92:"}, {"", "M", 9, rejected, ""},
        {"", "X", 1, rejected, rejected}, {"   ", "C", 1, "1", "1:-15.42:"},
        {"1:-15.42:", "M", 3, rejected, "1:3:-15.42:0.92:"}, {"2:-9.99:", "B", 0, rejected, "2:-9.99:"},
        {" 1 :-9:", "C", 1, "1", " 1 :-9:"}, {"1:1:", "C", 1, "1", outOfRange},
        {"x:-1:", "C", 1, "1", mismatch}
        // clang-format on
    };
    inEntry([&](EntryControls&) {
        for (const auto& c : cases) {
            EXPECT_EQ(outcome([&] { return QString::number(shared::GetPartyCurrency(c.letter, c.id)); }),
                      c.currency)
                << c.letter << c.id;
            EXPECT_EQ(outcome([&] { return shared::AddPartyRate(c.rates, c.letter, c.id); }), c.added)
                << c.rates << " " << c.letter << c.id;
        }
    });
}

// The factor from one listed currency to another: rate of `to` over rate of `from`, 1 when either is
// missing or zero; a later duplicate id wins.
TEST(ConversionRate, isTheRateOfTheTargetOverTheRateOfTheSource) {
    const struct {
        const char* rates;
        qint16 from;
        qint16 to;
        QString factor;
    } cases[] = {
        {"2:5:-1:4:", 2, 5, "4"},      {"2:5:-1:4:", 5, 2, "0.25"},       {"2:5:-1:4:", 5, 5, "1"},
        {"2:5:-1:4:", 2, 9, "1"},      {"2:5:-1:4:", 9, 5, "1"},          {"", 2, 5, "1"},
        {"2:5:-0:4:", 2, 5, "1"},      {"2:5:2:-1:4:2:", 2, 5, "2"},      {"2:5:-1:", 2, 9, "1"},
        {"2:5:-1:", 2, 5, outOfRange}, {"70000:5:-1:4:", 2, 5, overflow}, {"2:x:-1:4:", 2, 5, mismatch}};
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return QString::number(shared::GetConversionRate(c.rates, c.from, c.to)); }),
                  c.factor)
            << c.rates << " " << c.from << "->" << c.to;
}

} // namespace
