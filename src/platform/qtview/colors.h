// Conversion of the host's colour values (blue-green-red, or a system colour) to toolkit colours, and
// backgrounds that keep a text colour readable.
#pragma once

#include <QColor>

class QPalette;

namespace qtview {

// Values with the high bit set name a system colour (0x80000008 window text, 0x8000000E highlight
// text, ...), taken from the palette; others are 0x00BBGGRR.
QColor toQColor(int value, const QPalette& palette);

// Whether a value names a system colour rather than one of the module's own.
bool isSystemColor(int value);

// How far apart two colours are for the eye: 1 for the same brightness up to 21 for black on white.
double contrastRatio(const QColor& first, const QColor& second);

// A background on which the text reads easily (a contrast of at least 4.5): the given one when it already
// does, else the same colour taken as little toward black or white as it needs.
QColor readableBackground(const QColor& text, const QColor& background);

} // namespace qtview
