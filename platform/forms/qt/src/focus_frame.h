// The platform's focus indicator where the style draws none of its own: on a scroll bar and a
// picture, and on a push button, whose focused look the style shares with the default
// button's. The style's focus frame is drawn over the widget while it has the focus.
#pragma once

#include <QPaintEvent>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <utility>

namespace forms::qt {

// Where the frame goes: around a button's caption, where the style puts a button's focus
// frame; just inside the edge of any other widget.
QRect FocusFrameRect(const QPushButton& button);
QRect FocusFrameRect(const QWidget& widget);
// Draws the style's focus frame over `area` of the widget.
void DrawFocusFrame(QWidget& widget, const QRect& area);

template <class Widget>
class FocusFramed final : public Widget {
public:
    template <class... Args>
    explicit FocusFramed(Args&&... args) : Widget(std::forward<Args>(args)...) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        Widget::paintEvent(event);
        if (this->hasFocus()) {
            DrawFocusFrame(*this, FocusFrameRect(static_cast<const Widget&>(*this)));
        }
    }
};

} // namespace forms::qt
