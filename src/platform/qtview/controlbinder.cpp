// Common state, keys and focus of every bound widget.
#include "controlbinder.h"

#include "platform/forms/userinput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace qtview {

ControlBinder::ControlBinder(forms::Control& control, QWidget& widget) : control_(control), widget_(widget) {
    control_.setObserver(this);
    widget_.installEventFilter(this);
    // A control that watches the pointer (to set its tool tip) hears of it moving with no button held.
    if (control_.MouseMove) widget_.setMouseTracking(true);
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
    if (!control_.isUsable()) releaseFocus();
    widget_.setEnabled(control_.enabled());
    if (widget_.isHidden() == control_.visible()) widget_.setVisible(control_.visible());
    if (widget_.toolTip() != control_.toolTipText()) widget_.setToolTip(control_.toolTipText());
}

// A widget disabled or hidden with the focus would pass it to the next widget of the toolkit's own chain;
// where it goes is the runtime's to say (the register takes it back to its grid), and the view follows.
void ControlBinder::releaseFocus() {
    QWidget* focused = widget_.window()->focusWidget();
    if (focused && (focused == &widget_ || widget_.isAncestorOf(focused))) focused->clearFocus();
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

// KeyUp waits for the key's release, so that its handlers see what the widget made of the key (a paste, a
// deletion) as well.
void ControlBinder::sendKey(const KeyStroke& stroke) {
    heldKey_.reset();
    act([&] {
        const std::optional<int> character =
            stroke.character ? std::optional(stroke.character) : std::nullopt;
        if (forms::user::holdKey(control_, stroke.keyCode, stroke.shift, character))
            heldKey_ = stroke.keyCode;
    });
}

void ControlBinder::keyReleased(const QKeyEvent& key) {
    const KeyStroke stroke = keyStrokeOf(key);
    if (key.isAutoRepeat() || heldKey_ != stroke.keyCode) return;
    heldKey_.reset();
    act([&] { forms::user::releaseKey(control_, stroke.keyCode, stroke.shift); });
}

// A key the widget leaves unused would travel on to its parents, and a parent bound to a control (the
// frame around option buttons, the box holding the buttons, the tab control holding a list) would raise the
// key's events a second time: Ctrl+Enter would open two entry windows. So the key is delivered here, to the
// widget that received it and up to the bound widget at most, and then goes no further.
void ControlBinder::handOverKey(QObject* receiver, QKeyEvent& key) {
    for (QPointer<QObject> target = receiver; target; target = target->parent()) {
        key.accept();
        target->event(&key);
        if (key.isAccepted() || target == &widget_) return;
    }
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_ && watched != widget_.focusProxy()) return false;
    if (event->type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(*event);
        const KeyStroke stroke = keyStrokeOf(key);
        if (stroke.isEmpty()) return false;
        if (!keyPressed(key, stroke)) handOverKey(watched, key);
        key.accept();
        return true;
    }
    if (event->type() == QEvent::KeyRelease) keyReleased(static_cast<QKeyEvent&>(*event));
    if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent&>(*event).buttons() == Qt::NoButton &&
        control_.MouseMove)
        act([this] { forms::user::hover(control_); });
    if (event->type() == QEvent::FocusIn && !control_.hasFocus())
        act([this] { forms::user::focus(control_); });
    return false;
}

} // namespace qtview
