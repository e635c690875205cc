// A table model over a grid's cells: the first fixed row is the header, the other rows are rows.
#pragma once

#include "controltablemodel.h"

#include <QPalette>

namespace forms {
class Grid;
}

namespace qtview {

class GridModel : public ControlTableModel {
public:
    explicit GridModel(const forms::Grid& grid, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The colours system colour values and fixed cells take.
    void setPalette(const QPalette& palette) { palette_ = palette; }

protected:
    Shape currentShape() const override;

private:
    QVariant cellData(int row, int col, int role) const;
    const forms::Grid& grid_;
    QPalette palette_;
};

} // namespace qtview
