// Host colour values as toolkit colours (system colour indexes follow the host's numbering of its display
// elements), and the contrast that keeps a selection readable.
#include "colors.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

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

constexpr double ReadableContrast = 4.5;
constexpr int BlendSteps = 100;

// The relative luminance of a colour on a standard screen: each channel made linear, weighted as the eye
// sees.
double luminance(const QColor& color) {
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

QColor blend(const QColor& from, const QColor& to, double share) {
    auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

QColor toQColor(int value, const QPalette& palette) {
    const quint32 bits = quint32(value);
    if (isSystemColor(value)) return palette.color(systemRole(int(bits & 0xFFu)));
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

bool isSystemColor(int value) {
    return quint32(value) & 0x80000000u;
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor readableBackground(const QColor& text, const QColor& background) {
    if (contrastRatio(text, background) >= ReadableContrast) return background;
    const QColor end =
        contrastRatio(text, Qt::black) > contrastRatio(text, Qt::white) ? Qt::black : Qt::white;
    for (int step = 1; step < BlendSteps; ++step) {
        const QColor blended = blend(background, end, double(step) / BlendSteps);
        if (contrastRatio(text, blended) >= ReadableContrast) return blended;
    }
    return end;
}

} // namespace qtview
