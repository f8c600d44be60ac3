// Writers under a full disk (file_faults.h): a failed write leaves the file as it was; a writer
// killed in the middle leaves nothing that the next writer does not clear away.
#include "platform/system/atomic_file.h"
#include "platform/system/record_file.h"
#include "platform/system/settings_store.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using sys::RecordAccess;
using sys::RecordFile;
using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;
using testkit::ScopedWriteFault;
using testkit::WriteFault;

constexpr std::size_t kRecordLength = 1000;

// Records of 1000 bytes, as the program writes them, each filled with its own letter.
std::string Records(const std::string& letters) {
    std::string records;
    for (const char letter : letters) {
        records.append(kRecordLength, letter);
    }
    return records;
}

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

// A folder gone read-only or full (file_faults.h): each writer fails with the runtime's error for
// it and leaves the file as it was, and a folder beside it is not touched. A read-only folder
// still lets a file that is there be written in place, as a folder without write permission
// does.
TEST(FolderFault, EachWriterFailsWithItsErrorAndLeavesTheFile) {
    struct Case {
        const char* name;
        testkit::FolderFault fault;
        std::function<void(const fs::path& folder)> write;
        int error; // 0: the write goes through
    };
    const auto replace = [](const fs::path& folder) {
        sys::ReplaceFileAtomically(folder / "RepInfo.flt", "new");
    };
    const auto create = [](const fs::path& folder) {
        sys::ReplaceFileAtomically(folder / "new.flt", "new");
    };
    const auto setting = [](const fs::path&) {
        sys::SaveSetting("Tallowmere", "ann", "ReportCover", "False");
    };
    const auto inPlace = [](const fs::path& folder) {
        RecordFile records(folder / "RepInfo.flt", kRecordLength, RecordAccess::ReadWrite);
        records.Write(1, Records("n"));
        records.Close();
    };
    const Case cases[] = {
        {"read-only: replaced", testkit::FolderFault::ReadOnly, replace, 70},
        {"read-only: created", testkit::FolderFault::ReadOnly, create, 70},
        {"read-only: a setting", testkit::FolderFault::ReadOnly, setting, 70},
        {"read-only: written in place", testkit::FolderFault::ReadOnly, inPlace, 0},
        {"full: replaced", testkit::FolderFault::Full, replace, 61},
        {"full: a setting", testkit::FolderFault::Full, setting, 61},
        {"full: written in place", testkit::FolderFault::Full, inPlace, 61},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox sandbox;
        sandbox.SetEnvironment("TALLOWMERE_CONFIG_DIR", (sandbox.Root() / "folder").string());
        const fs::path folder = sandbox.Root() / "folder";
        const std::string before = Records("o");
        sandbox.WriteFile("folder/RepInfo.flt", before);
        sandbox.WriteFile("folder/settings.ini", "[Tallowmere\\ann]\nReportCover=True\n");
        sandbox.WriteFile("beside/kept.txt", "kept");
        {
            const testkit::ScopedFolderFault fault(c.fault, folder);
            EXPECT_EQ(ErrorNumberOf([&] { c.write(folder); }), c.error);
            EXPECT_EQ(fault.Struck() > 0, c.error != 0);
            sys::ReplaceFileAtomically(sandbox.Root() / "beside/kept.txt", "changed");
        }
        if (c.error != 0) {
            EXPECT_EQ(ReadFileBytes(folder / "RepInfo.flt"), before);
            EXPECT_EQ(ReadFileBytes(folder / "settings.ini"),
                      "[Tallowmere\\ann]\nReportCover=True\n");
            EXPECT_FALSE(fs::exists(folder / "new.flt"));
        }
        EXPECT_EQ(ReadFileBytes(sandbox.Root() / "beside/kept.txt"), "changed");
        // Once the fault is gone the same write goes through.
        EXPECT_EQ(ErrorNumberOf([&] { c.write(folder); }), 0);
    }
}

// A writer killed between creating its temporary file and renaming it leaves the file behind;
// the next writer of the folder, atomic or record by record, removes it. Temporary files of
// processes that still run, and files that only look like one, stay.
TEST(KilledWriter, TheNextWriterRemovesItsTemporaryFile) {
    struct Case {
        const char* name;
        const char* written; // the file the next writer writes in the folder
        std::function<void(const fs::path& file)> nextWrite;
    };
    const Case cases[] = {
        {"atomic replacement", "RepInfo.flt",
         [](const fs::path& file) { sys::ReplaceFileAtomically(file, "next"); }},
        {"record write", "Tallowmere.flt",
         [](const fs::path& file) {
             RecordFile records(file, kRecordLength, RecordAccess::ReadWrite);
             records.Write(1, Records("n"));
             records.Close();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox sandbox;
        const fs::path target = sandbox.WriteFile("data/RepInfo.flt", "old");
        const fs::path folder = target.parent_path();
        const std::string running = ".tmp-" + std::to_string(getpid()) + "-999";
        sandbox.WriteFile("data/" + running, "a running writer's");
        sandbox.WriteFile("data/.tmp-notes", "not a temporary file");
        // Killed before its rename: the write and the flush went through.
        ASSERT_TRUE(testkit::RunKilledAt(1, [&] { sys::ReplaceFileAtomically(target, "new"); }));
        // The first temporary file of a process that ended (counters start at 0).
        const pid_t ended = fork();
        if (ended == 0) {
            _exit(0);
        }
        waitpid(ended, nullptr, 0);
        sandbox.WriteFile("data/.tmp-" + std::to_string(ended) + "-0", "left");
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(folder)) {
            left.push_back(entry.path().filename().string());
        }
        ASSERT_EQ(left.size(), 5u) << "the killed writers' temporary files are there";
        EXPECT_EQ(ReadFileBytes(target), "old");

        c.nextWrite(folder / c.written);
        std::set<std::string> now;
        for (const auto& entry : fs::directory_iterator(folder)) {
            now.insert(entry.path().filename().string());
        }
        EXPECT_EQ(now, (std::set<std::string>{"RepInfo.flt", running, ".tmp-notes", c.written}));
    }
}

} // namespace
