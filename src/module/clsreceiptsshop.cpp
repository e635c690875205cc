// Show: the session is filled before the register loads.
#include "clsreceiptsshop.h"

#include "register/frmmaster.h"
#include "session.h"

namespace module {

clsReceiptsShop::clsReceiptsShop() = default;

clsReceiptsShop::~clsReceiptsShop() {
    if (session().registerWindow == frmMaster_.get()) session().registerWindow = nullptr;
}

ado::ConnectionPtr clsReceiptsShop::adocon() {
    if (!adocon_) adocon_ = ado::Connection::create();
    return adocon_;
}

receipts::FrmMaster& clsReceiptsShop::frmMaster() {
    if (!frmMaster_) frmMaster_ = std::make_unique<receipts::FrmMaster>();
    return *frmMaster_;
}

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
