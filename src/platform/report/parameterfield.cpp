// Current values of report parameters and how queries and run records see them.
#include "parameterfield.h"

#include "reportfailure.h"

#include "platform/ado/connection.h"
#include "platform/core/conversions.h"

namespace report {

ParameterField::ParameterField(const ParameterDeclaration& declaration)
    : name_(declaration.name), type_(declaration.type) {}

void ParameterField::setCurrentValue(const QVariant& value) {
    if (type_ == ParameterType::Number) {
        number_ = core::toDouble(value);
        text_ = core::numberText(number_);
    } else {
        text_ = core::toText(value);
    }
    hasValue_ = true;
}

QString ParameterField::sqlLiteral() const {
    if (!hasValue_)
        throw failure(core::err::InvalidCall,
                      QStringLiteral("The report parameter %1 has no current value").arg(name_));
    if (type_ == ParameterType::Text) return ado::quoted(text_);
    // The queries' decimal point is "." whatever the user's regional settings say.
    return QString::number(number_, 'g', 15);
}

QString ParameterField::text() const {
    return hasValue_ ? text_ : QString();
}

QString ParameterField::recordText() const {
    return hasValue_ && type_ == ParameterType::Number ? core::storedNumberText(number_) : text();
}

} // namespace report
