// The window model: message order, the tree, subclassing, properties and classes.
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <strings.h>

#include <string>
#include <vector>

namespace {

std::vector<UINT> gLog;

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    gLog.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE TestModule() {
    return reinterpret_cast<HINSTANCE>(std::uintptr_t{0x7000});
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        gLog.clear();
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = LoggingProc;
        windowClass.hInstance = TestModule();
        windowClass.cbWndExtra = 8;
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = "LoggingWindow";
        RegisterClassA(&windowClass);
    }
    void TearDown() override {
        for (HWND window : windows_) {
            DestroyWindow(window);
        }
        UnregisterClassA("LoggingWindow", TestModule());
    }
    HWND Make(DWORD style, HWND parent = nullptr, int id = 0) {
        HWND window =
            CreateWindowExA(0, "LoggingWindow", "Title", style, 10, 20, 200, 100, parent,
                            reinterpret_cast<HMENU>(std::intptr_t{id}), TestModule(), nullptr);
        if (parent == nullptr) {
            windows_.push_back(window);
        }
        return window;
    }
    std::vector<HWND> windows_;
};

TEST_F(WindowTest, MessagesArriveInWindowsOrderFromCreationToDestruction) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(gLog, (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE,
                                       WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS}));
    gLog.clear();
    UpdateWindow(window);
    EXPECT_EQ(gLog, (std::vector<UINT>{WM_NCPAINT, WM_PAINT, WM_ERASEBKGND}));
    gLog.clear();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) << "nothing left to paint";
    DestroyWindow(window);
    EXPECT_EQ(gLog, (std::vector<UINT>{WM_SHOWWINDOW, WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTest, ChildrenAndOwnedWindowsGoWithTheirWindow) {
    HWND top = Make(WS_OVERLAPPED | WS_CAPTION);
    HWND first = Make(WS_CHILD | WS_VISIBLE, top, 5);
    HWND second = Make(WS_CHILD | WS_VISIBLE, top, 6);
    HWND grandchild = Make(WS_CHILD, first, 7);
    HWND owned = Make(WS_POPUP, top);
    EXPECT_EQ(GetParent(first), top);
    EXPECT_EQ(GetParent(owned), top) << "a pop-up's parent is its owner";
    EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
    EXPECT_EQ(GetWindow(top, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetDlgItem(top, 6), second);
    EXPECT_EQ(GetDlgCtrlID(grandchild), 7);
    EXPECT_TRUE(IsChild(top, grandchild));
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), top);
    EXPECT_FALSE(IsWindowVisible(first)) << "the top-level window is hidden";
    DestroyWindow(top);
    for (HWND gone : {top, first, second, grandchild, owned}) {
        EXPECT_FALSE(IsWindow(gone));
    }
}

TEST_F(WindowTest, RectanglesAndCoordinatesFollowTheFrame) {
    HWND top = Make(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE);
    HWND child = Make(WS_CHILD | WS_VISIBLE, top);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(client.right, 200 + frame.left - frame.right);
    EXPECT_EQ(client.bottom, 100 + frame.top - frame.bottom);
    POINT point{0, 0};
    ClientToScreen(child, &point);
    EXPECT_EQ(point.x, 10 - frame.left + 10);
    EXPECT_EQ(point.y, 20 - frame.top + 20);
    ScreenToClient(top, &point);
    EXPECT_EQ(point.x, 10);
    EXPECT_EQ(point.y, 20);
    MoveWindow(child, 1, 2, 30, 40, TRUE);
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.right - rect.left, 30);
    EXPECT_EQ(rect.bottom - rect.top, 40);
}

TEST_F(WindowTest, TheMouseGoesThroughGroupBoxesToTheControlsInside) {
    HWND top = Make(WS_POPUP | WS_VISIBLE);
    // The group box comes first among the children, as dialog templates declare it.
    HWND group = CreateWindowExA(0, "BUTTON", "Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                                 150, 80, top, nullptr, TestModule(), nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 20, 20, 60, 20, top, nullptr,
                                TestModule(), nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 160, 0, 30, 20, top,
                                  nullptr, TestModule(), nullptr);
    struct Case {
        POINT client;
        HWND expected;
    };
    for (const Case& row : {Case{{30, 30}, edit}, Case{{5, 5}, top}, Case{{170, 10}, button}}) {
        POINT screen = row.client;
        ClientToScreen(top, &screen);
        EXPECT_EQ(WindowFromPoint(screen), row.expected) << row.client.x << "," << row.client.y;
    }
    // ChildWindowFromPoint still names the group box, as Windows does.
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{30, 30}), group);
}

LRESULT CALLBACK Outer(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC gInnerProc = nullptr;
WNDPROC gMiddleProc = nullptr;
std::string gChain;

LRESULT CALLBACK Middle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        gChain += "middle ";
    }
    return CallWindowProcA(gInnerProc, window, message, wParam, lParam);
}

LRESULT CALLBACK Outer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        gChain += "outer ";
    }
    return CallWindowProcA(gMiddleProc, window, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassingChainsProceduresThroughCallWindowProc) {
    HWND window = Make(WS_POPUP);
    gInnerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Middle)));
    gMiddleProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Outer)));
    EXPECT_EQ(gInnerProc, LoggingProc);
    EXPECT_EQ(gMiddleProc, Middle);
    gChain.clear();
    gLog.clear();
    SendMessageA(window, WM_USER, 0, 0);
    EXPECT_EQ(gChain, "outer middle ");
    EXPECT_EQ(gLog, std::vector<UINT>{WM_USER});
}

TEST_F(WindowTest, PropertiesExtraBytesTextAndClassNames) {
    HWND window = Make(WS_POPUP);
    int marker = 0;
    EXPECT_TRUE(SetPropA(window, "Hux_Bitmap1", &marker));
    EXPECT_EQ(GetPropA(window, "HUX_BITMAP1"), &marker) << "names compare without case";
    EXPECT_EQ(RemovePropA(window, "hux_bitmap1"), &marker);
    EXPECT_EQ(GetPropA(window, "Hux_Bitmap1"), nullptr);

    EXPECT_EQ(SetWindowLongPtrA(window, 0, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, 0), 1234);
    EXPECT_EQ(GetWindowLongPtrA(window, 4), 0) << "beyond the class's 8 extra bytes";
    EXPECT_EQ(SetWindowLongPtrA(window, 4, 1), 0);

    SetWindowTextA(window, "Caf\xE9");
    char text[16];
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 4);
    EXPECT_STREQ(text, "Caf\xE9");
    EXPECT_EQ(GetWindowTextA(window, text, 3), 2);
    EXPECT_STREQ(text, "Ca");

    char name[32];
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "LoggingWindow");
    HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                  nullptr, nullptr);
    GetClassNameA(button, name, sizeof name);
    EXPECT_EQ(strcasecmp(name, "button"), 0);
}

TEST_F(WindowTest, PostedMessagesComeBeforePaintAndTimersAndQuitEndsTheLoop) {
    HWND window = Make(WS_POPUP | WS_VISIBLE);
    SetTimer(window, 9, 1, nullptr);
    PostMessageA(window, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    std::vector<UINT> seen;
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        seen.push_back(message.message);
        DispatchMessageA(&message);
    }
    EXPECT_EQ(got, FALSE);
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_EQ(seen, std::vector<UINT>{WM_USER + 1});
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_PAINT);
    DispatchMessageA(&message);
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_TIMER);
    EXPECT_EQ(message.wParam, 9u);
    KillTimer(window, 9);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), -1) << "nothing can ever come";
}

TEST_F(WindowTest, PaintingThroughGetDcReachesTheTopLevelSurface) {
    HWND top = Make(WS_POPUP | WS_VISIBLE);
    HWND child = Make(WS_CHILD | WS_VISIBLE, top);
    UpdateWindow(top);
    HDC dc = GetDC(child);
    RECT area{0, 0, 4, 4};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &area, red);
    ReleaseDC(child, dc);
    DeleteObject(red);
    win32::WindowImage image = win32::CaptureWindow(top);
    ASSERT_EQ(image.width, 200);
    EXPECT_EQ(image.pixels[std::size_t(20 * 200 + 10)], 0xFF0000u);
    EXPECT_EQ(image.pixels[std::size_t(20 * 200 + 14)], 0xFFFFFFu) << "the class background";
    EXPECT_EQ(DeleteObject(reinterpret_cast<HGDIOBJ>(child)), FALSE);
    EXPECT_TRUE(IsWindow(child));
}

TEST(SystemMetrics, FollowTheConfiguredScreen) {
    win32::SetScreenSize(800, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 800);
    ReleaseDC(nullptr, screen);
    win32::SetScreenSize(1920, 1080);
}

} // namespace
