// One parameter of a report: its name and type from the report file and the current value given.
#pragma once

#include "reportdefinition.h"

#include <QString>
#include <QVariant>

namespace report {

class ParameterField {
public:
    explicit ParameterField(const ParameterDeclaration& declaration);

    const QString& name() const { return name_; }

    // A number parameter takes numbers and texts that are numbers in the regional format (error 13
    // for any other value); a text parameter takes any value but null (error 94).
    void setCurrentValue(const QVariant& value);

    // The value as the report's queries take it: a quoted text, or a number with "." as its
    // decimal point. Error 5 without a current value.
    QString sqlLiteral() const;
    // The value as text, numbers in their shortest form; empty without a current value.
    QString text() const;
    // The value as a run's record tells it: a number in its stored form, whatever the user's locale.
    QString recordText() const;

private:
    QString name_;
    ParameterType type_;
    bool hasValue_ = false;
    QString text_;
    double number_ = 0;
};

} // namespace report
