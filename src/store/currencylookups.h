// The look-ups of currencies and rates the entry makes through the suite's look-up service, in one company.
#pragma once

#include "shared/services/servicesinterfaces.h"

#include <QVariant>

namespace store {

class CurrencyLookups {
public:
    CurrencyLookups(suite::ClsCommonDb& lookups, qint32 companyId)
        : lookups_(lookups), companyId_(companyId) {}

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
    InvoiceRates invoiceRates(const QString& invoiceId, qint32 shopId) const;

private:
    QVariant lookUp(const QString& table, const QString& field, const QString& condition) const;
    qint32 lookUpId(const QString& table, const QString& field, const QString& condition) const;
    QString companyText() const { return QString::number(companyId_); }

    suite::ClsCommonDb& lookups_;
    qint32 companyId_;
};

} // namespace store
