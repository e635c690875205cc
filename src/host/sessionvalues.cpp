// Handing the session to the component.
#include "sessionvalues.h"

#include "module/clsreceiptsshop.h"

namespace host {

void SessionValues::applyTo(module::clsReceiptsShop& component, const ado::ConnectionPtr& connection) const {
    component.setAdocon(connection);
    component.strMsgboxCaption = caption;
    component.intCompanyID = companyId;
    component.intShopID = shopId;
    component.intUserID = userId;
    component.intFinancialID = financialId;
    component.dtProcessDate = QDateTime(processDate, QTime(0, 0));
}

} // namespace host
