// A table model over a list view's items in report view: items are rows, sub-items columns.
#pragma once

#include "controltablemodel.h"

namespace forms {
class ListView;
}

namespace qtview {

class ListViewModel : public ControlTableModel {
public:
    explicit ListViewModel(const forms::ListView& list, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    Shape currentShape() const override;

private:
    Qt::Alignment alignment(int column) const;
    const forms::ListView& list_;
};

} // namespace qtview
