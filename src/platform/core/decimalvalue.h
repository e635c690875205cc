// A number the engine keeps in decimal digits, carried in a QVariant without passing through a double.
#pragma once

#include "decimalnumber.h"

#include <QVariant>

Q_DECLARE_METATYPE(core::DecimalNumber)

namespace core {

// The number as a value of a row. It converts to double and to its text as the other numbers do, so that a
// reader that asks for a double gets one; an amount reads the digits themselves.
QVariant decimalValue(const DecimalNumber& number);

// The number a value carries, or null for any other value.
const DecimalNumber* carriedDecimal(const QVariant& value);

// The number's digits with a point, never an exponent: "-1234.5".
QString plainText(const DecimalNumber& number);

} // namespace core
