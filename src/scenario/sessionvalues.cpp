// Handing the session to the component.
#include "sessionvalues.h"

#include "component/clsreceiptsshop.h"

namespace scenario {

void SessionValues::applyTo(component::clsReceiptsShop& component,
                            const ado::ConnectionPtr& connection) const {
    component.setAdocon(connection);
    component.strMsgboxCaption = caption;
    component.intCompanyID = companyId;
    component.intShopID = shopId;
    component.intUserID = userId;
    component.intFinancialID = financialId;
    component.dtProcessDate = QDateTime(processDate, QTime(0, 0));
}

} // namespace scenario
