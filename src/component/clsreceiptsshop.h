// The component's one public class: the host sets the session and calls Show.
#pragma once

#include "platform/ado/connection.h"

#include <QDateTime>
#include <QString>

namespace receiptregister {
class FrmMaster;
}

namespace component {

class clsReceiptsShop {
public:
    clsReceiptsShop();
    ~clsReceiptsShop();

    // The open connection; a new, unopened connection when the host never set one.
    ado::ConnectionPtr adocon();
    void setAdocon(const ado::ConnectionPtr& connection) { adocon_ = connection; }

    QString strMsgboxCaption;
    qint32 intCompanyID = 0;
    qint32 intShopID = 0;
    qint32 intUserID = 0;
    qint32 intFinancialID = 0;
    QDateTime dtProcessDate;

    // Copies the session and shows the register modally; returns when the register closes.
    void Show();

    // The component's register window (created on first reference).
    receiptregister::FrmMaster& frmMaster();

private:
    ado::ConnectionPtr adocon_;
};

} // namespace component
