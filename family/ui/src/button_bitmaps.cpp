// Push buttons drawn from bitmaps: the subclass procedure HuxBtnProc and the exports that attach
// the shared sets or a host's own bitmaps.
#include "family/ui/src/button_properties.h"
#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"

namespace vistel {

namespace {

// The shared set of each command id.
struct CommandSet {
    int controlId;
    int firstBitmap;
};
constexpr CommandSet kCommandSets[] = {
    {1, kOkSet},      {2, kCancelSet}, {6, kYesSet},    {7, kNoSet},    {10, kAddSet},
    {11, kDeleteSet}, {12, kEditSet},  {13, kSetupSet}, {14, kExitSet}, {998, kHelpSet}};

// Room around a default push button's bitmap for its black frame.
constexpr int kFrameWidth = 1;

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Moves the button by `offset` to the left and up and grows it by twice that.
void GrowAroundCentre(HWND button, int offset) {
    const RECT rect = RectInParent(button);
    SetWindowPos(button, nullptr, rect.left - offset, rect.top - offset,
                 rect.right - rect.left + 2 * offset, rect.bottom - rect.top + 2 * offset,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SizeToBitmap(HWND button, HBITMAP bitmap) {
    BITMAP info{};
    if (GetObjectA(bitmap, sizeof info, &info) == 0) {
        return;
    }
    SetWindowPos(button, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsDefaultPushButton(button)) {
        GrowAroundCentre(button, kFrameWidth);
    }
}

// Repaints the button at once, after what its parent still has to paint (a moved or resized
// button leaves the parent to paint first, over the button's old and new place).
void RepaintNow(HWND button) {
    InvalidateRect(button, nullptr, FALSE);
    const HWND parent = GetParent(button);
    UpdateWindow(parent != nullptr ? parent : button);
}

LRESULT CallPrevious(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(button);
    if (previous == nullptr) {
        return DefWindowProcA(button, message, wParam, lParam);
    }
    return CallWindowProcA(previous, button, message, wParam, lParam);
}

// Runs the previous procedure on a message without letting it draw.
LRESULT CallPreviousWithoutRedraw(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    CallPrevious(button, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = CallPrevious(button, message, wParam, lParam);
    CallPrevious(button, WM_SETREDRAW, TRUE, 0);
    return result;
}

HBITMAP BitmapOfState(HWND button, const ButtonBitmaps& bitmaps) {
    if (!IsWindowEnabled(button)) {
        return bitmaps.states[kDisabledState];
    }
    if (GetFocus() != button) {
        return bitmaps.states[kNormalState];
    }
    const LRESULT state = CallPrevious(button, BM_GETSTATE, 0, 0);
    return bitmaps.states[(state & BST_PUSHED) != 0 ? kPushedState : kFocusedState];
}

// The black frame of a default push button along its client rectangle, corners left out, and
// the bitmap's own corner pixels in black.
void DrawDefaultFrame(HDC dc, const RECT& client, const BITMAP& bitmap) {
    const HPEN black = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    const HGDIOBJ previous = SelectObject(dc, black);
    const int right = client.right - 1;
    const int bottom = client.bottom - 1;
    MoveToEx(dc, 1, 0, nullptr);
    LineTo(dc, right, 0);
    MoveToEx(dc, 1, bottom, nullptr);
    LineTo(dc, right, bottom);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 0, bottom);
    MoveToEx(dc, right, 1, nullptr);
    LineTo(dc, right, bottom);
    SelectObject(dc, previous);
    const COLORREF kBlack = RGB(0, 0, 0);
    SetPixel(dc, kFrameWidth, kFrameWidth, kBlack);
    SetPixel(dc, kFrameWidth + bitmap.bmWidth - 1, kFrameWidth, kBlack);
    SetPixel(dc, kFrameWidth, kFrameWidth + bitmap.bmHeight - 1, kBlack);
    SetPixel(dc, kFrameWidth + bitmap.bmWidth - 1, kFrameWidth + bitmap.bmHeight - 1, kBlack);
}

// Paints the bitmap of the button's state; false when the button has none for it.
bool PaintBitmap(HWND button) {
    const ButtonBitmaps bitmaps = StoredBitmaps(button);
    const HBITMAP bitmap = BitmapOfState(button, bitmaps);
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return false;
    }
    const bool isDefault = IsDefaultPushButton(button);
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(button, &paint);
    const HDC memory = CreateCompatibleDC(dc);
    const bool usePalette = bitmaps.palette != nullptr && Library().paletteCapable != 0;
    HPALETTE previousPalette = nullptr;
    HPALETTE previousMemoryPalette = nullptr;
    if (usePalette) {
        previousPalette = SelectPalette(dc, bitmaps.palette, TRUE);
        previousMemoryPalette = SelectPalette(memory, bitmaps.palette, TRUE);
        RealizePalette(dc);
    }
    const HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
    const int origin = isDefault ? kFrameWidth : 0;
    BitBlt(dc, origin, origin, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    if (isDefault) {
        RECT client{};
        GetClientRect(button, &client);
        DrawDefaultFrame(dc, client, info);
    }
    SelectObject(memory, previousBitmap);
    if (usePalette) {
        SelectPalette(memory, previousMemoryPalette, TRUE);
        SelectPalette(dc, previousPalette, TRUE);
    }
    DeleteDC(memory);
    EndPaint(button, &paint);
    // A disabled button cannot be the default one.
    if (isDefault && !IsWindowEnabled(button)) {
        SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    }
    return true;
}

LRESULT SetStyle(HWND button, WPARAM style, LPARAM redraw) {
    const LONG oldType = GetWindowLongA(button, GWL_STYLE) & 0xFF;
    const LRESULT result = CallPreviousWithoutRedraw(button, BM_SETSTYLE, style, redraw);
    if (static_cast<LONG>(style & 0xFF) != oldType) {
        GrowAroundCentre(button,
                         (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? kFrameWidth : -kFrameWidth);
        RepaintNow(button);
    }
    return result;
}

LRESULT Destroy(HWND button, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(button);
    DeleteReleasedObjects(StoredBitmaps(button), ButtonBitmaps{});
    RemoveBitmaps(button);
    RemovePreviousProcedure(button);
    if (previous == nullptr) {
        return DefWindowProcA(button, WM_DESTROY, wParam, lParam);
    }
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return CallWindowProcA(previous, button, WM_DESTROY, wParam, lParam);
}

void SubclassButton(HWND button) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    StorePreviousProcedure(button, previous);
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HuxBtnProc));
    const int controlId = GetDlgCtrlID(button);
    for (const CommandSet& set : kCommandSets) {
        if (set.controlId != controlId) {
            continue;
        }
        ButtonBitmaps bitmaps;
        for (std::size_t i = 0; i < bitmaps.states.size(); ++i) {
            bitmaps.states[i] =
                Library().sharedBitmaps[static_cast<std::size_t>(set.firstBitmap) + i];
        }
        StoreBitmaps(button, bitmaps);
        if (bitmaps.states[kDisabledState] != nullptr) {
            SizeToBitmap(button, bitmaps.states[kDisabledState]);
        }
        return;
    }
}

} // namespace

} // namespace vistel

using namespace vistel;

LRESULT HuxBtnProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        if (PaintBitmap(button)) {
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT: {
        const LRESULT result = CallPreviousWithoutRedraw(button, message, wParam, lParam);
        RepaintNow(button);
        return result;
    }
    case BM_SETSTATE: {
        const bool wasPushed = (CallPrevious(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        const LRESULT result = CallPreviousWithoutRedraw(button, message, wParam, lParam);
        if (wasPushed != (wParam != 0)) {
            RepaintNow(button);
        }
        return result;
    }
    case BM_SETSTYLE:
        return SetStyle(button, wParam, lParam);
    case WM_DESTROY:
        return Destroy(button, wParam, lParam);
    default:
        break;
    }
    return CallPrevious(button, message, wParam, lParam);
}

void _UISubclassButtons(HWND dialog) {
    if (!Library().ready) {
        return;
    }
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsPushButton(child) && !IsSubclassed(child)) {
            SubclassButton(child);
        }
    }
}

void _UISetButtonBitmaps(HWND button, HBITMAP normal, HBITMAP pushed, HBITMAP focused,
                         HBITMAP disabled, HPALETTE palette) {
    const ButtonBitmaps given{{normal, pushed, focused, disabled}, palette};
    if (!IsPushButton(button)) {
        DeleteReleasedObjects(given, ButtonBitmaps{});
        return;
    }
    DeleteReleasedObjects(StoredBitmaps(button), given);
    RemoveBitmaps(button);
    StoreBitmaps(button, given);
    if (disabled != nullptr) {
        SizeToBitmap(button, disabled);
    }
    RepaintNow(button);
}
