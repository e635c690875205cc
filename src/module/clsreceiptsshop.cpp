// Show: the session is filled before the register loads.
#include "clsreceiptsshop.h"

#include "register/frmmaster.h"
#include "session.h"
#include "windows.h"

namespace module {

clsReceiptsShop::clsReceiptsShop() = default;

// The windows go with the component.
clsReceiptsShop::~clsReceiptsShop() {
    session().registerWindow = nullptr;
    windows().clear();
}

ado::ConnectionPtr clsReceiptsShop::adocon() {
    if (!adocon_) adocon_ = ado::Connection::create();
    return adocon_;
}

receipts::FrmMaster& clsReceiptsShop::frmMaster() { return windows().get<receipts::FrmMaster>(); }

void clsReceiptsShop::Show() {
    receipts::FrmMaster& master = frmMaster();
    master.connection = adocon();
    Session& s = session();
    s.companyId = intCompanyID;
    s.shopId = intShopID;
    s.userId = intUserID;
    s.financialId = intFinancialID;
    s.processDate = dtProcessDate;
    s.msgboxCaption = strMsgboxCaption;
    s.registerWindow = &master;
    master.showModal();
}

} // namespace module
