// Database files from anywhere: the input is opened as a database and walked as a host walks
// it, every entry listed, looked up, sized, read and checked for a lock, down to the deepest
// level the paths allow; then it is compacted and the result walked again. Nothing may crash or
// hang, whatever the links say. A compaction that reports damage must leave the input whole as
// the old copy, and a second compaction must not replace that copy.
#include "family/data/dorrick.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// One file in a folder of its own, reused by every run.
const std::filesystem::path& FuzzFile() {
    static const std::filesystem::path kFile = [] {
        std::string folder =
            (std::filesystem::temp_directory_path() / "tallowmere-fuzz-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(folder) / "fuzz.hxd";
    }();
    return kFile;
}

// Lists the children of `path` and walks each in turn.
void Walk(int handle, const std::string& path) {
    std::vector<std::string> names;
    std::array<char, kDataNameBufferSize> name{};
    for (unsigned char result = _DataFindFirstEntry(handle, path.c_str(), name.data());
         result == kDataSuccess; result = _DataFindNextEntry(handle, name.data())) {
        names.emplace_back(name.data());
    }
    for (const auto& child : names) {
        const std::string childPath = (path == "." ? "." : path + ".") + child;
        int size = 0;
        std::array<char, 512> data{};
        int reserved = 0;
        _DataGetEntrySize(handle, childPath.c_str(), &size);
        _DataRead(handle, childPath.c_str(), data.data(), data.size(), &reserved);
        _DataIsEntryLocked(handle, childPath.c_str());
        if (_DataSetCurrentWorkingEntry(handle, childPath.c_str()) == kDataSuccess) {
            _DataFindFirstEntry(handle, "", name.data());
            _DataSetCurrentWorkingEntry(handle, "..");
        }
        Walk(handle, childPath);
    }
}

// The old copy that compacting the fuzz file keeps.
std::filesystem::path OldCopy() {
    return std::filesystem::path(FuzzFile()).replace_extension("hx$");
}

bool HoldsBytes(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
    std::ifstream in(file, std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    return in.is_open() && contents == std::string(data, data + size);
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each input starts without the old copy an earlier one left.
    std::filesystem::remove(OldCopy());
    std::FILE* out = std::fopen(FuzzFile().c_str(), "wb");
    if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) {
        std::abort();
    }
    int handle = 0;
    if (_DataOpen(FuzzFile().c_str(), &handle) != kDataSuccess) {
        return 0;
    }
    Walk(handle, ".");
    int percent = 0;
    int bytes = 0;
    _DataGetPercentGarbage(handle, &percent, &bytes);
    const unsigned char compacted = _DataCompact(handle, nullptr, nullptr);
    Require(compacted == kDataSuccess || compacted == kDataCompactFailed);
    if (compacted == kDataCompactFailed) {
        Require(HoldsBytes(OldCopy(), data, size));
        Require(_DataCompact(handle, nullptr, nullptr) == kDataCompactFailed);
        Require(HoldsBytes(OldCopy(), data, size));
    }
    Walk(handle, ".");
    _DataClose(handle);
    return 0;
}
