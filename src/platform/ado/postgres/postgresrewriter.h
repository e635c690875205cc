// Translation of the module's dialect into PostgreSQL's, with the functions of dialect.sql.
#pragma once

#include "platform/ado/dialect/catalog.h"

#include <QString>
#include <vector>

namespace ado::postgres {

// The collation (letter case ignored) literals compared with texts get; dialect.sql creates it.
inline constexpr char textCollation[] = "ci";

// Rewrites a statement token by token on the shared translation pass; literals and comments are never
// searched.
// - isnull(a, b) becomes coalesce(a, b), b cast to text when a is a text and b a number.
// - len, right, isnumeric, convert(int, x), datediff and dateadd call the functions of dialect.sql (the
//   engine's own right and casts answer otherwise); the date part becomes a literal ('day').
// - getdate() and CURRENT_TIMESTAMP give the local time of the statement with milliseconds.
// - a + b with a text side and no number or date side becomes a || b.
// - a string literal compared with or written to a date is put in the canonical date form; compared with a
//   text it gets COLLATE ci.
// - a LIKE b becomes an ILIKE of both sides as text under a deterministic collation, so that it matches
//   without regard to case on any text; a backslash escapes nothing unless an ESCAPE clause says so.
// - quoted names ([name], "name") fold to lower case, as the engine folds unquoted ones, and take its
//   quotes; N'text' becomes 'text'.
// - each item of an order by puts nulls where the server does: first when ascending, last when descending.
class PostgresRewriter {
public:
    explicit PostgresRewriter(const dialect::Catalog& catalog) : catalog_(catalog) {}
    QString translate(const QString& sql) const;
    // The same with the tokens at `lifted` (see dialect::liftLiterals) written as $1, $2, ...
    QString translate(const QString& sql, const std::vector<int>& lifted) const;

private:
    const dialect::Catalog& catalog_;
};

} // namespace ado::postgres
