// The look-ups of the register.
#include "registerlookups.h"

#include "platform/core/conversions.h"

namespace store {

QVariant RegisterLookups::lookUp(const QString& table, const QString& field, const QString& condition) const {
    return lookups_.fnreturnfield(table, field, condition);
}

bool RegisterLookups::countersLogIn() const {
    return core::val(lookUp(QStringLiteral("aShops"), QStringLiteral("CounterLogin"),
                            QStringLiteral("ShopId=") + shopText())) == 1;
}

QString RegisterLookups::counterName(qint32 counterId) const {
    return lookUp(QStringLiteral("aCounterMaster"), QStringLiteral("CounterName"),
                  QStringLiteral("CounterId=") + QString::number(counterId))
        .toString();
}

QString RegisterLookups::userName(qint32 userId) const {
    return core::nullAsEmpty(lookUp(QStringLiteral("lousers"), QStringLiteral("username"),
                                    QStringLiteral("userID=") + QString::number(userId) +
                                        QStringLiteral(" and shopid=") + shopText()));
}

QVariant RegisterLookups::backDays() const {
    return lookUp(QStringLiteral("LOsSettings"), QStringLiteral("sNoofBackDays"),
                  QStringLiteral(" shopid=") + shopText());
}

QVariant RegisterLookups::lastClosing() const {
    return lookUp(QStringLiteral("vwshopCloseDate"), QStringLiteral("closedate"),
                  QStringLiteral(" shopid=") + shopText());
}

} // namespace store
