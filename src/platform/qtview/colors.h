// Conversion of the host's colour values (blue-green-red, or a system colour) to toolkit colours.
#pragma once

#include <QColor>

class QPalette;

namespace qtview {

// Values with the high bit set name a system colour (0x80000008 window text, 0x8000000E highlight
// text, ...), taken from the palette; others are 0x00BBGGRR.
QColor toQColor(int value, const QPalette& palette);

} // namespace qtview
