// Items count from 1 and column headers from 1, so model row r is item r + 1 and column c has header c + 1.
#include "listviewmodel.h"

#include "platform/forms/listview.h"

namespace qtview {

ListViewModel::ListViewModel(const forms::ListView& list, QObject* parent)
    : ControlTableModel(parent), list_(list) {}

ControlTableModel::Shape ListViewModel::currentShape() const {
    return {list_.count(), list_.columnCount(), 1};
}

Qt::Alignment ListViewModel::alignment(int column) const {
    switch (list_.header(column + 1).alignment) {
    case forms::Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case forms::Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case forms::Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!isLive(index)) return {};
    if (role == Qt::DisplayRole) return list_.cell(controlRow(index.row()), index.column());
    if (role == Qt::TextAlignmentRole) return alignment(index.column()).toInt();
    if (role == Qt::ToolTipRole) {
        const QString tip = list_.cellToolTip(controlRow(index.row()), index.column());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    return {};
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section >= shape().cols || section >= list_.columnCount()) return {};
    if (role == Qt::DisplayRole) return list_.header(section + 1).text;
    if (role == Qt::TextAlignmentRole) return alignment(section).toInt();
    return {};
}

} // namespace qtview
