// A template of 25 full pages (paragraphs of justified text with field words, bold runs and
// tabbed columns) converted through the convert dialog, laid out on the screen with the system's
// fonts and with fixed-metrics fonts; and the 25 pages it gives rendered into page bitmaps by the
// preview call, as a job whose flag byte is 255 asks for them. Files (the template, the print
// file and the profile the markers go to) are kept in a temporary folder removed at the end.
#include "family/print/pressel.h"

#include "platform/win32/font_provider.h"
#include "platform/win32/windows.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const PrintField kFields[] = {{"$Age", "61"}, {"$Client", "Ann Lee"}, {"$Year", "2026"}};
const PrintFieldTable kFieldTable{3, kFields};

// About 30 pages of text, of which the converter lays out the first 25.
std::string Template() {
    std::string rtf =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
        R"({\colortbl;\red0\green0\blue128;}{\footer\pard\qc Page $#Page\par})";
    for (int paragraph = 0; paragraph < 300; ++paragraph) {
        rtf += R"(\pard\qj\sa120 )";
        for (int sentence = 0; sentence < 4; ++sentence) {
            rtf += R"(In $Year the distribution for $Client, aged $Age, is {\b required} )"
                   R"(before the end of the year. )";
        }
        rtf += R"(\par\pard\tx2000\tqr\tx6000 Year\tab $Year\tab 1,234.56\par)";
    }
    return rtf + "}";
}

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pressel-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The template in a temporary folder and the font source chosen, for one benchmark.
class TemplateBench {
public:
    explicit TemplateBench(win32::FontSource source) {
        std::ofstream(templatePath_, std::ios::binary) << Template();
        win32::UseFontSource(source);
    }
    ~TemplateBench() { win32::UseFontSource(win32::FontSource::System); }
    TemplateBench(const TemplateBench&) = delete;
    TemplateBench& operator=(const TemplateBench&) = delete;

    // A job of the template that lays out on the screen and asks for its pages as bitmaps.
    PrintJob Job() const {
        PrintJob job{};
        std::strcpy(job.templatePath, templatePath_.c_str());
        std::strcpy(job.printFilePath, printPath_.c_str());
        job.fields = &kFieldTable;
        job.flags = 255;
        return job;
    }

private:
    TemporaryFolder folder_;
    std::filesystem::path templatePath_ = folder_.Path() / "report.rtf";
    std::filesystem::path printPath_ = folder_.Path() / "report.prt";
};

// The template converted through the convert dialog in each iteration.
void ConvertTemplate(benchmark::State& state, win32::FontSource source) {
    const TemplateBench bench(source);
    for (auto _ : state) {
        PrintJob job = bench.Job();
        if (_PrintConvertDlg(nullptr, &job) != 0) {
            state.SkipWithError("the conversion failed");
            break;
        }
    }
}

// Deletes the page bitmaps a job received and answers how many there were.
int DeletePageBitmaps(const PrintJob& job) {
    std::int32_t count = 0;
    std::memcpy(&count, job.templatePath, sizeof count);
    for (std::int32_t page = 0; page < count; ++page) {
        std::uint32_t handle = 0;
        std::memcpy(&handle, job.templatePath + sizeof count + sizeof handle * page, sizeof handle);
        DeleteObject(reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(handle)));
    }
    return count;
}

// The template converted once, then all its pages rendered into monochrome page bitmaps at the
// screen's resolution in each iteration.
void RenderTemplate(benchmark::State& state, win32::FontSource source) {
    const TemplateBench bench(source);
    PrintJob converted = bench.Job();
    const int conversion = _PrintConvertDlg(nullptr, &converted);
    int pages = 0;
    for (auto _ : state) {
        PrintJob job = bench.Job();
        if (conversion != 0 || _PrintPreviewDlg(nullptr, &job) != 0 ||
            (pages = DeletePageBitmaps(job)) == 0) {
            state.SkipWithError("the pages could not be rendered");
            break;
        }
    }
    state.counters["pages"] = pages;
}

void BM_Convert25PagesSystemFonts(benchmark::State& state) {
    ConvertTemplate(state, win32::FontSource::System);
}
BENCHMARK(BM_Convert25PagesSystemFonts)->Unit(benchmark::kMillisecond);

void BM_Convert25PagesFixedMetrics(benchmark::State& state) {
    ConvertTemplate(state, win32::FontSource::FixedMetrics);
}
BENCHMARK(BM_Convert25PagesFixedMetrics)->Unit(benchmark::kMillisecond);

void BM_Render25PagesSystemFonts(benchmark::State& state) {
    RenderTemplate(state, win32::FontSource::System);
}
BENCHMARK(BM_Render25PagesSystemFonts)->Unit(benchmark::kMillisecond);

void BM_Render25PagesFixedMetrics(benchmark::State& state) {
    RenderTemplate(state, win32::FontSource::FixedMetrics);
}
BENCHMARK(BM_Render25PagesFixedMetrics)->Unit(benchmark::kMillisecond);

} // namespace
