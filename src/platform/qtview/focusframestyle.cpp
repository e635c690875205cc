// A focused list's or grid's frame in the highlight colour.
#include "focusframestyle.h"

#include <QAbstractItemView>
#include <QPainter>

namespace qtview {

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_Frame || !(option->state & State_HasFocus) ||
        !qobject_cast<const QAbstractItemView*>(widget))
        return;
    painter->save();
    painter->setPen(option->palette.color(QPalette::Highlight));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace qtview
