// The illustration file at the size a long-serving representative reaches: compaction of
// 10,000 records (every tenth deleted), and reading them all as the saved-illustration list does.
#include "program/store/compaction.h"
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 10000;

// Answers every message box with its first button: Yes, OK.
class AgreeingMessages : public forms::MessageBoxService {
public:
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        return request.Answers().front();
    }
    void Beep() override {}
};

// A data folder of its own in the temporary folder, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern =
            (fs::temp_directory_path() / "tallowmere-store-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder_ = pattern;
        setenv("TALLOWMERE_DATA_DIR", folder_.c_str(), 1);
        setenv("TALLOWMERE_INSTALL_DIR", folder_.c_str(), 1);
    }
    ~BenchFolder() { fs::remove_all(folder_); }

private:
    fs::path folder_;
};

void WriteRecords() {
    std::string bytes;
    for (int number = 1; number <= kRecords; ++number) {
        std::string record(store::kRecordLength, 'x');
        record[0] = number % 10 == 0 ? store::kDeletedRecord : store::kLiveRecord;
        record.replace(
            460, 6, std::to_string(number) + std::string(6 - std::to_string(number).size(), ' '));
        record.replace(466, 10, "04/01/2011");
        bytes += record;
    }
    std::ofstream(store::IllustrationFilePath(), std::ios::binary) << bytes;
}

void BM_CompactTenThousandRecords(benchmark::State& state) {
    BenchFolder folder;
    AgreeingMessages messages;
    illustration::IllustrationType type = illustration::IllustrationType::PlanholderRmd;
    illustration::IllustrationFields fields;
    bool saved = true;
    store::CurrentIllustration current{type, fields, saved};
    for (auto _ : state) {
        state.PauseTiming();
        WriteRecords();
        state.ResumeTiming();
        store::CompactDatabase(current, messages);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_CompactTenThousandRecords)->Unit(benchmark::kMillisecond);

void BM_ReadTenThousandRecords(benchmark::State& state) {
    BenchFolder folder;
    WriteRecords();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::ReadIllustrationRecords());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadTenThousandRecords)->Unit(benchmark::kMillisecond);

} // namespace
