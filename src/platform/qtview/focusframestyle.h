// The style of the windows' lists and grids: their frame shows the focus, as a text box's does.
#pragma once

#include <QProxyStyle>

namespace qtview {

// Draws the frame of a list or grid that has the focus in the highlight colour, so that the focus stays
// visible on a list with no rows or no current row. Everything else is the application's style.
class FocusFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace qtview
