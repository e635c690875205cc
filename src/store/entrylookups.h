// The look-ups the entry makes through the suite's look-up service, in one company and shop: its customers
// and currencies, the shop's settings, currencies and rates.
#pragma once

#include "platform/forms/combobox.h"
#include "shared/services/servicesinterfaces.h"

#include <QVariant>
#include <optional>

namespace store {

class EntryLookups {
public:
    EntryLookups(suite::ClsCommonDb& lookups, qint32 companyId, qint32 shopId)
        : lookups_(lookups), companyId_(companyId), shopId_(shopId) {}

    // Fills the combo with the shop's active customers, each with its currency, by customer id.
    void fillCustomers(forms::ComboBox& combo) const;
    // Fills the combo with every currency, by currency id.
    void fillCurrencies(forms::ComboBox& combo) const;
    // The letters of the shop's features ("b": bank rates are shown).
    QString shopFeatures() const;
    // The alias the package names the shop's invoices by; nothing when the package uses none.
    std::optional<QString> invoiceAlias() const;
    // The shop's department, as the party rates are added with it and as the opening list is read for it.
    qint32 shopDepartment() const;
    qint16 openingDepartment() const;

    // The currency's selling rate in the company's exchange rate list as the service gives it (an empty text
    // for none): the bank rate proposed when the currency is chosen.
    QVariant proposedRate(qint32 currency) const;
    // The same rate as the rates are worked out from: 0 for none.
    QVariant sellingRate(qint32 currency) const;
    QVariant symbol(qint32 currency) const;
    // The company's currency, its cash group and its departments' currency: 0 for none.
    qint32 companyCurrency() const;
    qint32 cashGroup() const;
    qint32 departmentCurrency() const;

    // A shop invoice's customer and its stored rate list.
    struct InvoiceRates {
        qint32 customerId = 0;
        QString rates;
    };
    InvoiceRates invoiceRates(const QString& invoiceId) const;

private:
    QVariant lookUp(const QString& table, const QString& field, const QString& condition) const;
    qint32 lookUpId(const QString& table, const QString& field, const QString& condition) const;
    QString companyText() const { return QString::number(companyId_); }
    QString shopText() const { return QString::number(shopId_); }

    suite::ClsCommonDb& lookups_;
    qint32 companyId_;
    qint32 shopId_;
};

} // namespace store
