// The user's actions as mouse and key input on the bound widgets.
#include "screenuser.h"

#include "controltablemodel.h"
#include "formwindow.h"
#include "keystroke.h"
#include "messagebox.h"
#include "platforminput.h"
#include "popupmenu.h"
#include "qtbackend.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/tabcontrol.h"
#include "platform/forms/tablecopy.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userchecks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace qtview {

namespace {

QPoint middle(const QWidget& widget) {
    return widget.rect().center();
}

// Where a user clicks a control: an option button takes clicks on its mark and caption only, which start at
// its left edge.
QPoint clickPoint(const QWidget& widget) {
    if (qobject_cast<const QRadioButton*>(&widget))
        return QPoint(std::min(8, widget.width() / 2), widget.height() / 2);
    return middle(widget);
}

bool holdsFocus(const QWidget& widget) {
    const QWidget* focused = QApplication::focusWidget();
    return focused && (focused == &widget || widget.isAncestorOf(focused));
}

// The text a key types, as the windowing system gives it with the key.
QString textOf(int keyCode, int shift, std::optional<int> character) {
    if (character) return *character > 0 ? QString(QChar(*character)) : QString();
    if ((shift & forms::CtrlMask) && keyCode >= 'A' && keyCode <= 'Z')
        return QString(QChar(keyCode - 'A' + 1));
    return QString();
}

Qt::KeyboardModifiers modifiersOf(int shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift & forms::ShiftMask) modifiers |= Qt::ShiftModifier;
    if (shift & forms::CtrlMask) modifiers |= Qt::ControlModifier;
    if (shift & forms::AltMask) modifiers |= Qt::AltModifier;
    return modifiers;
}

const ControlTableModel& tableModel(const QAbstractItemView& view) {
    return static_cast<const ControlTableModel&>(*view.model());
}

} // namespace

// A text viewer or a report preview the module opened takes the input above its windows until it is closed:
// a user closes it before going on in the window below.
void ScreenUser::closeViewers() const {
    while (QWidget* top = QApplication::activeModalWidget()) {
        if (windows_.isFormWindow(*top) || qobject_cast<QMessageBox*>(top)) return;
        top->close();
        QCoreApplication::processEvents();
    }
}

// The runtime's own checks first, so that a refused action reads the same on the screen; then the widget,
// which must be there for the user to reach.
QWidget& ScreenUser::reach(forms::Control& control) const {
    forms::requireUsable(control);
    closeViewers();
    QWidget* widget = windows_.widgetOf(control);
    if (!widget) forms::failAction(control, QStringLiteral("has no widget on the screen"));
    if (!widget->isVisible()) forms::failAction(control, QStringLiteral("is not shown on the screen"));
    if (!widget->isEnabled()) forms::failAction(control, QStringLiteral("is not enabled on the screen"));
    return *widget;
}

// A user clicks into a control before typing into it; the focus then moves as a click gives it.
QWidget& ScreenUser::withFocus(forms::Control& control) const {
    QWidget& widget = reach(control);
    if (!holdsFocus(widget)) {
        widget.window()->activateWindow();
        widget.setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
    return widget;
}

// Typing goes at the end of the text, wherever the caret was.
void ScreenUser::putCaretAtEnd(forms::Control& control) const {
    if (auto* line = qobject_cast<QLineEdit*>(windows_.widgetOf(control))) line->end(false);
}

void ScreenUser::click(forms::Control& control) {
    QWidget& widget = reach(control);
    platforminput::click(widget, clickPoint(widget));
}

void ScreenUser::focus(forms::Control& control) {
    withFocus(control);
}

void ScreenUser::type(forms::Control& control, const QString& text) {
    reach(control);
    putCaretAtEnd(control);
    QWidget& widget = withFocus(control);
    for (QChar character : text)
        platforminput::typeCharacter(widget, character);
}

void ScreenUser::pressKey(forms::Control& control, int keyCode, int shift, std::optional<int> character) {
    sendKey(withFocus(control), keyCode, shift, character);
}

void ScreenUser::sendKey(QWidget& widget, int keyCode, int shift, std::optional<int> character) const {
    Qt::Key key = qtKeyOf(keyCode);
    if (keyCode == forms::keys::Tab && (shift & forms::ShiftMask)) key = Qt::Key_Backtab;
    if (key == Qt::Key_unknown)
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("no key has the code %1").arg(keyCode));
    platforminput::press(widget, key, modifiersOf(shift), textOf(keyCode, shift, character));
}

// Control characters are typed with the key and the Ctrl key that make them.
void ScreenUser::typeCharacter(forms::Control& control, int character) {
    QWidget& widget = withFocus(control);
    switch (character) {
    case forms::keys::Backspace:
    case forms::keys::Enter:
    case forms::keys::Escape:
        return sendKey(widget, character, 0, character);
    case forms::keys::Tab:
        return sendKey(widget, character, 0, std::nullopt);
    case forms::keys::CtrlEnter:
        return sendKey(widget, forms::keys::Enter, forms::CtrlMask, character);
    }
    if (character > 0 && character < ' ')
        return sendKey(widget, 'A' + character - 1, forms::CtrlMask, character);
    platforminput::typeCharacter(widget, QChar(character));
}

// The whole text selected with the keyboard, then deleted: one change.
void ScreenUser::clear(forms::TextBox& box) {
    QWidget& widget = withFocus(box);
    platforminput::press(widget, Qt::Key_Home);
    platforminput::press(widget, Qt::Key_End, Qt::ShiftModifier);
    platforminput::press(widget, Qt::Key_Delete);
}

// The text from the clipboard over the whole text.
void ScreenUser::paste(forms::TextBox& box, const QString& text) {
    QWidget& widget = withFocus(box);
    if (box.locked) forms::failAction(box, QStringLiteral("is locked"));
    QApplication::clipboard()->setText(text);
    platforminput::press(widget, Qt::Key_Home);
    platforminput::press(widget, Qt::Key_End, Qt::ShiftModifier);
    platforminput::press(widget, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
}

// The combo's list opens with a click and the item is clicked in it. No item at all is nothing a user can
// choose on the screen: the runtime's own action serves it.
void ScreenUser::select(forms::ComboBox& combo, int index) {
    if (index < 0) return forms::user::select(combo, index);
    auto& view = static_cast<QComboBox&>(reach(combo));
    if (index >= view.count()) forms::failAction(combo, QStringLiteral("has no item %1").arg(index));
    platforminput::click(view, middle(view));
    QAbstractItemView* list = view.view();
    if (!list->isVisible()) forms::failAction(combo, QStringLiteral("did not open its list"));
    const QModelIndex item = view.model()->index(index, view.modelColumn());
    list->scrollTo(item);
    platforminput::click(*list->viewport(), list->visualRect(item).center());
}

// The picker's calendar opens from its button; the keys move month by month, then day by day, and Enter
// takes the day.
void ScreenUser::pickDate(forms::DatePicker& picker, const QDate& date) {
    auto& edit = static_cast<QDateEdit&>(reach(picker));
    platforminput::click(edit, QPoint(edit.width() - 6, edit.height() / 2));
    QCalendarWidget* calendar = edit.calendarWidget();
    if (!calendar || !calendar->isVisible())
        forms::failAction(picker, QStringLiteral("did not open its calendar"));
    const auto months = [](const QDate& day) { return day.year() * 12 + day.month(); };
    for (int apart = months(date) - months(calendar->selectedDate()); apart != 0; apart += apart > 0 ? -1 : 1)
        platforminput::press(*calendar, apart > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
    for (qint64 apart = calendar->selectedDate().daysTo(date); apart != 0; apart += apart > 0 ? -1 : 1)
        platforminput::press(*calendar, apart > 0 ? Qt::Key_Right : Qt::Key_Left);
    platforminput::press(*calendar, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
}

void ScreenUser::chooseTab(forms::TabControl& tabs, int index) {
    auto& widget = static_cast<QTabWidget&>(reach(tabs));
    if (index < 0 || index >= widget.count())
        forms::failAction(tabs, QStringLiteral("has no tab %1").arg(index));
    QTabBar& bar = *widget.tabBar();
    platforminput::click(bar, bar.tabRect(index).center());
}

QAbstractItemView& ScreenUser::itemView(forms::Control& control) const {
    return static_cast<QAbstractItemView&>(reach(control));
}

// The row scrolled into view first, as a user scrolls to it.
void ScreenUser::clickIndex(forms::Control& control, const QModelIndex& index, Qt::MouseButton button,
                            int clicks) const {
    QAbstractItemView& view = itemView(control);
    if (!index.isValid()) forms::failAction(control, QStringLiteral("shows no such row"));
    view.scrollTo(index);
    QCoreApplication::processEvents();
    platforminput::click(*view.viewport(), view.visualRect(index).center(), button, clicks);
}

void ScreenUser::clickItem(forms::ListView& list, int item) {
    const QAbstractItemView& view = itemView(list);
    clickIndex(list, view.model()->index(tableModel(view).modelRow(item), 0), Qt::LeftButton, 1);
}

void ScreenUser::doubleClickItem(forms::ListView& list, int item) {
    const QAbstractItemView& view = itemView(list);
    clickIndex(list, view.model()->index(tableModel(view).modelRow(item), 0), Qt::LeftButton, 2);
}

void ScreenUser::rightClickItem(forms::ListView& list, int item) {
    const QAbstractItemView& view = itemView(list);
    clickIndex(list, view.model()->index(tableModel(view).modelRow(item), 0), Qt::RightButton, 1);
}

void ScreenUser::clickCell(forms::Grid& grid, int row, int col) {
    const QAbstractItemView& view = itemView(grid);
    clickIndex(grid, view.model()->index(tableModel(view).modelRow(row), col), Qt::LeftButton, 1);
}

void ScreenUser::doubleClickRow(forms::Grid& grid, int row) {
    const QAbstractItemView& view = itemView(grid);
    clickIndex(grid, view.model()->index(tableModel(view).modelRow(row), grid.col()), Qt::LeftButton, 2);
}

void ScreenUser::dragRows(forms::Grid& grid, int fromRow, int toRow) {
    QAbstractItemView& view = itemView(grid);
    const ControlTableModel& model = tableModel(view);
    // The mouse goes down in the current column, or in the first one shown when that one is hidden.
    const QList<int> shown = forms::shownColumns(grid);
    const int col = shown.contains(grid.col()) || shown.isEmpty() ? grid.col() : shown.first();
    const QModelIndex from = model.index(model.modelRow(fromRow), col);
    const QModelIndex to = model.index(model.modelRow(toRow), col);
    if (!from.isValid() || !to.isValid()) forms::failAction(grid, QStringLiteral("shows no such row"));
    platforminput::drag(*view.viewport(), view.visualRect(from).center(), view.visualRect(to).center());
}

void ScreenUser::hover(forms::Control& control) {
    forms::requireUsable(control);
    QWidget* widget = windows_.widgetOf(control);
    if (!widget) forms::failAction(control, QStringLiteral("has no widget on the screen"));
    platforminput::move(*widget, middle(*widget));
}

// A fixed row is the grid's column header.
void ScreenUser::hoverCell(forms::Grid& grid, int row, int col) {
    forms::requireUsable(grid);
    auto* view = qobject_cast<QTableView*>(windows_.widgetOf(grid));
    if (!view) forms::failAction(grid, QStringLiteral("has no widget on the screen"));
    const ControlTableModel& model = tableModel(*view);
    if (row < grid.fixedRows()) {
        QHeaderView& header = *view->horizontalHeader();
        return platforminput::move(
            *header.viewport(),
            QPoint(header.sectionViewportPosition(col) + header.sectionSize(col) / 2, header.height() / 2));
    }
    const QModelIndex index = model.index(model.modelRow(row), col);
    view->scrollTo(index);
    platforminput::move(*view->viewport(), view->visualRect(index).center());
}

void ScreenUser::chooseMenu(forms::Menu& entry) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) forms::failAction(entry, QStringLiteral("is on no menu shown"));
    for (QAction* action : menu->actions())
        if (PopupMenu::entryOf(action) == &entry)
            return platforminput::click(*menu, menu->actionGeometry(action).center());
    forms::failAction(entry, QStringLiteral("is not on the menu shown"));
}

// The frame's close button asks the window to close, as the window manager does.
void ScreenUser::closeWindow(forms::Form& form) {
    QWidget* window = windows_.windowOf(form);
    if (!form.isLoaded() || !window)
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("window %1 is not open").arg(form.name()));
    window->close();
    QCoreApplication::processEvents();
}

void ScreenUser::answer(QMessageBox& box, forms::MsgResult result) {
    for (QMessageBox::StandardButton standard :
         {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
        if (MessageBox::result(standard) == result)
            if (QAbstractButton* button = box.button(standard))
                return platforminput::click(*button, middle(*button));
}

} // namespace qtview
