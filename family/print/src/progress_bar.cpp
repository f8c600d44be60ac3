#include "family/print/src/progress_bar.h"

namespace pressel {
namespace {

constexpr int kPercentPerCell = 5;

} // namespace

int ProgressStep(int percent) {
    return (percent + 2) / kPercentPerCell * kPercentPerCell;
}

void DrawProgressBar(HBITMAP bitmap, int percent) {
    BITMAP size{};
    if (GetObject(bitmap, sizeof size, &size) == 0) {
        return;
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.bmWidth, size.bmHeight};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const int cellWidth = size.bmWidth / kProgressCells;
    const int gap = 2 * (cellWidth / 10);
    for (int cell = 0; cell < kProgressCells && kPercentPerCell * cell <= percent; ++cell) {
        const RECT lit{cell * cellWidth, 0, (cell + 1) * cellWidth - gap, size.bmHeight};
        FillRect(dc, &lit, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
}

} // namespace pressel
