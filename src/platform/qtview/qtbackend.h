// The forms runtime's backend for the GUI: windows from Designer files, real message boxes and menus.
#pragma once

#include "platform/forms/runtime.h"

#include <map>
#include <memory>

class QWidget;

namespace qtview {

class FormWindow;

// Install it with forms::Runtime::setBackend once a QApplication exists. Each modal show builds the
// form's window from ":/forms/<FormName>.ui" (a subsystem embeds its files under that prefix), runs a
// nested event loop until the form unloads and then destroys the window.
class QtBackend : public forms::Backend {
public:
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void formShown(forms::Form& form) override;
    void runModal(forms::Form& form) override;
    forms::MsgResult messageBox(const forms::MessageBoxRequest& request) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    void formUnloaded(forms::Form& form) override;
    void formChanged(forms::Form& form) override;
    void beep() override;
    void busyChanged(bool busy) override;
    void focusChanged(forms::Form& form, forms::Control* control) override;
    void copyText(const QString& text) override;
    // The toolkit's own file chooser, above the active window, starting in the working folder.
    std::optional<QString> saveFileName(const forms::SaveFileRequest& request) override;

    // The window of a form being shown, or nullptr.
    FormWindow* windowOf(const forms::Form& form) const;
    // Whether the widget is the window of a form being shown.
    bool isFormWindow(const QWidget& widget) const;
    // The widget bound to a control of a form being shown, or nullptr.
    QWidget* widgetOf(const forms::Control& control) const;

protected:
    // Runs the window until the form no longer shows: its modal event loop.
    virtual void driveModal(forms::Form& form, FormWindow& window);
    QWidget* activeWindow() const;

private:
    void activateOwner(const forms::Form& form);

    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
};

} // namespace qtview
