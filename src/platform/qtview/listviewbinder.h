// Binds a list view in report view to a QTreeView over a model of its items.
#pragma once

#include "controlbinder.h"
#include "listviewmodel.h"

class QTreeView;

namespace forms {
class ListView;
}

namespace qtview {

// Like the grid, the runtime owns the selected item: clicks become the runtime's item actions, the
// arrow keys select the next item as a click would, and the view then shows the item the runtime
// selected.
class ListViewBinder : public ControlBinder {
public:
    ListViewBinder(forms::ListView& list, QTreeView& widget);
    void controlChanged() override { scheduleRefresh(); }

private:
    void refreshState() override;
    void afterAction() override { scheduleRefresh(); }
    bool keyPressed(const QKeyEvent& event, const KeyStroke& stroke) override;
    void refreshColumns();
    void refreshSelection();
    void itemAction(const QModelIndex& index, void (*action)(forms::ListView&, int));
    void userResized(int column, int oldPixels, int newPixels);

    forms::ListView& list_;
    QTreeView& view_;
    ListViewModel model_;
    bool applying_ = false;
};

} // namespace qtview
