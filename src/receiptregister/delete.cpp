// The register's Delete command: a receipt cancelled with a reason, its row kept and shown in red.
#include "frmcancelreason.h"
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"
#include "platform/forms/runtime.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/windows.h"

namespace receiptregister {

using shared::session;

namespace {

const char* const CancelStatement =
    "update LosDummyReceiptHeader set drcancelled = 1 ,drCancelledRemarks = :reason where drshopid=:shop "
    "and drid = ':receipt'";

QString shopText() {
    return QString::number(session().shopId);
}

// Any text in drcancelledremarks means the receipt was dealt with already, by head office or by an
// earlier cancellation: it can no longer be cancelled here.
bool refusedAsProcessed(const QString& receiptId) {
    shared::Session& s = session();
    const QString remarks = core::nullAsEmpty(s.commonDb->fnreturnfield(
        QStringLiteral("losdummyreceiptheader"), QStringLiteral("drcancelledremarks"),
        QStringLiteral("drId =") + core::numberText(core::val(receiptId)) +
            QStringLiteral(" And drShopid = ") + shopText()));
    if (remarks.isEmpty()) return false;
    forms::Runtime::msgBox(QStringLiteral("The Receipt is processed in HQ, Cannot Delete"),
                           forms::MsgButtons::OK, forms::MsgIcon::Information, s.msgboxCaption);
    return true;
}

bool confirmed(const QString& receiptNo) {
    return forms::Runtime::msgBox(QStringLiteral("Are you sure you want to Delete the entry of - ") +
                                      receiptNo + QStringLiteral(" ?"),
                                  forms::MsgButtons::YesNo, forms::MsgIcon::Question, session().msgboxCaption,
                                  forms::DefaultButton2) == forms::MsgResult::Yes;
}

// The flag, the reason and the audit entry are stored together or not at all.
void cancelInDatabase(const ado::ConnectionPtr& connection, const QString& receiptId,
                      const QString& receiptNo, const QString& reason) {
    ado::Transaction transaction(connection);
    connection->execute(core::statement(
        CancelStatement, {{"reason", ado::quoted(reason)}, {"shop", shopText()}, {"receipt", receiptId}}));
    session().userAuditing->SaveUserAuditingInfo(receiptId, receiptNo, true, QStringLiteral("D"));
    transaction.commit();
}

} // namespace

void FrmMaster::CmdDelete_Click() {
    shared::trapped(name(), QStringLiteral("CmdDelete_Click "), [this] {
        const int row = flexMaster.row();
        const QString receiptId = flexMaster.textMatrix(row, shared::gridcol::ReceiptId);
        if (receiptId.isEmpty() || refusedAsProcessed(receiptId)) return;
        const QString receiptNo = flexMaster.textMatrix(row, shared::gridcol::ReceiptNo);
        if (!confirmed(receiptNo)) return;
        shared::windows().get<frmcancelreason>().showModal(this);
        // The dialog closed through its frame before a reason was given: the cancellation is abandoned.
        if (CancellationReason.isEmpty()) return;
        session().userAuditing->LoggedTime = QDateTime::currentDateTime();
        cancelInDatabase(connection, receiptId, receiptNo, CancellationReason);
        flexMaster.setTextMatrix(row, shared::gridcol::Cancelled, QStringLiteral("Yes"));
        session().EntryMode = QStringLiteral("E");
        shared::UpdateEditedRow(QStringLiteral("drid=") + receiptId, core::toInt32(receiptId));
        // Colouring moves the current cell over every row; the check below reads where it ends.
        shared::MarkCancelledRows();
        if (flexMaster.textMatrix(flexMaster.row(), shared::gridcol::Cancelled) == QLatin1String("Yes"))
            CmdDelete.setEnabled(false);
        flexMaster.setRow(row);
        flexMaster.setTopRow(row);
        flexMaster.setCol(0);
        flexMaster.setColSel(flexMaster.cols() - 1);
        flexMaster_EnterCell();
        flexMaster_SelChange();
    });
}

} // namespace receiptregister
