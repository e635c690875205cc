// The flex grid's shape, cells, colours, current cell and selection.
#include "grid.h"

#include "controlhelpers.h"

#include <algorithm>

namespace forms {

namespace {
constexpr int DefaultColWidth = 960;
} // namespace

Grid::Grid(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::Grid, container), cells_(size_t(rows_) * cols_),
      widths_(cols_, DefaultColWidth) {
    designed_.widths = widths_;
}

void Grid::setRows(int rows) {
    if (rows < fixedRows_) throw invalidValue();
    reshape(rows, cols_);
}

void Grid::setCols(int cols) {
    if (cols < fixedCols_) throw invalidValue();
    reshape(rows_, cols);
}

void Grid::setFixedRows(int rows) {
    if (rows < 0 || rows > rows_) throw invalidValue();
    assign(fixedRows_, rows);
}

void Grid::setFixedCols(int cols) {
    if (cols < 0 || cols > cols_) throw invalidValue();
    assign(fixedCols_, cols);
}

QString Grid::textMatrix(int row, int col) const {
    return textOf(cellAt(row, col)).toString();
}

void Grid::setTextMatrix(int row, int col, QStringView text) {
    checkRow(row);
    checkCol(col);
    if (putText(row, size_t(row) * cols_ + col, text)) changed();
}

// Puts the text into the cell at `index` of `row`, where the cell above keeps it when it holds the same text;
// false when the cell held it already.
bool Grid::putText(int row, size_t index, QStringView text) {
    Cell& cell = cells_[index];
    if (textOf(cell) == text) return false;
    const Cell* above = row > 0 ? &cells_[index - cols_] : nullptr;
    cell.text = above && textOf(*above) == text ? above->text : texts_.add(text);
    return true;
}

void Grid::setCellForeColor(int color) {
    assign(cellAt(row_, col_).foreColor, color);
}

int Grid::cellForeColorAt(int row, int col) const {
    return cellAt(row, col).foreColor;
}

void Grid::setForeColorSel(int color) {
    assign(foreColorSel_, color);
}

// Setting the current row or column collapses the selection onto the current cell; code that wants
// a range sets RowSel and ColSel afterwards.
void Grid::setRow(int row) {
    checkRow(row);
    row_ = rowSel_ = row;
    colSel_ = col_;
    changed();
}

void Grid::setCol(int col) {
    checkCol(col);
    col_ = colSel_ = col;
    rowSel_ = row_;
    changed();
}

void Grid::setRowSel(int row) {
    checkRow(row);
    assign(rowSel_, row);
}

void Grid::setColSel(int col) {
    checkCol(col);
    assign(colSel_, col);
}

void Grid::setTopRow(int row) {
    checkRow(row);
    assign(topRow_, row);
}

int Grid::colWidth(int col) const {
    checkCol(col);
    return widths_[col];
}

void Grid::setColWidth(int col, int twips) {
    checkCol(col);
    assign(widths_[col], twips);
}

void Grid::clear() {
    for (Cell& cell : cells_)
        cell = Cell();
    texts_.clear();
    changed();
}

void Grid::addItem(const QString& tabSeparated) {
    const QStringList parts = tabSeparated.split(QLatin1Char('\t'));
    addRow({parts.cbegin(), parts.cbegin() + std::min(int(parts.size()), cols_)});
}

void Grid::addRow(const std::vector<QStringView>& texts) {
    if (int(texts.size()) > cols_) throw outOfRange();
    const size_t first = cells_.size();
    cells_.resize(first + size_t(cols_));
    for (size_t col = 0; col < texts.size(); ++col)
        putText(rows_, first + col, texts[col]);
    ++rows_;
    changed();
}

void Grid::setMouseCell(int row, int col) {
    checkRow(row);
    checkCol(col);
    mouseRow_ = row;
    mouseCol_ = col;
}

QString Grid::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"text")) return text();
    if (named(name, u"rows")) return QString::number(rows_);
    if (named(name, u"cols")) return QString::number(cols_);
    if (named(name, u"row")) return QString::number(row_);
    if (named(name, u"col")) return QString::number(col_);
    if (named(name, u"rowsel")) return QString::number(rowSel_);
    if (named(name, u"colsel")) return QString::number(colSel_);
    if (named(name, u"toprow")) return QString::number(topRow_);
    if (named(name, u"selcolor")) return colorText(foreColorSel_);
    if (named(name, u"cell")) return textMatrix(argument(args, 0), argument(args, 1));
    if (named(name, u"cellcolor")) return colorText(cellForeColorAt(argument(args, 0), argument(args, 1)));
    if (named(name, u"colwidth")) return QString::number(colWidth(argument(args, 0)));
    return Control::property(name, args);
}

// Cells print only when they hold a text or a colour of their own, so a large empty grid stays short.
QStringList Grid::dump() const {
    QStringList entries;
    for (const char* name : {"rows", "cols", "row", "col", "rowsel", "colsel", "toprow", "selcolor"})
        entries << entry(QLatin1String(name), property(QLatin1String(name)));
    for (int col = 0; col < cols_; ++col)
        entries << entry(QStringLiteral("colwidth(%1)").arg(col), QString::number(widths_[col]));
    for (int row = 0; row < rows_; ++row) {
        for (int col = 0; col < cols_; ++col) {
            const Cell& cell = cellAt(row, col);
            if (cell.text.length != 0)
                entries << entry(QStringLiteral("cell(%1,%2)").arg(row).arg(col), textOf(cell).toString());
            if (cell.foreColor != 0)
                entries << entry(QStringLiteral("cellcolor(%1,%2)").arg(row).arg(col),
                                 colorText(cell.foreColor));
        }
    }
    return entries + Control::dump();
}

void Grid::saveDesign() {
    Control::saveDesign();
    designed_ = {rows_, cols_, fixedRows_, fixedCols_, widths_, foreColorSel_};
}

void Grid::restoreDesign() {
    cells_.assign(size_t(designed_.rows) * designed_.cols, Cell());
    texts_.clear();
    rows_ = designed_.rows;
    cols_ = designed_.cols;
    fixedRows_ = designed_.fixedRows;
    fixedCols_ = designed_.fixedCols;
    widths_ = designed_.widths;
    foreColorSel_ = designed_.foreColorSel;
    row_ = rowSel_ = topRow_ = fixedRows_;
    col_ = colSel_ = fixedCols_;
    mouseRow_ = mouseCol_ = 0;
    clampCursor();
    Control::restoreDesign();
}

Grid::Cell& Grid::cellAt(int row, int col) {
    checkRow(row);
    checkCol(col);
    return cells_[size_t(row) * cols_ + col];
}

const Grid::Cell& Grid::cellAt(int row, int col) const {
    return const_cast<Grid*>(this)->cellAt(row, col);
}

void Grid::checkRow(int row) const {
    if (row < 0 || row >= rows_) throw outOfRange();
}

void Grid::checkCol(int col) const {
    if (col < 0 || col >= cols_) throw outOfRange();
}

void Grid::reshape(int rows, int cols) {
    if (cols != cols_) {
        Cells cells(size_t(rows) * cols);
        for (int row = 0; row < std::min(rows, rows_); ++row)
            for (int col = 0; col < std::min(cols, cols_); ++col)
                cells[size_t(row) * cols + col] = std::move(cells_[size_t(row) * cols_ + col]);
        cells_.swap(cells);
        widths_.resize(cols, DefaultColWidth);
    } else {
        cells_.resize(size_t(rows) * cols);
    }
    rows_ = rows;
    cols_ = cols;
    clampCursor();
    changed();
}

void Grid::clampCursor() {
    auto clampTo = [](int& value, int count) { value = std::clamp(value, 0, std::max(count - 1, 0)); };
    for (int* row : {&row_, &rowSel_, &topRow_, &mouseRow_})
        clampTo(*row, rows_);
    for (int* col : {&col_, &colSel_, &mouseCol_})
        clampTo(*col, cols_);
}

} // namespace forms
