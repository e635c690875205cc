// The combo's items and selection; an item the user picks (mouse or keyboard) is selected through
// the runtime, which raises Click.
#include "comboboxbinder.h"

#include "platform/forms/combobox.h"
#include "platform/forms/userinput.h"

#include <QComboBox>

namespace qtview {

ComboBoxBinder::ComboBoxBinder(forms::ComboBox& combo, QComboBox& widget)
    : ControlBinder(combo, widget), combo_(combo), view_(widget) {
    view_.setEditable(false);
    connect(&view_, &QComboBox::activated, this,
            [this](int index) { act([this, index] { forms::user::select(combo_, index); }); });
}

// The runtime moves the choice with the movement keys; the combo's own moving would choose twice.
bool ComboBoxBinder::keyPressed(const QKeyEvent&, const KeyStroke& stroke) {
    sendKey(stroke);
    return isMovementKey(stroke.keyCode) || stroke.keyCode == forms::keys::PageUp ||
           stroke.keyCode == forms::keys::PageDown || stroke.keyCode == forms::keys::Tab;
}

void ComboBoxBinder::refreshState() {
    if (itemsDiffer()) {
        view_.clear();
        for (int i = 0; i < combo_.listCount(); ++i)
            view_.addItem(combo_.list(i));
    }
    view_.setCurrentIndex(combo_.listIndex());
}

bool ComboBoxBinder::itemsDiffer() const {
    if (view_.count() != combo_.listCount()) return true;
    for (int i = 0; i < view_.count(); ++i)
        if (view_.itemText(i) != combo_.list(i)) return true;
    return false;
}

} // namespace qtview
