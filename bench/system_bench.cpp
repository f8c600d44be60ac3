// Profile look-ups and record reads, the system services the program calls most.
#include "platform/system/profile_text.h"
#include "platform/system/record_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A profile of 20 sections of 10 keys; the key looked up stands in the last section.
std::string SampleProfile() {
    std::string text;
    for (int section = 0; section < 20; ++section) {
        text += "; section " + std::to_string(section) + "\r\n[Section" + std::to_string(section) +
                "]\r\n";
        for (int key = 0; key < 10; ++key) {
            text += "Key" + std::to_string(key) + " = value " + std::to_string(key) + "\r\n";
        }
    }
    return text;
}

void BM_FindProfileValue(benchmark::State& state) {
    const std::string text = SampleProfile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sys::FindProfileValue(text, "section19", "key9"));
    }
}
BENCHMARK(BM_FindProfileValue);

// A look-up that passes a million blank lines before its section: the cost of scanning lines.
void BM_FindProfileValueAfterBlankLines(benchmark::State& state) {
    std::string text;
    for (int line = 0; line < 1000000; ++line) {
        text += "\r\n";
    }
    text += "[Program]\r\nTop=1200\r\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(sys::FindProfileValue(text, "Program", "Top"));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FindProfileValueAfterBlankLines)->Unit(benchmark::kMillisecond);

// Reads every record of a file of 500 records of 1000 bytes, as the browser fills its grid.
void BM_ReadAllRecords(benchmark::State& state) {
    std::string folder =
        (std::filesystem::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path path = std::filesystem::path(folder) / "Tallowmere.flt";
    {
        sys::RecordFile file(path, 1000, sys::RecordAccess::ReadWrite);
        for (int n = 1; n <= 500; ++n) {
            file.Write(n, std::string(1000, '1'));
        }
        file.Close();
    }
    for (auto _ : state) {
        sys::RecordFile file(path, 1000, sys::RecordAccess::Read);
        for (std::int64_t n = 1; n <= file.RecordCount(); ++n) {
            benchmark::DoNotOptimize(file.Read(n));
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadAllRecords);

} // namespace
