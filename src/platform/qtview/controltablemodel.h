// Base of the table models that show a control's rows without copying them.
#pragma once

#include <QAbstractTableModel>

namespace qtview {

// The model announces a shape (rows, columns, and which row of the control is its first row) and
// keeps answering with it until update(): the control may change shape many times between two
// refreshes, and a view must only see counts that were announced.
class ControlTableModel : public QAbstractTableModel {
public:
    struct Shape {
        int rows = 0;
        int cols = 0;
        int firstRow = 0; // the control's row shown as the model's row 0
        bool operator==(const Shape&) const = default;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shape_.rows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shape_.cols;
    }

    // A reset when the shape changed (the view's selection and current cell go with it), else one
    // change of every cell, which the view turns into repainting only what it shows.
    void update();

    const Shape& shape() const { return shape_; }
    // The control's row of a model row.
    int controlRow(int modelRow) const { return modelRow + shape_.firstRow; }
    int modelRow(int controlRow) const { return controlRow - shape_.firstRow; }

protected:
    virtual Shape currentShape() const = 0;
    // Whether the index lies within the control's current rows and columns as well as the announced ones.
    bool isLive(const QModelIndex& index) const;

private:
    Shape shape_;
};

} // namespace qtview
