// The register's Post Ledgers and Print commands.
#include "frmmaster.h"

#include "entry/entrycommands.h"
#include "output/frmprint.h"
#include "output/frmstatus.h"
#include "platform/forms/runtime.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/windows.h"
#include "store/receiptregister.h"

namespace receiptregister {

using shared::session;
using shared::trapped;

namespace {
const QString PostQuestion = QStringLiteral("Posted entries cannot be deleted or modified") +
                             QStringLiteral("\r\n") +
                             QStringLiteral("Are you sure you want to Post the entry(s) ?");
} // namespace

// The grid is reloaded whether or not the posting committed: the posting window reports its own failure.
// Posting cannot be undone, so an Enter that reaches the question by mistake answers No.
void FrmMaster::cmdUpdate_Click() {
    trapped(name(), QStringLiteral("cmdUpdate_Click "), [this] {
        if (forms::Runtime::msgBox(PostQuestion, forms::MsgButtons::YesNo, forms::MsgIcon::Information,
                                   session().msgboxCaption, forms::DefaultButton2) == forms::MsgResult::No)
            return;
        shared::windows().get<output::frmStatus>().showModal(this);
        GridPopulate(strGridQuery_, store::RegisterTable);
        // The reloaded grid marks its cancelled receipts again, as after loading, and its selection takes
        // the colour of the row it now stands on.
        shared::MarkCancelledRows();
        flexMaster_SelChange();
        cmdUpdate.setEnabled(false);
        CmdDelete.setEnabled(false);
    });
}

void FrmMaster::cmdPrint_Click() {
    trapped(name(), QStringLiteral("cmdPrint_Click "), [this] {
        output::frmPrint& dialog = shared::windows().get<output::frmPrint>();
        dialog.voucherPrinter = [](qint32 receiptId) {
            entry::printThroughEntryWindow(shared::registerConnection(), receiptId);
        };
        dialog.showModal(this);
    });
}

} // namespace receiptregister
