// Binds an option button to a QRadioButton.
#pragma once

#include "controlbinder.h"

class QRadioButton;

namespace forms {
class OptionButton;
}

namespace qtview {

class OptionButtonBinder : public ControlBinder {
public:
    OptionButtonBinder(forms::OptionButton& option, QRadioButton& widget);

private:
    void refreshState() override;
    forms::OptionButton& option_;
    QRadioButton& view_;
};

} // namespace qtview
