// The one text form dates are stored and compared in, and the date texts the server's dialect reads.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

namespace ado::dialect {

// "yyyy-MM-dd HH:mm:ss.zzz", always complete, so that text order is date order and a date equal
// to a bound compares equal to it.
QString canonicalDateText(const QDate& date, const QTime& time);
QString canonicalDateText(const QDateTime& value);

// Whether a text is exactly in the canonical form (a valid date and time included).
bool isCanonicalDateText(QStringView text);

// A date the server reads from a text: yyyymmdd, yyyy-mm-dd or yyyy/mm/dd, optionally followed by a
// blank (or T) and hh:mm[:ss[.fff]]; blanks around allowed. The wall-clock value comes back in UTC
// so that arithmetic on it never meets a daylight-saving gap.
std::optional<QDateTime> parseDateText(QStringView text);

// The canonical form of a date text the server would read, nothing when it is no date.
std::optional<QString> canonicalFormOf(QStringView text);

// What a text written to a date column stores: the canonical form of a date text the server reads, the
// server's first day for '' (or blanks); nothing for any other text, which the server refuses with
// notADateText.
std::optional<QString> storedDateText(QStringView text);
inline constexpr char notADateText[] =
    "Conversion failed when converting date and/or time from character string.";

} // namespace ado::dialect
