#include "platform/win32/qt/display_host.h"

#include "platform/qt/application.h"
#include "platform/qt/text.h"
#include "platform/win32/qt/src/image_conversion.h"
#include "platform/win32/qt/src/window_widget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <vector>

namespace win32::qt {

namespace {

// The layer's clipboard as the desktop's: its text, its bitmap, or both.
void HandClipboardToDesktop() {
    std::optional<std::string> text = ClipboardText();
    std::optional<WindowImage> bitmap = ClipboardBitmap();
    auto data = std::make_unique<QMimeData>();
    if (text) {
        data->setText(qtkit::FromWindows1252(*text));
    }
    if (bitmap) {
        data->setImageData(ToQImage(*bitmap));
    }
    QGuiApplication::clipboard()->setMimeData(data.release());
}

} // namespace

DisplayHost::DisplayHost() {
    SetMessageWait([this](int untilMilliseconds) { return Wait(untilMilliseconds); });
    SetClipboardListener(HandClipboardToDesktop);
}

DisplayHost::~DisplayHost() {
    SetClipboardListener(nullptr);
    SetMessageWait(nullptr);
}

void DisplayHost::Sync() {
    std::vector<HWND> visible = VisibleTopLevelWindows();
    std::erase_if(widgets_, [&visible](const auto& entry) {
        return std::find(visible.begin(), visible.end(), entry.first) == visible.end();
    });
    for (HWND window : visible) {
        auto& widget = widgets_[window];
        if (!widget) {
            widget = std::make_unique<WindowWidget>(window);
        }
        widget->Refresh();
        widget->show();
    }
}

QWidget* DisplayHost::WidgetOf(HWND topLevel) const {
    auto found = widgets_.find(topLevel);
    return found == widgets_.end() ? nullptr : found->second.get();
}

bool DisplayHost::Wait(int untilMilliseconds) {
    Sync();
    // With nothing on screen and no timer due, no input can ever come.
    if (widgets_.empty() && untilMilliseconds < 0) {
        return false;
    }
    qtkit::PumpEvents(untilMilliseconds);
    return true;
}

} // namespace win32::qt
