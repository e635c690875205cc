// The runtime clears the sibling options itself, so the toolkit's own exclusivity is switched off:
// it would also refuse to show a group where no option is set.
#include "optionbuttonbinder.h"

#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

#include <QRadioButton>

namespace qtview {

OptionButtonBinder::OptionButtonBinder(forms::OptionButton& option, QRadioButton& widget)
    : ControlBinder(option, widget), option_(option), view_(widget) {
    view_.setAutoExclusive(false);
    connect(&view_, &QRadioButton::clicked, this, [this] { act([this] { forms::user::click(option_); }); });
}

void OptionButtonBinder::refreshState() {
    view_.setText(option_.caption());
    view_.setChecked(option_.value());
}

} // namespace qtview
