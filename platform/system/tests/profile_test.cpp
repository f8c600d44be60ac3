#include "platform/system/profile_file.h"
#include "platform/system/profile_text.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;

// A shared profile as a user's machine might hold it, with CR LF endings.
const char* const kHuxIni = "Stray=before any section\r\n"
                            "; agent details written by the dialogs\r\n"
                            "[Agent Information]\r\n"
                            "First = Ann  \r\n"
                            "\tLast=\"  Lee  \"\r\n"
                            "Agency='Lee & Sons'\r\n"
                            "Quote=\"unbalanced\r\n"
                            "Mixed=\"a'\r\n"
                            "first=Second Ann\r\n"
                            "State=5\r\n"
                            "Empty=\r\n"
                            "NoEquals\r\n"
                            ";City=Commented\r\n"
                            "Note=text ; not a comment\r\n"
                            "\r\n"
                            "[HuxPrint]\r\n"
                            "Zoom=75\r\n"
                            "[ agent information ]\r\n"
                            "City=Later section\r\n"
                            "First=Ignored\r\n";

TEST(Profile, ReadsHandWrittenFile) {
    Sandbox sandbox;
    const fs::path file = sandbox.WriteFile("Hux.INI", kHuxIni);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Agent Information", "First", "Ann"},          // trimmed; the duplicate is ignored
        {"AGENT INFORMATION", "first", "Ann"},          // case of section and key
        {"Agent Information", "Last", "  Lee  "},       // quotes removed, blanks inside kept
        {"Agent Information", "Agency", "Lee & Sons"},  // single quotes too
        {"Agent Information", "Quote", "\"unbalanced"}, // one quote is text
        {"Agent Information", "Mixed", "\"a'"},         // different quotes are text
        {"Agent Information", "State", "5"},
        {"Agent Information", "Empty", ""},
        {"Agent Information", "NoEquals", "<default>"}, // a line without "=" is no key
        {"Agent Information", "City", "Later section"}, // commented out here, found later
        {"Agent Information", "Note", "text ; not a comment"},
        {"Agent Information", "Stray", "<default>"}, // before any section
        {"Agent Information", "Zoom", "<default>"},  // belongs to another section
        {"HuxPrint", "Zoom", "75"},
        {"Missing", "First", "<default>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(sys::GetProfileString(file, c.section, c.key, "<default>", 64), c.expected);
    }
}

TEST(Profile, DefaultAndBufferSize) {
    Sandbox sandbox;
    const fs::path file = sandbox.WriteFile("Hux.INI", kHuxIni);
    const fs::path missing = sandbox.Root() / "missing.ini";
    struct Case {
        const fs::path* file;
        const char* key;
        const char* defaultText;
        std::size_t bufferSize;
        const char* expected;
    };
    const Case cases[] = {
        {&file, "Agency", "", 64, "Lee & Sons"},
        {&file, "Agency", "", 4, "Lee"}, // buffer of 4 holds 3 characters and the NUL
        {&file, "Agency", "", 1, ""},
        {&file, "Agency", "", 0, ""},
        {&file, "Absent", "8370  ", 128, "8370"}, // trailing blanks of the default go
        {&file, "Absent", "  1", 128, "  1"},
        {&file, "Absent", "default", 4, "def"},
        {&missing, "First", "1", 128, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " buffer " + std::to_string(c.bufferSize));
        EXPECT_EQ(
            sys::GetProfileString(*c.file, "Agent Information", c.key, c.defaultText, c.bufferSize),
            c.expected);
    }
}

TEST(Profile, FolderInsteadOfFileGivesTheDefault) {
    Sandbox sandbox;
    fs::create_directory(sandbox.Root() / "Tallowmere.ini");
    EXPECT_EQ(sys::GetProfileString(sandbox.Root() / "Tallowmere.ini", "Program", "Top", "1", 128),
              "1");
}

TEST(Profile, WritingCreatesFileFolderSectionAndKey) {
    Sandbox sandbox;
    const fs::path file = sandbox.Root() / "config/hux/Hux.INI";
    sys::WriteProfileString(file, "Agent Information", "First", "Ann");
    sys::WriteProfileString(file, "Agent Information", "Last", "Lee");
    sys::WriteProfileString(file, "HuxPrint", "Zoom", "75");
    sys::WriteProfileString(file, "agent information", "FIRST", "Bob");
    EXPECT_EQ(ReadFileBytes(file), "[Agent Information]\n"
                                   "First=Bob\n"
                                   "Last=Lee\n"
                                   "\n"
                                   "[HuxPrint]\n"
                                   "Zoom=75\n");
}

TEST(Profile, SeveralKeysAreSetInOneEditOrNotAtAll) {
    Sandbox sandbox;
    const fs::path file = sandbox.Root() / "hux/Hux.INI";
    sys::WriteProfileString(file, "HuxPrint", "XSize", "640");
    const sys::ProfileEntry marks[] = {{"Mark0X", "-1"}, {"xsize", "800"}, {"Mark0Y", "1440"}};
    sys::WriteProfileStrings(file, "huxprint", marks);
    EXPECT_EQ(ReadFileBytes(file), "[HuxPrint]\nXSize=800\nMark0X=-1\nMark0Y=1440\n");

    // One entry the format cannot hold refuses them all, the good ones before it included.
    const sys::ProfileEntry refused[] = {{"Mark1X", "5"}, {"Mark1Y", "two\nlines"}};
    EXPECT_EQ(ErrorNumberOf([&] { sys::WriteProfileStrings(file, "HuxPrint", refused); }), 52);
    EXPECT_EQ(ReadFileBytes(file), "[HuxPrint]\nXSize=800\nMark0X=-1\nMark0Y=1440\n");
}

TEST(Profile, WritingKeepsCommentsBlanksAndLineEndings) {
    struct Case {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        {"replace in place", "; c\r\n[Program]\r\nTop = 1 \r\nLeft=2\r\n", "Program", "top", "40",
         "; c\r\n[Program]\r\nTop=40\r\nLeft=2\r\n"},
        {"add before the blank line", "[A]\nx=1\n\n; next\n[B]\ny=2\n", "A", "z", "3",
         "[A]\nx=1\nz=3\n\n; next\n[B]\ny=2\n"},
        {"add to a section at the end", "[A]\nx=1", "A", "z", "3", "[A]\nx=1\nz=3\n"},
        {"add a section", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"first duplicate changes", "[A]\nk=1\nk=2\n", "A", "k", "9", "[A]\nk=9\nk=2\n"},
        {"empty section", "[A]\n[B]\n", "A", "k", "v", "[A]\nk=v\n[B]\n"},
        {"last line ends in a lone CR", "x=1\r\n[A]\r", "A", "k", "v", "x=1\r\n[A]\r\nk=v\r\n"},
        {"lone CR endings", "[A]\rx=1\r[B]\r", "A", "z", "3", "[A]\rx=1\rz=3\r[B]\r"},
        {"lone CR endings, new section", "[A]\rx=1", "B", "y", "2", "[A]\rx=1\r\r[B]\ry=2\r"},
        {"byte-order mark kept", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2",
         "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
        {"byte-order mark alone", "\xEF\xBB\xBF", "A", "k", "v", "\xEF\xBB\xBF[A]\nk=v\n"},
        {"names trimmed", "[A]\nk=1\n", " A\t", " k ", "2", "[A]\nk=2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sys::SetProfileValue(c.before, c.section, c.key, c.value), c.after);
    }
}

// Files other editors write: a UTF-8 byte-order mark before the first line, lines ended by a
// lone carriage return.
TEST(Profile, ReadsByteOrderMarkAndCarriageReturnLines) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"mark, CR LF", "\xEF\xBB\xBF[Program]\r\nTop=1200\r\n"},
        {"mark, LF", "\xEF\xBB\xBF[Program]\nTop=1200"},
        {"lone CR", "[Other]\rTop=1\r[Program]\rLeft=2\rTop=1200\r"},
        {"mark, lone CR", "\xEF\xBB\xBF[Program]\rTop=1200"},
        {"mixed", "[Program]\r\nLeft=2\rTop=1200\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sys::FindProfileValue(c.text, "Program", "Top"), "1200");
        EXPECT_EQ(sys::FindProfileValue(sys::RemoveProfileKey(c.text, "Program", "Top"), "Program",
                                        "Top"),
                  std::nullopt);
    }
}

// Names are trimmed alike when a key is written and when it is looked up, so that a name with
// blanks at its ends finds what it wrote and later writes change it in place.
TEST(Profile, NamesWithEdgeBlanksAreOneName) {
    Sandbox sandbox;
    const fs::path file = sandbox.Root() / "Tallowmere.ini";
    struct Case {
        const char* section;
        const char* key;
    };
    const Case cases[] = {
        {" App", "Top"}, {"App ", "Top"}, {"\tApp\t", " Top"}, {"App", "Top "}, {" app ", "\tTOP"},
    };
    int value = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("[") + c.section + "] " + c.key);
        const std::string written = std::to_string(++value);
        sys::WriteProfileString(file, c.section, c.key, written);
        EXPECT_EQ(sys::GetProfileString(file, c.section, c.key, "", 64), written);
        EXPECT_EQ(sys::GetProfileString(file, "App", "Top", "", 64), written);
        EXPECT_EQ(ReadFileBytes(file), "[App]\nTop=" + written + "\n");
    }
    sys::DeleteProfileKey(file, " APP ", " top ");
    EXPECT_EQ(ReadFileBytes(file), "[App]\n");
}

TEST(Profile, WritingRefusesWhatTheFormatCannotHold) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"A]B", "k", "v"},  {"A\nB", "k", "v"}, {"A", "k=1", "v"}, {"A", " \t ", "v"},
        {"A", "", "v"},     {"A", ";k", "v"},   {"A", "[k", "v"},  {"A", "k", "two\nlines"},
        {"A", "k", "cr\r"}, {"A\rB", "k", "v"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
        EXPECT_EQ(ErrorNumberOf([&] { sys::SetProfileValue("", c.section, c.key, c.value); }), 52);
    }
}

TEST(Profile, DeletingAKeyRemovesEveryOccurrence) {
    Sandbox sandbox;
    const fs::path file =
        sandbox.WriteFile("Tallowmere.ini", "[Program]\nTop=1\nLeft=2\nTOP=3\n[Other]\nTop=4\n");
    sys::DeleteProfileKey(file, "program", "top");
    EXPECT_EQ(ReadFileBytes(file), "[Program]\nLeft=2\n[Other]\nTop=4\n");
    EXPECT_EQ(sys::GetProfileString(file, "Program", "Top", "none", 128), "none");
    sys::DeleteProfileKey(sandbox.Root() / "missing.ini", "Program", "Top");
    EXPECT_FALSE(fs::exists(sandbox.Root() / "missing.ini"));
}

TEST(Profile, WrittenValuesReadBack) {
    struct Case {
        const char* text;
        const char* value;
    };
    const Case cases[] = {
        {"", "plain"},       {"[S]\nk=old\n", "new"}, {"junk\n[S]\n", "x y"},
        {"[s]\r\nK=1", "2"}, {"x=1\r\n[S\r", "3"}, // unclosed header, ended by a lone carriage
                                                   // return
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = sys::SetProfileValue(c.text, "S", "k", c.value);
        EXPECT_EQ(sys::FindProfileValue(text, "s", "K"), c.value);
        EXPECT_EQ(sys::FindProfileValue(sys::RemoveProfileKey(text, "S", "k"), "S", "k"),
                  std::nullopt);
    }
}

// Several processes write distinct keys into one profile at once. Each write reads the file,
// changes it and replaces it; without a lock between them one would replace the others' keys
// with an older text.
TEST(Profile, ConcurrentWritersKeepEveryKey) {
    Sandbox sandbox;
    const fs::path file = sandbox.Root() / "hux/Hux.INI";
    constexpr int kWriters = 5;
    constexpr int kKeysEach = 40;
    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int status = 0;
            try {
                for (int key = 0; key < kKeysEach; ++key) {
                    sys::WriteProfileString(file, "Writer " + std::to_string(writer),
                                            "Key" + std::to_string(key), std::to_string(key));
                }
            } catch (...) {
                status = 1;
            }
            _exit(status);
        }
        writers.push_back(child);
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int kept = 0;
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int key = 0; key < kKeysEach; ++key) {
            kept +=
                sys::GetProfileString(file, "Writer " + std::to_string(writer),
                                      "Key" + std::to_string(key), "", 16) == std::to_string(key);
        }
    }
    EXPECT_EQ(kept, kWriters * kKeysEach);
}

// A look-up scans the lines without keeping a record of each: after ten million blank lines it
// still runs in a process that may not grow by more than 64 MB beyond the text itself.
TEST(Profile, LookupNeedsNoMemoryPerLine) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    const std::string text = std::string(10'000'000, '\n') + "[Program]\nTop=1200\n";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(getpagesize()) + (rlim_t{64} << 20);
        const rlimit addressSpace{limit, limit};
        int status = setrlimit(RLIMIT_AS, &addressSpace) == 0 ? 0 : 2;
        try {
            if (status == 0 && sys::FindProfileValue(text, "Program", "Top") != "1200") {
                status = 3;
            }
        } catch (const std::bad_alloc&) {
            status = 1;
        }
        _exit(status);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: out of memory, 2: no limit, 3: wrong value";
#endif
}

TEST(Profile, ListsNamesOnceAndRemovesEveryOccurrenceOfASection) {
    const std::string text = "\xEF\xBB\xBF"
                             "[A]\r\nk=1\r\n; note\r\n[B]\r\nj=2\r\n[ a ]\r\nK=3\r\nm=4\r\n";
    EXPECT_EQ(sys::ListProfileSections(text), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(sys::ListProfileKeys(text, " a "), (std::vector<std::string>{"k", "m"}));
    EXPECT_EQ(sys::ListProfileKeys(text, "C"), std::vector<std::string>{});
    EXPECT_EQ(sys::RemoveProfileSection(text, "a"), "\xEF\xBB\xBF[B]\r\nj=2\r\n");
    EXPECT_EQ(sys::RemoveProfileSection(text, "C"), text);
}

} // namespace
