// Shared procedures: list layouts, Enter-to-Tab, cancelled rows, row refresh.
#include "formhelpers.h"
#include "registergrid.h"

#include "filecode.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "reporterror.h"
#include "session.h"

#include <algorithm>

namespace shared {

namespace {
// The stored columns of one list of one window of one transaction, the names compared trimmed and in
// capitals.
const char* const ListLayoutStatement =
    "select * from alistviewdetails where lvwdid=(select lvwid from alistviewheader where   "
    "ltrim(rtrim(upper(lvwtransname)))=':transaction' and ltrim(rtrim(upper(lvwname)))=':list' and "
    "ltrim(rtrim(upper(lvwmodulename)))=':module')";
} // namespace

void ApplyListViewLayout(const QString& transactionName, forms::ListView& listView,
                         const QString& moduleName) {
    auto normal = [](const QString& text) { return core::trimBlanks(text).toUpper(); };
    ado::Recordset rs;
    rs.open(core::statement(ListLayoutStatement, {{"transaction", normal(transactionName)},
                                                  {"list", normal(listView.name())},
                                                  {"module", normal(moduleName)}}),
            registerConnection());
    for (; !rs.eof(); rs.moveNext()) {
        const int header = int(core::val(rs.field(QStringLiteral("lvwcolid"))));
        listView.setHeaderWidth(header, core::toInt32(rs.field(QStringLiteral("lvwdcolwidth"))));
        listView.setHeaderAlignment(
            header, forms::Alignment(core::toInt32(rs.field(QStringLiteral("lvwdcolalign")))));
    }
    rs.close();
}

void SendTabOnEnter(int& keyAscii) {
    if (keyAscii == forms::keys::Enter) forms::Runtime::sendTab();
}

void MarkCancelledRows() {
    forms::Grid& grid = session().registerWindow->grid();
    const int lastCol = std::min(int(gridcol::Cancelled), grid.cols() - 1);
    for (int row = 1; row < grid.rows(); ++row) {
        if (grid.textMatrix(row, gridcol::Cancelled) != QLatin1String("Yes")) continue;
        grid.setRow(row);
        for (int col = 0; col <= lastCol; ++col) {
            grid.setCol(col);
            grid.setCellForeColor(forms::ColorRed);
        }
    }
    // The current cell ends where marking every row left it.
    if (grid.rows() > 1) {
        grid.setRow(grid.rows() - 1);
        grid.setCol(lastCol);
    }
}

QString restrictedGridQuery(const QString& gridQuery, const QString& condition) {
    QString query = gridQuery;
    const int orderBy = query.indexOf(QStringLiteral("order by"), 0, Qt::CaseInsensitive);
    if (orderBy >= 0) query.truncate(orderBy);
    const bool hasWhere = query.contains(QStringLiteral("where"), Qt::CaseInsensitive);
    return query + (hasWhere ? QStringLiteral(" and ") : QStringLiteral(" where ")) + condition;
}

static QStringList rowTexts(const ado::Recordset& rs) {
    QStringList texts;
    for (int i = 0; i < rs.fieldCount(); ++i)
        texts << core::nullAsEmpty(rs.field(i));
    return texts;
}

static void selectLastRow(forms::Grid& grid) {
    grid.setRow(grid.rows() - 1);
    grid.setTopRow(grid.row());
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
}

static void fillRow(forms::Grid& grid, int row, const QStringList& texts, int firstColumn) {
    for (int col = firstColumn; col < texts.size() && col < grid.cols(); ++col)
        grid.setTextMatrix(row, col, texts[col]);
}

void UpdateEditedRow(const QString& condition, qint32 receiptId) {
    trapped(SharedModuleName, QStringLiteral("UpdateEditedRow"), [&] {
        forms::Grid& grid = session().registerWindow->grid();
        ado::Recordset rs;
        rs.open(restrictedGridQuery(session().registerWindow->gridQuery(), condition), registerConnection());
        if (rs.eof()) return;
        const QStringList texts = rowTexts(rs);
        rs.close();
        if (session().EntryMode == QLatin1String("E")) {
            fillRow(grid, grid.row(), texts, 1);
        } else if (grid.rows() == 2 && grid.textMatrix(1, 0).isEmpty()) {
            fillRow(grid, 1, texts, 0);
        } else {
            QStringList row = texts;
            row[0] = QString::number(receiptId);
            grid.addItem(row.join(QLatin1Char('\t')));
            selectLastRow(grid);
        }
    });
}

} // namespace shared
