// What every user action checks first: the control can be reached, and it takes the focus.
#pragma once

#include <QString>

namespace forms {

class Control;

// Fails with error 5 and the reason, as a user cannot do the action.
[[noreturn]] void failAction(const Control& control, const QString& reason);
// The window is open and the control and its containers are enabled and visible. Each user action on
// a control passes here before any handler runs: it begins a user command.
void requireUsable(const Control& control);
// requireUsable, then the focus moves to the control as a mouse click or key would move it.
void reach(Control& control);
// Presses and releases a mouse button over the control.
void pressMouse(Control& control, int button);

} // namespace forms
