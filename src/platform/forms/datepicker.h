// A date picker: one date, chosen from a calendar.
#pragma once

#include "control.h"

#include <QDate>

namespace forms {

// Setting the value raises Change when it changes.
class DatePicker : public Control {
public:
    DatePicker(Form& form, const QString& name, Control* container = nullptr);
    QDate value() const { return value_; }
    void setValue(const QDate& value);
    std::function<void()> Change;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    QDate value_;
    QDate designedValue_;
};

} // namespace forms
