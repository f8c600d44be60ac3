// The client picker driven as a user drives it, over a database the test builds.
#include "family/comdlg/caddow.h"
#include "family/comdlg/tests/client_fixture.h"
#include "family/comdlg/tests/dialog_driver.h"
#include "family/comdlg/tests/help_host.h"
#include "family/data/dorrick.h"
#include "family/util/umbrant.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace caddow_test;

constexpr int kList = 200;
constexpr int kDelete = 11;

std::vector<std::string> Lines(HWND dialog) {
    const HWND list = GetDlgItem(dialog, kList);
    std::vector<std::string> lines;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.emplace_back(text);
    }
    return lines;
}

int Selected(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0));
}

class ClientPicker : public ClientDatabaseTest {
protected:
    // Runs the picker; the name buffer starts filled with '#'.
    int Pick(int handle, std::string& name, HWND owner = nullptr) {
        char buffer[kDataNameBufferSize];
        std::memset(buffer, '#', sizeof buffer);
        buffer[sizeof buffer - 1] = '\0';
        const int result = _ComOpenClientDlg(owner, handle, buffer);
        name = buffer;
        EXPECT_TRUE(user.Done());
        return result;
    }

    DialogDriver user;
};

const std::vector<Client> kClients = {
    {"C3", "Ann", "Smith", 'B', 3, "Acme"},
    {"C10", "Bob", "Jones", ' ', 9, ""}, // a suffix outside the table is none
    {"C007", "Cy", "Adams", '\0', 0, ""},
};

TEST_F(ClientPicker, ListsEachClientAndAnswersItsExactEntryName) {
    // An entry that is no client, and a client entry without data, which shows empty names.
    const int handle = CreateWith("clients.hxd", kClients, {"X5", "C12"});
    // The working entry away from the root changes nothing.
    ASSERT_EQ(_DataSetCurrentWorkingEntry(handle, "X5"), kDataSuccess);
    std::string name;
    user.Then([](HWND dialog) {
            EXPECT_EQ(WindowText(dialog), "Open Client");
            EXPECT_EQ(Lines(dialog), (std::vector<std::string>{", ", "Adams, Cy", "Jones, Bob",
                                                               "Smith, Ann B. II (Acme)"}));
            EXPECT_EQ(Selected(dialog), 0);
            EXPECT_EQ(FocusedControlId(), kList);
            PressKey(VK_DOWN);
        })
        .Then([](HWND) { PressKey(VK_RETURN); });
    EXPECT_EQ(Pick(handle, name), 0);
    EXPECT_EQ(name, "C007");

    // A double click on a line (the first) chooses it; Cancel answers 1 with an empty name.
    user.Then([](HWND dialog) { DoubleClickFirstLine(GetDlgItem(dialog, kList)); });
    EXPECT_EQ(Pick(handle, name), 0);
    EXPECT_EQ(name, "C12");
    user.Then([](HWND) { PressKey(VK_ESCAPE); });
    EXPECT_EQ(Pick(handle, name), 1);
    EXPECT_EQ(name, "");
}

TEST_F(ClientPicker, DeletingTheOnlyClientLeavesNoneAndOnlyCancel) {
    const int handle = CreateWith("one.hxd", {{"C1", "Ann", "Lee", '\0', 0, ""}});
    std::string name;
    ShownMessageBox question;
    user.Then([](HWND dialog) { ClickDialogItem(dialog, kDelete); })
        .Then(RecordMessageAndClose(question)) // Enter answers Yes
        .Then([](HWND dialog) {
            EXPECT_EQ(Lines(dialog), std::vector<std::string>{"[none]"});
            EXPECT_EQ(Selected(dialog), 0);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kDelete)));
            EXPECT_EQ(FocusedControlId(), IDCANCEL);
            // Enter has nothing to open.
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        })
        .Then([](HWND dialog) { ClickDialogItem(dialog, IDCANCEL); });
    EXPECT_EQ(Pick(handle, name), 1);
    EXPECT_EQ(name, "");
    EXPECT_EQ(question.caption, "Verification");
    EXPECT_EQ(question.text, "\nDelete the selected client?");
    EXPECT_TRUE(TopLevel(handle).empty());

    // With no client at all the picker opens the same way.
    user.Then([](HWND dialog) {
        EXPECT_EQ(Lines(dialog), std::vector<std::string>{"[none]"});
        EXPECT_EQ(FocusedControlId(), IDCANCEL);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(Pick(handle, name), 1);
}

TEST_F(ClientPicker, DeleteSelectsTheLineBeforeAndKeepsWhatTheDatabaseKeeps) {
    const int handle = CreateWith("three.hxd", kClients);
    // A locked entry cannot be deleted.
    ASSERT_EQ(_DataLockEntry(handle, "C3"), kDataSuccess);
    std::string name;
    ShownMessageBox refused;
    user.Then([](HWND dialog) {
            SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 1, 0); // Jones, C10
            ClickDialogItem(dialog, kDelete);
        })
        .Then([](HWND) { PressKey(VK_ESCAPE); }) // No: nothing happens
        .Then([](HWND dialog) {
            EXPECT_EQ(Lines(dialog).size(), 3u);
            ClickDialogItem(dialog, kDelete);
        })
        .Then([](HWND) { PressKey(VK_RETURN); }) // Yes
        .Then([](HWND dialog) {
            EXPECT_EQ(Lines(dialog),
                      (std::vector<std::string>{"Adams, Cy", "Smith, Ann B. II (Acme)"}));
            EXPECT_EQ(Selected(dialog), 0);
            SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 1, 0); // Smith, C3, locked
            ClickDialogItem(dialog, kDelete);
        })
        .Then([](HWND) { PressKey(VK_RETURN); }) // Yes
        .Then(RecordMessageAndClose(refused))
        .Then([](HWND dialog) {
            EXPECT_EQ(Lines(dialog).size(), 2u);
            EXPECT_EQ(Selected(dialog), 1);
            ClickDialogItem(dialog, IDOK);
        });
    EXPECT_EQ(Pick(handle, name), 0);
    EXPECT_EQ(name, "C3");
    EXPECT_EQ(refused.caption, "Error");
    EXPECT_EQ(refused.text, "\nThe selected client could not be deleted from the database.");
    EXPECT_EQ(TopLevel(handle), (std::vector<std::string>{"C007", "C3"}));
}

TEST_F(ClientPicker, AnswersHelpWithTheFocusedControlsContext) {
    const int handle = CreateWith("help.hxd", kClients);
    HelpHost host;
    std::string name;
    user.Then([](HWND dialog) { ClickDialogItem(dialog, 998); }).Then([&host](HWND dialog) {
        EXPECT_EQ(host.Contexts(), std::vector<WPARAM>{30100});
        const HelpHost::ControlContext cases[] = {
            {kList, 30101}, {IDOK, 30102}, {IDCANCEL, 30103}, {998, 30104}, {kDelete, 30105}};
        host.ExpectContexts(dialog, cases);
        PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(Pick(handle, name, host.Window()), 1);
}

} // namespace
