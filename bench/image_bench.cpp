// A ten-page canvas (paragraphs of text, ruled lines, one picture on the first page) rendered to
// page bitmaps at 96 pixels per inch and written as GIF, TIFF and BMP files, and exported as
// one PDF file. Files go to a temporary folder that is removed at the end.
#include "output/canvas/canvas.h"
#include "output/canvas/page_bitmap.h"
#include "output/image/bmp_writer.h"
#include "output/image/gif_writer.h"
#include "output/image/tiff_writer.h"

#include "platform/win32/windows.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kPages = 10;
constexpr const char* kParagraph =
    "The required minimum distribution for the year is the account balance at the end of the "
    "previous year divided by the distribution period of the planholder's age. Payments may be "
    "taken monthly, quarterly or once a year, before and after tax.";

// A picture of colour bands, as an illustration's chart would bring.
HBITMAP MakePicture() {
    HBITMAP picture = CreateBitmap(240, 160, 1, 24, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, picture);
    for (int band = 0; band < 8; ++band) {
        HBRUSH brush = CreateSolidBrush(
            RGB(static_cast<BYTE>(band * 32), 96, static_cast<BYTE>(255 - band * 32)));
        RECT rect{band * 30, 0, band * 30 + 30, 160};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return picture;
}

std::unique_ptr<output::Canvas> MakeCanvas() {
    auto canvas = std::make_unique<output::Canvas>(std::vector<output::DeviceInfo>{});
    const auto picture = reinterpret_cast<std::uintptr_t>(MakePicture());
    canvas->PutImage(1440, 1440, 3600, 2400, std::to_string(picture), 0);
    for (int page = 1; page <= kPages; ++page) {
        if (page > 1) {
            canvas->NewPage();
        }
        canvas->SetCursorY(page == 1 ? 4320 : 1440);
        for (int paragraph = 0; paragraph < 8; ++paragraph) {
            canvas->PutText(kParagraph);
            canvas->NewParagraph();
            canvas->PutLine(1440, canvas->CursorY(), 10800, canvas->CursorY(), 10);
        }
    }
    return canvas;
}

struct Fixture {
    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "image-bench-XXXXXX");
        folder = mkdtemp(pattern.data());
        canvas = MakeCanvas();
        for (int page = 1; page <= canvas->PageTotal(); ++page) {
            pages.push_back(output::RenderPage(*canvas, page));
        }
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
    std::string Name(int page) const {
        return (folder / ("page_" + std::to_string(page))).string();
    }

    std::filesystem::path folder;
    std::unique_ptr<output::Canvas> canvas;
    std::vector<output::OwnedBitmap> pages;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void RenderTenPages(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        for (int page = 1; page <= fixture.canvas->PageTotal(); ++page) {
            benchmark::DoNotOptimize(output::RenderPage(*fixture.canvas, page).Get());
        }
    }
}

template <typename Write>
void WriteTenPages(benchmark::State& state, Write write) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        for (std::size_t page = 0; page < fixture.pages.size(); ++page) {
            if (write(fixture.Name(static_cast<int>(page) + 1), fixture.pages[page].Get()) != 0) {
                state.SkipWithError("a page was not written");
                return;
            }
        }
    }
}

void WriteTenGifFiles(benchmark::State& state) {
    WriteTenPages(state, [](const std::string& name, HBITMAP page) {
        return static_cast<int>(output::GifWriter().Write(name, page));
    });
}

void WriteTenTiffFiles(benchmark::State& state) {
    WriteTenPages(state, [](const std::string& name, HBITMAP page) {
        return static_cast<int>(output::WriteTiffFile(name, page));
    });
}

void WriteTenBmpFiles(benchmark::State& state) {
    WriteTenPages(state, [](const std::string& name, HBITMAP page) {
        return static_cast<int>(output::WriteBmpFile(name, page));
    });
}

void ExportTenPagePdf(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        if (fixture.canvas->Export(fixture.Name(0), 1) != output::CanvasError::OK) {
            state.SkipWithError("the PDF was not written");
            return;
        }
    }
}

} // namespace

BENCHMARK(RenderTenPages)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTenGifFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTenTiffFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTenBmpFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportTenPagePdf)->Unit(benchmark::kMillisecond);
