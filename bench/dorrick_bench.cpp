// The record database at 100,000 entries: adding them, finding each one, and compacting the
// file after a tenth of them were deleted. The entries stand as a host keeps clients: 1,000
// groups of 100, each group reached through the working entry, each entry with 64 bytes.
#include "family/data/dorrick.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kGroups = 1000;
constexpr int kEntriesPerGroup = 100;
const std::string kData(64, 'd');

fs::path BenchFolder() {
    static const fs::path kFolder = [] {
        std::string name = (fs::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            std::abort();
        }
        return fs::path(name);
    }();
    return kFolder;
}

std::string GroupName(int group) {
    char name[16];
    std::snprintf(name, sizeof name, ".G%04d", group);
    return name;
}

std::string EntryName(int entry) {
    char name[16];
    std::snprintf(name, sizeof name, "C%03d", entry);
    return name;
}

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// A new database of every entry; answers its handle.
int AddAll(const fs::path& file) {
    fs::remove(file);
    int handle = 0;
    Check(_DataCreate(file.c_str(), &handle) == kDataSuccess);
    for (int group = 0; group < kGroups; ++group) {
        Check(_DataAddEntry(handle, GroupName(group).c_str()) == kDataSuccess);
        Check(_DataSetCurrentWorkingEntry(handle, GroupName(group).c_str()) == kDataSuccess);
        for (int entry = 0; entry < kEntriesPerGroup; ++entry) {
            const std::string name = EntryName(entry);
            int reserved = 0;
            Check(_DataAddEntry(handle, name.c_str()) == kDataSuccess);
            Check(_DataWrite(handle, name.c_str(), kData.data(), kData.size(), &reserved) ==
                  kDataSuccess);
        }
    }
    Check(_DataSetCurrentWorkingEntry(handle, ".") == kDataSuccess);
    return handle;
}

void BM_Add100000Entries(benchmark::State& state) {
    for (auto _ : state) {
        const int handle = AddAll(BenchFolder() / "add.hxd");
        _DataClose(handle);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(BenchFolder() / "add.hxd"));
    fs::remove(BenchFolder() / "add.hxd");
}
BENCHMARK(BM_Add100000Entries)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Find100000Entries(benchmark::State& state) {
    const int handle = AddAll(BenchFolder() / "find.hxd");
    for (auto _ : state) {
        for (int group = 0; group < kGroups; ++group) {
            Check(_DataSetCurrentWorkingEntry(handle, GroupName(group).c_str()) == kDataSuccess);
            for (int entry = 0; entry < kEntriesPerGroup; ++entry) {
                int size = 0;
                Check(_DataGetEntrySize(handle, EntryName(entry).c_str(), &size) == kDataSuccess);
            }
        }
    }
    _DataClose(handle);
    fs::remove(BenchFolder() / "find.hxd");
}
BENCHMARK(BM_Find100000Entries)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Compact100000Entries(benchmark::State& state) {
    const int handle = AddAll(BenchFolder() / "compact.hxd");
    for (int group = 0; group < kGroups; group += 10) {
        Check(_DataDeleteEntry(handle, GroupName(group).c_str()) == kDataSuccess);
    }
    for (auto _ : state) {
        Check(_DataCompact(handle, nullptr, nullptr) == kDataSuccess);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(BenchFolder() / "compact.hxd"));
    _DataClose(handle);
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_Compact100000Entries)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
