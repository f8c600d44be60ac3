#include "platform/progress/progress_bar.h"

namespace progress {

HBITMAP MakeProgressBitmap(HWND dialog, HWND control) {
    RECT area{};
    if (GetWindowRect(control, &area) == FALSE) {
        return nullptr;
    }
    const HDC dc = GetDC(dialog);
    const HBITMAP bitmap =
        CreateCompatibleBitmap(dc, area.right - area.left, area.bottom - area.top);
    ReleaseDC(dialog, dc);
    DrawProgressBar(bitmap, 0);
    return bitmap;
}

void DrawProgressBar(HBITMAP bitmap, int percent) {
    BITMAP size{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof size, &size) == 0) {
        return;
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.bmWidth, size.bmHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const int step = size.bmWidth / kProgressCells;
    const int cellWidth = step - 2 * (step / 10);
    for (int cell = 0; cell < kProgressCells && kPercentPerCell * cell <= percent; ++cell) {
        const RECT lit{cell * step, 0, cell * step + cellWidth, size.bmHeight};
        FillRect(dc, &lit, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
}

} // namespace progress
