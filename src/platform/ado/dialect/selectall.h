// Recognising the statements a recordset can add rows through.
#pragma once

#include <QString>
#include <optional>

namespace ado::dialect {

// The table of "select * from TABLE", optionally followed by where or order by; nothing for any
// other statement (joins, column lists, aliases).
std::optional<QString> tableOfSelectAll(const QString& sql);

} // namespace ado::dialect
