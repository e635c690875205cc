// The date picker: its date and Change event.
#include "datepicker.h"

#include "controlhelpers.h"

namespace forms {

DatePicker::DatePicker(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::DatePicker, container), value_(QDate::currentDate()) {}

void DatePicker::setValue(const QDate& value) {
    if (assign(value_, value)) fire(Change);
}

QString DatePicker::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"value")) return value_.toString(QStringLiteral("yyyy-MM-dd"));
    return Control::property(name, args);
}

QStringList DatePicker::dump() const {
    return QStringList{entry(QStringLiteral("value"), property(QStringLiteral("value")))} + Control::dump();
}

void DatePicker::saveDesign() {
    Control::saveDesign();
    designedValue_ = value_;
}

void DatePicker::restoreDesign() {
    value_ = designedValue_;
    Control::restoreDesign();
}

} // namespace forms
