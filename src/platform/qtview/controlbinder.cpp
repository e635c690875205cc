// Common state, keys and focus of every bound widget.
#include "controlbinder.h"

#include "platform/forms/userinput.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace qtview {

ControlBinder::ControlBinder(forms::Control& control, QWidget& widget) : control_(control), widget_(widget) {
    control_.setObserver(this);
    widget_.installEventFilter(this);
    // Composite widgets such as the date edit take keys and focus in an inner editor.
    if (QWidget* proxy = widget_.focusProxy()) proxy->installEventFilter(this);
}

// A window shown again may already have bound a new binder to the control.
ControlBinder::~ControlBinder() {
    if (control_.observer() == this) control_.setObserver(nullptr);
}

void ControlBinder::refresh() {
    // The widget's own change signals must not turn the runtime's values back into user actions.
    const QSignalBlocker blocker(&widget_);
    refreshCommon();
    refreshState();
}

void ControlBinder::refreshCommon() {
    widget_.setEnabled(control_.enabled());
    if (widget_.isHidden() == control_.visible()) widget_.setVisible(control_.visible());
    if (widget_.toolTip() != control_.toolTipText()) widget_.setToolTip(control_.toolTipText());
}

void ControlBinder::scheduleRefresh() {
    if (std::exchange(refreshPending_, true)) return;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

bool ControlBinder::keyPressed(const QKeyEvent& event, const KeyStroke& stroke) {
    sendKey(stroke);
    return stroke.keyCode == forms::keys::Tab;
}

void ControlBinder::sendKey(const KeyStroke& stroke) {
    act([&] {
        if (stroke.character >= 32)
            forms::user::typeCharacter(control_, stroke.character);
        else if (stroke.character)
            forms::user::pressKey(control_, stroke.keyCode, stroke.shift, stroke.character);
        else
            forms::user::pressKey(control_, stroke.keyCode, stroke.shift);
    });
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_ && watched != widget_.focusProxy()) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const KeyStroke stroke = keyStrokeOf(key);
        return !stroke.isEmpty() && keyPressed(key, stroke);
    }
    if (event->type() == QEvent::FocusIn && !control_.hasFocus())
        act([this] { forms::user::focus(control_); });
    return false;
}

} // namespace qtview
