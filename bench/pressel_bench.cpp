// The report converter on a template of 25 full pages: paragraphs of justified text with field
// words, bold runs and tabbed columns, laid out on a memory device context with the system's
// fonts and with fixed-metrics fonts. Files (the template, the print file and the profile the
// markers go to) are kept in a temporary folder removed at the end.
#include "family/print/report_converter.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/windows.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
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

void ConvertTemplate(benchmark::State& state, win32::FontSource source) {
    const TemporaryFolder folder;
    const std::filesystem::path templatePath = folder.Path() / "report.rtf";
    std::ofstream(templatePath, std::ios::binary) << Template();
    const std::filesystem::path printPath = folder.Path() / "report.prt";
    win32::UseFontSource(source);
    const HDC layout = CreateCompatibleDC(nullptr);
    for (auto _ : state) {
        const int input = ::open(templatePath.c_str(), O_RDONLY | O_CLOEXEC);
        const int output = ::open(printPath.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int result = pressel::ConvertDocument(input, output, layout, &kFieldTable, nullptr,
                                                    nullptr, nullptr);
        ::close(output);
        ::close(input);
        if (result != 0) {
            state.SkipWithError("the conversion failed");
            break;
        }
    }
    DeleteDC(layout);
    win32::UseFontSource(win32::FontSource::System);
}

void BM_Convert25PagesSystemFonts(benchmark::State& state) {
    ConvertTemplate(state, win32::FontSource::System);
}
BENCHMARK(BM_Convert25PagesSystemFonts)->Unit(benchmark::kMillisecond);

void BM_Convert25PagesFixedMetrics(benchmark::State& state) {
    ConvertTemplate(state, win32::FontSource::FixedMetrics);
}
BENCHMARK(BM_Convert25PagesFixedMetrics)->Unit(benchmark::kMillisecond);

} // namespace
