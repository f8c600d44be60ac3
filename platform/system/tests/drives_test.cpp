#include "platform/system/drives.h"

#include "platform/system/settings_store.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

using testkit::ErrorNumberOf;
using testkit::Sandbox;

class DrivesTest : public ::testing::Test {
protected:
    DrivesTest() {
        sandbox.SetEnvironment("TALLOWMERE_DRIVE_A", floppy.string());
        sys::SaveSetting("Tallowmere", "Drives", "B", stick.string());
        sys::SaveSetting("Tallowmere", "Drives", "C", "/ignored");
        sandbox.SetEnvironment("TALLOWMERE_DRIVE_C", system.string());
    }

    Sandbox sandbox;
    fs::path floppy = sandbox.Root() / "floppy";
    fs::path stick = sandbox.Root() / "stick";
    fs::path system = sandbox.Root() / "c";
};

TEST_F(DrivesTest, MappedLettersExist) {
    struct Case {
        const char* drive;
        bool exists;
    };
    const Case cases[] = {
        {"A", true},  {"a:", true}, {"A:\\", true}, {"b", true}, {"C:", true},
        {"D", false}, {"z", false}, {"1", false},   {"", false}, {":", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drive);
        EXPECT_EQ(sys::DriveExists(c.drive), c.exists);
    }
    EXPECT_EQ(sys::DriveFolder('c'), system) << "the environment wins over the settings";
    EXPECT_EQ(sys::DriveFolder('b'), stick);
}

TEST_F(DrivesTest, ResolvesWindowsPaths) {
    struct Case {
        const char* windowsPath;
        fs::path expected;
    };
    const Case cases[] = {
        {"A:\\RMDData.zip", floppy / "RMDData.zip"},
        {"a:\\RMDData.zip", floppy / "RMDData.zip"},
        {"a:\\backup.hxd", floppy / "backup.hxd"},
        {"A:RMDData.zip", floppy / "RMDData.zip"},
        {"A:\\", floppy},
        {"b:\\sub\\file.txt", stick / "sub/file.txt"},
        {"Temp.flt", "Temp.flt"},
        {"sub\\Temp.flt", "sub/Temp.flt"},
        {"\\RepInfo.flt", "/RepInfo.flt"},
        {"/already/posix", "/already/posix"},
        {"A:\\sub\\..\\RMDData.zip", floppy / "RMDData.zip"},
        {"A:\\sub\\..", floppy},
        {"..\\relative", "../relative"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windowsPath);
        EXPECT_EQ(sys::ResolvePath(c.windowsPath), c.expected);
    }
    EXPECT_EQ(ErrorNumberOf([] { sys::ResolvePath("D:\\file"); }), 68);
}

TEST_F(DrivesTest, DotDotCannotLeaveTheDrive) {
    for (const char* path : {"A:\\..\\secret", "a:..\\secret", "A:\\sub\\..\\..\\secret",
                             "b:\\.\\..\\stick2\\x", "A:\\..", "A:/../secret"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ErrorNumberOf([&] { sys::ResolvePath(path); }), 52);
    }
}

} // namespace
