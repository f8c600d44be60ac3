// Record files from anywhere: the input's first two bytes give the record length (0 and lengths
// the runtime refuses included), the next four a record number, the rest is the file. Opening
// and reading never crash, and every record read is one record long.
#include "platform/system/record_file.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// One file in a folder of its own, reused by every run.
const std::filesystem::path& FuzzFile() {
    static const std::filesystem::path kFile = [] {
        std::string folder =
            (std::filesystem::temp_directory_path() / "tallowmere-fuzz-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(folder) / "Tallowmere.flt";
    }();
    return kFile;
}

void ReadAsRecords(const std::filesystem::path& file, std::size_t length, std::int64_t number) {
    const sys::RecordFile records(file, length, sys::RecordAccess::Read);
    const std::int64_t count = records.RecordCount();
    for (const std::int64_t n : {std::int64_t{1}, count, count + 1, number}) {
        try {
            if (records.Read(n).size() != length) {
                std::abort();
            }
        } catch (const runtime::RuntimeError& error) {
            if (error.Number() != 63 || (n >= 1 && n <= 2147483647)) {
                std::abort();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return 0;
    }
    const std::size_t length = data[0] | static_cast<std::size_t>(data[1]) << 8;
    const auto number = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(data[2]) | static_cast<std::uint32_t>(data[3]) << 8 |
        static_cast<std::uint32_t>(data[4]) << 16 | static_cast<std::uint32_t>(data[5]) << 24);
    sys::ReplaceFileAtomically(FuzzFile(),
                               std::string_view(reinterpret_cast<const char*>(data) + 6, size - 6));
    try {
        ReadAsRecords(FuzzFile(), length, number);
    } catch (const runtime::RuntimeError& error) {
        if (error.Number() != 59 || (length >= 1 && length <= sys::kLongestRecord)) {
            std::abort();
        }
    }
    return 0;
}
