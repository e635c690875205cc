// Values between the module and PostgreSQL: what is sent as a statement's value or written into its text,
// what is read back from the engine's text of a row.
#pragma once

#include <QByteArray>
#include <QVariant>
#include <libpq-fe.h>
#include <optional>

namespace ado::postgres {

// The engine's types, as its catalogue numbers them.
namespace oid {
constexpr Oid Bool = 16, Bytea = 17, Int8 = 20, Int2 = 21, Int4 = 23, Oid = 26, Float4 = 700, Float8 = 701,
              Date = 1082, Time = 1083, Timestamp = 1114, TimestampTz = 1184, TimeTz = 1266, Numeric = 1700;
} // namespace oid

// A value as the engine is given it: dates in the canonical text form (local wall-clock time, never moved
// to another zone), flags as 1 and 0.
QVariant boundValue(const QVariant& value);

// A text written to a date column: a date text the server reads in the canonical form, '' the server's
// first day; any other text is refused with the server's message.
QVariant storedDate(const QVariant& value);

// A value written into a statement as a literal: NULL, a number, or a quoted text (dates in the canonical
// form).
QString literal(const QVariant& value);

// A bound value (boundValue) as a statement's value is sent: its text, nothing for null; the type it is
// sent as, the one its literal would have: whole numbers bigint, other numbers numeric, anything else
// told by the engine from where it goes.
std::optional<QByteArray> sentText(const QVariant& bound);
Oid sentType(const QVariant& bound);

// How the values of a column are read, by the column's type: the one the module reads.
enum class ColumnKind {
    Integer,    // smallint, integer: int
    BigInteger, // bigint, oid: qlonglong
    Decimal,    // numeric: its digits as the engine wrote them (core::decimalValue)
    Number,     // real, double precision: double
    Flag,       // boolean: 1 or 0
    Date,       // date: QDate
    Time,       // time: QTime
    Timestamp,  // timestamp: QDateTime in the session's time zone
    Bytes,      // bytea: QByteArray
    Text        // anything else: QString
};
ColumnKind columnKind(Oid type);

// The value of the engine's text (`length` bytes, not null) of a column of that kind.
QVariant readValue(ColumnKind kind, const char* text, int length);

} // namespace ado::postgres
