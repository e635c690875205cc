// Where the movement keys take a grid's current cell.
#pragma once

#include <optional>

namespace forms {
class Grid;
}

namespace qtview {

struct GridCell {
    int row = 0;
    int col = 0;
    bool operator==(const GridCell&) const = default;
};

// The cell a key moves to from the given one: arrows by one cell, Page Up and Page Down by a page of
// rows, Home and End to the first and last data column (with Ctrl, the first and last data row).
// The cell stays within the data cells. No value for a key that moves nothing or a grid without data
// cells.
std::optional<GridCell> cellAfterKey(const forms::Grid& grid, GridCell from, int keyCode, int shift,
                                     int pageRows);

} // namespace qtview
