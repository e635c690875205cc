// Toolkit key events as the key codes, shift states and characters handlers see; where keys move a grid's
// cell.
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/qtview/gridnavigation.h"
#include "platform/qtview/keystroke.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

using qtview::GridCell;
constexpr int None = forms::NoShift, Shift = forms::ShiftMask, Ctrl = forms::CtrlMask, Alt = forms::AltMask;

// Keys the window tests do not press: the rest of each kind of key.
TEST(KeyStroke, keyEventsGiveTheHostsKeyCodeShiftAndCharacter) {
    const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    const struct {
        int key, modifiers;
        const char* text;
        int keyCode, shift, character;
    } table[] = {{Qt::Key_A, shift, "A", 'A', Shift, 'A'}, {Qt::Key_5, 0, "5", '5', None, '5'},
                 {Qt::Key_D, ctrl, "\x04", 'D', Ctrl, 4},  {Qt::Key_Enter, ctrl, "", 13, Ctrl, 10},
                 {Qt::Key_Escape, 0, "", 27, None, 27},    {Qt::Key_F1, 0, "", 112, None, 0},
                 {Qt::Key_PageDown, 0, "", 34, None, 0},   {Qt::Key_Backtab, shift, "", 9, Shift, 0},
                 {Qt::Key_Period, 0, ".", 190, None, '.'}, {Qt::Key_Apostrophe, 0, "'", 222, None, '\''},
                 {Qt::Key_Minus, 0, "-", 189, None, '-'},  {Qt::Key_X, alt, "x", 'X', Alt, 0}};
    for (const auto& row : table) {
        const qtview::KeyStroke stroke = qtview::keyStrokeOf(QKeyEvent(
            QEvent::KeyPress, row.key, Qt::KeyboardModifiers(row.modifiers), QString::fromLatin1(row.text)));
        EXPECT_EQ(std::tuple(stroke.keyCode, stroke.shift, stroke.character),
                  std::tuple(row.keyCode, row.shift, row.character))
            << "key " << std::hex << row.key << " modifiers " << row.modifiers;
    }
    EXPECT_TRUE(qtview::keyStrokeOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier)).isEmpty());
}

enum Key { PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40 };

// A grid of ten rows and four columns, one of each fixed, with a page of five rows.
TEST(GridNavigation, keysMoveTheCellWithinTheDataCells) {
    const struct {
        GridCell from;
        int key, shift;
        std::optional<GridCell> to;
        int rows = 10;
    } table[] = {
        {{3, 2}, Down, 0, {{4, 2}}},       {{3, 2}, Up, 0, {{2, 2}}},     {{3, 2}, Left, 0, {{3, 1}}},
        {{3, 2}, Right, 0, {{3, 3}}},      {{1, 1}, Up, 0, {{1, 1}}},     {{1, 1}, Left, 0, {{1, 1}}},
        {{9, 3}, Down, 0, {{9, 3}}},       {{9, 3}, Right, 0, {{9, 3}}},  {{2, 2}, PageDown, 0, {{7, 2}}},
        {{7, 2}, PageDown, 0, {{9, 2}}},   {{7, 2}, PageUp, 0, {{2, 2}}}, {{3, 2}, PageUp, 0, {{1, 2}}},
        {{4, 2}, Home, 0, {{4, 1}}},       {{4, 2}, End, 0, {{4, 3}}},    {{4, 2}, Home, Ctrl, {{1, 2}}},
        {{4, 2}, End, Ctrl, {{9, 2}}},     {{3, 2}, 13, 0, std::nullopt}, {{3, 2}, 'A', 0, std::nullopt},
        {{0, 1}, Down, 0, std::nullopt, 1}};
    for (const auto& row : table) {
        forms::Form form("F", "F");
        forms::Grid grid(form, "g");
        grid.setCols(4);
        grid.setRows(row.rows);
        const std::optional<GridCell> to = qtview::cellAfterKey(grid, row.from, row.key, row.shift, 5);
        EXPECT_TRUE(to == row.to) << "key " << row.key << " from " << row.from.row << "," << row.from.col;
    }
}

} // namespace
