// Binds a grid to a QTableView over a model of its cells.
#pragma once

#include "controlbinder.h"
#include "gridmodel.h"
#include "gridnavigation.h"

#include <QPalette>
#include <optional>

class QPoint;
class QTableView;

namespace forms {
class Grid;
}

namespace qtview {

// The view never holds cells of its own: it asks the model for the rows on screen, so a grid of
// 100,000 rows scrolls as fast as one of ten. Filling a grid changes every cell; those changes are
// gathered into one refresh. The runtime owns the current cell and the selection: mouse and keys
// become the runtime's cell actions and the view then shows where the runtime put the cursor.
class GridBinder : public ControlBinder {
public:
    GridBinder(forms::Grid& grid, QTableView& widget);
    void controlChanged() override { scheduleRefresh(); }

private:
    void refreshState() override;
    void afterAction() override { scheduleRefresh(); }
    bool keyPressed(const QKeyEvent& event, const KeyStroke& stroke) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent& event);
    void headerViewportEvent(QEvent& event);

    void refreshColumns();
    void refreshColours();
    void refreshSelection();
    int shownColumn(int col) const;
    void refreshTopRow();

    std::optional<GridCell> cellAt(const QPoint& position) const;
    void released(GridCell from, GridCell to);
    void hovered(GridCell cell);
    void moveCurrentCell(GridCell to, bool extend);
    void userScrolled(int value);
    void userResized(int col, int oldPixels, int newPixels);
    int pageRows() const;

    forms::Grid& grid_;
    QTableView& view_;
    GridModel model_;
    QPalette basePalette_;
    std::optional<GridCell> pressed_;
    std::optional<GridCell> hovered_;
    std::optional<GridCell> reveal_; // a cell the keyboard moved to, to scroll into view
    int shownTopRow_ = -1;
    bool applying_ = false;      // the view is being moved to the runtime's state, not by the user
    bool userScrolling_ = false; // the next scroll is the user's
};

} // namespace qtview
