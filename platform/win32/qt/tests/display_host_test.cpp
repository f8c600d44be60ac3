// The display host under the offscreen platform: a dialog shown, blitted, clicked and typed to
// through its widget, and the clipboard handed to the desktop's.
#include "platform/win32/qt/display_host.h"

#include "platform/qt/application.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using namespace win32;
using namespace win32::qt;

constexpr DialogItem kItems[] = {
    {"Static", "Print the illustration?", 0, 7, 7, 120, 8, SS_LEFT},
    {"Button", "OK", IDOK, 20, 25, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"Button", "Cancel", IDCANCEL, 80, 25, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
};
constexpr DialogTemplate kDialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                 0,
                                 40,
                                 30,
                                 150,
                                 46,
                                 "Print",
                                 "MS Sans Serif",
                                 8,
                                 kItems};

INT_PTR CALLBACK AnsweringDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == BN_CLICKED) {
        EndDialog(dialog, LOWORD(static_cast<DWORD>(wParam)) == IDOK ? 100 : 200);
        return TRUE;
    }
    return FALSE;
}

class DisplayHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite*/ 1);
        qtkit::EnsureApplication(argc_, argv_);
    }
    // Runs `user` as the first thing the dialog's loop waits for, on the dialog's widget. A
    // dialog still open after a while ends with a quit message (result 0) instead of waiting
    // for ever.
    INT_PTR RunDialog(std::function<void(HWND dialog, QWidget& widget)> user) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { PostQuitMessage(1); });
        guard.start(kPatienceMilliseconds);
        QTimer::singleShot(0, [this, user] {
            std::vector<HWND> shown = VisibleTopLevelWindows();
            ASSERT_EQ(shown.size(), 1u);
            QWidget* widget = host_.WidgetOf(shown.front());
            ASSERT_NE(widget, nullptr);
            user(shown.front(), *widget);
        });
        INT_PTR result = DialogBoxIndirectParamA(nullptr, &kDialog, nullptr, AnsweringDialog, 0);
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return result;
    }
    // A point of a dialog's control in the dialog's window coordinates.
    static QPoint PointIn(HWND dialog, int id) {
        RECT window;
        RECT control;
        GetWindowRect(dialog, &window);
        GetWindowRect(GetDlgItem(dialog, id), &control);
        return QPoint((control.left + control.right) / 2 - window.left,
                      (control.top + control.bottom) / 2 - window.top);
    }

    static constexpr int kPatienceMilliseconds = 5000;
    static inline int argc_ = 1;
    static inline char name_[] = "platform_win32_qt_tests";
    static inline char* argv_[] = {name_, nullptr};
    DisplayHost host_;
};

TEST_F(DisplayHostTest, TheWidgetShowsWhatTheDialogPaintedAndAClickAnswersIt) {
    bool compared = false;
    INT_PTR result = RunDialog([&compared](HWND dialog, QWidget& widget) {
        RECT rect;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(widget.geometry(),
                  QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
        EXPECT_EQ(widget.windowTitle(), "Print");
        WindowImage painted = CaptureWindow(dialog);
        QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.width(), painted.width);
        ASSERT_EQ(shown.height(), painted.height);
        int differing = 0;
        for (int y = 0; y < painted.height; ++y) {
            for (int x = 0; x < painted.width; ++x) {
                std::uint32_t pixel = painted.pixels[static_cast<std::size_t>(y) *
                                                         static_cast<std::size_t>(painted.width) +
                                                     static_cast<std::size_t>(x)];
                differing += (shown.pixel(x, y) & 0xFFFFFFu) != pixel ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
        compared = true;
        QTest::mouseClick(&widget, Qt::LeftButton, {}, PointIn(dialog, IDCANCEL));
    });
    EXPECT_TRUE(compared);
    EXPECT_EQ(result, 200);
    host_.Sync();
    EXPECT_TRUE(VisibleTopLevelWindows().empty());
}

TEST_F(DisplayHostTest, KeysReachTheDialogAsMessages) {
    // Tab from OK to Cancel, then Enter presses the focused button.
    EXPECT_EQ(RunDialog([](HWND, QWidget& widget) {
                  QTest::keyClick(&widget, Qt::Key_Tab);
                  QTest::keyClick(&widget, Qt::Key_Return);
              }),
              200);
    EXPECT_EQ(RunDialog([](HWND, QWidget& widget) { QTest::keyClick(&widget, Qt::Key_Return); }),
              100);
}

TEST_F(DisplayHostTest, TheCloseOfTheWidgetIsTheWindowsToDecide) {
    EXPECT_EQ(RunDialog([](HWND, QWidget& widget) { widget.close(); }), 200);
}

TEST_F(DisplayHostTest, TheClipboardGoesToTheDesktopsWhenASessionCloses) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
    std::strcpy(static_cast<char*>(GlobalLock(memory)), "Caf\xE9 $12");
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    EXPECT_NE(QApplication::clipboard()->text(), QString::fromUtf8("Caf\u00E9 $12"));
    CloseClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Caf\u00E9 $12"));
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(DisplayHostTest, WithNothingToShowTheWaitGivesUp) {
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), -1);
}

} // namespace
