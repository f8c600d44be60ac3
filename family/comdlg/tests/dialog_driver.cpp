#include "family/comdlg/tests/dialog_driver.h"

#include "family/ui/vistel.h"

namespace caddow_test {

void DoubleClickFirstLine(HWND list) {
    // Straight to the list: the window layer's hit test gives a point inside a group box to the
    // group box, which lies over the controls it frames.
    const LPARAM point = MAKELPARAM(4, 4);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
    }
}

Step RecordMessageAndClose(ShownMessageBox& shown) {
    return [&shown](HWND box) {
        shown = ShownMessageBox{WindowText(box), DialogItemText(box, kUIMessageText)};
        PressKey(VK_RETURN);
    };
}

} // namespace caddow_test
