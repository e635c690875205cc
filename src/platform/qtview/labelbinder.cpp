// The label shows its caption.
#include "labelbinder.h"

#include "platform/forms/textcontrols.h"

#include <QLabel>

namespace qtview {

LabelBinder::LabelBinder(forms::Label& label, QLabel& widget)
    : ControlBinder(label, widget), label_(label), view_(widget) {}

void LabelBinder::refreshState() {
    view_.setText(label_.caption());
}

} // namespace qtview
