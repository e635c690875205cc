// Base of the objects that keep one widget in step with one control of the forms runtime.
#pragma once

#include "keystroke.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/control.h"

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;

namespace qtview {

// A binder copies the control's state into its widget (initially and whenever the control changes)
// and turns what the user does to the widget into the runtime's user actions, so that the handlers
// run exactly as in a scenario. The runtime stays the owner of every value: after an action the
// widget shows the control's state again, which undoes whatever a handler refused.
class ControlBinder : public QObject, public forms::ControlObserver {
public:
    ControlBinder(forms::Control& control, QWidget& widget);
    ~ControlBinder() override;

    forms::Control& control() const { return control_; }
    QWidget& widget() const { return widget_; }

    // Copies the control's whole state into the widget.
    void refresh();
    void controlChanged() override { refresh(); }

protected:
    // Copies the state particular to the kind of control.
    virtual void refreshState() = 0;
    // A key the user pressed on the widget; returns true when the widget must not see it. By
    // default the key's events are raised and the widget then handles the key as usual, except Tab:
    // the runtime moves the focus in its own tab order. Either way the key goes no further: the
    // containers of the widget, bound to controls of their own, never see it.
    virtual bool keyPressed(const QKeyEvent& event, const KeyStroke& stroke);
    // What to do once a user action has run.
    virtual void afterAction() { refresh(); }

    // Runs a user action. An action the runtime refuses (a disabled or hidden control, a missing
    // item) is one the user could not have done, so it is dropped.
    template <typename Action> void act(Action&& action) {
        try {
            action();
        } catch (const core::RuntimeError&) {
        }
        afterAction();
    }
    // Raises the key events for a key the user pressed; KeyUp follows when it is released.
    void sendKey(const KeyStroke& stroke);
    // One refresh once the current event is done, however many changes arrive before.
    void scheduleRefresh();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshCommon();
    void releaseFocus();
    void handOverKey(QObject* receiver, QKeyEvent& key);
    void keyReleased(const QKeyEvent& key);

    forms::Control& control_;
    QWidget& widget_;
    bool refreshPending_ = false;
    std::optional<int> heldKey_; // the key pressed whose KeyUp is still to come
};

} // namespace qtview
