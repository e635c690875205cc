// Formatting a value with a number or a date pattern.
#include "conversions.h"
#include "datepattern.h"
#include "numberpattern.h"
#include "valuereaders.h"

namespace core {

QString format(const QVariant& value, const QString& pattern) {
    if (isNull(value)) return {};
    if (auto numberPattern = NumberPattern::parse(pattern)) {
        if (auto number = numericValue(value)) return numberPattern->apply(*number);
    } else if (auto datePattern = DatePattern::parse(pattern)) {
        if (auto dateTime = dateTimeValue(value)) return datePattern->apply(dateTime->date());
    }
    return toText(value);
}

} // namespace core
