// Runtime services every window uses: message boxes, the hourglass, the modal stack, Tab keys.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace forms {

class Form;
class Menu;
class Control;

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK = 1, Cancel = 2, Yes = 6, No = 7 };
// Which button of a message box is the default: the first (Yes, OK) or the second (No, Cancel).
constexpr int DefaultButton1 = 1, DefaultButton2 = 2;

struct MessageBoxRequest {
    QString text;
    QString title; // the application's name when empty
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 1; // 1, 2 or 3: which button is the default
    MsgResult defaultResult() const;
};

// The file chooser of a command that writes a file: its title, the name it proposes and the kinds of file it
// lists ("CSV files (*.csv)").
struct SaveFileRequest {
    QString title;
    QString proposedName;
    QString filter;
};

// What shows windows and asks the user: the headless backend in tests and scenarios, the Qt
// backend in the GUI.
class Backend {
public:
    virtual ~Backend() = default;
    // The window is loaded and about to be shown modally: present it and process the user's
    // actions until it is no longer shown, then return.
    virtual void runModal(Form& form) = 0;
    virtual MsgResult messageBox(const MessageBoxRequest& request) = 0;
    // Shows a pop-up menu and lets the user choose; the chosen entry's Click is raised by the
    // backend (through user::chooseMenu) before it returns.
    virtual void popupMenu(Form& form, Menu& menu) = 0;
    virtual void formLoaded(Form& form) {}
    // The window is about to be shown modally (before its first activation runs).
    virtual void formShown(Form& form) {}
    virtual void formUnloaded(Form& form) {}
    // The window's caption or size changed while it is loaded.
    virtual void formChanged(Form& form) {}
    virtual void busyChanged(bool busy) {}
    // A key was refused: the user hears it.
    virtual void beep() {}
    virtual void focusChanged(Form& form, Control* control) {}
    // Puts the text on the clipboard, for the user to paste elsewhere.
    virtual void copyText(const QString& text) = 0;
    // The file the user chose to write; nothing when the user cancelled.
    virtual std::optional<QString> saveFileName(const SaveFileRequest& request) = 0;
};

class Runtime {
public:
    static void setBackend(Backend* backend);
    static Backend& backend();
    static void setApplicationName(const QString& name);
    static const QString& applicationName();

    static MsgResult msgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                            MsgIcon icon = MsgIcon::None, const QString& title = QString(),
                            int defaultButton = 1);

    // A user command is what the program does for one action of the user until it waits for the next: a
    // click or a key with the windows it opens (their load and first activation) and what the window
    // below does when it is active again after they closed. Every user action begins one, and so does a
    // window shown with none below it (the host opening the register).
    static void beginCommand();
    // The command under way: whatever happens within one command sees the same number.
    static quint64 command();

    // The window on top of the modal stack, or nullptr.
    static Form* activeForm();
    // Sends one Tab keystroke to the active window: the focus moves to the next control.
    static void sendTab();
    static void beep();

    // Used by Form.
    static void pushModal(Form& form);
    static void popModal(Form& form);
};

// The hourglass pointer for the lifetime of the object; nested pointers restore in order.
class HourglassPointer {
public:
    HourglassPointer();
    ~HourglassPointer();
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;
    static bool busy();
};

} // namespace forms
