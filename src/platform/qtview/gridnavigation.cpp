// Movement keys of the grid, by the host's key codes.
#include "gridnavigation.h"

#include "platform/forms/control.h"
#include "platform/forms/grid.h"

#include <algorithm>

namespace qtview {

namespace {

enum MoveKey { PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40 };

std::optional<GridCell> unclamped(const forms::Grid& grid, GridCell from, int keyCode, bool ctrl,
                                  int pageRows) {
    switch (keyCode) {
    case Up:
        return GridCell{from.row - 1, from.col};
    case Down:
        return GridCell{from.row + 1, from.col};
    case Left:
        return GridCell{from.row, from.col - 1};
    case Right:
        return GridCell{from.row, from.col + 1};
    case PageUp:
        return GridCell{from.row - pageRows, from.col};
    case PageDown:
        return GridCell{from.row + pageRows, from.col};
    case Home:
        return ctrl ? GridCell{grid.fixedRows(), from.col} : GridCell{from.row, grid.fixedCols()};
    case End:
        return ctrl ? GridCell{grid.rows() - 1, from.col} : GridCell{from.row, grid.cols() - 1};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<GridCell> cellAfterKey(const forms::Grid& grid, GridCell from, int keyCode, int shift,
                                     int pageRows) {
    if (grid.rows() <= grid.fixedRows() || grid.cols() <= grid.fixedCols()) return std::nullopt;
    auto cell = unclamped(grid, from, keyCode, shift & forms::CtrlMask, std::max(pageRows, 1));
    if (cell) {
        cell->row = std::clamp(cell->row, grid.fixedRows(), grid.rows() - 1);
        cell->col = std::clamp(cell->col, grid.fixedCols(), grid.cols() - 1);
    }
    return cell;
}

} // namespace qtview
