// Draws the pictures of the resource archive, and the program's icon that stands beside the
// program, when the project is built, so that the source tree keeps how they are made rather
// than their bytes:
//   draw-pictures <splash.bmp> <graph-backdrop.bmp> <program.ico>
// The pictures are drawn with the project's own GDI and written as 24-bit BMP files, the icon
// as an icon file of two 24-bit images.
#include "platform/bytes/byte_order.h"
#include "platform/system/atomic_file.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/windows.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

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

    // The picture as one image of an icon file: its bitmap without the file header, twice as
    // high as it is (the colour rows, then the mask's), and an empty mask: every pixel shows.
    std::vector<std::uint8_t> IconImage() const {
        constexpr std::size_t kFileHeader = 14;
        constexpr std::size_t kHeightField = 8;
        constexpr std::size_t kImageSizeField = 20;
        const std::vector<std::uint8_t> file = win32::EncodeBmp(bitmap_);
        std::vector<std::uint8_t> image(file.begin() + kFileHeader, file.end());
        bytes::StoreU32LE(image.data() + kHeightField, static_cast<std::uint32_t>(2 * height_));
        const std::size_t maskRow = static_cast<std::size_t>((width_ + 31) / 32) * 4;
        const std::size_t colourBytes = image.size() - bytes::LoadU32LE(image.data());
        bytes::StoreU32LE(image.data() + kImageSizeField,
                          static_cast<std::uint32_t>(colourBytes + maskRow * height_));
        image.resize(image.size() + maskRow * height_, 0);
        return image;
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

// One image of the program's icon: the rising bars of the start-up picture on its dark blue.
std::vector<std::uint8_t> DrawIconImage(int size) {
    const Picture picture(size, size);
    picture.FillGradient({18, 38, 86}, {24, 104, 124});
    constexpr int kBars = 3;
    const int unit = size / 16;
    const int base = size - 3 * unit;
    for (int bar = 0; bar < kBars; ++bar) {
        const int left = 2 * unit + bar * 4 * unit;
        const int top = base - (bar + 1) * 3 * unit;
        picture.FillRectangle(left, top, left + 3 * unit, base,
                              Blend({214, 178, 84}, {246, 220, 130}, bar, kBars - 1));
    }
    picture.FillRectangle(unit, base, size - unit, base + unit, RGB(246, 220, 130));
    return picture.IconImage();
}

// The program's icon file: a 32-pixel and a 16-pixel image, the larger first.
void DrawIcon(const char* path) {
    constexpr int kSizes[] = {32, 16};
    std::vector<std::vector<std::uint8_t>> images;
    for (const int size : kSizes) {
        images.push_back(DrawIconImage(size));
    }
    constexpr std::size_t kDirectory = 6;
    constexpr std::size_t kEntry = 16;
    std::vector<std::uint8_t> file;
    bytes::PutU16LE(file, 0); // reserved
    bytes::PutU16LE(file, 1); // an icon
    bytes::PutU16LE(file, static_cast<std::uint16_t>(images.size()));
    std::size_t offset = kDirectory + kEntry * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(kSizes[i])); // width
        file.push_back(static_cast<std::uint8_t>(kSizes[i])); // height
        file.push_back(0);                                    // no colour table
        file.push_back(0);                                    // reserved
        bytes::PutU16LE(file, 1);                             // planes
        bytes::PutU16LE(file, 24);                            // bits a pixel
        bytes::PutU32LE(file, static_cast<std::uint32_t>(images[i].size()));
        bytes::PutU32LE(file, static_cast<std::uint32_t>(offset));
        offset += images[i].size();
    }
    for (const std::vector<std::uint8_t>& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }
    sys::ReplaceFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: draw-pictures <splash.bmp> <graph-backdrop.bmp> <program.ico>\n",
                   stderr);
        return 2;
    }
    try {
        DrawSplash(argv[1]);
        DrawGraphBackdrop(argv[2]);
        DrawIcon(argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
