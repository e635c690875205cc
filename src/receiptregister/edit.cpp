// The register's Edit command: the stored receipt of the current row shown read-only in the entry window.
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "entry/entrycommands.h"
#include "shared/reporterror.h"

namespace receiptregister {

using shared::session;

void FrmMaster::CmdEdit_Click() {
    shared::trapped(name(), QStringLiteral("CmdEdit_Click "), [this] {
        shared::Session& s = session();
        s.EntryMode = QStringLiteral("E");
        s.userAuditing->LoggedTime = QDateTime::currentDateTime();
        entry::showStoredReceipt(connection_,
                                 flexMaster.textMatrix(flexMaster.row(), shared::gridcol::ReceiptId), *this);
        returnToList();
    });
}

} // namespace receiptregister
