#include "platform/system/files.h"

#include "platform/system/atomic_file.h"
#include "platform/system/file_pattern.h"
#include "platform/system/profile_file.h"
#include "platform/system/record_file.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

namespace fs = std::filesystem;

using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;

TEST(Files, ExistsNeedsAFileOfAtLeastOneByte) {
    Sandbox sandbox;
    sandbox.WriteFile("one.txt", "x");
    sandbox.WriteFile("empty.txt", "");
    fs::create_directory(sandbox.Root() / "folder");
    struct Case {
        const char* name;
        bool exists;
    };
    const Case cases[] = {
        {"one.txt", true}, {"empty.txt", false},      {"missing.txt", false},
        {"folder", false}, {"one.txt/inside", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sys::FileExists(sandbox.Root() / c.name), c.exists);
    }
}

TEST(Files, LengthAndErrors) {
    Sandbox sandbox;
    const fs::path file = sandbox.WriteFile("records.flt", std::string(2500, ' '));
    fs::create_directory(sandbox.Root() / "folder");
    EXPECT_EQ(sys::FileLength(file), 2500u);
    EXPECT_EQ(ErrorNumberOf([&] { sys::FileLength(sandbox.Root() / "missing"); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { sys::FileLength(sandbox.Root() / "folder"); }), 75);
}

TEST(Files, CopyOverwritesTheTargetWhole) {
    Sandbox sandbox;
    const fs::path from = sandbox.WriteFile("Tallowmere.flt", "new records");
    const fs::path to = sandbox.WriteFile("data/Tallowmere.flt", "old records that were longer");
    sys::FileCopy(from, to);
    EXPECT_EQ(ReadFileBytes(to), "new records");
    EXPECT_EQ(ReadFileBytes(from), "new records");
    EXPECT_EQ(std::distance(fs::directory_iterator(to.parent_path()), fs::directory_iterator()), 1);
}

TEST(Files, CopyErrorsLeaveTheTargetAlone) {
    Sandbox sandbox;
    const fs::path to = sandbox.WriteFile("target", "kept");
    EXPECT_EQ(ErrorNumberOf([&] { sys::FileCopy(sandbox.Root() / "missing", to); }), 53);
    EXPECT_EQ(ReadFileBytes(to), "kept");
    const fs::path from = sandbox.WriteFile("source", "data");
    EXPECT_EQ(ErrorNumberOf([&] { sys::FileCopy(from, sandbox.Root() / "no/such/folder/x"); }), 76);
}

TEST(Files, RemoveFile) {
    Sandbox sandbox;
    const fs::path file = sandbox.WriteFile("reload.exe", "x");
    fs::create_directory(sandbox.Root() / "folder");
    sys::RemoveFile(file);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ErrorNumberOf([&] { sys::RemoveFile(file); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { sys::RemoveFile(sandbox.Root() / "folder"); }), 75);
    EXPECT_TRUE(fs::is_directory(sandbox.Root() / "folder"));
}

TEST(Files, RenameRefusesToReplace) {
    Sandbox sandbox;
    const fs::path from = sandbox.WriteFile("Tallowmere.flt", "records");
    const fs::path temp = sandbox.Root() / "Temp.flt";
    sys::RenameFile(from, temp);
    EXPECT_FALSE(fs::exists(from));
    EXPECT_EQ(ReadFileBytes(temp), "records");

    const fs::path other = sandbox.WriteFile("other.flt", "other");
    EXPECT_EQ(ErrorNumberOf([&] { sys::RenameFile(other, temp); }), 58);
    EXPECT_EQ(ReadFileBytes(temp), "records");
    EXPECT_EQ(ReadFileBytes(other), "other");
    EXPECT_EQ(ErrorNumberOf([&] { sys::RenameFile(sandbox.Root() / "missing", from); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { sys::RenameFile(other, sandbox.Root() / "no/such"); }), 76);
}

TEST(Files, EnsureFolderMakesOneLevel) {
    Sandbox sandbox;
    const fs::path data = sandbox.Root() / "Data";
    EXPECT_TRUE(sys::EnsureFolder(data));
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_TRUE(sys::EnsureFolder(data));
    EXPECT_FALSE(sys::EnsureFolder(sandbox.Root() / "two/levels"));
    EXPECT_FALSE(fs::exists(sandbox.Root() / "two"));
    EXPECT_FALSE(sys::EnsureFolder(sandbox.WriteFile("plain", "x")));
}

TEST(Files, FirstLine) {
    Sandbox sandbox;
    struct Case {
        const char* name;
        std::string contents;
        std::string line;
    };
    const Case cases[] = {
        {"lf", "/srv/data\nsecond\n", "/srv/data"},
        {"crlf", "https://example.test/rmd\r\nsecond\r\n", "https://example.test/rmd"},
        {"cr", "first\rsecond", "first"},
        {"no ending", "only line", "only line"},
        {"blank first line", "\nsecond", ""},
        {"blanks kept", "  padded  \n", "  padded  "},
        {"high bytes", "Caf\xE9\n", "Caf\xE9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sys::ReadFirstLine(sandbox.WriteFile(c.name, c.contents)), c.line);
    }
    EXPECT_EQ(ErrorNumberOf([&] { sys::ReadFirstLine(sandbox.WriteFile("empty", "")); }), 62);
    EXPECT_EQ(ErrorNumberOf([&] { sys::ReadFirstLine(sandbox.Root() / "missing"); }), 53);
}

TEST(Files, Patterns) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"RMDLogo.gif", "RMDLogo.*", true},
        {"RMDLogo.txt", "rmdlogo.*", true},
        {"RMDLogo", "RMDLogo.*", true},
        {"RMDLogo2.gif", "RMDLogo.*", false},
        {"StretchLogo.gif", "RMDLogo.*", false},
        {"a.b.c", "*.c", true},
        {"VPre01.BMP", "VPre??.BMP", true},
        {"VPre1.BMP", "VPre??.BMP", false},
        {"anything", "*", true},
        {"", "*", true},
        {"abcabd", "*abd", true},
        {"abcab", "*abd", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.pattern);
        EXPECT_EQ(sys::MatchesFilePattern(c.name, c.pattern), c.matches);
    }
}

TEST(Files, RemoveMatchingFilesLeavesOthers) {
    Sandbox sandbox;
    const fs::path folder = sandbox.Root() / "program";
    for (const char* name : {"RMDLogo.gif", "RMDLogo.txt", "StretchLogo.gif", "RMDLogo2.gif"}) {
        sandbox.WriteFile(fs::path("program") / name, "x");
    }
    fs::create_directory(folder / "RMDLogo.dir");
    EXPECT_EQ(sys::RemoveMatchingFiles(folder, "RMDLogo.*"), 2);
    EXPECT_FALSE(fs::exists(folder / "RMDLogo.gif"));
    EXPECT_FALSE(fs::exists(folder / "RMDLogo.txt"));
    EXPECT_TRUE(fs::exists(folder / "StretchLogo.gif"));
    EXPECT_TRUE(fs::exists(folder / "RMDLogo2.gif"));
    EXPECT_TRUE(fs::is_directory(folder / "RMDLogo.dir"));
    EXPECT_EQ(sys::RemoveMatchingFiles(sandbox.Root() / "missing", "*"), 0);
}

TEST(AtomicFile, ReplacesWholeAndKeepsPermissions) {
    Sandbox sandbox;
    const fs::path target = sandbox.WriteFile("Hux.INI", "old");
    chmod(target.c_str(), 0640);
    sys::ReplaceFileAtomically(target, "new content");
    EXPECT_EQ(ReadFileBytes(target), "new content");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.Root()), fs::directory_iterator()), 2)
        << "only the target and the home folder remain";
}

// A link stays a link: the file it points to is replaced, keeping that file's permissions.
TEST(AtomicFile, ReplacesTheFileALinkPointsTo) {
    Sandbox sandbox;
    const fs::path file = sandbox.WriteFile("real/Hux.INI", "old");
    struct Case {
        const char* name;
        fs::path link;
        fs::path pointsTo;
    };
    const Case cases[] = {
        {"absolute", "absolute.ini", file},
        {"relative", "links/relative.ini", "../real/Hux.INI"},
        {"link to a link", "chained.ini", "absolute.ini"},
    };
    fs::create_directory(sandbox.Root() / "links");
    chmod(file.c_str(), 0640);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path link = sandbox.Root() / c.link;
        fs::create_symlink(c.pointsTo, link);
        sys::ReplaceFileAtomically(link, c.name);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), c.pointsTo);
        EXPECT_EQ(ReadFileBytes(file), c.name);
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

// The temporary file's name does not grow with the target's, so a name as long as the file
// system allows can be replaced.
TEST(AtomicFile, ReplacesFilesWithTheLongestNames) {
    Sandbox sandbox;
    for (std::size_t length : {std::size_t{245}, std::size_t{255}}) {
        SCOPED_TRACE(length);
        const fs::path target = sandbox.Root() / std::string(length, 'n');
        sys::ReplaceFileAtomically(target, "first");
        sys::ReplaceFileAtomically(target, "second");
        EXPECT_EQ(ReadFileBytes(target), "second");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.Root()), fs::directory_iterator()), 3);
}

TEST(AtomicFile, WithoutCommitTheTargetIsUntouched) {
    Sandbox sandbox;
    const fs::path target = sandbox.WriteFile("settings.ini", "kept");
    {
        sys::AtomicFile file(target);
        file.Write("half-written");
    }
    EXPECT_EQ(ReadFileBytes(target), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.Root()), fs::directory_iterator()), 2);
    EXPECT_EQ(ErrorNumberOf([&] { sys::ReplaceFileAtomically(sandbox.Root() / "no/x", "y"); }), 76);
}

// Every reader opens regular files only. A FIFO without a writer used to hold its reader for
// ever; the alarm ends this test (and shows it as failed) should a reader wait again.
TEST(Files, ReadersRefuseWhatIsNotARegularFile) {
    Sandbox sandbox;
    const fs::path fifo = sandbox.Root() / "Hux.INI";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = sandbox.Root() / "folder";
    fs::create_directory(folder);
    const fs::path target = sandbox.Root() / "copy";
    struct Reader {
        const char* name;
        std::function<void(const fs::path&)> read;
    };
    const Reader readers[] = {
        {"whole file", [](const fs::path& path) { sys::ReadWholeFile(path); }},
        {"first line", [](const fs::path& path) { sys::ReadFirstLine(path); }},
        {"copy", [&](const fs::path& path) { sys::FileCopy(path, target); }},
        {"records",
         [](const fs::path& path) { sys::RecordFile(path, 1000, sys::RecordAccess::Read); }},
        {"records to write",
         [](const fs::path& path) { sys::RecordFile(path, 1000, sys::RecordAccess::ReadWrite); }},
        {"profile write",
         [](const fs::path& path) { sys::WriteProfileString(path, "Program", "Top", "1"); }},
    };
    alarm(20);
    for (const fs::path& path : {fifo, folder, fs::path("/dev/null")}) {
        for (const auto& reader : readers) {
            SCOPED_TRACE(path.string() + " " + reader.name);
            EXPECT_EQ(ErrorNumberOf([&] { reader.read(path); }), 75);
        }
        EXPECT_EQ(sys::GetProfileString(path, "Program", "Top", "default", 64), "default");
    }
    alarm(0);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

} // namespace
