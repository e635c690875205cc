// What a user does to controls, with the events in the order the runtime raises them. The Qt view
// and the scenario runner both act through these functions.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace forms {

class Control;
class Form;
class Grid;
class ListView;
class ComboBox;
class TextBox;
class DatePicker;
class Menu;
class TabControl;

// Key codes and characters the module and the views handle.
namespace keys {
constexpr int CtrlC = 3;
constexpr int CtrlD = 4;
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int CtrlEnter = 10;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
// F2 to F24 follow F1.
constexpr int F1 = 112;
constexpr int F9 = 120;
constexpr int F10 = 121;
} // namespace keys

namespace user {

// Every function fails with RuntimeError when the control is disabled, hidden, or the item does
// not exist (the action is impossible for a user).
void click(Control& control);
void focus(Control& control);
// Types each character: KeyDown, KeyPress (the form first when it previews keys; a handler may
// swallow or change it), the text change, KeyUp.
void type(Control& control, const QString& text);
// Presses a key: KeyDown and KeyUp with the key code, KeyPress in between when the key produces a
// character (character given or implied by the key code). Tab moves the focus; Backspace deletes.
void pressKey(Control& control, int keyCode, int shift = 0, std::optional<int> character = std::nullopt);
// The two halves of pressKey for a screen, whose keys go down and up as two events: KeyDown and KeyPress
// (or the focus moved by Tab, or a default or cancel button pressed, which returns false: no KeyUp follows),
// and, when the key is released, KeyUp.
bool holdKey(Control& control, int keyCode, int shift = 0, std::optional<int> character = std::nullopt);
void releaseKey(Control& control, int keyCode, int shift = 0);
void typeCharacter(Control& control, int character);
void clear(TextBox& box);
void paste(TextBox& box, const QString& text);
void select(ComboBox& combo, int index);
void pickDate(DatePicker& picker, const QDate& date);
// The tab chosen becomes current, then the tab control's Click runs.
void chooseTab(TabControl& tabs, int index);
void clickItem(ListView& list, int item);
void doubleClickItem(ListView& list, int item);
void rightClickItem(ListView& list, int item);
void clickCell(Grid& grid, int row, int col);
void doubleClickRow(Grid& grid, int row);
void dragRows(Grid& grid, int fromRow, int toRow);
void clickHeader(Grid& grid, int col);
void hover(Control& control);
void hoverCell(Grid& grid, int row, int col);
void chooseMenu(Menu& entry);
// Closes the window through its frame: QueryUnload runs with UnloadFromFrame.
void closeWindow(Form& form);

} // namespace user

// The user's actions as one object, for whoever acts in the user's place: the runtime's own actions above,
// or input delivered to the windows on a screen. Each action fails as the functions above do.
class UserInput {
public:
    virtual ~UserInput() = default;
    virtual void click(Control& control) = 0;
    virtual void focus(Control& control) = 0;
    virtual void type(Control& control, const QString& text) = 0;
    virtual void pressKey(Control& control, int keyCode, int shift, std::optional<int> character) = 0;
    virtual void typeCharacter(Control& control, int character) = 0;
    virtual void clear(TextBox& box) = 0;
    virtual void paste(TextBox& box, const QString& text) = 0;
    virtual void select(ComboBox& combo, int index) = 0;
    virtual void pickDate(DatePicker& picker, const QDate& date) = 0;
    virtual void chooseTab(TabControl& tabs, int index) = 0;
    virtual void clickItem(ListView& list, int item) = 0;
    virtual void doubleClickItem(ListView& list, int item) = 0;
    virtual void rightClickItem(ListView& list, int item) = 0;
    virtual void clickCell(Grid& grid, int row, int col) = 0;
    virtual void doubleClickRow(Grid& grid, int row) = 0;
    virtual void dragRows(Grid& grid, int fromRow, int toRow) = 0;
    virtual void hover(Control& control) = 0;
    virtual void hoverCell(Grid& grid, int row, int col) = 0;
    virtual void chooseMenu(Menu& entry) = 0;
    virtual void closeWindow(Form& form) = 0;
};

// The runtime's own actions: the events run as the functions of forms::user raise them.
class RuntimeInput : public UserInput {
public:
    void click(Control& control) override { user::click(control); }
    void focus(Control& control) override { user::focus(control); }
    void type(Control& control, const QString& text) override { user::type(control, text); }
    void pressKey(Control& control, int keyCode, int shift, std::optional<int> character) override {
        user::pressKey(control, keyCode, shift, character);
    }
    void typeCharacter(Control& control, int character) override { user::typeCharacter(control, character); }
    void clear(TextBox& box) override { user::clear(box); }
    void paste(TextBox& box, const QString& text) override { user::paste(box, text); }
    void select(ComboBox& combo, int index) override { user::select(combo, index); }
    void pickDate(DatePicker& picker, const QDate& date) override { user::pickDate(picker, date); }
    void chooseTab(TabControl& tabs, int index) override { user::chooseTab(tabs, index); }
    void clickItem(ListView& list, int item) override { user::clickItem(list, item); }
    void doubleClickItem(ListView& list, int item) override { user::doubleClickItem(list, item); }
    void rightClickItem(ListView& list, int item) override { user::rightClickItem(list, item); }
    void clickCell(Grid& grid, int row, int col) override { user::clickCell(grid, row, col); }
    void doubleClickRow(Grid& grid, int row) override { user::doubleClickRow(grid, row); }
    void dragRows(Grid& grid, int fromRow, int toRow) override { user::dragRows(grid, fromRow, toRow); }
    void hover(Control& control) override { user::hover(control); }
    void hoverCell(Grid& grid, int row, int col) override { user::hoverCell(grid, row, col); }
    void chooseMenu(Menu& entry) override { user::chooseMenu(entry); }
    void closeWindow(Form& form) override { user::closeWindow(form); }
};

} // namespace forms
