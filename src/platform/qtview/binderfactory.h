// Creates the binder that fits a control's kind and its widget's class.
#pragma once

#include <memory>

class QWidget;

namespace forms {
class Control;
}

namespace qtview {

class ControlBinder;

// The binder, already showing the control's state; nullptr (with a warning) when the widget's class
// does not fit the control's kind, and for kinds without a widget (menus).
std::unique_ptr<ControlBinder> bindControl(forms::Control& control, QWidget& widget);

} // namespace qtview
