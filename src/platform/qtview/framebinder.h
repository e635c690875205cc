// Binds a frame to a QGroupBox.
#pragma once

#include "controlbinder.h"

class QGroupBox;

namespace forms {
class Frame;
}

namespace qtview {

class FrameBinder : public ControlBinder {
public:
    FrameBinder(forms::Frame& frame, QGroupBox& widget);

private:
    void refreshState() override;
    forms::Frame& frame_;
    QGroupBox& view_;
};

} // namespace qtview
