// Applies stored grid column widths.
#include "mastergridsetting.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"

namespace suite {

void MasterGridSetting::fnGridSettings(qint16 userId, qint16 companyId, forms::Grid& grid,
                                       ado::ConnectionPtr& connection) {
    if (!connection || !connection->isOpen()) return;
    const QString gridName = grid.form().name() + QLatin1Char('.') + grid.name();
    ado::Recordset rs;
    rs.open(
        QStringLiteral("select colindex, colwidth from aGridSettings where userid=%1 and companyid=%2 and "
                       "gridname=%3")
            .arg(userId)
            .arg(companyId)
            .arg(ado::quoted(gridName)),
        connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    for (; !rs.eof(); rs.moveNext()) {
        const int column = core::toInt32(rs.field(0));
        if (column >= 0 && column < grid.cols()) grid.setColWidth(column, core::toInt32(rs.field(1)));
    }
    rs.close();
}

} // namespace suite
