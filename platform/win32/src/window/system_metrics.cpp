#include "platform/win32/src/window/system_metrics.h"

#include "platform/win32/window_host.h"

#include <algorithm>

namespace win32 {

namespace {

struct Screen {
    int width = 1920;
    int height = 1080;
};

Screen& TheScreen() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static Screen& screen = *new Screen;
    return screen;
}

} // namespace

int ScreenWidth() {
    return TheScreen().width;
}

int ScreenHeight() {
    return TheScreen().height;
}

void SetScreenSize(int width, int height) {
    TheScreen() = Screen{std::max(width, 1), std::max(height, 1)};
}

} // namespace win32

using namespace win32;

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return ScreenWidth();
    case SM_CYSCREEN:
        return ScreenHeight();
    case SM_CYFULLSCREEN:
        return ScreenHeight() - kCaptionHeight - 1;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return kScrollBarSize;
    case SM_CYCAPTION:
        return kCaptionHeight + kBorder;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return kSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return kClientEdge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return kCaptionHeight;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    default:
        return 0;
    }
}
