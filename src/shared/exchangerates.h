// The currency look-ups of the shared module and the session's list of currencies with their rates.
#pragma once

#include <QString>
#include <QStringList>

namespace shared {

// The party's currency id (0 when the party is not found). Letters: Z company, D department,
// V vendor, A account, C customer, I the inventory account; any other letter fails.
qint16 GetPartyCurrency(const QString& letter, qint32 id);

// The rates text with the party's currency and selling rate added when that currency is not listed
// yet. Letters: V, C, D, A, Z, B (cash group), M (a currency), I (inventory account).
QString AddPartyRate(const QString& rates, const QString& letter, qint32 id);

// Whether the currency id is among the ids of the list being extended.
bool IsCurrencyListed(const QStringList& currencyIds, qint32 currencyId);

// The factor from one currency to another as the two selling rates it divides, as the rates text writes them
// (`to` over `from`); both "1" when either currency is missing or its rate is 0.
struct ConversionRates {
    QString to = QStringLiteral("1");
    QString from = QStringLiteral("1");
};
ConversionRates conversionRates(const QString& rates, qint16 fromCurrency, qint16 toCurrency);
ConversionRates conversionRates(qint16 fromCurrency, qint16 toCurrency);

// Selling rate of `to` divided by that of `from`, both from the given rates text; 1 when either is missing.
double GetConversionRate(const QString& rates, qint16 fromCurrency, qint16 toCurrency);

// The statements of GetPartyCurrency and AddPartyRate for an upper-case letter (an empty text for a
// letter outside their tables), in the session's company.
QString partyCurrencyStatement(const QString& letter, qint32 id);
QString partyRateStatement(const QString& letter, qint32 id);

// The id list and the rate list of a rates text ("3:7:-1:15.42:" gives 3, 7 and 1, 15.42).
struct RateLists {
    QStringList ids;
    QStringList rates;
};
RateLists parseRates(const QString& rates);
QString formatRates(const RateLists& lists);

} // namespace shared
