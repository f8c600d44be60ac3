// A letter page at 300 dpi (2550 x 3300 pixels), as a report page is printed: filled white,
// 60 lines of text set in a 10-point serif face, then blitted to a monochrome bitmap.
#include "platform/win32/windows.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int kWidth = 2550;
constexpr int kHeight = 3300;
constexpr const char* kLine =
    "Required minimum distributions of the planholder, year by year, before and after tax.";

struct Page {
    Page() {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(kWidth, kHeight, 1, 24, nullptr);
        previous = SelectObject(dc, bitmap);
        // 10 points at 300 dpi.
        font = CreateFontA(-42, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           VARIABLE_PITCH | FF_ROMAN, "Times New Roman");
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    ~Page() {
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SelectObject(dc, previous);
        DeleteObject(font);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Fill() {
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void Text() {
        for (int line = 0; line < 60; ++line) {
            TextOutA(dc, 300, 150 + line * 50, kLine, static_cast<int>(std::strlen(kLine)));
        }
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    HFONT font;
};

void FillPage(benchmark::State& state) {
    Page page;
    for (auto _ : state) {
        page.Fill();
    }
}
BENCHMARK(FillPage)->Unit(benchmark::kMillisecond);

void TextPage(benchmark::State& state) {
    Page page;
    page.Fill();
    for (auto _ : state) {
        page.Text();
    }
}
BENCHMARK(TextPage)->Unit(benchmark::kMillisecond);

// The monochrome bitmap a page is blitted to, as printed pages become page bitmaps.
struct MonochromePage {
    MonochromePage() {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(kWidth, kHeight, 1, 1, nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~MonochromePage() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void CopyFrom(const Page& page) { BitBlt(dc, 0, 0, kWidth, kHeight, page.dc, 0, 0, SRCCOPY); }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

void BlitPageToMonochrome(benchmark::State& state) {
    Page page;
    page.Fill();
    page.Text();
    MonochromePage mono;
    for (auto _ : state) {
        mono.CopyFrom(page);
    }
}
BENCHMARK(BlitPageToMonochrome)->Unit(benchmark::kMillisecond);

void WholePage(benchmark::State& state) {
    Page page;
    MonochromePage mono;
    for (auto _ : state) {
        page.Fill();
        page.Text();
        mono.CopyFrom(page);
    }
}
BENCHMARK(WholePage)->Unit(benchmark::kMillisecond);

} // namespace
