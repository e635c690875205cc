// The module driven headless as a cashier drives it, for the benchmarks that save receipts.
#include "cashier.h"

#include "component/clsreceiptsshop.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "receiptregister/frmmaster.h"
#include "shared/services/errordetails.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace bench {

CashierFolder::CashierFolder() {
    os::setApplicationFolder(folder_.path());
    QFile settings(QDir(folder_.path()).filePath(QStringLiteral("shopsetting.txt")));
    ready_ = settings.open(QIODevice::WriteOnly) && settings.write("defaultprint :=0\r\n") > 0;
}

bool asksAboutEarlierPayment(const forms::MessageBoxRequest& request) {
    return request.text.endsWith(QLatin1String(" Save this receipt as well?"));
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
            testing_support::RegisterControls controls(*master);
            cashier.inRegister(controls);
            master->unload();
            return;
        }
        testing_support::EntryControls entry(static_cast<entry::frmReceiptShop&>(form));
        cashier.inEntry(entry);
        if (entry.window.isShown()) entry.window.unload();
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

int customerIndex(const testing_support::EntryControls& entry, qint32 customerId) {
    for (int i = 0; i < entry.cboCustomer.listCount(); ++i)
        if (entry.cboCustomer.itemData(i) == customerId) return i;
    return -1;
}

void enterSettlement(testing_support::EntryControls& entry, const std::vector<Settlement>& settlements,
                     const QString& chequeNo) {
    entry.txtBank.setText(QStringLiteral("Bank of Maldives"));
    entry.txtRemarks.setText(QStringLiteral("bench settlement"));
    entry.txtchequeno.setText(chequeNo);
    entry::Money total;
    for (const auto& [item, amount] : settlements) {
        entry.window.settleLine(entry::DocumentList::Shop, item, amount);
        total += amount;
    }
    entry.txtrecamount.setText(total.text());
}

} // namespace bench
