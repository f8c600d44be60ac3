// Context help and window centring on the Win32 layer's windows: F1 in a dialog driven through
// the layer's modal loop, the host's top-level window answering as every host of the family does,
// and the help engine's viewer recording what it is asked to show.
#include "family/util/tests/host_strings.h"
#include "family/util/umbrant.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"
#include "platform/win32/winhelp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr const char kHostClass[] = "UmbrantTestHost";
constexpr int kRateId = 11; // a control with a context number of its own
constexpr int kTermId = 12; // a control that shares the dialog's
constexpr int kDialogContext = 30000;
constexpr int kRateContext = 30011;

constexpr win32::DialogItem kItems[] = {
    {"Button", "&Rate", kRateId, 5, 5, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "&Term", kTermId, 60, 5, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", "Cancel", IDCANCEL, 115, 5, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
};
constexpr win32::DialogTemplate kDialog{
    WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 10, 10, 170, 30, "Plan", nullptr, 0, kItems};

struct ShownMessage {
    std::string text;
    std::string caption;
    int style;
};

struct HelpRequest {
    HWND window;
    std::string helpFile;
    UINT command;
    std::uintptr_t data;
};

// What the windows, the message box and the help viewer saw, in order.
std::vector<std::string> gLog;
std::vector<ShownMessage> gMessages;
std::vector<HelpRequest> gHelpRequests;

HWND TopLevelOf(HWND window) {
    while (GetParent(window) != nullptr) {
        window = GetParent(window);
    }
    return window;
}

// The host's top-level window, as the family expects every host's to be.
LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case UM_HELPFOUND:
        _UtilHelpFound();
        return 0;
    case UM_HELPCONTEXT:
        gLog.push_back("context " + std::to_string(wParam));
        _UtilHelp(static_cast<int>(wParam));
        return 0;
    case UM_HELPQUERY:
        gLog.push_back("host query " + std::to_string(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Names the window a query came through: its control id, or "dialog".
std::string NameOf(HWND dialog, WPARAM through) {
    HWND window = reinterpret_cast<HWND>(through);
    return window == dialog ? "dialog" : std::to_string(GetDlgCtrlID(window));
}

INT_PTR EndOnCancel(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_COMMAND && LOWORD(static_cast<DWORD>(wParam)) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog of the family: answers the help query, with a number of its own for the Rate control.
INT_PTR CALLBACK FamilyDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != UM_HELPQUERY) {
        return EndOnCancel(dialog, message, wParam);
    }
    if (LOWORD(static_cast<DWORD>(wParam)) == 0) {
        gLog.push_back("query 0");
        SendMessageA(TopLevelOf(dialog), UM_HELPFOUND, 0, 0);
        return TRUE;
    }
    gLog.push_back("query " + NameOf(dialog, wParam));
    const bool rate = reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog, kRateId);
    PostMessageA(TopLevelOf(dialog), UM_HELPCONTEXT, rate ? kRateContext : kDialogContext, 0);
    return TRUE;
}

// A dialog that gives no help.
INT_PTR CALLBACK SilentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == UM_HELPQUERY) {
        gLog.push_back("silent query " + std::to_string(wParam));
        return FALSE;
    }
    return EndOnCancel(dialog, message, wParam);
}

class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        gLog.clear();
        gMessages.clear();
        gHelpRequests.clear();
        WNDCLASSA hostClass{};
        hostClass.lpfnWndProc = HostProcedure;
        hostClass.hInstance = HostModuleInstance();
        hostClass.lpszClassName = kHostClass;
        RegisterClassA(&hostClass);
        mainWindow_ = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      400, 300, nullptr, nullptr, HostModuleInstance(), nullptr);
        ASSERT_NE(mainWindow_, nullptr);
        helpFile_ = sandbox_.WriteFile("help/Hux.hlp", "help").string();
        win32::SetHelpViewer(
            [this](HWND window, LPCSTR helpFile, UINT command, std::uintptr_t data) {
                gHelpRequests.push_back({window, helpFile, command, data});
                return viewerAccepts_;
            });
    }

    void TearDown() override {
        _UtilDestroyHelp();
        win32::SetHelpViewer(nullptr);
        DestroyWindow(mainWindow_);
    }

    // Types one line of the script each time the dialog loop waits.
    INT_PTR RunDialog(DLGPROC procedure, const std::vector<std::vector<int>>& script) {
        for (const std::vector<int>& line : script) {
            user_.Then(win32::testing::TypeKeys(line));
        }
        const INT_PTR result =
            DialogBoxIndirectParamA(HostModuleInstance(), &kDialog, mainWindow_, procedure, 0);
        EXPECT_TRUE(user_.Done()) << "the dialog ended before its script";
        return result;
    }

    testkit::Sandbox sandbox_;
    win32::testing::DialogDriver user_;
    HWND mainWindow_ = nullptr;
    std::string helpFile_;
    bool viewerAccepts_ = true;
};

TEST_F(HelpTest, F1OnAControlOfAFamilyDialogOpensHelpAtItsContext) {
    struct Case {
        std::vector<std::vector<int>> script;
        std::vector<std::string> log;
        std::uintptr_t context;
    };
    const Case cases[] = {
        // The Rate control has the focus first; the dialog answers for it.
        {{{VK_F1}, {VK_ESCAPE}}, {"query 0", "query 11", "context 30011"}, kRateContext},
        {{{VK_TAB}, {VK_F1}, {VK_ESCAPE}},
         {"query 0", "query 12", "context 30000"},
         kDialogContext},
    };
    ASSERT_NE(_UtilInitHelp(mainWindow_, helpFile_.c_str()), nullptr);
    for (const Case& each : cases) {
        SCOPED_TRACE(::testing::PrintToString(each.script));
        gLog.clear();
        gHelpRequests.clear();
        EXPECT_EQ(RunDialog(FamilyDialog, each.script), IDCANCEL);
        EXPECT_EQ(gLog, each.log);
        ASSERT_EQ(gHelpRequests.size(), 1u);
        EXPECT_EQ(gHelpRequests[0].window, mainWindow_);
        EXPECT_EQ(gHelpRequests[0].helpFile, helpFile_);
        EXPECT_EQ(gHelpRequests[0].command, UINT{HELP_CONTEXT});
        EXPECT_EQ(gHelpRequests[0].data, each.context);
        EXPECT_TRUE(gMessages.empty());
    }
}

// A modeless dialog of the family in the host's own message loop, which hands each message to
// IsDialogMessageA: F1 on its control opens help at the control's context as in a modal one.
TEST_F(HelpTest, F1InAModelessDialogOpensHelpAtItsContext) {
    ASSERT_NE(_UtilInitHelp(mainWindow_, helpFile_.c_str()), nullptr);
    const HWND dialog =
        CreateDialogIndirectParamA(HostModuleInstance(), &kDialog, mainWindow_, FamilyDialog, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, kRateId));
    win32::testing::PressKey(VK_F1);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    EXPECT_EQ(gLog, (std::vector<std::string>{"query 0", "query 11", "context 30011"}));
    ASSERT_EQ(gHelpRequests.size(), 1u);
    EXPECT_EQ(gHelpRequests[0].data, std::uintptr_t{kRateContext});
    DestroyWindow(dialog);
}

std::vector<int> gKeysPassedOn;

LRESULT CALLBACK RecordKeys(int, WPARAM, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message->message == WM_KEYDOWN) {
        gKeysPassedOn.push_back(static_cast<int>(message->wParam));
    }
    return 0;
}

TEST_F(HelpTest, F1ThatNoWindowAnswersIsSwallowedAndOtherKeysPassOn) {
    HHOOK recorder = SetWindowsHookExA(WH_MSGFILTER, RecordKeys, nullptr, 0);
    gKeysPassedOn.clear();
    ASSERT_NE(_UtilInitHelp(mainWindow_, helpFile_.c_str()), nullptr);
    EXPECT_EQ(RunDialog(SilentDialog, {{VK_F1}, {VK_ESCAPE}}), IDCANCEL);
    // The whole chain is asked once; nobody answers, so nothing is posted.
    EXPECT_EQ(gLog, (std::vector<std::string>{"silent query 0", "host query 0"}));
    EXPECT_EQ(gKeysPassedOn, std::vector<int>{VK_ESCAPE});
    EXPECT_TRUE(gHelpRequests.empty());

    // Without the hook F1 reaches the next one.
    EXPECT_TRUE(_UtilDestroyHelp());
    EXPECT_FALSE(_UtilDestroyHelp());
    gKeysPassedOn.clear();
    EXPECT_EQ(RunDialog(SilentDialog, {{VK_F1}, {VK_ESCAPE}}), IDCANCEL);
    EXPECT_EQ(gKeysPassedOn, (std::vector<int>{VK_F1, VK_ESCAPE}));
    EXPECT_TRUE(UnhookWindowsHookEx(recorder));
}

TEST_F(HelpTest, F1InAMenuAsksOnlyTheMainWindow) {
    HHOOK recorder = SetWindowsHookExA(WH_MSGFILTER, RecordKeys, nullptr, 0);
    gKeysPassedOn.clear();
    ASSERT_NE(_UtilInitHelp(mainWindow_, helpFile_.c_str()), nullptr);
    HWND control = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                   mainWindow_, nullptr, HostModuleInstance(), nullptr);
    MSG f1{control, WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_TRUE(CallMsgFilterA(&f1, MSGF_MENU));
    MSG escape{control, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(CallMsgFilterA(&escape, MSGF_MENU));
    EXPECT_EQ(gKeysPassedOn, std::vector<int>{VK_ESCAPE});

    MSG posted;
    ASSERT_TRUE(PeekMessageA(&posted, nullptr, UM_HELPQUERY, UM_HELPCONTEXT, PM_REMOVE));
    EXPECT_EQ(posted.hwnd, mainWindow_);
    EXPECT_EQ(posted.message, UINT{UM_HELPQUERY});
    EXPECT_EQ(posted.wParam, 1u);
    EXPECT_FALSE(PeekMessageA(&posted, nullptr, UM_HELPQUERY, UM_HELPCONTEXT, PM_REMOVE))
        << "the control is not asked";
    EXPECT_TRUE(UnhookWindowsHookEx(recorder));
}

TEST_F(HelpTest, HelpThatCannotBeShownSaysWhyAndAnswersZero) {
    struct Case {
        const char* name;
        bool fileExists;
        bool viewerAccepts;
        std::optional<ShownMessage> message;
    };
    const Case cases[] = {
        {"shown", true, true, std::nullopt},
        {"no help file", false, true,
         ShownMessage{"The help file cannot be found.", "No Help File", 0x30}},
        {"refused", true, false, ShownMessage{"Help cannot be shown.", "Help Refused", 0x30}},
    };
    HWND control = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                   mainWindow_, nullptr, HostModuleInstance(), nullptr);
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        gMessages.clear();
        gHelpRequests.clear();
        viewerAccepts_ = each.viewerAccepts;
        const std::string file = each.fileExists ? helpFile_ : helpFile_ + ".missing";
        ASSERT_NE(_UtilInitHelp(mainWindow_, file.c_str()), nullptr);
        SetFocus(control);

        const BOOL result = _UtilHelp(31000);
        EXPECT_EQ(result != FALSE, !each.message.has_value());
        EXPECT_EQ(gHelpRequests.size(), each.fileExists ? 1u : 0u) << "the engine is not started";
        EXPECT_EQ(GetFocus(), control) << "the focus is where it was";
        if (each.message.has_value()) {
            EXPECT_EQ(result, FALSE);
            ASSERT_EQ(gMessages.size(), 1u);
            EXPECT_EQ(gMessages[0].text, each.message->text);
            EXPECT_EQ(gMessages[0].caption, each.message->caption);
            EXPECT_EQ(gMessages[0].style, each.message->style);
        } else {
            EXPECT_TRUE(gMessages.empty());
        }
    }
}

TEST_F(HelpTest, AHelpFilePathIsKeptToItsFirst255Characters) {
    const std::string folder = (sandbox_.Root() / "long").string() + "/";
    ASSERT_LT(folder.size(), 255u);
    const std::string kept = folder + std::string(255 - folder.size(), 'h');
    sandbox_.WriteFile(std::filesystem::path(kept).lexically_relative(sandbox_.Root()), "help");
    ASSERT_NE(_UtilInitHelp(mainWindow_, (kept + ".hlp").c_str()), nullptr);
    EXPECT_TRUE(_UtilHelp(1));
    ASSERT_EQ(gHelpRequests.size(), 1u);
    EXPECT_EQ(gHelpRequests[0].helpFile, kept);
}

// Without a viewer of the host's own the help file goes to the desktop: xdg-open, found on PATH,
// gets its path as its one argument. A stand-in records what it got; without one help is refused.
TEST_F(HelpTest, TheDefaultViewerHandsTheHelpFileToTheDesktop) {
    win32::SetHelpViewer(nullptr);
    const std::filesystem::path xdgOpen = sandbox_.WriteFile(
        "bin/xdg-open",
        "#!/bin/sh\nprintf '%s\\n%s' \"$#\" \"$1\" > \"$0.tmp\"\nmv \"$0.tmp\" \"$0.out\"\n");
    std::filesystem::permissions(xdgOpen, std::filesystem::perms::owner_all);
    const std::filesystem::path output = sandbox_.Root() / "bin/xdg-open.out";
    struct Case {
        const char* name;
        std::string path;
        bool shown;
    };
    const Case cases[] = {
        {"xdg-open on the path", (sandbox_.Root() / "bin").string() + ":/usr/bin:/bin", true},
        {"no xdg-open", (sandbox_.Root() / "empty").string(), false},
    };
    ASSERT_NE(_UtilInitHelp(mainWindow_, helpFile_.c_str()), nullptr);
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        gMessages.clear();
        std::filesystem::remove(output);
        sandbox_.SetEnvironment("PATH", each.path);
        EXPECT_EQ(_UtilHelp(31000) != FALSE, each.shown);
        EXPECT_EQ(gMessages.size(), each.shown ? 0u : 1u);
        if (each.shown) {
            for (int wait = 0; wait < 500 && !std::filesystem::exists(output); ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            EXPECT_EQ(testkit::ReadFileBytes(output), "1\n" + helpFile_);
        } else {
            ASSERT_EQ(gMessages.size(), 1u);
            EXPECT_EQ(gMessages[0].caption, "Help Refused");
        }
    }
}

class CenterWindowTest : public ::testing::Test {
protected:
    void SetUp() override { win32::SetScreenSize(640, 480); }
    void TearDown() override { win32::SetScreenSize(1920, 1080); }
};

TEST_F(CenterWindowTest, CentresOnTheOwnerKeptOnScreenOrOnTheScreenUnclamped) {
    struct Case {
        const char* name;
        std::optional<RECT> owner;
        int width;
        int height;
        POINT expected;
    };
    const Case cases[] = {
        {"screen", std::nullopt, 201, 101, {219, 189}},
        // (640 - 641) / 2 truncates toward zero.
        {"screen, one pixel wider", std::nullopt, 641, 481, {0, 0}},
        {"screen, larger", std::nullopt, 900, 600, {-130, -60}},
        {"owner", RECT{100, 100, 400, 300}, 101, 51, {199, 174}},
        {"owner, past the right and bottom", RECT{500, 400, 700, 500}, 300, 200, {340, 280}},
        {"owner, larger than the screen", RECT{0, 0, 640, 480}, 700, 500, {0, 0}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        HWND owner = nullptr;
        if (each.owner.has_value()) {
            const RECT& r = *each.owner;
            owner = CreateWindowExA(0, "Static", "", WS_POPUP, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
        }
        HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 3, 5, each.width, each.height,
                                      owner, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(_UtilCenterWindow(window));
        RECT placed;
        GetWindowRect(window, &placed);
        EXPECT_EQ(placed.left, each.expected.x);
        EXPECT_EQ(placed.top, each.expected.y);
        EXPECT_EQ(placed.right - placed.left, each.width);
        EXPECT_EQ(placed.bottom - placed.top, each.height);
        DestroyWindow(window);
        if (owner != nullptr) {
            DestroyWindow(owner);
        }
    }
    EXPECT_FALSE(_UtilCenterWindow(nullptr));
}

TEST(UmbrantLoad, LoadsAloneInAProcessWithNothingElseOfTheSystem) {
    const testkit::ToolRun run =
        testkit::RunTool({TALLOWMERE_LOAD_PROBE, TALLOWMERE_UMBRANT_LIBRARY});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
}

} // namespace

// The family's message box, which the user-interface library provides to a real host: recorded,
// and taking the focus to its owner as a shown box would.
extern "C" __attribute__((visibility("default"))) int
_UIMessageBox(HWND owner, const char* text, const char* caption, int style) {
    gMessages.push_back({text, caption, style});
    SetFocus(owner);
    return IDOK;
}
