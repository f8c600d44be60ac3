#include "platform/win32/qt/src/window_widget.h"

#include "platform/qt/text.h"
#include "platform/win32/qt/src/image_conversion.h"
#include "platform/win32/qt/src/virtual_keys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace win32::qt {

WindowWidget::WindowWidget(HWND window) : window_(window) {
    // The window draws its own caption and frame.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowWidget::Refresh() {
    image_ = ToQImage(CaptureWindow(window_));
    RECT rect;
    GetWindowRect(window_, &rect);
    setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    std::vector<char> title(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1);
    GetWindowTextA(window_, title.data(), static_cast<int>(title.size()));
    setWindowTitle(qtkit::FromWindows1252(title.data()));
    update();
}

void WindowWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void WindowWidget::PostMouse(UINT message, QMouseEvent& event) {
    event.accept();
    if (message != WM_MOUSEMOVE && event.button() != Qt::LeftButton) {
        return;
    }
    QPoint at = event.position().toPoint();
    PostMouseInput(window_, message, POINT{at.x(), at.y()});
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    PostMouse(WM_LBUTTONDOWN, *event);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    PostMouse(WM_LBUTTONUP, *event);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The layer makes the second press a double click itself, for classes that want one.
    PostMouse(WM_LBUTTONDOWN, *event);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
    PostMouse(WM_MOUSEMOVE, *event);
}

void WindowWidget::PostKey(bool pressed, QKeyEvent& event) {
    int key = VirtualKeyOf(event.key());
    if (key == 0) {
        event.ignore();
        return;
    }
    event.accept();
    bool alt = (event.modifiers() & Qt::AltModifier) != 0 && key != VK_MENU;
    UINT message =
        alt ? (pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (pressed ? WM_KEYDOWN : WM_KEYUP);
    PostKeyInput(message, key);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    PostKey(true, *event);
}

void WindowWidget::keyReleaseEvent(QKeyEvent* event) {
    PostKey(false, *event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The window decides whether it closes.
    event->ignore();
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace win32::qt
