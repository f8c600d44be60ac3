// Draws the pictures of the resource archive when the project is built, so that the source tree
// keeps how they are made rather than their bytes:
//   draw-pictures <splash.bmp> <graph-backdrop.bmp>
// The pictures are drawn with the project's own GDI and written as 24-bit BMP files.
#include "platform/system/atomic_file.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/windows.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

struct Color {
    int red, green, blue;
};

COLORREF Blend(Color from, Color to, int step, int steps) {
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return RGB(mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue));
}

// A 24-bit bitmap of its own, selected into a memory context for drawing.
class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Picture() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void FillRectangle(int left, int top, int right, int bottom, COLORREF color) const {
        const RECT area{left, top, right, bottom};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc_, &area, brush);
        DeleteObject(brush);
    }

    // Rows shading from `top` colour to `bottom` colour.
    void FillGradient(Color top, Color bottom) const {
        for (int y = 0; y < height_; ++y) {
            FillRectangle(0, y, width_, y + 1, Blend(top, bottom, y, height_ - 1));
        }
    }

    void DrawText(int x, int y, const std::string& text, int pixelHeight, int weight,
                  COLORREF color) const {
        HFONT font = CreateFontA(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ previousFont = SelectObject(dc_, font);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, color);
        TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
        SelectObject(dc_, previousFont);
        DeleteObject(font);
    }

    void Save(const char* path) const {
        const std::vector<std::uint8_t> file = win32::EncodeBmp(bitmap_);
        sys::ReplaceFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// The start-up window's picture: the program's name and purpose over a dark blue shade, with
// five rising bars for growing savings.
void DrawSplash(const char* path) {
    const Picture picture(400, 150);
    picture.FillGradient({18, 38, 86}, {24, 104, 124});
    constexpr int kBars = 5;
    for (int bar = 0; bar < kBars; ++bar) {
        const int left = 262 + bar * 22;
        const int top = picture.Height() - 30 - (bar + 1) * 16;
        picture.FillRectangle(left, top, left + 16, picture.Height() - 30,
                              Blend({214, 178, 84}, {246, 220, 130}, bar, kBars - 1));
    }
    picture.FillRectangle(24, picture.Height() - 30, picture.Width() - 24, picture.Height() - 28,
                          RGB(246, 220, 130));
    picture.DrawText(24, 28, "Tallowmere", 40, FW_BOLD, RGB(255, 255, 255));
    picture.DrawText(26, 78, "Retirement distribution illustrations", 14, FW_NORMAL,
                     RGB(220, 232, 240));
    picture.Save(path);
}

// The wallpaper behind the graph: a pale shade with a faint grid.
void DrawGraphBackdrop(const char* path) {
    const Picture picture(320, 240);
    picture.FillGradient({248, 250, 253}, {222, 230, 242});
    constexpr int kGridStep = 20;
    const COLORREF grid = RGB(210, 218, 232);
    for (int x = kGridStep; x < picture.Width(); x += kGridStep) {
        picture.FillRectangle(x, 0, x + 1, picture.Height(), grid);
    }
    for (int y = kGridStep; y < picture.Height(); y += kGridStep) {
        picture.FillRectangle(0, y, picture.Width(), y + 1, grid);
    }
    picture.Save(path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: draw-pictures <splash.bmp> <graph-backdrop.bmp>\n", stderr);
        return 2;
    }
    try {
        DrawSplash(argv[1]);
        DrawGraphBackdrop(argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
