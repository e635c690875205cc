// The session a test of the windows starts from: company, shop and user 1, a new entry, the services
// bound to the test database.
#pragma once

#include "component/clsreceiptsshop.h"
#include "shared/services/servicesinterfaces.h"
#include "shared/session.h"

namespace testing_support {

inline void startSession(shared::RegisterWindow& registerWindow, const ado::ConnectionPtr& connection) {
    shared::Session& s = shared::session();
    s = shared::Session();
    s.companyId = 1;
    s.shopId = 1;
    s.userId = 1;
    s.EntryMode = QStringLiteral("N");
    s.registerWindow = &registerWindow;
    s.commonDb = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
    s.commonDb->adocon = connection;
    s.commonGen = suite::Factory::create<suite::ClsCommonGen>(suite::progid::CommonGen);
    s.formColor = suite::Factory::create<suite::ClsFormcolor>(suite::progid::FormColor);
    s.formColor->adocon = connection;
    s.userAuditing = suite::Factory::create<suite::ClsUserAuditing>(suite::progid::UserAuditing);
}

// The properties a host sets before Show: company, shop and user 1, caption "Shop", 6 December 2026.
inline void prepareComponent(component::clsReceiptsShop& component, const ado::ConnectionPtr& connection) {
    component.setAdocon(connection);
    component.intCompanyID = 1;
    component.intShopID = 1;
    component.intUserID = 1;
    component.strMsgboxCaption = QStringLiteral("Shop");
    component.dtProcessDate = QDateTime(QDate(2026, 12, 6), QTime(0, 0));
}

} // namespace testing_support
