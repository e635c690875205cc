// The session the host hands to the component before Show.
#pragma once

#include "platform/ado/connection.h"

#include <QDate>
#include <QString>

namespace component {
class clsReceiptsShop;
}

namespace scenario {

struct SessionValues {
    qint32 companyId = 1;
    qint32 shopId = 1;
    qint32 userId = 1;
    qint32 financialId = 1;
    QDate processDate = QDate::currentDate();
    QString caption = QStringLiteral("Receipts");

    // Sets the component's properties, the connection included, as a host does before Show.
    void applyTo(component::clsReceiptsShop& component, const ado::ConnectionPtr& connection) const;
};

} // namespace scenario
