// The look-ups of the entry.
#include "entrylookups.h"

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

const char* const CustomerCondition =
    "c.customerid = s.customerid and s.shopid = :shop and c.currencyid=b.currencyid and c.Active=1";

// A look-up that found no row gives an empty text, which counts as zero.
QVariant emptyAsZero(const QVariant& value) {
    const bool empty = value.typeId() == QMetaType::QString && core::trimBlanks(value.toString()).isEmpty();
    return empty ? QVariant(0) : value;
}

// A true value of a package setting: a non-zero number or the word True.
bool isTrue(const QVariant& value) {
    const QString text = core::trimBlanks(core::nullAsEmpty(value));
    if (core::isNumeric(text)) return core::toDouble(text) != 0;
    return text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
}

} // namespace

void EntryLookups::fillCustomers(forms::ComboBox& combo) const {
    lookups_.populatecomboorlist(
        combo, QStringLiteral("ashopcustomerdetails s, aCustomermaster c,acurrencymaster b"),
        QStringLiteral("c.customerid"), QStringLiteral("c.customername+'--->'+b.currencyname"),
        core::statement(CustomerCondition, {{"shop", shopText()}}));
}

void EntryLookups::fillCurrencies(forms::ComboBox& combo) const {
    lookups_.populatecomboorlist(combo, QStringLiteral("acurrencymaster"), QStringLiteral("currencyid"),
                                 QStringLiteral("currencyname"));
}

QString EntryLookups::shopFeatures() const {
    return core::nullAsEmpty(lookUp(QStringLiteral("ashops"), QStringLiteral("miscsettings13"),
                                    QStringLiteral(" shopid=") + shopText()));
}

std::optional<QString> EntryLookups::invoiceAlias() const {
    if (!isTrue(lookups_.fnreturnfield(QStringLiteral("apackagesettings"), QStringLiteral("alias"))))
        return std::nullopt;
    return core::nullAsEmpty(
        lookUp(QStringLiteral("aalias"), QStringLiteral("Alias"), QStringLiteral("aliasid =1")));
}

qint32 EntryLookups::shopDepartment() const {
    return core::toInt32(lookUp(QStringLiteral("ashops"), QStringLiteral("departmentid"),
                                QStringLiteral("shopid= ") + shopText()));
}

qint16 EntryLookups::openingDepartment() const {
    return core::toInt16(lookups_.fnreturnfield(QStringLiteral("aShops where shopId= ") + shopText(),
                                                QStringLiteral("DepartmentID")));
}

QVariant EntryLookups::lookUp(const QString& table, const QString& field, const QString& condition) const {
    return lookups_.fnreturnfield(table, field, condition);
}

qint32 EntryLookups::lookUpId(const QString& table, const QString& field, const QString& condition) const {
    return core::toInt32(emptyAsZero(lookUp(table, field, condition)));
}

QVariant EntryLookups::proposedRate(qint32 currency) const {
    return lookUp(SellingRateTables, QStringLiteral("ED.sellingrate"),
                  core::statement(SellingRateCondition,
                                  {{"company", companyText()}, {"currency", QString::number(currency)}}));
}

QVariant EntryLookups::sellingRate(qint32 currency) const {
    return emptyAsZero(
        lookUp(ConversionRateTables, QStringLiteral("ED.sellingrate"),
               core::statement(ConversionRateCondition,
                               {{"company", companyText()}, {"currency", QString::number(currency)}})));
}

QVariant EntryLookups::symbol(qint32 currency) const {
    return lookUp(QStringLiteral("acurrencymaster"), QStringLiteral("symbol"),
                  QStringLiteral("currencyid=") + QString::number(currency));
}

qint32 EntryLookups::companyCurrency() const {
    return lookUpId(QStringLiteral("acompanymaster"), QStringLiteral("currencyid"),
                    QStringLiteral("Companyid=") + companyText());
}

qint32 EntryLookups::cashGroup() const {
    return lookUpId(QStringLiteral("asettings"), QStringLiteral("cashgroupid"),
                    QStringLiteral("companyid=") + companyText());
}

qint32 EntryLookups::departmentCurrency() const {
    return lookUpId(QStringLiteral("adepartmentmaster"), QStringLiteral("depcurrencyid"),
                    QStringLiteral("Companyid=") + companyText());
}

EntryLookups::InvoiceRates EntryLookups::invoiceRates(const QString& invoiceId) const {
    const QString invoice =
        QStringLiteral("ihinvoiceid=") + invoiceId + QStringLiteral(" and ihshopid= ") + shopText();
    return {
        lookUpId(QStringLiteral("losinvoiceheader"), QStringLiteral("ihcustomerid"), invoice),
        core::toText(lookUp(QStringLiteral("losinvoiceheader"), QStringLiteral("ihexchangerates"), invoice))};
}

} // namespace store
