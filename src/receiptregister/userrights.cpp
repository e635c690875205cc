// User rights, the date window and the per-row command rules of the register.
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"
#include "shared/reporterror.h"

namespace receiptregister {

using shared::session;

namespace {
const QString AdminRights = QStringLiteral("ADMIN");
const char* const RightsStatement =
    "select functionrights from louserrights where userid = :user and interfaceid = :interface";
} // namespace

void FrmMaster::UserRights() {
    ado::Recordset rs;
    rs.open(core::statement(RightsStatement, {{"user", QString::number(session().userId)},
                                              {"interface", QString::number(shared::ReceiptInterfaceId)}}),
            connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    if (rs.eof()) {
        rs.close();
        return;
    }
    rightsRestricted_ = true;
    RightsText = core::nullAsEmpty(rs.field(QStringLiteral("FunctionRights")));
    rs.close();
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
        if (!rightsRestricted_) return true;
        const QString wanted = core::trimBlanks(letter).toUpper();
        RightsText = core::trimBlanks(RightsText).toUpper();
        if (RightsText == AdminRights) return false;
        return !wanted.isEmpty() && RightsText.contains(wanted, Qt::CaseSensitive);
    } catch (const core::RuntimeError& error) {
        session().UserName = core::nullAsEmpty(session().commonDb->fnreturnfield(
            QStringLiteral("lousers"), QStringLiteral("username"),
            QStringLiteral("userID=") + QString::number(session().userId) + QStringLiteral(" and shopid=") +
                QString::number(session().shopId)));
        shared::reportTrapped(QStringLiteral("Master Form"), QStringLiteral("fnUserRights"), error);
        return false;
    }
}

// The register lists the receipts dated after the bound: the day before the first day a receipt may be
// dated.
QDateTime FrmMaster::fnPopulateDate() {
    shared::Session& s = session();
    const QVariant backDays =
        s.commonDb->fnreturnfield(QStringLiteral("LOsSettings"), QStringLiteral("sNoofBackDays"),
                                  QStringLiteral(" shopid=") + QString::number(s.shopId));
    const QVariant closeDate =
        s.commonDb->fnreturnfield(QStringLiteral("vwshopCloseDate"), QStringLiteral("closedate"),
                                  QStringLiteral(" shopid=") + QString::number(s.shopId));
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

// A receipt older than the shop's cancellation window (futureint days before the process date)
// can no longer be cancelled.
bool FrmMaster::deleteAllowedByDate() const {
    const int days = core::toInt32(
        session().commonDb->fnreturnfield(QStringLiteral("ashops"), QStringLiteral("futureint"),
                                          QStringLiteral(" shopid=") + QString::number(session().shopId)));
    const QString cutOff = core::format(session().processDate.addDays(-days), QStringLiteral("yyyy/mm/dd"));
    const QString receiptDate = core::format(
        flexMaster.textMatrix(flexMaster.row(), shared::gridcol::ReceiptDate), QStringLiteral("yyyy/mm/dd"));
    return !(cutOff > receiptDate);
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
