// An amount spelled in words, with its laari.
#pragma once

#include <QString>

namespace output {

// The amount (a text such as "1234.50") in words.
QString ToWords(const QString& amount);
// The words of a whole number below one thousand.
QString UnitValue(qint32 value);

} // namespace output
