// The picker's date; a date the user picks or edits reaches the runtime, which raises Change.
#include "datepickerbinder.h"

#include "platform/core/conversions.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/userinput.h"

#include <QDateEdit>

namespace qtview {

DatePickerBinder::DatePickerBinder(forms::DatePicker& picker, QDateEdit& widget)
    : ControlBinder(picker, widget), picker_(picker), view_(widget) {
    view_.setCalendarPopup(true);
    // The picker shows dates in the same short form as every other date of the module.
    view_.setDisplayFormat(core::regional().shortDateFormat);
    connect(&view_, &QDateEdit::dateChanged, this,
            [this](QDate date) { act([this, date] { forms::user::pickDate(picker_, date); }); });
}

void DatePickerBinder::refreshState() {
    if (picker_.value().isValid()) view_.setDate(picker_.value());
}

} // namespace qtview
