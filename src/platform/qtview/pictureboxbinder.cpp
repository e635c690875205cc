// A picture box holds buttons; the module draws nothing in it.
#include "pictureboxbinder.h"

#include "platform/forms/textcontrols.h"

namespace qtview {

PictureBoxBinder::PictureBoxBinder(forms::PictureBox& picture, QWidget& widget)
    : ControlBinder(picture, widget) {}

} // namespace qtview
