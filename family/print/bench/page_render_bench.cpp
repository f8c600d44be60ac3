// The page renderer on a print file of 25 full pages, converted once from a template of justified
// and tabbed text in several fonts, colours and underlines with a drawn rule under each
// paragraph: every page drawn into a monochrome page bitmap and into a colour one at the
// screen's resolution, as page bitmaps and the preview draw them. Fixed-metrics fonts, so that
// the figures do not depend on the installed fonts; files in a temporary folder removed at the
// end.
#include "family/print/report_converter.h"
#include "family/print/src/device_twips.h"
#include "family/print/src/loaded_print_file.h"
#include "family/print/src/page_renderer.h"
#include "platform/win32/font_provider.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// More text than 25 pages hold; the converter stops at the 25th.
std::string Template() {
    std::string rtf =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
        R"({\colortbl;\red0\green0\blue128;\red160\green0\blue0;})"
        R"({\header\pard\qr Page $#Page of $#LastPage\par}{\footer\pard\qc Footer\par})";
    for (int paragraph = 0; paragraph < 250; ++paragraph) {
        rtf += R"(\pard\qj\sa120 )";
        for (int sentence = 0; sentence < 4; ++sentence) {
            rtf += R"(The distribution is {\b\cf1 required} before the {\ul end of the year}, )"
                   R"({\f1\i as the table shows}. )";
        }
        rtf += R"(\par\pard\tx2000\tqr\tx6000 {\cf2 Year}\tab 2026\tab 1,234.56)"
               R"({\*\do\dpline\dpptx0\dppty0\dpptx8000\dppty0\dpx0\dpy300\dplinew10}\par)";
    }
    return rtf + "}";
}

class ConvertedFile {
public:
    ConvertedFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pressel-render-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        const std::filesystem::path templatePath = folder_ / "report.rtf";
        std::ofstream(templatePath, std::ios::binary) << Template();
        path_ = folder_ / "report.prt";
        const HDC layout = CreateCompatibleDC(nullptr);
        const int input = ::open(templatePath.c_str(), O_RDONLY | O_CLOEXEC);
        const int output = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        result_ =
            pressel::ConvertDocument(input, output, layout, nullptr, nullptr, nullptr, nullptr);
        ::close(output);
        ::close(input);
        DeleteDC(layout);
    }
    ~ConvertedFile() { std::filesystem::remove_all(folder_); }
    ConvertedFile(const ConvertedFile&) = delete;
    ConvertedFile& operator=(const ConvertedFile&) = delete;

    bool Converted() const { return result_ == 0; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    int result_ = -1;
};

enum class Target { kMonochrome, kColour };

void RenderEveryPage(benchmark::State& state, Target target) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const ConvertedFile converted;
    pressel::LoadResult loaded = pressel::LoadPrintFile(converted.Path());
    if (!converted.Converted() || loaded.file == nullptr || loaded.file->header.pageCount != 25) {
        state.SkipWithError("no print file of 25 pages");
        return;
    }
    const HDC screen = GetDC(nullptr);
    const int width =
        pressel::kDefaultPageSize.x * GetDeviceCaps(screen, LOGPIXELSX) / pressel::kTwipsPerInch;
    const int height =
        pressel::kDefaultPageSize.y * GetDeviceCaps(screen, LOGPIXELSY) / pressel::kTwipsPerInch;
    const HBITMAP bitmap = target == Target::kMonochrome
                               ? CreateBitmap(width, height, 1, 1, nullptr)
                               : CreateCompatibleBitmap(screen, width, height);
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    pressel::SetupTwips(dc);
    const RECT sheet{0, 0, pressel::kDefaultPageSize.x, pressel::kDefaultPageSize.y};
    for (auto _ : state) {
        for (int page = 0; page < 25; ++page) {
            FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            pressel::RenderPage(dc, *loaded.file, page, POINT{0, 0}, pressel::PictureMode::kBitmap);
        }
    }
    state.counters["pages/s"] = benchmark::Counter(25.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    win32::UseFontSource(win32::FontSource::System);
}

void BM_Render25PagesMonochrome(benchmark::State& state) {
    RenderEveryPage(state, Target::kMonochrome);
}
BENCHMARK(BM_Render25PagesMonochrome)->Unit(benchmark::kMillisecond);

void BM_Render25PagesColour(benchmark::State& state) {
    RenderEveryPage(state, Target::kColour);
}
BENCHMARK(BM_Render25PagesColour)->Unit(benchmark::kMillisecond);

} // namespace
