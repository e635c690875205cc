// The register's Delete command: a receipt cancelled with a reason, its row kept and shown in red.
#include "frmcancelreason.h"
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/windows.h"
#include "store/receiptcancellation.h"

namespace receiptregister {

using shared::session;

namespace {

bool refusedAsProcessed(const store::ListedReceipt& receipt) {
    if (!store::dealtWithAlready(*session().commonDb, receipt)) return false;
    forms::Runtime::msgBox(QStringLiteral("The Receipt is processed in HQ, Cannot Delete"),
                           forms::MsgButtons::OK, forms::MsgIcon::Information, session().msgboxCaption);
    return true;
}

bool confirmed(const QString& receiptNo) {
    return forms::Runtime::msgBox(QStringLiteral("Are you sure you want to Delete the entry of - ") +
                                      receiptNo + QStringLiteral(" ?"),
                                  forms::MsgButtons::YesNo, forms::MsgIcon::Question, session().msgboxCaption,
                                  forms::DefaultButton2) == forms::MsgResult::Yes;
}

} // namespace

void FrmMaster::CmdDelete_Click() {
    shared::trapped(name(), QStringLiteral("CmdDelete_Click "), [this] {
        const int row = flexMaster.row();
        const store::ListedReceipt receipt{session().shopId,
                                           flexMaster.textMatrix(row, shared::gridcol::ReceiptId),
                                           flexMaster.textMatrix(row, shared::gridcol::ReceiptNo)};
        if (receipt.id.isEmpty() || refusedAsProcessed(receipt) || !confirmed(receipt.number)) return;
        // The dialog closed through its frame before a reason was given: the cancellation is abandoned.
        const std::optional<QString> reason = shared::windows().get<frmcancelreason>().ask(*this);
        if (!reason) return;
        session().userAuditing->LoggedTime = QDateTime::currentDateTime();
        store::cancelReceipt(connection_, *session().userAuditing, receipt, *reason);
        flexMaster.setTextMatrix(row, shared::gridcol::Cancelled, QStringLiteral("Yes"));
        session().EntryMode = QStringLiteral("E");
        shared::UpdateEditedRow(QStringLiteral("drid=") + receipt.id, core::toInt32(receipt.id));
        // Colouring moves the current cell over every row; the check below reads where it ends.
        shared::MarkCancelledRows();
        if (flexMaster.textMatrix(flexMaster.row(), shared::gridcol::Cancelled) == QLatin1String("Yes"))
            CmdDelete.setEnabled(false);
        selectRow(row);
        flexMaster_EnterCell();
        flexMaster_SelChange();
    });
}

} // namespace receiptregister
