// Writers under a full disk (write_fault.h): a failed write leaves the file as it was.
#include "platform/system/atomic_file.h"
#include "platform/system/record_file.h"
#include "platform/system/tests/write_fault.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using sys::RecordAccess;
using sys::RecordFile;
using sys::testing::ScopedWriteFault;
using sys::testing::WriteFault;
using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;

namespace {

constexpr std::size_t kRecordLength = 1000;

// Records of 1000 bytes, as the program writes them, each filled with its own letter.
std::string Records(const std::string& letters) {
    std::string records;
    for (const char letter : letters) {
        records.append(kRecordLength, letter);
    }
    return records;
}

} // namespace

TEST(WriteFault, FailedRecordWriteLeavesTheFileAsItWas) {
    struct Case {
        const char* name;
        WriteFault fault;
        std::size_t bytesBeforeFault;
        std::string before;
        std::int64_t recordNumber;
    };
    const Case cases[] = {
        {"append cut back", WriteFault::DiskFull, 400, Records("ab"), 3},
        {"append across a gap", WriteFault::DiskFull, 400, Records("a"), 4},
        {"overwrite restored", WriteFault::DiskFull, 400, Records("abc"), 2},
        {"partial tail restored", WriteFault::DiskFull, 700, Records("ab") + "tail", 3},
        {"no progress on append", WriteFault::NoProgress, 400, Records("ab"), 3},
        {"no progress on overwrite", WriteFault::NoProgress, 0, Records("abc"), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox sandbox;
        const fs::path path = sandbox.WriteFile("Tallowmere.flt", c.before);
        RecordFile file(path, kRecordLength, RecordAccess::ReadWrite);
        {
            ScopedWriteFault fault(c.fault, c.bytesBeforeFault);
            EXPECT_EQ(ErrorNumberOf([&] { file.Write(c.recordNumber, Records("z")); }), 61);
            EXPECT_TRUE(fault.Struck());
        }
        EXPECT_EQ(ReadFileBytes(path), c.before);
        file.Write(c.recordNumber, Records("z"));
        EXPECT_EQ(file.Read(c.recordNumber), Records("z"));
    }
}

TEST(WriteFault, FailedReplacementLeavesTheTargetAsItWas) {
    for (const WriteFault kind : {WriteFault::DiskFull, WriteFault::NoProgress}) {
        SCOPED_TRACE(kind == WriteFault::DiskFull ? "disk full" : "no progress");
        Sandbox sandbox;
        const fs::path target = sandbox.WriteFile("Hux.INI", "kept");
        ScopedWriteFault fault(kind, 1000);
        EXPECT_EQ(
            ErrorNumberOf([&] { sys::ReplaceFileAtomically(target, std::string(5000, 'x')); }), 61);
        EXPECT_TRUE(fault.Struck());
        EXPECT_EQ(ReadFileBytes(target), "kept");
        EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.Root()), fs::directory_iterator()),
                  2)
            << "only the target and the home folder remain";
    }
}
