// Cells are read from the grid on demand, so only the rows on screen cost anything.
#include "gridmodel.h"

#include "colors.h"
#include "platform/core/conversions.h"
#include "platform/forms/grid.h"

namespace qtview {

namespace {

// The grid's general alignment: numbers, written as the user's locale writes them, to the right; other texts
// to the left, dates too, though a German date reads as digits with thousands separators.
Qt::Alignment generalAlignment(const QString& text) {
    const bool number = !text.isEmpty() && core::isNumeric(text) && !core::isDate(text);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

GridModel::GridModel(const forms::Grid& grid, QObject* parent) : ControlTableModel(parent), grid_(grid) {}

ControlTableModel::Shape GridModel::currentShape() const {
    const int headerRows = grid_.fixedRows() > 0 ? 1 : 0;
    return {grid_.rows() - headerRows, grid_.cols(), headerRows};
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!isLive(index)) return {};
    return cellData(controlRow(index.row()), index.column(), role);
}

QVariant GridModel::cellData(int row, int col, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        return grid_.textMatrix(row, col);
    case Qt::TextAlignmentRole:
        return generalAlignment(grid_.textMatrix(row, col)).toInt();
    case Qt::ForegroundRole:
        if (const int color = grid_.cellForeColorAt(row, col)) return toQColor(color, palette_);
        return {};
    case Qt::BackgroundRole:
        if (row < grid_.fixedRows() || col < grid_.fixedCols()) return palette_.color(QPalette::Button);
        return {};
    case Qt::ToolTipRole:
        return grid_.toolTipText().isEmpty() ? QVariant() : QVariant(grid_.toolTipText());
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || shape().firstRow == 0 || section >= shape().cols ||
        section >= grid_.cols())
        return {};
    if (role == Qt::ToolTipRole) return cellData(0, section, role);
    if (role == Qt::DisplayRole) return grid_.textMatrix(0, section);
    return {};
}

} // namespace qtview
