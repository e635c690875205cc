// Values between the module and PostgreSQL: what is bound or written into a statement, what is read back.
#pragma once

#include <QVariant>
#include <optional>

namespace ado::postgres {

// A value as the engine is given it: dates in the canonical text form (local wall-clock time, never moved
// to another zone), flags as 1 and 0.
QVariant boundValue(const QVariant& value);

// A text written to a date column: a date text the server reads in the canonical form, '' the server's
// first day; any other text is refused with the server's message.
QVariant storedDate(const QVariant& value);

// A value written into a statement as a literal: NULL, a number, or a quoted text (dates in the canonical
// form).
QString literal(const QVariant& value);

// A timestamp as the engine sent it ("yyyy-MM-dd hh:mm:ss.zzz"): the local time, or the wall-clock time
// in UTC where the local clocks skip it; null for nothing.
QVariant dateValue(const std::optional<QString>& sent);

} // namespace ado::postgres
