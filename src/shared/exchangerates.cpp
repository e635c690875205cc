// The currency of a party, the session's list of currencies with their selling rates, conversion factors.
#include "exchangerates.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "session.h"

namespace shared {

namespace {

QString companyText() {
    return QString::number(session().companyId);
}

// The party's currency joined with its selling rate; four master tables share this statement.
QString masterRateStatement(const QString& selected, const QString& table, const QString& currencyColumn,
                            const QString& partyColumn, const QString& party) {
    return QStringLiteral("select ") + selected + QStringLiteral(" CurID,SellingRate from ") + table +
           QStringLiteral(" a, ExchangeRateDetail b ") +
           QStringLiteral("Where a.CompanyID = b.CompanyID And a.") + currencyColumn +
           QStringLiteral(" = b.CurrencyID ") + QStringLiteral("and a.") + partyColumn + QStringLiteral("=") +
           party + QStringLiteral(" and a.companyid=") + companyText();
}

// The elements before the last separator; the text always ends in one.
QStringList withoutLastElement(const QString& part) {
    QStringList elements = part.split(QLatin1Char(':'));
    elements.removeLast();
    return elements;
}

double rateAt(const RateLists& lists, qsizetype position) {
    if (position >= lists.rates.size()) throw core::RuntimeError::of(core::err::SubscriptOutOfRange);
    return core::toDouble(lists.rates[position]);
}

} // namespace

// An unknown letter yields an empty statement, which the database refuses.
QString partyCurrencyStatement(const QString& letter, qint32 id) {
    const QString c = companyText();
    const QString party = QString::number(id);
    if (letter == QLatin1String("Z"))
        return QStringLiteral("select CurrencyID curID from acompanyMaster where companyID=") + c;
    if (letter == QLatin1String("D"))
        return QStringLiteral("select depcurrencyid curID from adepartmentMaster where DepartmentID=") +
               party + QStringLiteral(" and CompanyID=") + c;
    if (letter == QLatin1String("V"))
        return QStringLiteral("select CurrencyID curID from avendorMaster where companyid=") + c +
               QStringLiteral(" and vendorID=") + party;
    if (letter == QLatin1String("A"))
        return QStringLiteral("select CurrencyID curID from aaccountmaster where companyid=") + c +
               QStringLiteral(" and accountid=") + party;
    if (letter == QLatin1String("C"))
        return QStringLiteral("select CurrencyID curID from acustomermaster where CompanyID=") + c +
               QStringLiteral(" and CustomerID=") + party;
    if (letter == QLatin1String("I"))
        return QStringLiteral("select currencyid curid from aaccountmaster a,apackagesettings b ") +
               QStringLiteral(" Where accountid = inventoryid and a.companyid=b.companyid and a.companyid=") +
               c;
    return QString();
}

QString partyRateStatement(const QString& letter, qint32 id) {
    const QString c = companyText();
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
    if (letter == QLatin1String("Z"))
        return QStringLiteral(
                   "select a.CurrencyID CurID,SellingRate from acompanymaster a, ExchangeRateDetail b ") +
               QStringLiteral(" Where a.CompanyID = b.CompanyID And a.currencyid = b.CurrencyID ") +
               QStringLiteral(" and a.Companyid=") + party;
    if (letter == QLatin1String("B"))
        return QStringLiteral(
                   "select a.CashGroupID CurID,SellingRate from aSettings a, ExchangeRateDetail b ") +
               QStringLiteral(" Where a.CompanyID = b.CompanyID And a.CashGroupID = b.CurrencyID ") +
               QStringLiteral(" and a.companyid=") + c;
    if (letter == QLatin1String("M"))
        return QStringLiteral("select m.Currencyid CurID,SellingRate from aCurrencymaster m, ") +
               QStringLiteral(" exchangeratedetail e where m.currencyid = e.currencyid and m.companyid = ") +
               QStringLiteral(" e.companyid and e.Currencyid = ") + party +
               QStringLiteral(" and e.Companyid = ") + c;
    if (letter == QLatin1String("I"))
        return QStringLiteral(
                   "select a.currencyid CurID,SellingRate from   aaccountmaster a,apackagesettings b,") +
               QStringLiteral(
                   " ExchangeRateDetail c Where a.accountid = b.inventoryid And a.companyid = b.companyid") +
               QStringLiteral(" and a.currencyid=c.currencyid and a.companyid=") + c;
    return QString();
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
        lists.rates.append(core::toText(rs.field(QStringLiteral("SellingRate"))));
    }
    rs.close();
    return formatRates(lists);
}

bool IsCurrencyListed(const QStringList& currencyIds, qint32 currencyId) {
    for (const QString& id : currencyIds)
        if (core::toInt32(id) == currencyId) return true;
    return false;
}

double GetConversionRate(const QString& rates, qint16 fromCurrency, qint16 toCurrency) {
    const RateLists lists = parseRates(rates);
    double rateFrom = 0;
    double rateTo = 0;
    for (qsizetype i = 0; i < lists.ids.size(); ++i) {
        const qint16 id = core::toInt16(lists.ids[i]);
        if (id == fromCurrency) rateFrom = rateAt(lists, i);
        if (id == toCurrency) rateTo = rateAt(lists, i);
    }
    if (rateFrom == 0 || rateTo == 0) return 1;
    return core::divide(rateTo, rateFrom);
}

double GetConversionRate(qint16 fromCurrency, qint16 toCurrency) {
    return GetConversionRate(session().ExchangeRatesText, fromCurrency, toCurrency);
}

} // namespace shared
