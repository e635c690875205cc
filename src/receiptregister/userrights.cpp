// User rights, the date window and the per-row command rules of the register.
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/core/conversions.h"
#include "shared/reporterror.h"
#include "store/receiptcancellation.h"
#include "store/receiptregister.h"

namespace receiptregister {

using shared::session;

namespace {
const QString AdminRights = QStringLiteral("ADMIN");
} // namespace

void FrmMaster::UserRights() {
    rights_ = store::screenRights(connection_, session().userId, shared::ReceiptInterfaceId);
    if (!rights_) return;
    cmdnew.setEnabled(fnUserRights(QStringLiteral("N")));
    CmdEdit.setEnabled(fnUserRights(QStringLiteral("E")));
    CmdDelete.setEnabled(fnUserRights(QStringLiteral("D")));
    cmdUpdate.setEnabled(fnUserRights(QStringLiteral("U")));
    cmdPrint.setEnabled(fnUserRights(QStringLiteral("P")));
}

// A user without a rights row for this screen is not restricted, also when the per-row rules ask
// again. "ADMIN" is a role name, not a list of letters: it grants nothing on this screen rather than
// New and Delete by accident of its spelling.
bool FrmMaster::fnUserRights(const QString& letter) {
    try {
        if (!rights_) return true;
        const QString wanted = core::trimBlanks(letter).toUpper();
        *rights_ = core::trimBlanks(*rights_).toUpper();
        if (*rights_ == AdminRights) return false;
        return !wanted.isEmpty() && rights_->contains(wanted, Qt::CaseSensitive);
    } catch (const core::RuntimeError& error) {
        session().UserName = registerLookups().userName(session().userId);
        shared::reportTrapped(QStringLiteral("Master Form"), QStringLiteral("fnUserRights"), error);
        return false;
    }
}

// The register lists the receipts dated after the bound: the day before the first day a receipt may be
// dated.
QDateTime FrmMaster::fnPopulateDate() {
    shared::Session& s = session();
    const store::RegisterLookups lookups = registerLookups();
    const QVariant backDays = lookups.backDays();
    const QVariant closeDate = lookups.lastClosing();
    const bool closed = !core::isNull(closeDate) && !core::nullAsEmpty(closeDate).isEmpty();
    receiptDates_ = entry::receiptDates(
        s.processDate.date(), core::nullAsEmpty(backDays).isEmpty() ? 0 : core::toInt32(backDays),
        closed ? std::optional(core::toDateTime(closeDate).date()) : std::nullopt);
    return receiptDates_.first.addDays(-1).startOfDay();
}

std::pair<QDate, QDate> FrmMaster::listedDates() const {
    return {receiptDates_.first, receiptDates_.last};
}

void FrmMaster::flexMaster_EnterCell() {
    shared::trapped(name(), QStringLiteral("flexMaster_EnterCell"), [this] { enterCell(); });
}

void FrmMaster::enterCell() {
    const int row = flexMaster.row();
    if (flexMaster.textMatrix(row, shared::gridcol::ReceiptId).isEmpty()) {
        CmdDelete.setEnabled(false);
        CmdEdit.setEnabled(false);
        cmdPrint.setEnabled(false);
        return;
    }
    const bool cancelled = flexMaster.textMatrix(row, shared::gridcol::Cancelled) == QLatin1String("Yes");
    CmdDelete.setEnabled(!cancelled && deleteAllowedByDate() && fnUserRights(QStringLiteral("D")));
    CmdEdit.setEnabled(fnUserRights(QStringLiteral("E")));
    cmdPrint.setEnabled(fnUserRights(QStringLiteral("P")));
}

bool FrmMaster::deleteAllowedByDate() const {
    return store::withinCancellationWindow(
        *session().commonDb, session().shopId, session().processDate,
        flexMaster.textMatrix(flexMaster.row(), shared::gridcol::ReceiptDate));
}

void FrmMaster::flexMaster_SelChange() {
    shared::trapped(name(), QStringLiteral("flexMaster_SelChange"), [this] {
        if (flexMaster.rowSel() != flexMaster.row()) {
            flexMaster.setForeColorSel(forms::ColorCyan);
            return;
        }
        const int own = flexMaster.cellForeColor();
        flexMaster.setForeColorSel(own != 0 && own != forms::SystemWindowText ? own
                                                                              : forms::SystemHighlightText);
    });
}

} // namespace receiptregister
