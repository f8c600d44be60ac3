// The backup and compaction dialogs run to their end through the window layer as a user sees
// them: the bar the progress button shows at each step, the user's request to stop, context
// help, the outcome message and the result.
#include "family/data/tests/database_fixture.h"
#include "family/data/tests/file_bytes.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/testing/file_contents.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace dorrick_test;

constexpr int kProgressButton = 300;
constexpr UINT kProbe = WM_USER + 1;
constexpr std::uint32_t kLightGrey = 0xC0C0C0;
// The bar's bitmap is the button's 140 x 8 dialog units in pixels: cells 10 pixels apart, 8 wide.
constexpr int kCellStep = 10;
constexpr int kCellWidth = 8;

// What one dialog showed and answered.
struct DialogRun {
    unsigned char result = 0;
    std::string title;
    bool centredOnOwner = false;
    // The bar each time the progress button painted it, as lit cells and the "Abort" property:
    // "9/0" is nine cells lit while the user has not asked to stop.
    std::vector<std::string> bars;
    // Caption and text of each message box, separated by "|".
    std::vector<std::string> messages;
    int helpFound = 0;
    std::vector<WPARAM> helpContexts;
};

// The run under way; the owner window and the hooks below write into it.
DialogRun* gRun = nullptr;
HWND gDialog = nullptr;
WNDPROC gButtonProcedure = nullptr;
bool gStopRequested = false;

std::uint32_t AsRgb(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

// The cells the progress button shows, each checked on its first pixel and on the gap after it.
int LitCells(HWND dialog) {
    const HWND button = GetDlgItem(dialog, kProgressButton);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    POINT origin{0, 0};
    ClientToScreen(button, &origin);
    const win32::WindowImage image = win32::CaptureWindow(dialog);
    const auto shown = [&](int x, int y) {
        return image.pixels.at(static_cast<std::size_t>((origin.y - frame.top + y) * image.width +
                                                        origin.x - frame.left + x));
    };
    const std::uint32_t highlight = AsRgb(GetSysColor(COLOR_HIGHLIGHT));
    int lit = 0;
    for (int cell = 0; cell < 20; ++cell) {
        const int left = cell * kCellStep;
        EXPECT_EQ(shown(left + kCellWidth, 6), kLightGrey) << "gap after cell " << cell;
        const std::uint32_t colour = shown(left, 6);
        EXPECT_EQ(shown(left + kCellWidth - 1, 12), colour) << "cell " << cell;
        if (colour == highlight) {
            EXPECT_EQ(lit, cell) << "lit cells follow one another from the left";
            ++lit;
        } else {
            EXPECT_EQ(colour, kLightGrey) << "cell " << cell;
        }
    }
    return lit;
}

void RecordBar(HWND dialog) {
    const std::string bar =
        std::to_string(LitCells(dialog)) + "/" +
        std::to_string(reinterpret_cast<std::intptr_t>(GetPropA(dialog, "Abort")));
    if (gRun->bars.empty() || gRun->bars.back() != bar) {
        gRun->bars.push_back(bar);
    }
}

// The progress button, watched: each time it has painted, its bar is recorded; the first time it
// shows progress, the user presses Esc.
LRESULT CALLBACK WatchedButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(gButtonProcedure, button, message, wParam, lParam);
    if (message == WM_PAINT && gRun != nullptr) {
        RecordBar(gDialog);
        if (!gStopRequested) {
            gStopRequested = true;
            win32::testing::PressKey(VK_ESCAPE);
        }
    }
    return result;
}

bool IsCentredOn(HWND window, HWND owner) {
    RECT inner{};
    RECT outer{};
    GetWindowRect(window, &inner);
    GetWindowRect(owner, &outer);
    return std::abs((inner.left + inner.right) - (outer.left + outer.right)) <= 2 &&
           std::abs((inner.top + inner.bottom) - (outer.top + outer.bottom)) <= 2;
}

// Reached through the queue once the dialog is on the screen and before its work starts: looks at
// the dialog, watches its progress button and asks it for help as the help hook would.
void Probe(HWND owner) {
    gDialog = win32::VisibleTopLevelWindows().back();
    char title[64] = {};
    GetWindowTextA(gDialog, title, sizeof title);
    gRun->title = title;
    gRun->centredOnOwner = IsCentredOn(gDialog, owner);
    RecordBar(gDialog);
    const HWND button = GetDlgItem(gDialog, kProgressButton);
    EXPECT_FALSE(IsWindowEnabled(button));
    gButtonProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchedButton)));
    SendMessageA(gDialog, UM_HELPQUERY, 0, 0);
    SendMessageA(gDialog, UM_HELPQUERY, reinterpret_cast<WPARAM>(button), 0);
}

// The host's top-level window: gives help when asked, as a host of the family does.
LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case UM_HELPFOUND:
        ++gRun->helpFound;
        return 0;
    case UM_HELPCONTEXT:
        gRun->helpContexts.push_back(wParam);
        return 0;
    case kProbe:
        Probe(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

class Dialogs : public DatabaseTest {
protected:
    void SetUp() override {
        WNDCLASSA ownerClass{};
        ownerClass.lpfnWndProc = OwnerProcedure;
        ownerClass.lpszClassName = "DorrickTestOwner";
        RegisterClassA(&ownerClass);
        owner_ = CreateWindowExA(0, "DorrickTestOwner", "Owner", WS_POPUP | WS_VISIBLE, 300, 200,
                                 600, 400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
        SetFocus(owner_);
    }

    void TearDown() override {
        win32::SetMessageWait(nullptr);
        DestroyWindow(owner_);
        gRun = nullptr;
        DatabaseTest::TearDown();
    }

    // Runs a dialog and answers each message box it shows with Enter.
    DialogRun Run(const std::function<unsigned char(HWND owner)>& dialog) {
        DialogRun run;
        gRun = &run;
        gStopRequested = false;
        win32::testing::DialogDriver user;
        user.AnswerMessageBoxes(kUIMessageText, win32::testing::DialogDriver::kMessageBoxLimit,
                                [](HWND /*box*/) { RecordBar(gDialog); });
        PostMessageA(owner_, kProbe, 0, 0);
        run.result = dialog(owner_);
        for (const win32::testing::ShownMessageBox& box : user.MessageBoxes()) {
            run.messages.push_back(box.caption + "|" + box.text);
        }
        EXPECT_EQ(GetFocus(), owner_) << "the focus goes back where it was";
        gRun = nullptr;
        return run;
    }

    // A database of exactly 20,000 bytes: backed up and restored in chunks at 0, 40, 81 and 100
    // percent.
    int DatabaseOf20000Bytes(const std::string& name) {
        const int handle = Create(name);
        Put(handle, "E", std::string(20000 - 16 - 30, 'e'));
        return handle;
    }

    // Runs the backup dialog with files limited to 10,000 bytes, prints its result and messages
    // (line breaks as "/") on standard error and ends the process.
    void BackUpOntoAFullDisk(int handle) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10000, 10000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const DialogRun run = Run([&](HWND owner) { return _DataBackupDlg(owner, handle, 0); });
        std::string messages;
        for (const std::string& message : run.messages) {
            messages += message;
        }
        std::replace(messages.begin(), messages.end(), '\n', '/');
        std::fprintf(stderr, "result %d: %s\n", run.result, messages.c_str());
        _exit(0);
    }

    // Opens a damaged database named `name` + ".hxd", whose chain repeats the name "B".
    int RepeatedName(const std::string& name) {
        WriteDamaged(name + ".hxd", HeaderBytes(16, 0) + RecordBytes({.name = "A", .next = 46}) +
                                        RecordBytes({.name = "B", .next = 76, .previous = 16}) +
                                        RecordBytes({.name = "B", .previous = 46}));
        WriteDamaged(name + ".hx$", "");
        return Open(name + ".hxd");
    }

    HWND owner_ = nullptr;
};

TEST_F(Dialogs, BackupShowsItsProgressTakesAStopRequestAndTellsTheOutcome) {
    const int handle = DatabaseOf20000Bytes("backup.hxd");
    const DialogRun run = Run([&](HWND owner) { return _DataBackupDlg(owner, handle, 0); });
    EXPECT_EQ(run.result, kDataSuccess);
    EXPECT_EQ(run.title, "Backup Database");
    EXPECT_TRUE(run.centredOnOwner);
    // Esc at 40 percent is recorded; the backup runs to its end all the same.
    EXPECT_EQ(run.bars, (std::vector<std::string>{"1/0", "9/0", "17/1", "20/1"}));
    EXPECT_EQ(run.messages,
              (std::vector<std::string>{
                  "Backup Successful|\n\nYour database was successfully backed up."}));
    EXPECT_EQ(run.helpFound, 1);
    EXPECT_EQ(run.helpContexts, (std::vector<WPARAM>{31500}));
    EXPECT_EQ(testkit::ReadFileBytes(BackupFile()), testkit::ReadFileBytes(Path("backup.hxd")));
}

// A backup disk that fills up: in a process that may write no file past 10,000 bytes, the
// backup of 20,000 bytes falls short and the message says the disk is full.
TEST_F(Dialogs, AFullBackupDiskIsToldAsSuch) {
    const int handle = DatabaseOf20000Bytes("full.hxd");
    EXPECT_EXIT(BackUpOntoAFullDisk(handle), ::testing::ExitedWithCode(0),
                "result 14: Backup Error\\|/The backup disk is full\\.  Your database was not "
                "backed up\\.");
}

TEST_F(Dialogs, EachOutcomeHasItsMessage) {
    struct Case {
        const char* name;
        std::function<unsigned char(HWND)> run;
        unsigned char result;
        const char* title;
        std::vector<std::string> messages;
        int helpContext;
    };
    const Case cases[] = {
        {"restore",
         [this](HWND owner) {
             const int handle = DatabaseOf20000Bytes("restore.hxd");
             EXPECT_EQ(_DataBackup(handle, nullptr, nullptr, 0), kDataSuccess);
             return _DataBackupDlg(owner, handle, 1);
         },
         kDataSuccess,
         "Restore Database",
         {"Restore Successful|\n\nYour database was successfully restored."},
         31500},
        {"restore without a backup",
         [this](HWND owner) {
             std::filesystem::remove(BackupFile());
             return _DataBackupDlg(owner, Create("no-backup.hxd"), 1);
         },
         kDataCannotOpenFile,
         "Restore Database",
         {"Restore Error|\n\nYour database was not restored."},
         31500},
        {"backup without drive A",
         [this](HWND owner) {
             sandbox_.SetEnvironment("TALLOWMERE_DRIVE_A", std::nullopt);
             return _DataBackupDlg(owner, Create("no-drive.hxd"), 0);
         },
         kDataCannotOpenFile,
         "Backup Database",
         {"Backup Error|\n\nYour database was not backed up."},
         31500},
        {"compaction",
         [this](HWND owner) { return _DataCompactDlg(owner, DatabaseOf20000Bytes("compact.hxd")); },
         kDataSuccess,
         "Compacting Database",
         {},
         31000},
        {"compaction of a damaged file",
         [this](HWND owner) { return _DataCompactDlg(owner, RepeatedName("repeat")); },
         kDataCompactFailed,
         "Compacting Database",
         {"Compact Error|\nYour database was corrupted.  Some data might have been lost.  Please "
          "save your *.hx$ file."},
         31000},
        {"compaction beside the old copy of a damaged file",
         [this](HWND owner) {
             const int handle = RepeatedName("again");
             EXPECT_EQ(_DataCompact(handle, nullptr, nullptr), kDataCompactFailed);
             return _DataCompactDlg(owner, handle);
         },
         kDataCompactFailed,
         "Compacting Database",
         {"Compact Error|\nYour database was corrupted.  Some data might have been lost.  Please "
          "save your *.hx$ file."},
         31000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sandbox_.SetEnvironment("TALLOWMERE_DRIVE_A", DriveA().string());
        const DialogRun run = Run(c.run);
        EXPECT_EQ(run.result, c.result);
        EXPECT_EQ(run.title, c.title);
        EXPECT_EQ(run.messages, c.messages);
        EXPECT_EQ(run.helpContexts, (std::vector<WPARAM>{static_cast<WPARAM>(c.helpContext)}));
        for (int handle = 1; handle <= 9; ++handle) {
            _DataClose(handle);
        }
    }
}

} // namespace
