// The frame's caption is the group box's title; disabling it disables what it contains.
#include "framebinder.h"

#include "platform/forms/textcontrols.h"

#include <QGroupBox>

namespace qtview {

FrameBinder::FrameBinder(forms::Frame& frame, QGroupBox& widget)
    : ControlBinder(frame, widget), frame_(frame), view_(widget) {}

void FrameBinder::refreshState() {
    view_.setTitle(frame_.caption());
}

} // namespace qtview
