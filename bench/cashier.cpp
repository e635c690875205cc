// The module driven headless as a cashier drives it, for the benchmarks that save receipts.
#include "cashier.h"

#include "component/clsreceiptsshop.h"
#include "entry/invoicelists.h"
#include "platform/core/conversions.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "platform/suite/errordetails.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace bench {

CashierFolder::CashierFolder() {
    os::setApplicationFolder(folder_.path());
    QFile settings(QDir(folder_.path()).filePath(QStringLiteral("shopsetting.txt")));
    ready_ = settings.open(QIODevice::WriteOnly) && settings.write("defaultprint :=0\r\n") > 0;
}

void reportErrorsOnStderr(std::function<void()> count) {
    suite::setErrorNotifier([count = std::move(count)](const suite::ErrorRecord& error) {
        std::fprintf(stderr, "error in %s: %s\n", qPrintable(error.procedureName),
                     qPrintable(error.description));
        if (count) count();
    });
}

void showRegister(const ado::ConnectionPtr& connection, int shopId, const Cashier& cashier) {
    forms::HeadlessBackend backend;
    backend.onMessage = cashier.onMessage;
    backend.onModal = [&](forms::Form& form) {
        if (auto* master = dynamic_cast<receiptregister::FrmMaster*>(&form)) {
            cashier.inRegister(*master);
            master->unload();
            return;
        }
        auto& entry = static_cast<entry::frmReceiptShop&>(form);
        cashier.inEntry(entry);
        if (entry.isShown()) entry.unload();
    };
    forms::Runtime::setBackend(&backend);
    component::clsReceiptsShop component;
    component.setAdocon(connection);
    component.intCompanyID = 1;
    component.intShopID = shopId;
    component.intUserID = 1;
    component.intFinancialID = 1;
    component.dtProcessDate = QDateTime(QDate::currentDate(), QTime());
    component.Show();
    forms::Runtime::setBackend(nullptr);
}

int customerIndex(const entry::frmReceiptShop& entry, qint32 customerId) {
    for (int i = 0; i < entry.cboCustomer.listCount(); ++i)
        if (entry.cboCustomer.itemData(i) == customerId) return i;
    return -1;
}

void enterSettlement(entry::frmReceiptShop& entry, const std::vector<Settlement>& settlements) {
    entry.txtBank.setText(QStringLiteral("Bank of Maldives"));
    entry.txtRemarks.setText(QStringLiteral("bench settlement"));
    entry.txtchequeno.setText(QStringLiteral("100200"));
    double total = 0;
    for (const auto& [item, amount] : settlements) {
        const QString settled = core::format(amount, QStringLiteral("0.00"));
        entry.lvwInvoice.setCell(item, entry::ShopListColumns.settlement, settled);
        total += core::val(settled);
    }
    const QString amount = core::format(total, QStringLiteral("0.00"));
    entry.txtAmount.setText(amount);
    entry.txtrecamount.setText(amount);
}

} // namespace bench
