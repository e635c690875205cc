// The rows of a grid or a list view as text a spreadsheet takes in, for Ctrl+C on either.
#pragma once

#include <QList>
#include <QString>

namespace forms {

class Control;
class Grid;
class ListView;

// The grid's columns that show: those with a width.
QList<int> shownColumns(const Grid& grid);

// A header line, then a line for each row, each line ended by a line feed and its cells separated by tabs.
// Columns without width are hidden and left out; a tab or a line end inside a cell becomes a blank, so that
// every row stays one line.
// The grid's selected rows under its last fixed row.
QString copiedRows(const Grid& grid);
// The list view's selected item, or every item when none is selected.
QString copiedRows(const ListView& list);

// Ctrl+C on a grid or a list view puts its rows on the clipboard; other keys and controls do nothing.
void copyOnCtrlC(const Control& control, int keyCode, int shift);

} // namespace forms
