// Shape changes and cell refreshes of the control-backed table models.
#include "controltablemodel.h"

namespace qtview {

void ControlTableModel::update() {
    const Shape shape = currentShape();
    if (shape != shape_) {
        beginResetModel();
        shape_ = shape;
        endResetModel();
        return;
    }
    if (shape_.cols == 0) return;
    if (shape_.rows > 0) emit dataChanged(index(0, 0), index(shape_.rows - 1, shape_.cols - 1));
    emit headerDataChanged(Qt::Horizontal, 0, shape_.cols - 1);
}

bool ControlTableModel::isLive(const QModelIndex& index) const {
    const Shape live = currentShape();
    return index.isValid() && index.row() < shape_.rows && index.column() < shape_.cols &&
           controlRow(index.row()) < live.rows + live.firstRow && index.column() < live.cols &&
           live.firstRow == shape_.firstRow;
}

} // namespace qtview
