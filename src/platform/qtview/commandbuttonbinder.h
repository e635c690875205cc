// Binds a command button to a QPushButton.
#pragma once

#include "controlbinder.h"

class QPushButton;

namespace forms {
class CommandButton;
}

namespace qtview {

class CommandButtonBinder : public ControlBinder {
public:
    CommandButtonBinder(forms::CommandButton& button, QPushButton& widget);

private:
    void refreshState() override;
    forms::CommandButton& button_;
    QPushButton& view_;
};

} // namespace qtview
