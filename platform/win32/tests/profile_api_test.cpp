// The profile functions: Windows' buffer rules, integers, writes and deletions, the Windows
// folder for bare names, and WIN.INI's [Devices] from the printer list.
#include "platform/printing/printers.h"
#include "platform/system/folders.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kProfile = "sub\\agent.ini";
constexpr const char* kText = "[Agent Information]\n"
                              "First = Ann Lee\n"
                              "Empty=\n"
                              "State=5\n"
                              "Negative=-12\n"
                              "Hex=0x1F\n"
                              "Lead=  42abc\n"
                              "Word=abc\n"
                              "Huge=99999999999\n"
                              "Low=-99999999999\n"
                              "[Other]\n"
                              "Key=value\n"
                              "[agent information]\n"
                              "City=Ames\n"
                              "first=Ignored\n";

constexpr char kUntouched = '#';

class ProfileApiTest : public ::testing::Test {
protected:
    void SetUp() override { sandbox_.WriteFile("sub/agent.ini", kText); }

    // The buffer after a call, as many characters as it holds up to `shown`.
    struct Answer {
        DWORD length = 0;
        std::string buffer;
    };
    static Answer Read(const char* section, const char* key, const char* defaultText, DWORD size,
                       std::size_t shown) {
        std::array<char, 64> buffer{};
        buffer.fill(kUntouched);
        const DWORD length =
            GetPrivateProfileStringA(section, key, defaultText, buffer.data(), size, kProfile);
        return {length, std::string(buffer.data(), shown)};
    }

    testkit::Sandbox sandbox_;
};

TEST_F(ProfileApiTest, ValuesFillTheBufferAsWindowsDoes) {
    struct Case {
        const char* section;
        const char* key;
        const char* defaultText;
        DWORD size;
        std::string expected; // the buffer's first expected.size() characters
        DWORD length;
    };
    const Case cases[] = {
        {"Agent Information", "First", "d", 64, std::string("Ann Lee\0", 8), 7},
        {"AGENT information ", " first", "d", 64, std::string("Ann Lee\0", 8), 7},
        {"Agent Information", "First", "d", 4, std::string("Ann\0#", 5), 3},
        {"Agent Information", "First", "d", 1, std::string("\0#", 2), 0},
        {"Agent Information", "First", "d", 0, "#", 0},
        {"Agent Information", "City", "d", 64, std::string("Ames\0", 5), 4},
        {"Agent Information", "Empty", "default", 64, std::string("\0", 1), 0},
        {"Agent Information", "Missing", "default  ", 64, std::string("default\0", 8), 7},
        {"Agent Information", "Missing", "default", 4, std::string("def\0#", 5), 3},
        {"Agent Information", "Missing", nullptr, 64, std::string("\0", 1), 0},
        {"No Such Section", "First", "d", 64, std::string("d\0", 2), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " in " + c.section + " size " + std::to_string(c.size));
        const Answer answer = Read(c.section, c.key, c.defaultText, c.size, c.expected.size());
        EXPECT_EQ(answer.buffer, c.expected);
        EXPECT_EQ(answer.length, c.length);
    }
}

TEST_F(ProfileApiTest, NullNamesListSectionsAndKeysDoubleNulTerminated) {
    struct Case {
        const char* section;
        DWORD size;
        std::string expected;
        DWORD length;
    };
    const Case cases[] = {
        {nullptr, 64, std::string("Agent Information\0Other\0\0#", 26), 24},
        {"agent information", 64,
         std::string("First\0Empty\0State\0Negative\0Hex\0Lead\0Word\0Huge\0Low\0City\0\0#", 57),
         55},
        // Cut inside a name: the last name is cut and two NULs end the list.
        {"Other", 3, std::string("K\0\0#", 4), 1},
        {"Agent Information", 9, std::string("First\0E\0\0#", 10), 7},
        {"Agent Information", 8, std::string("First\0\0\0#", 9), 6},
        {"Agent Information", 2, std::string("\0\0#", 3), 0},
        {"Agent Information", 1, std::string("\0#", 2), 0},
        {"No Such Section", 64, std::string("\0\0#", 3), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section ? c.section : "(sections)") + " size " +
                     std::to_string(c.size));
        const Answer answer = Read(c.section, nullptr, "default", c.size, c.expected.size());
        EXPECT_EQ(answer.buffer, c.expected);
        EXPECT_EQ(answer.length, c.length);
    }
}

TEST_F(ProfileApiTest, IntegersReadTheLeadingDecimalNumber) {
    struct Case {
        const char* key;
        UINT expected;
    };
    const Case cases[] = {
        {"State", 5},         {"Negative", static_cast<UINT>(-12)},
        {"Hex", 0},           {"Lead", 42},
        {"Word", 0},          {"Missing", 77},
        {"Empty", 77},        {"Huge", 2147483647u},
        {"Low", 2147483648u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(GetPrivateProfileIntA("Agent Information", c.key, 77, kProfile), c.expected);
    }
}

TEST_F(ProfileApiTest, WritesDeleteKeysAndSections) {
    const fs::path file = sandbox_.Root() / "sub" / "agent.ini";
    EXPECT_TRUE(WritePrivateProfileStringA("Other", "Key", "changed", kProfile));
    EXPECT_TRUE(WritePrivateProfileStringA("New", "Added", "1", kProfile));
    EXPECT_TRUE(WritePrivateProfileStringA("Agent Information", "State", nullptr, kProfile));
    EXPECT_TRUE(WritePrivateProfileStringA("agent information", nullptr, nullptr, kProfile));
    EXPECT_EQ(testkit::ReadFileBytes(file), "[Other]\nKey=changed\n[New]\nAdded=1\n");

    // A key the format cannot hold is refused and nothing changes; the flush call writes nothing
    // and answers FALSE.
    EXPECT_FALSE(WritePrivateProfileStringA("Other", "a=b", "x", kProfile));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, kProfile));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "Key", "x", kProfile));
    EXPECT_EQ(testkit::ReadFileBytes(file), "[Other]\nKey=changed\n[New]\nAdded=1\n");

    // Deleting from a file that does not exist creates nothing.
    EXPECT_TRUE(WritePrivateProfileStringA("Other", nullptr, nullptr, "sub\\none.ini"));
    EXPECT_FALSE(fs::exists(sandbox_.Root() / "sub" / "none.ini"));
}

TEST_F(ProfileApiTest, BareNamesLieInTheWindowsFolderAndHuxIniIsOneFile) {
    EXPECT_TRUE(WritePrivateProfileStringA("Agent Information", "First", "Ann", "hux.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA("Agent Information", "Last", "Lee", "HUX.INI"));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "v", "other.ini"));
    const fs::path windows = sys::WindowsFolder();
    EXPECT_EQ(testkit::ReadFileBytes(windows / "Hux.INI"),
              "[Agent Information]\nFirst=Ann\nLast=Lee\n");
    EXPECT_TRUE(fs::exists(windows / "other.ini"));
    char buffer[16];
    EXPECT_EQ(GetPrivateProfileStringA("Agent Information", "Last", "", buffer, 16, "Hux.ini"), 3u);
    EXPECT_STREQ(buffer, "Lee");
}

TEST_F(ProfileApiTest, WinIniLiesInTheWindowsFolderAndDevicesListThePrinters) {
    sandbox_.SetEnvironment(printing::kFilePrinterVariable, (sandbox_.Root() / "printed").string());
    EXPECT_TRUE(WriteProfileStringA("windows", "device", "x"));
    EXPECT_EQ(GetProfileIntA("windows", "Missing", 9), 9u);
    char buffer[256];
    EXPECT_EQ(GetProfileStringA("Windows", "Device", "", buffer, sizeof buffer), 1u);
    EXPECT_EQ(testkit::ReadFileBytes(sys::WindowsFolder() / "WIN.INI"), "[windows]\ndevice=x\n");

    const std::string names = std::string(printing::kFilePrinterName) + '\0' + '\0';
    EXPECT_EQ(GetProfileStringA("devices", nullptr, "", buffer, sizeof buffer), names.size() - 1);
    EXPECT_EQ(std::string(buffer, names.size()), names);

    const std::vector<printing::DeviceEntry> devices = printing::DevicesSection();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(GetProfileStringA("Devices", "file printer", "", buffer, sizeof buffer),
              devices[0].value.size());
    EXPECT_EQ(buffer, devices[0].value);
    EXPECT_EQ(GetProfileStringA("Devices", "Other Printer", "none ", buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "none");
}

} // namespace
