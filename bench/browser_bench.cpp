// The saved-illustration browser over a file of 10,000 records of all four types: filling the
// grid (read, list and sort by name), sorting the filled grid again, and type-ahead searches
// for names near the end of the list.
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/windows/browser/data_form.h"

#include "platform/forms/application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 10000;
constexpr const char* kLastNames[] = {"Adams", "Baker", "smith", "Young", "Zimmer"};

// A data folder of its own in the temporary folder, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern =
            (fs::temp_directory_path() / "tallowmere-browser-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder_ = pattern;
        setenv("TALLOWMERE_DATA_DIR", folder_.c_str(), 1);
    }
    ~BenchFolder() { fs::remove_all(folder_); }

private:
    fs::path folder_;
};

// Records of every type with names that sort in no particular order; every tenth is deleted.
void WriteRecords() {
    const char* firstTags[] = {"8-PartFirst", "8-BeneFirst", "8-EqualFirst", "8-StretchPFirst"};
    const char* lastTags[] = {"8-PartLast", "8-BeneLast", "8-EqualLast", "8-StretchPLast"};
    std::ofstream out(store::IllustrationFilePath(), std::ios::binary);
    for (int number = 1; number <= kRecords; ++number) {
        illustration::IllustrationFields fields;
        const int type = number % 4;
        const auto ignore = [](const std::string&) {};
        illustration::SetField(fields, "First" + std::to_string(number * 7919 % kRecords),
                               firstTags[type], ignore);
        illustration::SetField(fields, kLastNames[number % 5], lastTags[type], ignore);
        illustration::SetField(fields, std::to_string(number), "3-DatabaseIndex", ignore);
        std::string record = store::EncodeRecord(static_cast<illustration::IllustrationType>(type),
                                                 fields, store::RecordControls{});
        record[0] = number % 10 == 0 ? store::kDeletedRecord : store::kLiveRecord;
        out << record;
    }
}

struct Browser {
    Browser() {
        WriteRecords();
        data.SetupGrid();
    }
    BenchFolder folder;
    forms::Application app;
    ui::ProgramState program;
    ui::SavedIllustrations store{app, program};
    ui::frmData& data = store.DataWindow();
};

void BM_FillGrid(benchmark::State& state) {
    Browser browser;
    for (auto _ : state) {
        browser.data.FillGrid();
        benchmark::DoNotOptimize(browser.data.VSFlexGrid1.Rows());
    }
    state.counters["rows"] = browser.data.VSFlexGrid1.Rows() - 1;
}
BENCHMARK(BM_FillGrid)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state) {
    Browser browser;
    browser.data.FillGrid();
    for (auto _ : state) {
        browser.data.VSFlexGrid1.SortAscendingIgnoringCase(0);
    }
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

// "ZIMMER, FIRST9" lies near the end of the sorted list: the search walks most rows.
void BM_TypeAhead(benchmark::State& state) {
    Browser browser;
    browser.data.FillGrid();
    const std::string typed = "zimmer, first9";
    for (auto _ : state) {
        for (const char c : typed) {
            browser.data.TypeAhead(c);
        }
        browser.data.Timer1.Elapse();
        benchmark::DoNotOptimize(browser.data.VSFlexGrid1.Row());
    }
}
BENCHMARK(BM_TypeAhead)->Unit(benchmark::kMicrosecond);

} // namespace
