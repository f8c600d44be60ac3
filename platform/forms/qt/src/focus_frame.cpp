#include "platform/forms/qt/src/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace forms::qt {

QRect FocusFrameRect(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, &button);
}

QRect FocusFrameRect(const QWidget& widget) {
    return widget.rect();
}

void DrawFocusFrame(QWidget& widget, const QRect& area) {
    QPainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = area;
    option.backgroundColor = widget.palette().color(QPalette::Window);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

} // namespace forms::qt
