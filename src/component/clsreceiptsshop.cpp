// Show: the session is filled before the register loads.
#include "clsreceiptsshop.h"

#include "receiptregister/frmmaster.h"
#include "shared/session.h"
#include "shared/windows.h"

namespace component {

clsReceiptsShop::clsReceiptsShop() = default;

// The windows go with the component.
clsReceiptsShop::~clsReceiptsShop() {
    shared::session().registerWindow = nullptr;
    shared::windows().clear();
}

ado::ConnectionPtr clsReceiptsShop::adocon() {
    if (!adocon_) adocon_ = ado::Connection::create();
    return adocon_;
}

receiptregister::FrmMaster& clsReceiptsShop::frmMaster() {
    return shared::windows().get<receiptregister::FrmMaster>();
}

void clsReceiptsShop::Show() {
    receiptregister::FrmMaster& master = frmMaster();
    master.setConnection(adocon());
    shared::Session& s = shared::session();
    s.companyId = intCompanyID;
    s.shopId = intShopID;
    s.userId = intUserID;
    s.financialId = intFinancialID;
    s.processDate = dtProcessDate;
    s.msgboxCaption = strMsgboxCaption;
    s.registerWindow = &master;
    master.showModal();
}

} // namespace component
