// Copying rows: one line per row, tabs between cells.
#include "tablecopy.h"

#include "grid.h"
#include "listview.h"
#include "runtime.h"

#include <QStringList>
#include <algorithm>

namespace forms {

namespace {

constexpr int CKey = 'C';

QString cellText(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    return text;
}

// The header row, then rows first to last.
QList<int> rowsFrom(int header, int first, int last) {
    QList<int> rows{header};
    for (int row = first; row <= last; ++row)
        rows << row;
    return rows;
}

// The lines of the rows given, each with the cells of the shown columns.
template <typename CellOf> QString linesOf(const QList<int>& columns, const QList<int>& rows, CellOf cellOf) {
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int column : columns)
            cells << cellText(cellOf(row, column));
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

} // namespace

QList<int> shownColumns(const Grid& grid) {
    QList<int> columns;
    for (int column = 0; column < grid.cols(); ++column)
        if (grid.colWidth(column) > 0) columns << column;
    return columns;
}

QString copiedRows(const Grid& grid) {
    const QList<int> columns = shownColumns(grid);
    const int firstData = grid.fixedRows();
    const int first = std::max(std::min(grid.row(), grid.rowSel()), firstData);
    const int last = std::max(grid.row(), grid.rowSel());
    return linesOf(columns, rowsFrom(firstData - 1, first, last),
                   [&](int row, int column) { return row < 0 ? QString() : grid.textMatrix(row, column); });
}

QString copiedRows(const ListView& list) {
    QList<int> columns;
    for (int column = 1; column <= list.columnCount(); ++column)
        if (list.header(column).width > 0) columns << column;
    const int selected = list.selectedItem();
    return linesOf(columns, rowsFrom(0, selected ? selected : 1, selected ? selected : list.count()),
                   [&](int item, int column) {
                       return item == 0 ? list.header(column).text : list.cell(item, column - 1);
                   });
}

void copyOnCtrlC(const Control& control, int keyCode, int shift) {
    if (keyCode != CKey || (shift & (CtrlMask | AltMask)) != CtrlMask) return;
    if (control.kind() == ControlKind::Grid)
        Runtime::backend().copyText(copiedRows(static_cast<const Grid&>(control)));
    else if (control.kind() == ControlKind::ListView)
        Runtime::backend().copyText(copiedRows(static_cast<const ListView&>(control)));
}

} // namespace forms
