// User actions on list views and grids: clicks on items and cells, drags and pointer moves.
#include "controlhelpers.h"
#include "grid.h"
#include "listview.h"
#include "userchecks.h"
#include "userinput.h"

namespace forms {

namespace {

void requireItem(const ListView& list, int item) {
    if (item < 1 || item > list.count()) failAction(list, QStringLiteral("has no item %1").arg(item));
}

void requireCell(const Grid& grid, int row, int col) {
    if (row < 0 || row >= grid.rows() || col < 0 || col >= grid.cols())
        failAction(grid, QStringLiteral("has no cell (%1, %2)").arg(row).arg(col));
}

// The current cell and the selection move only onto cells outside the fixed rows and columns.
void requireDataCell(const Grid& grid, int row, int col) {
    requireCell(grid, row, col);
    if (row < grid.fixedRows() || col < grid.fixedCols())
        failAction(grid, QStringLiteral("cell (%1, %2) is a fixed cell").arg(row).arg(col));
}

} // namespace

namespace user {

void clickItem(ListView& list, int item) {
    reach(list);
    requireItem(list, item);
    list.setSelectedItem(item);
    fire(list.MouseDown, int(LeftButton), int(NoShift), 0.0f, 0.0f);
    fire(list.ItemClick, item);
    fire(list.MouseUp, int(LeftButton), int(NoShift), 0.0f, 0.0f);
    fire(list.Click);
}

void doubleClickItem(ListView& list, int item) {
    clickItem(list, item);
    fire(list.DblClick);
}

void rightClickItem(ListView& list, int item) {
    reach(list);
    requireItem(list, item);
    list.setSelectedItem(item);
    pressMouse(list, RightButton);
}

void clickCell(Grid& grid, int row, int col) {
    reach(grid);
    requireDataCell(grid, row, col);
    fire(grid.LeaveCell);
    grid.setRow(row);
    grid.setCol(col);
    fire(grid.EnterCell);
    fire(grid.RowColChange);
    fire(grid.SelChange);
    pressMouse(grid, LeftButton);
    fire(grid.Click);
}

void doubleClickRow(Grid& grid, int row) {
    reach(grid);
    clickCell(grid, row, grid.col());
    fire(grid.DblClick);
}

void dragRows(Grid& grid, int fromRow, int toRow) {
    reach(grid);
    requireDataCell(grid, fromRow, grid.col());
    requireDataCell(grid, toRow, grid.col());
    grid.setRow(fromRow);
    grid.setRowSel(toRow);
    fire(grid.EnterCell);
    fire(grid.SelChange);
}

void clickHeader(Grid& grid, int col) {
    reach(grid);
    requireCell(grid, 0, col);
    grid.setMouseCell(0, col);
    pressMouse(grid, LeftButton);
    fire(grid.Click);
}

void hoverCell(Grid& grid, int row, int col) {
    requireUsable(grid);
    requireCell(grid, row, col);
    grid.setMouseCell(row, col);
    fire(grid.MouseMove, 0, int(NoShift), 0.0f, 0.0f);
}

} // namespace user
} // namespace forms
