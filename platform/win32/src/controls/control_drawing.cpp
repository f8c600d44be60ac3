#include "platform/win32/src/controls/control_drawing.h"

#include "platform/win32/src/window/window.h"

namespace win32 {

HGDIOBJ SelectControlFont(HDC dc, const Window& window) {
    HGDIOBJ font = window.font != nullptr ? static_cast<HGDIOBJ>(window.font)
                                          : GetStockObject(DEFAULT_GUI_FONT);
    return SelectObject(dc, font);
}

int ControlFontHeight(HWND hwnd, const Window& window) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectControlFont(dc, window);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return metrics.tmHeight;
}

void DrawEdge3D(HDC dc, const RECT& rect, bool raised) {
    auto fill = [dc](RECT area, int color) { FillRect(dc, &area, GetSysColorBrush(color)); };
    int outerLight = raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
    int outerDark = raised ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT;
    int innerLight = raised ? COLOR_3DLIGHT : COLOR_3DDKSHADOW;
    int innerDark = raised ? COLOR_BTNSHADOW : COLOR_3DLIGHT;
    LONG l = rect.left;
    LONG t = rect.top;
    LONG r = rect.right;
    LONG b = rect.bottom;
    fill(RECT{l, t, r, t + 1}, outerLight);
    fill(RECT{l, t, l + 1, b}, outerLight);
    fill(RECT{l, b - 1, r, b}, outerDark);
    fill(RECT{r - 1, t, r, b}, outerDark);
    fill(RECT{l + 1, t + 1, r - 1, t + 2}, innerLight);
    fill(RECT{l + 1, t + 1, l + 2, b - 1}, innerLight);
    fill(RECT{l + 1, b - 2, r - 1, b - 1}, innerDark);
    fill(RECT{r - 2, t + 1, r - 1, b - 1}, innerDark);
}

void DrawArrowButton(HDC dc, const RECT& rect, ArrowDirection direction, bool enabled) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge3D(dc, rect, true);
    // A triangle of 4 lines, each 2 pixels shorter than the one before, pointing away from
    // its widest line.
    constexpr int kLines = 4;
    HBRUSH brush = GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    LONG centerX = (rect.left + rect.right) / 2;
    LONG centerY = (rect.top + rect.bottom) / 2;
    bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    bool towardsStart = direction == ArrowDirection::Up || direction == ArrowDirection::Left;
    for (int line = 0; line < kLines; ++line) {
        int half = kLines - 1 - line;
        int offset = (towardsStart ? -line : line) + (towardsStart ? kLines / 2 : -kLines / 2);
        RECT stroke =
            vertical
                ? RECT{centerX - half, centerY + offset, centerX + half + 1, centerY + offset + 1}
                : RECT{centerX + offset, centerY - half, centerX + offset + 1, centerY + half + 1};
        FillRect(dc, &stroke, brush);
    }
}

std::optional<LRESULT> AnswerDrawingMessage(HWND hwnd, Window& window, UINT message, WPARAM wParam,
                                            LPARAM lParam, void (*paint)(HWND, Window&)) {
    switch (message) {
    case WM_PAINT:
        paint(hwnd, window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        window.font = reinterpret_cast<HFONT>(wParam);
        if (lParam != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window.font);
    default:
        return std::nullopt;
    }
}

} // namespace win32
