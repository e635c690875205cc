// Movement keys of the grid, by the host's key codes.
#include "gridnavigation.h"

#include "platform/forms/control.h"
#include "platform/forms/grid.h"
#include "platform/forms/userinput.h"

#include <algorithm>

namespace qtview {

namespace {

std::optional<GridCell> unclamped(const forms::Grid& grid, GridCell from, int keyCode, bool ctrl,
                                  int pageRows) {
    switch (keyCode) {
    case forms::keys::Up:
        return GridCell{from.row - 1, from.col};
    case forms::keys::Down:
        return GridCell{from.row + 1, from.col};
    case forms::keys::Left:
        return GridCell{from.row, from.col - 1};
    case forms::keys::Right:
        return GridCell{from.row, from.col + 1};
    case forms::keys::PageUp:
        return GridCell{from.row - pageRows, from.col};
    case forms::keys::PageDown:
        return GridCell{from.row + pageRows, from.col};
    case forms::keys::Home:
        return ctrl ? GridCell{grid.fixedRows(), from.col} : GridCell{from.row, grid.fixedCols()};
    case forms::keys::End:
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
