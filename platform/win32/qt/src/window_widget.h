// The widget of one top-level window: draws the window's last captured pixels, and posts the
// mouse and keys it receives to the window's layer as a user's input.
#pragma once

#include "platform/win32/window_host.h"

#include <QImage>
#include <QWidget>

namespace win32::qt {

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(HWND window);

    // Takes the window's place, size, title and pixels.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PostMouse(UINT message, QMouseEvent& event);
    void PostKey(bool pressed, QKeyEvent& event);

    HWND window_;
    QImage image_;
};

} // namespace win32::qt
