// Opening the component's one entry window for the register.
#include "entrycommands.h"

#include "frmreceiptshop.h"

#include "output/textvoucher.h"
#include "shared/windows.h"

namespace entry {

namespace {

frmReceiptShop& entryOn(const ado::ConnectionPtr& connection) {
    frmReceiptShop& entry = shared::windows().get<frmReceiptShop>();
    entry.setAdocon(connection);
    return entry;
}

} // namespace

void enterNewReceipt(const ado::ConnectionPtr& connection, forms::Form& owner) {
    entryOn(connection).showModal(&owner);
}

void printThroughEntryWindow(const ado::ConnectionPtr& connection, qint32 receiptId) {
    frmReceiptShop& entry = shared::windows().get<frmReceiptShop>();
    const bool wasLoaded = entry.isLoaded();
    if (!wasLoaded) {
        entry.setAdocon(connection);
        entry.load();
    }
    output::printRvoucher(receiptId);
    if (wasLoaded) return;
    // Loaded only to print, the window holds no entry: its close check has nothing to ask.
    entry.setTag(QString());
    entry.unload();
}

void showStoredReceipt(const ado::ConnectionPtr& connection, const QString& receiptId, forms::Form& owner) {
    frmReceiptShop& entry = entryOn(connection);
    entry.showStoredReceipt(receiptId);
    entry.showModal(&owner);
}

} // namespace entry
