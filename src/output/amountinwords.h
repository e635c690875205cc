// An amount spelled in words for the receipt voucher: whole part, then its laari.
#pragma once

#include <QString>

namespace output {

// The amount, a decimal number written as text ("1234.50"; thousands separators accepted), in words:
// "One Thousand  Two Hundred Thirty Four and Fifty Laari(s) Only.". Rounded to the laari first, halves
// to even. Fails with error 13 when the text is not a number, error 5 when the amount is negative and
// error 6 from one thousand trillion on.
QString ToWords(const QString& amount);
// The words of a number below one hundred written as one or two digits ("05" is "Five", "0" and "00"
// are empty). Any other text fails with error 5.
QString UnitValue(const QString& digits);

} // namespace output
