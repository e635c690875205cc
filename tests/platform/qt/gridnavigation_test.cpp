// Where the movement keys take a grid's cell.
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/qt/gridnavigation.h"

#include <gtest/gtest.h>

using qtview::cellAfterKey;
using qtview::GridCell;

namespace {

enum Key { PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40 };

class GridNavigation : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setCols(4);
        grid.setRows(10);
    }
    std::optional<GridCell> after(GridCell from, int key, int shift = 0) {
        return cellAfterKey(grid, from, key, shift, 5);
    }
    forms::Form form{QStringLiteral("F"), QStringLiteral("F")};
    forms::Grid grid{form, QStringLiteral("g")};
};

TEST_F(GridNavigation, arrowsMoveOneCell) {
    EXPECT_EQ(after({3, 2}, Down), (GridCell{4, 2}));
    EXPECT_EQ(after({3, 2}, Up), (GridCell{2, 2}));
    EXPECT_EQ(after({3, 2}, Left), (GridCell{3, 1}));
    EXPECT_EQ(after({3, 2}, Right), (GridCell{3, 3}));
}

TEST_F(GridNavigation, movesStopAtTheFixedCellsAndTheLastCell) {
    EXPECT_EQ(after({1, 1}, Up), (GridCell{1, 1}));
    EXPECT_EQ(after({1, 1}, Left), (GridCell{1, 1}));
    EXPECT_EQ(after({9, 3}, Down), (GridCell{9, 3}));
    EXPECT_EQ(after({9, 3}, Right), (GridCell{9, 3}));
}

TEST_F(GridNavigation, pageKeysMoveByThePageAndStopAtTheEnds) {
    EXPECT_EQ(after({2, 2}, PageDown), (GridCell{7, 2}));
    EXPECT_EQ(after({7, 2}, PageDown), (GridCell{9, 2}));
    EXPECT_EQ(after({7, 2}, PageUp), (GridCell{2, 2}));
    EXPECT_EQ(after({3, 2}, PageUp), (GridCell{1, 2}));
}

TEST_F(GridNavigation, homeAndEndGoToTheRowsEndsAndWithCtrlToTheGridsEnds) {
    EXPECT_EQ(after({4, 2}, Home), (GridCell{4, 1}));
    EXPECT_EQ(after({4, 2}, End), (GridCell{4, 3}));
    EXPECT_EQ(after({4, 2}, Home, forms::CtrlMask), (GridCell{1, 2}));
    EXPECT_EQ(after({4, 2}, End, forms::CtrlMask), (GridCell{9, 2}));
}

TEST_F(GridNavigation, otherKeysAndGridsWithoutDataCellsMoveNothing) {
    EXPECT_FALSE(after({3, 2}, 13).has_value());
    EXPECT_FALSE(after({3, 2}, 'A').has_value());
    grid.setRows(1);
    EXPECT_FALSE(after({0, 1}, Down).has_value());
}

} // namespace
