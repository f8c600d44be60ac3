#include "platform/forms/qt/src/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace forms::qt {

void DrawFocusFrame(QWidget& widget) {
    QPainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.backgroundColor = widget.palette().color(QPalette::Window);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

} // namespace forms::qt
