// The platform's focus indicator on the widgets whose style draws none of its own (a scroll bar,
// a picture): the style's focus frame inside the widget's edge while the widget has the focus.
#pragma once

#include <QPaintEvent>
#include <QWidget>

#include <utility>

namespace forms::qt {

// Draws the style's focus frame just inside the widget's edge.
void DrawFocusFrame(QWidget& widget);

template <class Widget>
class FocusFramed final : public Widget {
public:
    template <class... Args>
    explicit FocusFramed(Args&&... args) : Widget(std::forward<Args>(args)...) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        Widget::paintEvent(event);
        if (this->hasFocus()) {
            DrawFocusFrame(*this);
        }
    }
};

} // namespace forms::qt
