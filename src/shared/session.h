// The session context: the values the host hands over and the module-wide state of the windows.
#pragma once

#include "platform/ado/connection.h"
#include "shared/services/servicesinterfaces.h"
#include "store/receiptnumbering.h"

#include <QDateTime>
#include <memory>
#include <utility>

namespace forms {
class Grid;
}

namespace shared {

using store::ReceiptInterfaceId;

// What the shared procedures need of the register window.
class RegisterWindow {
public:
    virtual ~RegisterWindow() = default;
    virtual ado::ConnectionPtr& adocon() = 0;
    virtual forms::Grid& grid() = 0;
    // The SQL text last used to fill the grid.
    virtual const QString& gridQuery() const = 0;
    // The first and the last day of the receipts the register lists.
    virtual std::pair<QDate, QDate> listedDates() const = 0;
};

struct Session {
    qint32 companyId = 0;
    qint32 shopId = 0;
    qint32 userId = 0;
    qint32 financialId = 0;
    QDateTime processDate;
    QString msgboxCaption;

    std::shared_ptr<suite::ClsCommonDb> commonDb;
    std::shared_ptr<suite::ClsCommonGen> commonGen;
    std::shared_ptr<suite::ClsFormcolor> formColor;
    std::shared_ptr<suite::ClsUserAuditing> userAuditing;

    QString EntryMode;
    bool CounterLoginEnabled = false;
    qint32 CounterId = 0;
    QString UserName;
    bool AliasEnabled = false;
    QString AliasName;
    QString ExchangeRatesText;

    RegisterWindow* registerWindow = nullptr;
};

// The session of the component being shown.
Session& session();

// The register window's connection; error 91 while there is no register.
ado::ConnectionPtr& registerConnection();

} // namespace shared
