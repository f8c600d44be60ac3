// The representative dialog driven as a user drives it.
#include "family/comdlg/caddow.h"
#include "family/comdlg/tests/agent_record.h"
#include "family/comdlg/tests/dialog_driver.h"
#include "family/comdlg/tests/help_host.h"
#include "family/util/umbrant.h"

#include "platform/system/folders.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace caddow_test;

constexpr int kName = 200;
constexpr int kNumber = 201;
constexpr int kLicense = 202;
constexpr int kAgency = 203;
constexpr int kWork = 204;
constexpr int kHome = 205;
constexpr int kFax = 206;
constexpr int kStreet = 207;
constexpr int kCity = 208;
constexpr int kState = 209;
constexpr int kZip = 210;

void SelectState(HWND dialog, const char* code) {
    SendDlgItemMessageA(dialog, kState, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(code));
}

class AgentDialog : public ::testing::Test {
protected:
    // Runs the dialog on `record` and checks that the script was used up.
    void Edit(AgentInfo& record, HWND owner = nullptr) {
        _ComAgentDlg(owner, &record);
        EXPECT_TRUE(user.Done());
    }
    bool ProfileExists() const { return std::filesystem::exists(sys::WindowsFolder() / "Hux.INI"); }

    testkit::Sandbox sandbox;
    DialogDriver user;
};

TEST_F(AgentDialog, ShowsTheRecordWithTheLimitsOfItsFields) {
    AgentInfo record = CompleteAgent();
    record.state = 4;
    user.Then([](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Financial Representative Information");
        const struct {
            int control;
            const char* text;
            int limit;
        } fields[] = {
            {kName, "Pat Quinn", 31},    {kNumber, "R-1001", 31},
            {kLicense, "L-77", 31},      {kAgency, "Quinn Financial", 39},
            {kWork, "303-555-0100", 31}, {kHome, "303-555-0101", 31},
            {kFax, "303-555-0102", 31},  {kStreet, "1 Main Street", 127},
            {kCity, "Denver", 31},       {kZip, "80202", 10},
        };
        for (const auto& field : fields) {
            SCOPED_TRACE(field.control);
            EXPECT_EQ(DialogItemText(dialog, field.control), field.text);
            EXPECT_EQ(SendDlgItemMessageA(dialog, field.control, EM_GETLIMITTEXT, 0, 0),
                      field.limit);
        }
        // The 51 codes sorted, the record's state selected.
        const HWND states = GetDlgItem(dialog, kState);
        ASSERT_EQ(SendMessageA(states, CB_GETCOUNT, 0, 0), 51);
        char first[8] = {};
        SendMessageA(states, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, "AK");
        const LRESULT selected = SendMessageA(states, CB_GETCURSEL, 0, 0);
        EXPECT_EQ(SendMessageA(states, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0), 4);
        EXPECT_EQ(DialogItemText(dialog, kState), "CA");
        PressKey(VK_ESCAPE);
    });
    const AgentInfo before = record;
    Edit(record);
    EXPECT_TRUE(SameRecord(record, before));
    EXPECT_FALSE(ProfileExists());
}

// OK checks name, street, city and zip, then the license number in California, telling the user
// of the first missing item and putting the focus on its field.
TEST_F(AgentDialog, OkChecksTheRequiredItemsInOrder) {
    struct Check {
        const char* message;
        int focus;
        int fill; // the field the user fills next
        const char* text;
    };
    const Check checks[] = {
        {"\n\nYou must enter a Name.", kName, kName, "Pat Quinn"},
        {"\n\nYou must enter a Street.", kStreet, kStreet, "1 Main Street"},
        {"\n\nYou must enter a City.", kCity, kCity, "Fresno"},
        {"\n\nYou must enter a Zip.", kZip, kZip, "93650"},
        {"\n\nYou must enter a License Number.", kLicense, kLicense, "CA-5"},
    };
    std::vector<ShownMessageBox> shown(std::size(checks));
    user.Then([](HWND dialog) {
        SelectState(dialog, "CA");
        PressKey(VK_RETURN);
    });
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        const Check& check = checks[i];
        user.Then(RecordMessageAndClose(shown[i])).Then([check](HWND dialog) {
            EXPECT_EQ(FocusedControlId(), check.focus) << check.message;
            SetDlgItemTextA(dialog, check.fill, check.text);
            PressKey(VK_RETURN);
        });
    }
    AgentInfo record{};
    Edit(record);
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        EXPECT_EQ(shown[i].caption, "Entry Error");
        EXPECT_EQ(shown[i].text, checks[i].message);
    }
    EXPECT_STREQ(record.name, "Pat Quinn");
    EXPECT_STREQ(record.city, "Fresno");
    EXPECT_STREQ(record.licenseNumber, "CA-5");
    EXPECT_EQ(record.state, 4);
    AgentInfo saved{};
    _ComReadAgentInfo(&saved);
    EXPECT_TRUE(SameRecord(saved, record));
}

TEST_F(AgentDialog, CaliforniaWithoutALicenseNumberCanNeitherBeAcceptedNorLeft) {
    AgentInfo record = CompleteAgent();
    record.state = 4;
    Set(record.licenseNumber, "");
    ShownMessageBox onOk;
    ShownMessageBox onCancel;
    user.Then([](HWND) { PressKey(VK_RETURN); })
        .Then(RecordMessageAndClose(onOk))
        .Then([](HWND) {
            EXPECT_EQ(FocusedControlId(), kLicense);
            PressKey(VK_ESCAPE);
        })
        .Then(RecordMessageAndClose(onCancel))
        .Then([](HWND dialog) {
            EXPECT_EQ(FocusedControlId(), kName);
            // In Colorado the license number may stay empty.
            SelectState(dialog, "CO");
            PressKey(VK_RETURN);
        });
    Edit(record);
    EXPECT_EQ(onOk.text, "\n\nYou must enter a License Number.");
    EXPECT_EQ(onCancel.text, "\n\nYou must enter a License Number.");
    EXPECT_EQ(record.state, 5);
    EXPECT_TRUE(ProfileExists());
}

TEST_F(AgentDialog, CancelJudgesTheRecordAsPassedInAndLeavesItUnchanged) {
    // Outside California an empty license number lets the user leave.
    AgentInfo complete = CompleteAgent();
    Set(complete.licenseNumber, "");
    const AgentInfo before = complete;
    user.Then([](HWND dialog) {
        SetDlgItemTextA(dialog, kCity, "Boulder");
        PressKey(VK_ESCAPE);
    });
    Edit(complete);
    EXPECT_TRUE(SameRecord(complete, before));
    EXPECT_FALSE(ProfileExists());

    // What the user typed does not complete the record that came in.
    AgentInfo incomplete = CompleteAgent();
    Set(incomplete.city, "");
    ShownMessageBox refused;
    user.Then([](HWND dialog) {
            SetDlgItemTextA(dialog, kCity, "Boulder");
            PressKey(VK_ESCAPE);
        })
        .Then(RecordMessageAndClose(refused))
        .Then([](HWND) {
            EXPECT_EQ(FocusedControlId(), kName);
            PressKey(VK_RETURN);
        });
    Edit(incomplete);
    EXPECT_EQ(refused.text, "\n\nYou must enter a City.");
    EXPECT_STREQ(incomplete.city, "Boulder");
}

TEST_F(AgentDialog, AnswersHelpWithTheFocusedControlsContext) {
    HelpHost host;
    AgentInfo record = CompleteAgent();
    user.Then([](HWND dialog) { ClickDialogItem(dialog, 998); }).Then([&host](HWND dialog) {
        EXPECT_EQ(host.Contexts(), std::vector<WPARAM>{30000});
        const HelpHost::ControlContext cases[] = {
            {kName, 30001}, {kNumber, 30013}, {kLicense, 30014}, {kAgency, 30002}, {kWork, 30003},
            {kHome, 30011}, {kFax, 30012},    {kStreet, 30004},  {kCity, 30005},   {kState, 30006},
            {kZip, 30007},  {IDOK, 30008},    {IDCANCEL, 30009}, {998, 30010},
        };
        host.ExpectContexts(dialog, cases);
        PressKey(VK_ESCAPE);
    });
    Edit(record, host.Window());
}

} // namespace
