// Binds a label to a QLabel.
#pragma once

#include "controlbinder.h"

class QLabel;

namespace forms {
class Label;
}

namespace qtview {

class LabelBinder : public ControlBinder {
public:
    LabelBinder(forms::Label& label, QLabel& widget);

private:
    void refreshState() override;
    forms::Label& label_;
    QLabel& view_;
};

} // namespace qtview
