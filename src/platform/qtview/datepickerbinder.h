// Binds a date picker to a QDateEdit with a calendar pop-up.
#pragma once

#include "controlbinder.h"

class QDateEdit;

namespace forms {
class DatePicker;
}

namespace qtview {

class DatePickerBinder : public ControlBinder {
public:
    DatePickerBinder(forms::DatePicker& picker, QDateEdit& widget);

private:
    void refreshState() override;
    forms::DatePicker& picker_;
    QDateEdit& view_;
};

} // namespace qtview
