// Texts and names put into a statement: the only way the module and the drivers do it.
#pragma once

#include <QString>

namespace ado {

// A text as an SQL literal: enclosed in apostrophes, apostrophes inside doubled.
QString quoted(const QString& text);
// A table or column name as standard SQL quotes it: enclosed in double quotes, double quotes inside
// doubled. The only way the drivers put a name of their own making into a statement.
QString quotedName(const QString& name);

} // namespace ado
