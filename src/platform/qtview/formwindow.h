// The top-level window of one form while it is shown: its widgets, binders and modal loop.
#pragma once

#include "focusframestyle.h"

#include <QEventLoop>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace forms {
class Control;
class Form;
} // namespace forms

namespace qtview {

class ControlBinder;

class FormWindow : public QWidget {
public:
    // Builds the window from ":/forms/<form name>.ui" and binds every widget whose name is a
    // control's name (in any letter case). The owner's window, if any, is the parent window.
    FormWindow(forms::Form& form, QWidget* owner);
    ~FormWindow() override;

    // Puts the window on the screen.
    void present();
    // Runs the window's modal loop until the form is no longer shown; a script that acts in the user's place
    // runs instead of the loop when given.
    void runModal(const std::function<void()>& script = nullptr);
    // Ends runModal: the form has unloaded.
    void endModal();
    // Whether runModal is under way (its loop may already have been told to quit).
    bool isRunning() const { return running_; }
    // Shows the form's caption.
    void showFormState();
    // Moves the keyboard focus to the control's widget.
    void focusControl(const forms::Control* control);
    // The widget bound to the control, or nullptr.
    QWidget* widgetFor(const forms::Control* control) const;

protected:
    // The close button asks the form, whose QueryUnload may keep it open.
    void closeEvent(QCloseEvent* event) override;

private:
    void bindControls();

    forms::Form& form_;
    FocusFrameStyle listStyle_;
    std::vector<std::unique_ptr<ControlBinder>> binders_;
    QEventLoop loop_;
    bool running_ = false;
};

} // namespace qtview
