// A flex grid: cells of text with colours, fixed rows and columns, current cell and selection.
#pragma once

#include "celltexts.h"
#include "control.h"

#include <deque>
#include <vector>

namespace forms {

// Sort codes of the grid's Sort property.
enum SortCode {
    SortGenericAscending = 1,
    SortGenericDescending = 2,
    SortNumericAscending = 3,
    SortNumericDescending = 4,
    SortStringNoCaseAscending = 5,
    SortStringNoCaseDescending = 6,
    SortStringAscending = 7,
    SortStringDescending = 8,
};

// Colour values in blue-green-red order, and the system colours the grid knows.
constexpr int ColorRed = 255;
constexpr int ColorCyan = 0xFFFF00;
constexpr int SystemWindowText = int(0x80000008);
constexpr int SystemHighlightText = int(0x8000000E);

// Rows and columns count from 0 including the fixed ones. Moving the current cell from code raises
// nothing; the view or a scenario raises EnterCell, SelChange and the mouse events.
class Grid : public Control {
public:
    Grid(Form& form, const QString& name, Control* container = nullptr);

    int rows() const { return rows_; }
    void setRows(int rows);
    int cols() const { return cols_; }
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int cols);

    QString textMatrix(int row, int col) const;
    // A text equal to the one of the cell above is kept once for both.
    void setTextMatrix(int row, int col, QStringView text);
    // Text of the current cell.
    QString text() const { return textMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // Text colour of the current cell; 0 when it has none of its own.
    int cellForeColor() const { return cellForeColorAt(row_, col_); }
    void setCellForeColor(int color);
    int cellForeColorAt(int row, int col) const;
    int foreColorSel() const { return foreColorSel_; }
    void setForeColorSel(int color);

    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);
    int rowSel() const { return rowSel_; }
    void setRowSel(int row);
    int colSel() const { return colSel_; }
    void setColSel(int col);
    int topRow() const { return topRow_; }
    void setTopRow(int row);

    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // Removes every row's text and colour, keeping the dimensions.
    void clear();
    // Appends a row whose cells are the tab-separated parts of the text.
    void addItem(const QString& tabSeparated);
    // Appends a row with these texts in its first cells, kept as setTextMatrix keeps them.
    void addRow(const std::vector<QStringView>& texts);
    // Sorts as the Sort property does (see SortCode).
    void sort(int code);

    // Where the mouse is, for MouseMove handlers.
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }
    void setMouseCell(int row, int col);

    std::function<void()> EnterCell;
    std::function<void()> LeaveCell;
    std::function<void()> SelChange;
    std::function<void()> RowColChange;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    struct Cell {
        CellTexts::Place text;
        int foreColor = 0;
    };
    struct Shape {
        int rows = 2, cols = 2, fixedRows = 1, fixedCols = 1;
        std::vector<int> widths;
        int foreColorSel = SystemHighlightText;
    };
    Cell& cellAt(int row, int col);
    const Cell& cellAt(int row, int col) const;
    QStringView textOf(const Cell& cell) const { return texts_.text(cell.text); }
    bool putText(int row, size_t index, QStringView text);
    void checkRow(int row) const;
    void checkCol(int col) const;
    void reshape(int rows, int cols);
    // Keeps the current cell, the selection and the top row inside the grid after a shape change.
    void clampCursor();

    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    // Row-major. A grid filled row by row grows to many thousands of rows: a deque grows in blocks of
    // its own and never moves the cells it holds, where one array would be copied into a larger one
    // again and again. A cell is a place in `texts_` and a colour.
    using Cells = std::deque<Cell>;
    Cells cells_;
    CellTexts texts_;
    std::vector<int> widths_;
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1, topRow_ = 1;
    int foreColorSel_ = SystemHighlightText;
    int mouseRow_ = 0, mouseCol_ = 0;
    Shape designed_;
};

} // namespace forms
