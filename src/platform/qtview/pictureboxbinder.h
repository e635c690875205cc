// Binds a picture box, used as a container of other controls, to a plain widget or frame.
#pragma once

#include "controlbinder.h"

namespace forms {
class PictureBox;
}

namespace qtview {

// Only the common state applies: enabling, showing and the tool tip of the container.
class PictureBoxBinder : public ControlBinder {
public:
    PictureBoxBinder(forms::PictureBox& picture, QWidget& widget);

private:
    void refreshState() override {}
};

} // namespace qtview
