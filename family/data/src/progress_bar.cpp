#include "family/data/src/progress_bar.h"

namespace dorrick {

namespace {

constexpr int kPercentPerCell = 100 / kProgressCells;

} // namespace

void DrawProgressBar(HBITMAP bitmap, int percent) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return;
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT whole{0, 0, info.bmWidth, info.bmHeight};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    const int step = info.bmWidth / kProgressCells;
    const int cellWidth = step - 2 * (step / 10);
    const HBRUSH lit = GetSysColorBrush(COLOR_HIGHLIGHT);
    for (int cell = 0; cell < kProgressCells && kPercentPerCell * cell <= percent; ++cell) {
        const RECT rect{cell * step, 0, cell * step + cellWidth, info.bmHeight};
        FillRect(dc, &rect, lit);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
}

} // namespace dorrick
