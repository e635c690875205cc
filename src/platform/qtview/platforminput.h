// Input as the windowing system delivers a user's: mouse buttons, pointer moves and keys.
#pragma once

#include <QString>
#include <Qt>

class QPoint;
class QWidget;

namespace qtview::platforminput {

// Each event goes into the platform's input queue for the top-level window it lands on, as the windowing
// system's events do, so the toolkit treats it as a user's: a click gives the focus by the widget's focus
// policy, a second click soon after the first is a double click, a window a modal window blocks gets
// nothing, a key reaches the focused widget after the shortcuts. The events queued by the handlers have run
// when each function returns.

// Presses and releases a mouse button at a point of the widget, clicks times in quick succession.
void click(QWidget& widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton, int clicks = 1);
// Presses the left button at one point, moves with it held and releases it at another.
void drag(QWidget& widget, const QPoint& from, const QPoint& to);
// Moves the pointer to a point of the widget, no button held.
void move(QWidget& widget, const QPoint& at);
// Presses and releases a key on the window that has the keyboard focus (the widget's own window when none
// has), with the text the key types.
void press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = QString());
// Types a character as the key of a US keyboard that produces it, with Shift where it takes one.
void typeCharacter(QWidget& widget, QChar character);

} // namespace qtview::platforminput
