// The full Stretch report from the main window's fields to a PDF file: input validation, the
// calculation, the template fill, the graph, the composition on the print document and the
// export, with the peak memory of the process beside its time; and its two halves apart. In the
// same run, LibreOffice headless converting the same filled rich text to PDF, when `soffice` is on
// the PATH (the benchmark says so and is skipped otherwise); the last line gives how many times
// faster the report is than the conversion, from the medians when the run repeats.
//
// Everything is written to a fresh temporary folder: the program and documents folders, the
// class registry the Output module is registered in, and the converter's profile. Freed memory
// is kept with the process, as the program's main has it.
#include "bench/stretch_window.h"

#include "platform/system/freed_memory.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* kReportBenchmark = "BM_StretchReportFieldsToPdf";
constexpr const char* kConverterBenchmark = "BM_StretchRtfToPdfWithLibreOffice";

// The largest resident size the process has had, in MiB.
double PeakResidentMebibytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The Stretch window in a temporary folder of its own, and the PDF file it exports there.
struct StretchReport {
    bench::BenchFolder folder;
    bench::StretchWindow window{folder.WorkFolder(), bench::Presentation::Model};
    fs::path pdf = folder.Root() / "documents" / "JohnSampleStretch.pdf";

    // False, with the error given to the benchmark, when the Output module is not registered.
    bool Usable(benchmark::State& state) const {
        if (!folder.Registered()) {
            state.SkipWithError("the Output module cannot be registered");
        }
        return folder.Registered();
    }
};

// `made`, the outcome of a step of the report; the error given to the benchmark when it failed.
bool Made(benchmark::State& state, bool made) {
    if (!made) {
        state.SkipWithError("the report was not produced");
    }
    return made;
}

void BM_StretchReportFieldsToPdf(benchmark::State& state) {
    StretchReport report;
    if (!report.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (!Made(state, report.window.ExportReport(report.pdf))) {
            return;
        }
    }
    state.counters["pages"] = report.window.composer.PageCount();
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(report.pdf));
    state.counters["peak_MiB"] = PeakResidentMebibytes();
}
BENCHMARK(BM_StretchReportFieldsToPdf)->Unit(benchmark::kMillisecond);

// The report's two halves apart: its production (validation, calculation, the template filled,
// the graph, the composition of the pages) and the PDF file of the pages composed.
void BM_StretchReportFieldsToPages(benchmark::State& state) {
    StretchReport report;
    if (!report.Usable(state)) {
        return;
    }
    for (auto _ : state) {
        if (!Made(state, report.window.ProduceReport())) {
            return;
        }
    }
    state.counters["pages"] = report.window.composer.PageCount();
}
BENCHMARK(BM_StretchReportFieldsToPages)->Unit(benchmark::kMillisecond);

void BM_StretchPagesToPdf(benchmark::State& state) {
    StretchReport report;
    if (!report.Usable(state) || !Made(state, report.window.ProduceReport())) {
        return;
    }
    for (auto _ : state) {
        report.window.composer.ExportPdf(report.pdf);
    }
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(report.pdf));
}
BENCHMARK(BM_StretchPagesToPdf)->Unit(benchmark::kMillisecond);

// The first folder of PATH holding an executable `name`; empty when none does.
fs::path FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path == nullptr ? "" : path;
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

// Runs `arguments` without a shell, its output and errors thrown away, and answers its exit
// status; -1 when it cannot start.
int Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, arguments[0].c_str(), &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StretchRtfToPdfWithLibreOffice(benchmark::State& state) {
    const fs::path soffice = FindOnPath("soffice");
    if (soffice.empty()) {
        state.SkipWithError("LibreOffice (soffice) is not installed: no conversion to compare "
                            "with (scripts/bench installs it)");
        return;
    }
    StretchReport report;
    if (!report.Usable(state) || !Made(state, report.window.ExportReport(report.pdf))) {
        return;
    }
    const fs::path root = report.folder.Root();
    const fs::path rtf = root / "JohnSampleStretch.rtf";
    std::ofstream(rtf, std::ios::binary) << report.window.composer.richText;
    const fs::path outFolder = root / "converted";
    const std::string profile = "-env:UserInstallation=file://" + (root / "lo").string();
    for (auto _ : state) {
        if (Run({soffice.string(), profile, "--headless", "--convert-to", "pdf", "--outdir",
                 outFolder.string(), rtf.string()}) != 0) {
            state.SkipWithError("soffice failed");
            return;
        }
    }
}
BENCHMARK(BM_StretchRtfToPdfWithLibreOffice)->Unit(benchmark::kMillisecond);

// Passes every run to the console and keeps the wall times of the two benchmarks (each run's, or
// the median of repeated runs where only aggregates are reported), so that their ratio can be
// printed after them.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)) {
                continue;
            }
            const std::string name = run.run_name.function_name;
            if (name == kReportBenchmark) {
                (median ? reportMedian_ : reportRuns_).push_back(run.GetAdjustedRealTime());
            } else if (name == kConverterBenchmark) {
                (median ? converterMedian_ : converterRuns_).push_back(run.GetAdjustedRealTime());
            }
        }
    }

    void PrintRatio() const {
        const std::vector<double>& report = reportMedian_.empty() ? reportRuns_ : reportMedian_;
        const std::vector<double>& converter =
            converterMedian_.empty() ? converterRuns_ : converterMedian_;
        if (report.empty() || converter.empty()) {
            std::printf("No ratio: the report and the LibreOffice conversion did not both run.\n");
            return;
        }
        std::printf("Stretch report %.1f ms, LibreOffice conversion %.1f ms: the report is %.1f "
                    "times faster\n",
                    Median(report), Median(converter), Median(converter) / Median(report));
    }

private:
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }

    std::vector<double> reportRuns_;
    std::vector<double> reportMedian_;
    std::vector<double> converterRuns_;
    std::vector<double> converterMedian_;
};

} // namespace

int main(int argc, char** argv) {
    sys::KeepFreedMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio();
    benchmark::Shutdown();
    return 0;
}
