// The currency of a party, the session's list of currencies with their selling rates, conversion factors.
#include "exchangerates.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/core/statement.h"
#include "session.h"

#include <map>

namespace shared {

namespace {

QString companyText() {
    return QString::number(session().companyId);
}

// The party's currency joined with its selling rate; four master tables share this statement.
const char* const MasterRateStatement =
    "select :selected CurID,SellingRate from :table a, ExchangeRateDetail b Where a.CompanyID = b.CompanyID "
    "And a.:currencyColumn = b.CurrencyID and a.:partyColumn=:party and a.companyid=:company";

QString masterRateStatement(const QString& selected, const QString& table, const QString& currencyColumn,
                            const QString& partyColumn, const QString& party) {
    return core::statement(MasterRateStatement, {{"selected", selected},
                                                 {"table", table},
                                                 {"currencyColumn", currencyColumn},
                                                 {"partyColumn", partyColumn},
                                                 {"party", party},
                                                 {"company", companyText()}});
}

// The elements before the last separator; the text always ends in one.
QStringList withoutLastElement(const QString& part) {
    QStringList elements = part.split(QLatin1Char(':'));
    elements.removeLast();
    return elements;
}

// A rate as the list stores it, whatever the counter's locale: the database's number, or its text read as
// the database writes numbers.
QString storedRate(const QVariant& rate) {
    if (rate.typeId() == QMetaType::QString)
        return core::storedNumberText(core::storedNumber(rate.toString()));
    return core::storedNumberText(core::toDouble(rate));
}

// A rate of the list, checked to be a number (error 13 otherwise).
QString rateAt(const RateLists& lists, qsizetype position) {
    if (position >= lists.rates.size()) throw core::RuntimeError::of(core::err::SubscriptOutOfRange);
    core::storedNumber(lists.rates[position]);
    return lists.rates[position];
}

// The statements of the parties' currencies and of their rates by letter, :party standing for the
// party's id and :company for the session's company.
const std::map<QString, const char*> CurrencyStatements = {
    {"Z", "select CurrencyID curID from acompanyMaster where companyID=:company"},
    {"D",
     "select depcurrencyid curID from adepartmentMaster where DepartmentID=:party and CompanyID=:company"},
    {"V", "select CurrencyID curID from avendorMaster where companyid=:company and vendorID=:party"},
    {"A", "select CurrencyID curID from aaccountmaster where companyid=:company and accountid=:party"},
    {"C", "select CurrencyID curID from acustomermaster where CompanyID=:company and CustomerID=:party"},
    {"I",
     "select currencyid curid from aaccountmaster a,apackagesettings b  Where accountid = inventoryid and "
     "a.companyid=b.companyid and a.companyid=:company"}};
const std::map<QString, const char*> OwnRateStatements = {
    {"Z",
     "select a.CurrencyID CurID,SellingRate from acompanymaster a, ExchangeRateDetail b  Where a.CompanyID "
     "= b.CompanyID And a.currencyid = b.CurrencyID  and a.Companyid=:party"},
    {"B",
     "select a.CashGroupID CurID,SellingRate from aSettings a, ExchangeRateDetail b  Where a.CompanyID = "
     "b.CompanyID And a.CashGroupID = b.CurrencyID  and a.companyid=:company"},
    {"M",
     "select m.Currencyid CurID,SellingRate from aCurrencymaster m,  exchangeratedetail e where m.currencyid "
     "= e.currencyid and m.companyid =  e.companyid and e.Currencyid = :party and e.Companyid = :company"},
    {"I",
     "select a.currencyid CurID,SellingRate from   aaccountmaster a,apackagesettings b, ExchangeRateDetail c "
     "Where a.accountid = b.inventoryid And a.companyid = b.companyid and a.currencyid=c.currencyid and "
     "a.companyid=:company"}};

// The statement of the letter filled for the party; an empty text for a letter without one.
QString partyStatement(const std::map<QString, const char*>& statements, const QString& letter, qint32 id) {
    const auto found = statements.find(letter);
    if (found == statements.end()) return QString();
    return core::statement(found->second, {{"party", QString::number(id)}, {"company", companyText()}});
}

} // namespace

// An unknown letter yields an empty statement, which the database refuses.
QString partyCurrencyStatement(const QString& letter, qint32 id) {
    return partyStatement(CurrencyStatements, letter, id);
}

QString partyRateStatement(const QString& letter, qint32 id) {
    const QString party = QString::number(id);
    if (letter == QLatin1String("V"))
        return masterRateStatement(QStringLiteral("a.currencyid"), QStringLiteral("avendormaster"),
                                   QStringLiteral("currencyid"), QStringLiteral("vendorID"), party);
    if (letter == QLatin1String("C"))
        return masterRateStatement(QStringLiteral("a.currencyid"), QStringLiteral("acustomermaster"),
                                   QStringLiteral("currencyid"), QStringLiteral("customerID"), party);
    if (letter == QLatin1String("D"))
        return masterRateStatement(QStringLiteral("depcurrencyid"), QStringLiteral("aDepartmentMaster"),
                                   QStringLiteral("depcurrencyid"), QStringLiteral("DepartmentID"), party);
    if (letter == QLatin1String("A"))
        return masterRateStatement(QStringLiteral("a.currencyid"), QStringLiteral("aaccountmaster"),
                                   QStringLiteral("currencyid"), QStringLiteral("accountID"), party);
    return partyStatement(OwnRateStatements, letter, id);
}

RateLists parseRates(const QString& rates) {
    if (core::trimBlanks(rates).isEmpty()) return {};
    const QStringList parts = rates.split(QLatin1Char('-'));
    if (parts.size() < 2) throw core::RuntimeError::of(core::err::SubscriptOutOfRange);
    return {withoutLastElement(parts[0]), withoutLastElement(parts[1])};
}

QString formatRates(const RateLists& lists) {
    const QString separator = QStringLiteral(":");
    QString text;
    for (const QString& id : lists.ids)
        text += id + separator;
    text += QLatin1Char('-');
    for (const QString& rate : lists.rates)
        text += rate + separator;
    return text;
}

qint16 GetPartyCurrency(const QString& letter, qint32 id) {
    ado::Recordset rs;
    rs.open(partyCurrencyStatement(letter.toUpper(), id), registerConnection(), ado::CursorType::ForwardOnly,
            ado::LockType::ReadOnly);
    const qint16 currency = rs.eof() ? 0 : core::toInt16(rs.field(QStringLiteral("curID")));
    rs.close();
    return currency;
}

QString AddPartyRate(const QString& rates, const QString& letter, qint32 id) {
    RateLists lists = parseRates(rates);
    ado::Recordset rs;
    rs.open(partyRateStatement(letter.toUpper(), id), registerConnection(), ado::CursorType::Keyset,
            ado::LockType::Optimistic);
    if (rs.eof()) {
        rs.close();
        return rates;
    }
    // A currency listed once keeps its rate for the session, whatever the table holds now.
    const qint32 currency = core::toInt32(rs.field(QStringLiteral("curID")));
    if (!IsCurrencyListed(lists.ids, currency)) {
        lists.ids.append(QString::number(currency));
        lists.rates.append(storedRate(rs.field(QStringLiteral("SellingRate"))));
    }
    rs.close();
    return formatRates(lists);
}

bool IsCurrencyListed(const QStringList& currencyIds, qint32 currencyId) {
    for (const QString& id : currencyIds)
        if (core::toInt32(id) == currencyId) return true;
    return false;
}

ConversionRates conversionRates(const QString& rates, qint16 fromCurrency, qint16 toCurrency) {
    const RateLists lists = parseRates(rates);
    QString rateFrom, rateTo;
    for (qsizetype i = 0; i < lists.ids.size(); ++i) {
        const qint16 id = core::toInt16(lists.ids[i]);
        if (id == fromCurrency) rateFrom = rateAt(lists, i);
        if (id == toCurrency) rateTo = rateAt(lists, i);
    }
    const auto missing = [](const QString& rate) { return rate.isEmpty() || core::storedNumber(rate) == 0; };
    if (missing(rateFrom) || missing(rateTo)) return {};
    return {rateTo, rateFrom};
}

ConversionRates conversionRates(qint16 fromCurrency, qint16 toCurrency) {
    return conversionRates(session().ExchangeRatesText, fromCurrency, toCurrency);
}

double GetConversionRate(const QString& rates, qint16 fromCurrency, qint16 toCurrency) {
    const ConversionRates factor = conversionRates(rates, fromCurrency, toCurrency);
    return core::divide(core::storedNumber(factor.to), core::storedNumber(factor.from));
}

} // namespace shared
