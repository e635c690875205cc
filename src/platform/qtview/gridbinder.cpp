// The grid's view: model refreshes, column widths, colours, selection, scrolling and the user's
// mouse and keys on cells and column headers.
#include "gridbinder.h"

#include "colors.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/userinput.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableView>

namespace qtview {

namespace {

void raise(const std::function<void()>& handler) {
    if (handler) handler();
}

} // namespace

GridBinder::GridBinder(forms::Grid& grid, QTableView& widget)
    : ControlBinder(grid, widget), grid_(grid), view_(widget), model_(grid), basePalette_(widget.palette()) {
    model_.setPalette(basePalette_);
    view_.setModel(&model_);
    view_.setSelectionMode(QAbstractItemView::NoSelection);
    view_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The rows shown follow TopRow only: moving the current cell from code scrolls nothing.
    view_.setAutoScroll(false);
    view_.setWordWrap(false);
    view_.setMouseTracking(true);
    QHeaderView* rows = view_.verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view_.fontMetrics().height() + 6);
    QHeaderView* header = view_.horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    header->setMouseTracking(true);
    header->viewport()->installEventFilter(this);
    view_.viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int col) { act([this, col] { forms::user::clickHeader(grid_, col); }); });
    connect(header, &QHeaderView::sectionResized, this, &GridBinder::userResized);
    // The scroll bar moves by the user's hand (wheel, arrows, handle) or by the view's own layout, which
    // keeps a short grid from scrolling its last row to the top; only the user's moves change the grid's top
    // row.
    connect(view_.verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { userScrolling_ = true; });
    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, &GridBinder::userScrolled);
}

void GridBinder::refreshState() {
    {
        const QScopedValueRollback<bool> applying(applying_, true);
        model_.update();
        view_.horizontalHeader()->setVisible(model_.shape().firstRow > 0);
        refreshColumns();
        refreshColours();
        refreshSelection();
        refreshTopRow();
    }
    // Scrolling to a cell the keyboard reached is the user's scrolling: the new top row reaches the runtime.
    if (const auto cell = std::exchange(reveal_, std::nullopt)) {
        userScrolling_ = true;
        view_.scrollTo(model_.index(model_.modelRow(cell->row), cell->col));
        userScrolling_ = false;
    }
}

// The last column shown takes the width the others leave, never less than its own, so that a wide window
// shows no blank beside the grid; the runtime keeps the width the module gave it.
void GridBinder::refreshColumns() {
    QHeaderView* header = view_.horizontalHeader();
    const int cols = model_.shape().cols;
    int last = cols - 1;
    while (last >= 0 && grid_.colWidth(last) / forms::TwipsPerPixel == 0)
        --last;
    int used = 0;
    for (int col = 0; col < cols; ++col) {
        int pixels = grid_.colWidth(col) / forms::TwipsPerPixel;
        if (view_.isColumnHidden(col) != (pixels == 0)) view_.setColumnHidden(col, pixels == 0);
        if (col == last) pixels = std::max(pixels, view_.viewport()->width() - used);
        used += pixels;
        if (pixels > 0 && header->sectionSize(col) != pixels) header->resizeSection(col, pixels);
    }
}

// Selected cells show their text in the grid's selection colour. A colour of the module's own (the red of a
// cancelled receipt, the cyan of several rows) gets a selection background it reads on; the system's own
// pair stays as the platform draws it.
void GridBinder::refreshColours() {
    QPalette palette = view_.palette();
    const QColor text = toQColor(grid_.foreColorSel(), basePalette_);
    palette.setColor(QPalette::HighlightedText, text);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = basePalette_.color(group, QPalette::Highlight);
        palette.setColor(group, QPalette::Highlight,
                         isSystemColor(grid_.foreColorSel()) ? highlight
                                                             : readableBackground(text, highlight));
    }
    if (palette != view_.palette()) view_.setPalette(palette);
}

void GridBinder::refreshSelection() {
    QItemSelectionModel& selection = *view_.selectionModel();
    const int top = std::max(model_.modelRow(std::min(grid_.row(), grid_.rowSel())), 0);
    const int bottom = model_.modelRow(std::max(grid_.row(), grid_.rowSel()));
    if (bottom < 0 || model_.shape().rows == 0 || model_.shape().cols == 0) {
        selection.clear();
        return;
    }
    // The selected rows are shown whole, so that the current row always shows, whatever column is current.
    const QItemSelection range(model_.index(top, 0), model_.index(bottom, model_.shape().cols - 1));
    if (selection.selection() != range) selection.select(range, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = model_.index(model_.modelRow(grid_.row()), shownColumn(grid_.col()));
    if (current.isValid() && current != selection.currentIndex())
        selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

// The column itself, or when it is hidden the next one shown (the one before it when none follows).
int GridBinder::shownColumn(int col) const {
    const int cols = model_.shape().cols;
    for (int next = col; next < cols; ++next)
        if (!view_.isColumnHidden(next)) return next;
    for (int previous = col - 1; previous >= 0; --previous)
        if (!view_.isColumnHidden(previous)) return previous;
    return col;
}

// Rows scroll one at a time, so the scroll bar's value is the model row shown at the top.
void GridBinder::refreshTopRow() {
    if (grid_.topRow() == shownTopRow_) return;
    shownTopRow_ = grid_.topRow();
    // A row just added counts in the scroll range only once the view has laid it out; without that the
    // new last row would stay one below the rows shown.
    view_.doItemsLayout();
    view_.verticalScrollBar()->setValue(model_.modelRow(shownTopRow_));
}

void GridBinder::userScrolled(int value) {
    if (applying_ || !std::exchange(userScrolling_, false)) return;
    const int top = model_.controlRow(value);
    if (top >= grid_.rows()) return;
    shownTopRow_ = top;
    grid_.setTopRow(top);
}

void GridBinder::userResized(int col, int, int newPixels) {
    if (!applying_ && col < grid_.cols()) grid_.setColWidth(col, newPixels * forms::TwipsPerPixel);
}

bool GridBinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_.viewport() && event->type() == QEvent::Resize) {
        const QScopedValueRollback<bool> applying(applying_, true);
        refreshColumns();
    }
    if (watched == view_.viewport()) return viewportEvent(*event);
    if (watched == view_.horizontalHeader()->viewport()) {
        headerViewportEvent(*event);
        return false;
    }
    if (watched == &view_ && event->type() == QEvent::Show) {
        shownTopRow_ = -1; // the scroll range exists only once the view has a size
        scheduleRefresh();
    }
    return ControlBinder::eventFilter(watched, event);
}

// The runtime does what a press, release or double click means; the view's own handling would move
// its cursor behind the runtime's back.
bool GridBinder::viewportEvent(QEvent& event) {
    if (event.type() == QEvent::MouseMove) {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.buttons() == Qt::NoButton)
            if (const auto cell = cellAt(mouse.position().toPoint())) hovered(*cell);
        return false;
    }
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonRelease &&
        event.type() != QEvent::MouseButtonDblClick)
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    if (mouse.button() != Qt::LeftButton) return true;
    const auto cell = cellAt(mouse.position().toPoint());
    if (event.type() == QEvent::MouseButtonPress) {
        view_.setFocus(Qt::MouseFocusReason);
        pressed_ = cell;
    } else if (event.type() == QEvent::MouseButtonRelease) {
        if (const auto from = std::exchange(pressed_, std::nullopt); from && cell) released(*from, *cell);
    } else if (cell) {
        act([this, row = cell->row] { forms::user::doubleClickRow(grid_, row); });
    }
    return true;
}

void GridBinder::headerViewportEvent(QEvent& event) {
    if (event.type() != QEvent::MouseMove || model_.shape().firstRow == 0) return;
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    const int col = view_.horizontalHeader()->logicalIndexAt(mouse.position().toPoint());
    if (col >= 0 && mouse.buttons() == Qt::NoButton) hovered({0, col});
}

std::optional<GridCell> GridBinder::cellAt(const QPoint& position) const {
    const QModelIndex index = view_.indexAt(position);
    if (!index.isValid()) return std::nullopt;
    return GridCell{model_.controlRow(index.row()), index.column()};
}

void GridBinder::released(GridCell from, GridCell to) {
    if (from.row != to.row)
        act([this, from, to] { forms::user::dragRows(grid_, from.row, to.row); });
    else
        act([this, to] { forms::user::clickCell(grid_, to.row, to.col); });
}

// MouseMove handlers set the tool tip for the cell under the pointer; the model shows it.
void GridBinder::hovered(GridCell cell) {
    if (hovered_ == cell) return;
    hovered_ = cell;
    act([this, cell] { forms::user::hoverCell(grid_, cell.row, cell.col); });
}

bool GridBinder::keyPressed(const QKeyEvent&, const KeyStroke& stroke) {
    sendKey(stroke);
    if (!grid_.form().isLoaded() || !grid_.isUsable()) return true;
    const bool extend = stroke.shift & forms::ShiftMask;
    const GridCell from =
        extend ? GridCell{grid_.rowSel(), grid_.colSel()} : GridCell{grid_.row(), grid_.col()};
    if (const auto to = cellAfterKey(grid_, from, stroke.keyCode, stroke.shift, pageRows());
        to && *to != from)
        moveCurrentCell(*to, extend);
    return true;
}

// A key moves the cell as a click would, without the mouse events and Click; Shift extends the
// selection instead.
void GridBinder::moveCurrentCell(GridCell to, bool extend) {
    act([this, to, extend] {
        if (extend) {
            grid_.setRowSel(to.row);
            grid_.setColSel(to.col);
            raise(grid_.SelChange);
            return;
        }
        raise(grid_.LeaveCell);
        grid_.setRow(to.row);
        grid_.setCol(to.col);
        raise(grid_.EnterCell);
        raise(grid_.RowColChange);
        raise(grid_.SelChange);
    });
    reveal_ = to;
}

int GridBinder::pageRows() const {
    return std::max(1, view_.viewport()->height() / view_.verticalHeader()->defaultSectionSize());
}

} // namespace qtview
