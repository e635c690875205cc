// What the screen shows of a control, read from its widget.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace forms {
class Control;
}

namespace qtview {

class QtBackend;

// A property of the control, named and written as the runtime's properties are ("text", "value",
// "subitem(N,M)", "focused", ...), as its widget shows it: the line edit's text, the option's check mark,
// the list's cell, the row the grid shows current, whether the widget has the keyboard focus in the active
// window. Nothing when the control's window is not on the screen or its widget does not show the property
// (item data, the selection colour, widths in twips).
std::optional<QString> shownProperty(const QtBackend& windows, const forms::Control& control,
                                     const QString& name, const QList<int>& args);

} // namespace qtview
