// The list view's columns, items and selected item; clicks, double clicks and right clicks on items.
#include "listviewbinder.h"

#include "platform/forms/listview.h"
#include "platform/forms/userinput.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTreeView>
#include <algorithm>

namespace qtview {

namespace {

int lastShownColumn(const QHeaderView& header) {
    for (int visual = header.count() - 1; visual >= 0; --visual)
        if (!header.isSectionHidden(header.logicalIndex(visual))) return header.logicalIndex(visual);
    return -1;
}

} // namespace

ListViewBinder::ListViewBinder(forms::ListView& list, QTreeView& widget)
    : ControlBinder(list, widget), list_(list), view_(widget), model_(list) {
    view_.setModel(&model_);
    view_.setRootIsDecorated(false);
    view_.setItemsExpandable(false);
    view_.setUniformRowHeights(true);
    view_.setAllColumnsShowFocus(true);
    view_.setSelectionBehavior(QAbstractItemView::SelectRows);
    view_.setSelectionMode(QAbstractItemView::NoSelection);
    view_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    view_.header()->setStretchLastSection(true);
    connect(&view_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { itemAction(index, forms::user::clickItem); });
    connect(&view_, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { itemAction(index, forms::user::doubleClickItem); });
    connect(&view_, &QTreeView::customContextMenuRequested, this, [this](const QPoint& position) {
        itemAction(view_.indexAt(position), forms::user::rightClickItem);
    });
    connect(view_.header(), &QHeaderView::sectionResized, this, &ListViewBinder::userResized);
}

void ListViewBinder::itemAction(const QModelIndex& index, void (*action)(forms::ListView&, int)) {
    if (index.isValid()) act([this, action, item = model_.controlRow(index.row())] { action(list_, item); });
}

// The runtime moves the selected item with the movement keys; the view scrolls to it and moves nothing
// itself.
bool ListViewBinder::keyPressed(const QKeyEvent& key, const KeyStroke& stroke) {
    sendKey(stroke);
    // The runtime copies the rows on Ctrl+C: the view's own copy of the current cell would replace them.
    if (key.matches(QKeySequence::Copy)) return true;
    if (!isMovementKey(stroke.keyCode)) return stroke.keyCode == forms::keys::Tab;
    view_.scrollTo(model_.index(model_.modelRow(list_.selectedItem()), 0));
    return true;
}

void ListViewBinder::refreshState() {
    const QScopedValueRollback<bool> applying(applying_, true);
    model_.update();
    refreshColumns();
    refreshSelection();
}

// A column of width 0 is hidden. A column still as designed fits its header and texts, one the stored
// layout or the user sized keeps that width; the last shown column takes the rest of the view's width.
void ListViewBinder::refreshColumns() {
    QHeaderView* header = view_.header();
    for (int column = 0; column < model_.shape().cols; ++column) {
        const int pixels = list_.header(column + 1).width / forms::TwipsPerPixel;
        if (header->isSectionHidden(column) != (pixels == 0)) header->setSectionHidden(column, pixels == 0);
        const int shown = list_.keepsDesignedWidth(column + 1)
                              ? std::max(static_cast<QAbstractItemView&>(view_).sizeHintForColumn(column),
                                         header->sectionSizeHint(column))
                              : pixels;
        if (pixels != 0 && header->sectionSize(column) != shown) header->resizeSection(column, shown);
    }
}

void ListViewBinder::refreshSelection() {
    QItemSelectionModel& selection = *view_.selectionModel();
    const QModelIndex selected = model_.index(model_.modelRow(list_.selectedItem()), 0);
    if (!selected.isValid()) {
        selection.clear();
        return;
    }
    if (!selection.isRowSelected(selected.row()) || selection.selectedRows().size() != 1)
        selection.select(selected, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (selection.currentIndex() != selected)
        selection.setCurrentIndex(selected, QItemSelectionModel::NoUpdate);
}

// The last shown column's width follows the view's, never the user.
void ListViewBinder::userResized(int column, int, int newPixels) {
    if (!applying_ && column != lastShownColumn(*view_.header()) && column < list_.columnCount())
        list_.setHeaderWidth(column + 1, newPixels * forms::TwipsPerPixel);
}

} // namespace qtview
