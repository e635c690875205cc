// The button shows its caption; a click by mouse or space bar raises Click.
#include "commandbuttonbinder.h"

#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

#include <QPushButton>

namespace qtview {

CommandButtonBinder::CommandButtonBinder(forms::CommandButton& button, QPushButton& widget)
    : ControlBinder(button, widget), button_(button), view_(widget) {
    // Enter and Escape reach the default and cancel buttons through the runtime, not the toolkit.
    view_.setAutoDefault(false);
    connect(&view_, &QPushButton::clicked, this, [this] { act([this] { forms::user::click(button_); }); });
}

void CommandButtonBinder::refreshState() {
    view_.setText(button_.caption());
}

} // namespace qtview
