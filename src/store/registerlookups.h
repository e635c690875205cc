// The look-ups the register makes through the suite's look-up service, in one shop: whether its counters log
// in, a counter's name, a user's name, and the settings that bound the days it lists.
#pragma once

#include "shared/services/servicesinterfaces.h"

#include <QVariant>

namespace store {

class RegisterLookups {
public:
    RegisterLookups(suite::ClsCommonDb& lookups, qint32 shopId) : lookups_(lookups), shopId_(shopId) {}

    bool countersLogIn() const;
    // The counter's name; an empty text for a counter the shop does not know.
    QString counterName(qint32 counterId) const;
    QString userName(qint32 userId) const;
    // The shop's back days and last closing date as the service gives them: an empty text for none.
    QVariant backDays() const;
    QVariant lastClosing() const;

private:
    QVariant lookUp(const QString& table, const QString& field, const QString& condition) const;
    QString shopText() const { return QString::number(shopId_); }

    suite::ClsCommonDb& lookups_;
    qint32 shopId_;
};

} // namespace store
