#include "platform/win32/tests/pixels.h"

TestCanvas::TestCanvas(int width, int height, bool monochrome)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    bitmap_ = monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                         : CreateBitmap(width, height, 1, 24, nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

TestCanvas::~TestCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

char PixelChar(COLORREF color) {
    switch (color) {
    case RGB(255, 255, 255):
        return '.';
    case RGB(0, 0, 0):
        return '#';
    case RGB(255, 0, 0):
        return 'r';
    case RGB(0, 255, 0):
        return 'g';
    case RGB(0, 0, 255):
        return 'b';
    case RGB(255, 255, 0):
        return 'y';
    default:
        return '?';
    }
}

Picture TestCanvas::Pixels() const {
    Picture rows;
    for (int y = 0; y < height_; ++y) {
        std::string row;
        for (int x = 0; x < width_; ++x) {
            row += PixelChar(GetPixel(dc_, x, y));
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Show(const Picture& picture) {
    std::string text = "\n";
    for (const std::string& row : picture) {
        text += row + "\n";
    }
    return text;
}
