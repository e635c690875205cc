// System colour indexes follow the host's numbering of its display elements.
#include "colors.h"

#include <QPalette>

namespace qtview {

namespace {

QPalette::ColorRole systemRole(int index) {
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(int value, const QPalette& palette) {
    const quint32 bits = quint32(value);
    if (bits & 0x80000000u) return palette.color(systemRole(int(bits & 0xFFu)));
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

} // namespace qtview
