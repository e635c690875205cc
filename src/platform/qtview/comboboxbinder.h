// Binds a combo box to a QComboBox.
#pragma once

#include "controlbinder.h"

class QComboBox;

namespace forms {
class ComboBox;
}

namespace qtview {

class ComboBoxBinder : public ControlBinder {
public:
    ComboBoxBinder(forms::ComboBox& combo, QComboBox& widget);

private:
    void refreshState() override;
    bool keyPressed(const QKeyEvent& event, const KeyStroke& stroke) override;
    bool itemsDiffer() const;
    forms::ComboBox& combo_;
    QComboBox& view_;
};

} // namespace qtview
