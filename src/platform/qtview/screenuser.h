// A user at the screen: the actions of a script delivered to the windows as a user's input.
#pragma once

#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"

class QAbstractItemView;
class QMessageBox;
class QModelIndex;
class QWidget;

namespace qtview {

class QtBackend;

// Each action goes to the widget bound to the control, as mouse and key events from the windowing system
// (platforminput.h): buttons are clicked, texts typed key by key, combo items picked from the open list,
// dates from the picker's calendar, list items and grid cells clicked where they are shown. The widget and
// its binder then do what they do for a user, so a fault of the screen shows as it would to a cashier. An
// action fails as the runtime's does when the control cannot be reached, and also when its widget is not
// shown or not enabled although the control is.
class ScreenUser : public forms::UserInput {
public:
    explicit ScreenUser(const QtBackend& windows) : windows_(windows) {}

    void click(forms::Control& control) override;
    void focus(forms::Control& control) override;
    void type(forms::Control& control, const QString& text) override;
    void pressKey(forms::Control& control, int keyCode, int shift, std::optional<int> character) override;
    void typeCharacter(forms::Control& control, int character) override;
    void clear(forms::TextBox& box) override;
    void paste(forms::TextBox& box, const QString& text) override;
    void select(forms::ComboBox& combo, int index) override;
    void pickDate(forms::DatePicker& picker, const QDate& date) override;
    void chooseTab(forms::TabControl& tabs, int index) override;
    void clickItem(forms::ListView& list, int item) override;
    void doubleClickItem(forms::ListView& list, int item) override;
    void rightClickItem(forms::ListView& list, int item) override;
    void clickCell(forms::Grid& grid, int row, int col) override;
    void doubleClickRow(forms::Grid& grid, int row) override;
    void dragRows(forms::Grid& grid, int fromRow, int toRow) override;
    void hover(forms::Control& control) override;
    void hoverCell(forms::Grid& grid, int row, int col) override;
    void chooseMenu(forms::Menu& entry) override;
    void closeWindow(forms::Form& form) override;

    // Clicks the button of a message box that gives the answer.
    static void answer(QMessageBox& box, forms::MsgResult result);

private:
    void closeViewers() const;
    QWidget& reach(forms::Control& control) const;
    QWidget& withFocus(forms::Control& control) const;
    void putCaretAtEnd(forms::Control& control) const;
    void sendKey(QWidget& widget, int keyCode, int shift, std::optional<int> character) const;
    void clickIndex(forms::Control& control, const QModelIndex& index, Qt::MouseButton button,
                    int clicks) const;
    QAbstractItemView& itemView(forms::Control& control) const;

    const QtBackend& windows_;
};

} // namespace qtview
