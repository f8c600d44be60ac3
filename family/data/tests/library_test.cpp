// The library as a host sees it: loaded by name with the family libraries it needs, its exports,
// its version and its entry procedure.
#include "family/data/dorrick.h"
#include "family/data/tests/database_fixture.h"

#include "platform/testing/export_list.h"
#include "platform/testing/outside_tool.h"
#include "platform/win32/module_resources.h"

#include <dlfcn.h>

#include <array>
#include <string>

namespace {

TEST(DorrickLibrary, ExportsExactlyItsNames) {
    EXPECT_TRUE(testkit::ExportsExactly(TALLOWMERE_DORRICK_LIBRARY, {"BackupDlgProc",
                                                                     "CompactDlgProc",
                                                                     "DllEntryPoint",
                                                                     "_DataAddEntry",
                                                                     "_DataBackup",
                                                                     "_DataBackupDlg",
                                                                     "_DataClose",
                                                                     "_DataCompact",
                                                                     "_DataCompactDlg",
                                                                     "_DataCreate",
                                                                     "_DataDeleteEntry",
                                                                     "_DataFindFirstEntry",
                                                                     "_DataFindNextEntry",
                                                                     "_DataGetCurrentWorkingEntry",
                                                                     "_DataGetEntrySize",
                                                                     "_DataGetPercentGarbage",
                                                                     "_DataIsEntryLocked",
                                                                     "_DataLockEntry",
                                                                     "_DataOpen",
                                                                     "_DataRead",
                                                                     "_DataSetCurrentWorkingEntry",
                                                                     "_DataSetNotificationFunction",
                                                                     "_DataUnlockEntry",
                                                                     "_DataVersion",
                                                                     "_DataWrite"}));
}

TEST(DorrickLibrary, LoadsWithTheFamilyLibrariesItNeeds) {
    const testkit::ToolRun run = testkit::RunTool(
        {TALLOWMERE_LOAD_PROBE, TALLOWMERE_DORRICK_LIBRARY, "libumbrant.so", "libvistel.so"});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "libumbrant.so\nlibvistel.so\n");
}

TEST(DorrickLibrary, NamesItsVersion) {
    void* library = dlopen(TALLOWMERE_DORRICK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto version =
        reinterpret_cast<unsigned (*)(char*, unsigned)>(dlsym(library, "_DataVersion"));
    ASSERT_NE(version, nullptr);
    // Copied as strncpy copies: padded with NULs, unterminated when the buffer is short.
    const struct {
        unsigned length;
        std::string expected;
    } cases[] = {
        {8, std::string("99.01\0\0\0", 8) + "#"},
        {5, "99.01####"},
        {3, "99.######"},
        {0, "#########"},
    };
    for (const auto& row : cases) {
        std::array<char, 9> buffer{};
        buffer.fill('#');
        EXPECT_EQ(version(buffer.data(), row.length), 0x9901u);
        EXPECT_EQ(std::string(buffer.data(), 9), row.expected) << row.length;
    }
    EXPECT_EQ(version(nullptr, 8), 0x9901u);
    EXPECT_EQ(dlclose(library), 0);
}

using DorrickEntry = dorrick_test::DatabaseTest;

// Process detach closes every handle; attach keeps the library's instance for its dialogs.
TEST_F(DorrickEntry, DetachClosesEveryHandleAndAttachKeepsTheDialogsAtHand) {
    const HINSTANCE library = win32::ModuleOfAddress(dlsym(RTLD_DEFAULT, "_DataVersion"));
    ASSERT_NE(library, nullptr);
    const int handle = Create("entry.hxd");
    EXPECT_EQ(DllEntryPoint(library, 0, nullptr), TRUE);
    EXPECT_EQ(_DataClose(handle), kDataBadHandle);
    EXPECT_EQ(DllEntryPoint(library, 1, nullptr), TRUE);
    // The compaction dialog runs from the kept instance; no owner, no message.
    EXPECT_EQ(_DataCompactDlg(nullptr, Open("entry.hxd")), kDataSuccess);
    EXPECT_EQ(_DataSetNotificationFunction(nullptr), kDataSuccess);
}

} // namespace
