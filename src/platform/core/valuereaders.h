// Lenient readers behind the conversions: they give no value where a conversion fails with error 13.
#pragma once

#include <QDateTime>
#include <QVariant>
#include <optional>

namespace core {

// A number, a bool (-1 or 0) or a text that is a number in the regional format. Null is error 94.
std::optional<double> numericValue(const QVariant& value);

// A date, a date and time, or a text in the regional short date form or an ISO-like form.
std::optional<QDateTime> dateTimeValue(const QVariant& value);

} // namespace core
