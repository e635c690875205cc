// Translation of the module's dialect into SQLite's, with the functions of ours the driver registers.
#pragma once

#include "platform/ado/dialect/catalog.h"

#include <QString>
#include <vector>

namespace ado::sqlite {

// Names of the functions the translated text calls; the SQLite driver registers them.
namespace fn {
inline constexpr char isNull[] = "tsql_isnull";
inline constexpr char len[] = "tsql_len";
inline constexpr char right[] = "tsql_right";
inline constexpr char isNumeric[] = "tsql_isnumeric";
inline constexpr char toInt[] = "tsql_int";
inline constexpr char dateDiff[] = "tsql_datediff";
inline constexpr char dateAdd[] = "tsql_dateadd";
} // namespace fn

// The collation (letter case and trailing blanks ignored) text columns are declared with and
// literals compared with expressions get.
inline constexpr char textCollation[] = "CI";

// Rewrites a statement token by token on the shared translation pass; literals, quoted names and
// comments are never searched.
// - isnull, len, right, isnumeric, convert(int, x), datediff and dateadd call functions of ours;
//   the date part becomes a literal ('day').
// - getdate() and CURRENT_TIMESTAMP give the local time with milliseconds in the canonical form.
// - a + b with a text side (a string literal, a text column or a text function) and no number or
//   date side becomes a || b.
// - a string literal compared with (=, <>, <, ...) or between bounds of a date column or date
//   function, or written to a date column (set, insert values), is put in the canonical date form;
//   compared with anything but a number or date it gets COLLATE CI.
// - [name] becomes "name", N'text' becomes 'text'.
class SqliteRewriter {
public:
    explicit SqliteRewriter(const dialect::Catalog& catalog) : catalog_(catalog) {}
    QString translate(const QString& sql) const;
    // The same with the tokens at `lifted` (see dialect::liftLiterals) written as ?1, ?2, ...
    QString translate(const QString& sql, const std::vector<int>& lifted) const;

private:
    const dialect::Catalog& catalog_;
};

} // namespace ado::sqlite
