// The program on a real X server (ProgramOnDesktop) over files it cannot write or read as they
// should be. The settings folder read-only or full (the program runs with the preloaded folder
// fault of platform/testing/folder_fault.h, as real permission bits do not bind a test run as
// root and a small file system cannot be mounted without root): a representative types a
// Stretch illustration, chooses report sections and leaves by File > Exit; the program stays up,
// says once that the settings could not be saved, and ends as it always does. A damaged
// representative record at start: the program says so, opens the representative window as for
// a first start and keeps the damaged file beside the new record.
#include "program/tests/program_on_desktop.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/folder_fault.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using desktop::ProgramOnDesktop;

constexpr auto kWindowTimeout = 30s;
constexpr auto kExitTimeout = 30s;
// How long a message box that should not come is waited for.
constexpr auto kNoMessageTimeout = 3s;

constexpr const char* kStretchWindow = "Stretch Projection";
constexpr const char* kNotSaved = "Settings Not Saved";
constexpr const char* kRepresentativeWindow = "Financial Representative Information";

constexpr const char* kAgentInformation = "[Agent Information]\r\n"
                                          "First=Pat\r\nLast=Rivera\r\nAddress=400 Elm Ave\r\n"
                                          "City=Columbus\r\nZip=43004\r\nState=35\r\n";

struct Field {
    const char* frame;
    const char* label;
    const char* text;
};
const Field kStretchClient[] = {
    {"Planholder", "First *", "Margaret"},
    {"Planholder", "Last *", "Lee"},
    {"Planholder", "Date of Birth *", "04/12/1970"},
    {"Planholder", "Years Life Expectancy *", "20"},
};

// Whether a message box of this title shows within `timeout`.
bool MessageShows(ProgramOnDesktop& program, const std::string& title,
                  std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (program.Window(title)) {
            return true;
        }
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

// A Stretch illustration typed in, report sections chosen and File > Exit, with the settings
// folder unwritable as `fault` makes it; `reason` is what the message gives for it.
void WalkWithUnwritableSettings(testkit::FolderFault fault, const std::string& reason) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    fs::create_directories(program.Home().windows);
    std::ofstream(program.Home().windows / "Hux.INI", std::ios::binary) << kAgentInformation;
    fs::create_directories(program.Home().config);
    const fs::path settings = program.Home().config / "settings.ini";
    std::ofstream(settings, std::ios::binary) << "[tallowmere\\home]\nReportCover=True\n";
    const std::string before = testkit::ReadFileBytes(settings);
    ASSERT_TRUE(
        program.Start({"/3"}, testkit::FolderFaultEnvironment(fault, program.Home().config)));

    ASSERT_TRUE(program.WaitForWindow("0 Saved Illustrations", kWindowTimeout));
    ASSERT_TRUE(program.ClickControl("0 Saved Illustrations", "push button", "New"));
    ASSERT_TRUE(program.WaitUntilGone("0 Saved Illustrations", kWindowTimeout));
    ASSERT_TRUE(program.WaitForWindow(kStretchWindow, kWindowTimeout));
    for (const Field& field : kStretchClient) {
        EXPECT_TRUE(program.FillField(kStretchWindow, field.frame, field.label, field.text))
            << field.label;
    }
    program.Step("stretch illustration typed");

    ASSERT_TRUE(program.ChooseMenu(kStretchWindow, "Report", "Cover Page"));
    const std::optional<std::string> message =
        program.AnswerMessageBox(kNotSaved, "OK", kWindowTimeout);
    ASSERT_TRUE(message) << "no message that the settings could not be saved";
    EXPECT_NE(message->find("Your settings could not be saved: " + reason + "."), std::string::npos)
        << *message;
    EXPECT_NE(message->find(program.Home().config.string()), std::string::npos) << *message;

    // The next sections change as chosen, without a second message.
    for (const char* section : {"Ledger", "Summary"}) {
        ASSERT_TRUE(program.ChooseMenu(kStretchWindow, "Report", section));
        EXPECT_FALSE(MessageShows(program, kNotSaved, kNoMessageTimeout))
            << "a second message for " << section;
    }
    program.Step("sections chosen");
    EXPECT_TRUE(program.Window(kStretchWindow)) << "the program did not stay up";
    EXPECT_EQ(program.FieldText(kStretchWindow, "Planholder", "First *"),
              std::optional<std::string>("Margaret"));

    // File > Exit asks as ever, then offers to save the illustration; no other message comes.
    ASSERT_TRUE(program.ChooseMenu(kStretchWindow, "File", "Exit"));
    ASSERT_TRUE(program.AnswerMessageBox("Software Exit", "Yes", kWindowTimeout));
    ASSERT_TRUE(program.AnswerMessageBox("Illustration Data", "No", kWindowTimeout));
    EXPECT_EQ(program.WaitForExit(kExitTimeout), std::optional<int>(0));
    EXPECT_EQ(testkit::ReadFileBytes(settings), before);
    EXPECT_EQ(testkit::ReadFileBytes(sandbox.Root() / "program.log").find("Run-time error"),
              std::string::npos);
}

TEST(DesktopTest, AReadOnlySettingsFolderNeitherEndsTheProgramNorLosesTheIllustration) {
    WalkWithUnwritableSettings(testkit::FolderFault::ReadOnly, "Permission denied");
}

TEST(DesktopTest, AFullSettingsFolderNeitherEndsTheProgramNorLosesTheIllustration) {
    WalkWithUnwritableSettings(testkit::FolderFault::Full, "Disk full");
}

// A representative record of 0xFF bytes at the first start of the day: the message names the
// file, the representative window opens empty, and its Ok writes a new record beside which the
// damaged file is kept whole.
TEST(DesktopTest, ADamagedRepresentativeRecordIsKeptAsideAndTheWindowOpens) {
    testkit::Sandbox sandbox;
    ProgramOnDesktop program(sandbox);
    fs::create_directories(program.Home().data);
    const fs::path record = program.Home().data / "RepInfo.flt";
    const std::string damaged(1000, '\xFF');
    std::ofstream(record, std::ios::binary) << damaged;
    ASSERT_TRUE(program.Start({"/0"}));

    const std::optional<std::string> message =
        program.AnswerMessageBox("Error in LoadRepInfo", "OK", kWindowTimeout);
    ASSERT_TRUE(message) << "no message that the representative record is damaged";
    EXPECT_NE(message->find("The saved representative information could not be read: " +
                            record.string() + " is damaged."),
              std::string::npos)
        << *message;
    EXPECT_NE(message->find("RepInfo.flt.damaged"), std::string::npos) << *message;

    ASSERT_TRUE(program.WaitForWindow(kRepresentativeWindow, kWindowTimeout));
    program.Step("representative window after the damaged record");
    EXPECT_EQ(program.FieldText(kRepresentativeWindow, "", "First Name*"),
              std::optional<std::string>(""));
    const Field typed[] = {{"", "First Name*", "Alice"},
                           {"", "Last*", "Walker"},
                           {"", "Street / PO Box*", "12 Main St"},
                           {"", "City*", "Springfield"},
                           {"", "Zip*", "62701"}};
    for (const Field& field : typed) {
        EXPECT_TRUE(program.FillField(kRepresentativeWindow, field.frame, field.label, field.text))
            << field.label;
    }
    program.Step("representative typed again");
    EXPECT_TRUE(program.ClickControl(kRepresentativeWindow, "push button", "Ok"));
    ASSERT_TRUE(program.WaitForWindow("0 Saved Illustrations", kWindowTimeout));
    program.Step("browser after the new record");

    const std::string written = testkit::ReadFileBytes(record);
    ASSERT_EQ(written.size(), 1000u);
    EXPECT_EQ(written.substr(0, 20), "Alice               ");
    EXPECT_EQ(testkit::ReadFileBytes(record.string() + ".damaged"), damaged);

    ASSERT_TRUE(program.ClickControl("0 Saved Illustrations", "push button", "Cancel"));
    ASSERT_TRUE(program.WaitUntilGone("0 Saved Illustrations", kWindowTimeout));
    ASSERT_TRUE(program.ChooseMenu("Planholder RMD Calculator", "File", "Exit"));
    ASSERT_TRUE(program.AnswerMessageBox("Software Exit", "Yes", kWindowTimeout));
    EXPECT_EQ(program.WaitForExit(kExitTimeout), std::optional<int>(0));
}

} // namespace
