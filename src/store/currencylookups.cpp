// The currency and rate look-ups of the entry.
#include "currencylookups.h"

#include "platform/core/conversions.h"
#include "platform/core/statement.h"

namespace store {

namespace {

// The selling rate of :currency in the company's exchange rate list; the two look-ups differ in blanks
// and in the letter case of the table.
const char* const SellingRateTables = "ExchangeRate EH, ExchangeRatEDetail ED ";
const char* const SellingRateCondition =
    "EH.CompanyID = ED.CompanyID and  EH.ExchangeID = ED.ExchangeID and  EH.CompanyID = :company  and "
    "ED.CurrencyID = :currency";
const char* const ConversionRateTables = " ExchangeRate EH, ExchangeRateDetail ED";
const char* const ConversionRateCondition =
    "EH.CompanyID =  ED.CompanyID and EH.ExchangeID = ED.ExchangeID and  EH.CompanyID = :company  and "
    "ED.CurrencyID = :currency";

// A look-up that found no row gives an empty text, which counts as zero.
QVariant emptyAsZero(const QVariant& value) {
    const bool empty = value.typeId() == QMetaType::QString && core::trimBlanks(value.toString()).isEmpty();
    return empty ? QVariant(0) : value;
}

} // namespace

QVariant CurrencyLookups::lookUp(const QString& table, const QString& field, const QString& condition) const {
    return lookups_.fnreturnfield(table, field, condition);
}

qint32 CurrencyLookups::lookUpId(const QString& table, const QString& field, const QString& condition) const {
    return core::toInt32(emptyAsZero(lookUp(table, field, condition)));
}

QVariant CurrencyLookups::proposedRate(qint32 currency) const {
    return lookUp(SellingRateTables, QStringLiteral("ED.sellingrate"),
                  core::statement(SellingRateCondition,
                                  {{"company", companyText()}, {"currency", QString::number(currency)}}));
}

QVariant CurrencyLookups::sellingRate(qint32 currency) const {
    return emptyAsZero(
        lookUp(ConversionRateTables, QStringLiteral("ED.sellingrate"),
               core::statement(ConversionRateCondition,
                               {{"company", companyText()}, {"currency", QString::number(currency)}})));
}

QVariant CurrencyLookups::symbol(qint32 currency) const {
    return lookUp(QStringLiteral("acurrencymaster"), QStringLiteral("symbol"),
                  QStringLiteral("currencyid=") + QString::number(currency));
}

qint32 CurrencyLookups::companyCurrency() const {
    return lookUpId(QStringLiteral("acompanymaster"), QStringLiteral("currencyid"),
                    QStringLiteral("Companyid=") + companyText());
}

qint32 CurrencyLookups::cashGroup() const {
    return lookUpId(QStringLiteral("asettings"), QStringLiteral("cashgroupid"),
                    QStringLiteral("companyid=") + companyText());
}

qint32 CurrencyLookups::departmentCurrency() const {
    return lookUpId(QStringLiteral("adepartmentmaster"), QStringLiteral("depcurrencyid"),
                    QStringLiteral("Companyid=") + companyText());
}

CurrencyLookups::InvoiceRates CurrencyLookups::invoiceRates(const QString& invoiceId, qint32 shopId) const {
    const QString invoice = QStringLiteral("ihinvoiceid=") + invoiceId + QStringLiteral(" and ihshopid= ") +
                            QString::number(shopId);
    return {
        lookUpId(QStringLiteral("losinvoiceheader"), QStringLiteral("ihcustomerid"), invoice),
        core::toText(lookUp(QStringLiteral("losinvoiceheader"), QStringLiteral("ihexchangerates"), invoice))};
}

} // namespace store
