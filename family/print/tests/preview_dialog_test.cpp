// The preview dialog driven as a user drives it: choosing pages from the list, scrolling,
// resizing, copying to the clipboard and asking for help; its size kept in "Hux.INI".
#include "family/print/pressel.h"
#include "family/print/src/preview/preview_scroll.h"
#include "family/print/tests/print_file_fixture.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/dialog_driver.h"
#include "platform/win32/testing/pixels.h"
#include "platform/win32/window_host.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

namespace {

using namespace pressel;
using win32::testing::CaptionsOf;
using win32::testing::DialogOwner;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// The wide picture page: red up to this column, blue from it on.
constexpr int kWideSplit = 1000;
constexpr int kWideWidth = 1400;

// Control ids of the dialog.
constexpr int kList = 205;
constexpr int kClipboard = 300;
constexpr int kHelp = 998;
constexpr int kView = 201;
constexpr int kFrame = 200;
constexpr int kLabel = 204;
constexpr int kVertical = 202;
constexpr int kHorizontal = 203;

// A picture page in the current folder: red up to `split` columns, blue after.
void WritePicture(const std::string& name, int width, int height, int split) {
    const win32::testing::OwnedBitmap picture(win32::testing::SolidBitmap(width, height, kBlue));
    const HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memory, picture.get());
    const HBRUSH red = CreateSolidBrush(kRed);
    const RECT left{0, 0, split, height};
    FillRect(memory, &left, red);
    DeleteObject(red);
    SelectObject(memory, previous);
    DeleteDC(memory);
    const std::vector<std::uint8_t> bytes = win32::EncodeBmp(picture.get());
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

SIZE ShownPageSize(HWND dialog) {
    BITMAP description{};
    if (const HANDLE page = GetPropA(dialog, "hBitmap"); page != nullptr) {
        GetObject(page, sizeof description, &description);
    }
    return {description.bmWidth, description.bmHeight};
}

void Choose(HWND dialog, int entry) {
    SendDlgItemMessageA(dialog, kList, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kList)));
}

struct BarState {
    int maximum = 0;
    int position = 0;
    bool enabled = false;
};

BarState StateOf(HWND dialog, int bar) {
    const HWND control = GetDlgItem(dialog, bar);
    BarState state;
    int minimum = -1;
    GetScrollRange(control, SB_CTL, &minimum, &state.maximum);
    EXPECT_EQ(minimum, 0);
    state.position = GetScrollPos(control, SB_CTL);
    state.enabled = IsWindowEnabled(control) != FALSE;
    return state;
}

RECT ClientRectOf(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    return client;
}

// A control's rectangle in the dialog's client coordinates.
RECT PlaceOf(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE WindowSizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int ProfileNumber(const char* key) {
    return static_cast<int>(GetPrivateProfileIntA("HuxPrint", key, -99, "Hux.INI"));
}

using Step = std::function<void(HWND dialog)>;

// A job of two picture pages before (a small one and a wide one), three document pages and one
// small picture page after, previewed by a host window.
class PreviewDialog : public ::testing::Test {
protected:
    void SetUp() override {
        user_.AnswerMessageBoxes(kUIMessageText);
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        std::strcpy(job_.printFilePath, (sandbox_.Root() / "job.hux").c_str());
        const pressel_test::SoundFile file = pressel_test::MakeNumberedPages(3);
        pressel_test::WritePrintFile(job_.printFilePath, file.header, file.stream);
        WritePicture("VPre00.BMP", 3, 2, 3);
        WritePicture("VPre01.BMP", kWideWidth, 20, kWideSplit);
        WritePicture("VPost00.BMP", 5, 2, 0);
        job_.picturePagesBefore = 2;
        job_.picturePagesAfter = 1;
    }

    // Runs the preview: once it shows, the steps act on it one after the other, each from a
    // message of its own, and then OK closes it.
    int Preview(std::vector<Step> steps) {
        // The dialog loads its first page from a message it posts to itself as it starts; the
        // steps come after it.
        steps.insert(steps.begin(), [](HWND) {});
        steps.emplace_back([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
        std::size_t next = 0;
        std::function<void(HWND)> runNext = [&](HWND dialog) {
            steps[next++](dialog);
            if (next < steps.size()) {
                owner_.WhenDialogShows(runNext);
            }
        };
        owner_.WhenDialogShows(runNext);
        const int result = _PrintPreviewDlg(owner_.Window(), &job_);
        EXPECT_EQ(next, steps.size()) << "steps left undone";
        return result;
    }

    testkit::Sandbox sandbox_;
    win32::testing::DialogOwner owner_{{UM_HELPFOUND, UM_HELPCONTEXT}};
    win32::testing::DialogDriver user_;
    PrintJob job_{};
};

TEST_F(PreviewDialog, ListsPicturesAroundTheDocumentAndShowsTheChosenPage) {
    HANDLE last = nullptr;
    const Step look = [&](HWND dialog) {
        ASSERT_EQ(SendDlgItemMessageA(dialog, kList, CB_GETCOUNT, 0, 0), 6);
        for (int entry = 0; entry < 6; ++entry) {
            char text[8] = {};
            SendDlgItemMessageA(dialog, kList, CB_GETLBTEXT, static_cast<WPARAM>(entry),
                                reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(std::string(text), std::to_string(entry + 1));
        }
        // The first entry is shown from the start.
        EXPECT_EQ(SendDlgItemMessageA(dialog, kList, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(ShownPageSize(dialog).cx, 3);

        struct Case {
            int entry;
            LONG width; // VPre00 3, VPre01 1400, pages 816, VPost00 5
        };
        for (const Case row : {Case{5, 5}, Case{1, kWideWidth}, Case{3, 816}, Case{0, 3}}) {
            SCOPED_TRACE(row.entry);
            const HANDLE previous = GetPropA(dialog, "hBitmap");
            Choose(dialog, row.entry);
            EXPECT_EQ(ShownPageSize(dialog).cx, row.width);
            EXPECT_EQ(GetObjectType(previous), 0u) << "the page no longer shown is deleted";
        }
        last = GetPropA(dialog, "hBitmap");
    };
    EXPECT_EQ(Preview({look}), 0);
    EXPECT_EQ(GetObjectType(last), 0u) << "the page shown at the end is deleted";
    EXPECT_TRUE(user_.MessageBoxes().empty());
}

TEST_F(PreviewDialog, DocumentPagesAreTheSheetsTheJobWouldTakeAsBitmaps) {
    win32::testing::Pixels shown;
    EXPECT_EQ(Preview({[&](HWND dialog) {
                  Choose(dialog, 3);
                  shown =
                      win32::testing::PixelsOf(static_cast<HBITMAP>(GetPropA(dialog, "hBitmap")));
              }}),
              0);
    job_.flags = 255;
    ASSERT_EQ(_PrintPreviewDlg(owner_.Window(), &job_), 0);
    std::uint32_t second = 0;
    std::memcpy(&second, job_.templatePath + 4 + 3 * 4, sizeof second);
    const win32::testing::OwnedBitmap page(
        reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(second)));
    EXPECT_TRUE(win32::testing::SamePixels(shown, win32::testing::PixelsOf(page.get())));
    for (std::uint32_t i = 0; i < 6; ++i) {
        std::uint32_t handle = 0;
        std::memcpy(&handle, job_.templatePath + 4 + 4 * i, sizeof handle);
        if (i != 3) {
            DeleteObject(reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(handle)));
        }
    }
}

TEST_F(PreviewDialog, ScrollBarsCoverWhatTheViewLeavesOut) {
    const Step look = [](HWND dialog) {
        const RECT view = PlaceOf(dialog, kView);
        const int viewWidth = view.right - view.left;
        const int viewHeight = view.bottom - view.top;
        struct Case {
            int entry;
            BarState vertical;
            BarState horizontal;
        };
        const Case cases[] = {
            {0, {0, 0, false}, {0, 0, false}},                             // 3 x 2
            {1, {0, 0, false}, {kWideWidth - viewWidth, 0, true}},         // 1400 x 20
            {2, {1056 - viewHeight, 0, true}, {816 - viewWidth, 0, true}}, // a sheet
        };
        for (const Case& row : cases) {
            SCOPED_TRACE(row.entry);
            Choose(dialog, row.entry);
            for (const auto& [bar, expected] :
                 {std::pair{kVertical, row.vertical}, std::pair{kHorizontal, row.horizontal}}) {
                const BarState state = StateOf(dialog, bar);
                EXPECT_EQ(state.maximum, expected.maximum) << bar;
                EXPECT_EQ(state.position, 0) << bar;
                EXPECT_EQ(state.enabled, expected.enabled) << bar;
            }
        }
        // Scrolled on a sheet: a quarter of the range a page, 10 a line, never past the end.
        const int range = 1056 - viewHeight;
        const std::pair<int, int> moves[] = {
            {SB_PAGEDOWN, range / 4},
            {SB_LINEDOWN, range / 4 + 10},
            {SB_BOTTOM, range},
            {SB_LINEDOWN, range},
            {SB_PAGEUP, range - range / 4},
            {SB_ENDSCROLL, range - range / 4},
            {SB_TOP, 0},
            {SB_LINEUP, 0},
        };
        for (const auto& [code, position] : moves) {
            SendMessageA(dialog, WM_VSCROLL, static_cast<WPARAM>(code),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, kVertical)));
            EXPECT_EQ(StateOf(dialog, kVertical).position, position) << "code " << code;
        }
        // A smaller page after a larger one leaves the bars as they were.
        Choose(dialog, 0);
        EXPECT_FALSE(StateOf(dialog, kVertical).enabled);
    };
    EXPECT_EQ(Preview({look}), 0);
}

TEST(PreviewScroll, MovesByLinesAndQuartersOfTheRangeWithinIt) {
    struct Case {
        int code;
        int thumb;
        int from;
        int to;
    };
    // A range of 0..1000: a page is 250.
    const Case cases[] = {
        {SB_PAGEDOWN, 0, 0, 250}, {SB_PAGEDOWN, 0, 900, 1000},  {SB_PAGEUP, 0, 300, 50},
        {SB_PAGEUP, 0, 100, 0},   {SB_LINEDOWN, 0, 0, 10},      {SB_LINEDOWN, 0, 995, 1000},
        {SB_LINEUP, 0, 5, 0},     {SB_THUMBTRACK, 640, 0, 640}, {SB_THUMBPOSITION, 2000, 3, 1000},
        {SB_TOP, 0, 500, 0},      {SB_BOTTOM, 0, 500, 1000},    {SB_ENDSCROLL, 0, 420, 420},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::to_string(row.code) + " from " + std::to_string(row.from));
        EXPECT_EQ(ScrolledPosition(row.code, row.thumb, row.from, ScrollRange{0, 1000}), row.to);
    }
    EXPECT_EQ(ScrollRangeFor(816, 498), (ScrollRange{0, 318}));
    EXPECT_EQ(ScrollRangeFor(498, 498), (ScrollRange{0, 0}));
    EXPECT_EQ(ScrollRangeFor(3, 498), (ScrollRange{0, 0}));
}

TEST_F(PreviewDialog, ViewPaintsThePageFromTheScrollPositions) {
    // The colour of the view's pixel at column `x` of its first row, as the window shows it.
    const auto shownAt = [](HWND dialog, int x) {
        UpdateWindow(GetDlgItem(dialog, kView));
        RECT window{};
        RECT view{};
        GetWindowRect(dialog, &window);
        GetWindowRect(GetDlgItem(dialog, kView), &view);
        const win32::WindowImage image = win32::CaptureWindow(dialog);
        const std::size_t at = static_cast<std::size_t>(view.top - window.top) *
                                   static_cast<std::size_t>(image.width) +
                               static_cast<std::size_t>(view.left - window.left + x);
        const std::uint32_t rgb = image.pixels.at(at);
        return RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8),
                   static_cast<BYTE>(rgb));
    };
    int scrolled = 0;
    EXPECT_EQ(Preview({
                  [](HWND dialog) { Choose(dialog, 1); },
                  [&](HWND dialog) {
                      EXPECT_EQ(shownAt(dialog, 0), kRed);
                      EXPECT_EQ(shownAt(dialog, kWideSplit - 1), kRed);
                      SendMessageA(dialog, WM_HSCROLL, SB_BOTTOM,
                                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, kHorizontal)));
                      scrolled = StateOf(dialog, kHorizontal).position;
                  },
                  [&](HWND dialog) {
                      ASSERT_GT(scrolled, 0);
                      EXPECT_EQ(shownAt(dialog, kWideSplit - scrolled - 1), kRed);
                      EXPECT_EQ(shownAt(dialog, kWideSplit - scrolled), kBlue);
                  },
              }),
              0);
}

TEST_F(PreviewDialog, ControlsFollowTheSizeWithinTheMinimumTrackingSize) {
    const Step resize = [](HWND dialog) {
        SetWindowPos(dialog, nullptr, 0, 0, 700, 560, SWP_NOMOVE | SWP_NOZORDER);
        Choose(dialog, 2);
    };
    const Step look = [](HWND dialog) {
        const RECT client = ClientRectOf(dialog);
        const RECT help = PlaceOf(dialog, kHelp);
        const RECT ok = PlaceOf(dialog, IDOK);
        const RECT label = PlaceOf(dialog, kLabel);
        const RECT list = PlaceOf(dialog, kList);
        const RECT clipboard = PlaceOf(dialog, kClipboard);
        const RECT vertical = PlaceOf(dialog, kVertical);
        const RECT horizontal = PlaceOf(dialog, kHorizontal);
        const RECT frame = PlaceOf(dialog, kFrame);
        const RECT view = PlaceOf(dialog, kView);
        EXPECT_EQ(help.right, client.right - 16);
        EXPECT_EQ(help.bottom, client.bottom - 16);
        EXPECT_EQ(ok.right, help.left - 16);
        EXPECT_EQ(ok.bottom, client.bottom - 16);
        EXPECT_EQ(label.left, 16);
        EXPECT_EQ(label.bottom, client.bottom - 20);
        EXPECT_EQ(list.left, label.right + 16);
        EXPECT_EQ(clipboard.left, list.right + 16);
        EXPECT_EQ(clipboard.bottom, client.bottom - 16);
        EXPECT_EQ(vertical.right, client.right - 16);
        EXPECT_EQ(vertical.top, 16);
        EXPECT_EQ(vertical.bottom, horizontal.top);
        EXPECT_EQ(horizontal.left, 16);
        EXPECT_EQ(horizontal.right, vertical.left);
        EXPECT_EQ(horizontal.bottom, ok.top - 16);
        EXPECT_EQ(frame.left, 16);
        EXPECT_EQ(frame.top, 16);
        EXPECT_EQ(frame.right, vertical.left - 4);
        EXPECT_EQ(frame.bottom, horizontal.top - 4);
        EXPECT_EQ(view.left, 18);
        EXPECT_EQ(view.top, 18);
        EXPECT_EQ(view.right, frame.right - 2);
        EXPECT_EQ(view.bottom, frame.bottom - 2);
        // The bars measure the page against the view as it is now.
        EXPECT_EQ(StateOf(dialog, kHorizontal).maximum, 816 - (view.right - view.left));

        MINMAXINFO limits{};
        SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ(limits.ptMinTrackSize.x, 360);
        EXPECT_EQ(limits.ptMinTrackSize.y, 300);
    };
    EXPECT_EQ(Preview({resize, look}), 0);
}

TEST_F(PreviewDialog, SizeAtCloseIsTheSizeOfTheNextPreview) {
    SIZE first{};
    EXPECT_EQ(Preview({[&](HWND dialog) {
                  first = WindowSizeOf(dialog);
                  SetWindowPos(dialog, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
              }}),
              0);
    // Before any size was kept the dialog has its template's size.
    EXPECT_GT(first.cx, 360 * 6 / 4);
    EXPECT_EQ(ProfileNumber("XSize"), 640);
    EXPECT_EQ(ProfileNumber("YSize"), 480);

    SIZE second{};
    EXPECT_EQ(Preview({[&](HWND dialog) { second = WindowSizeOf(dialog); }}), 0);
    EXPECT_EQ(second.cx, 640);
    EXPECT_EQ(second.cy, 480);

    // A kept size below the minimum tracking size opens at that size.
    WritePrivateProfileStringA("HuxPrint", "XSize", "100", "Hux.INI");
    WritePrivateProfileStringA("HuxPrint", "YSize", "50", "Hux.INI");
    SIZE third{};
    EXPECT_EQ(Preview({[&](HWND dialog) { third = WindowSizeOf(dialog); }}), 0);
    EXPECT_EQ(third.cx, 360);
    EXPECT_EQ(third.cy, 300);
}

TEST_F(PreviewDialog, ClipboardButtonOnlyWhenTheProfileAsks) {
    struct Case {
        const char* value; // null: no key
        bool shown;
    };
    const Case cases[] = {{nullptr, false}, {"0", false}, {"1", true}, {"-3", true}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.value == nullptr ? "absent" : row.value);
        WritePrivateProfileStringA("HuxPrint", "Clipboard", row.value, "Hux.INI");
        bool visible = !row.shown;
        EXPECT_EQ(Preview({[&](HWND dialog) {
                      visible = IsWindowVisible(GetDlgItem(dialog, kClipboard)) != FALSE;
                  }}),
                  0);
        EXPECT_EQ(visible, row.shown);
    }
}

TEST_F(PreviewDialog, ToClipboardCopiesThePageOrSaysWhyNot) {
    const auto press = [](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kClipboard, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kClipboard)));
    };
    EXPECT_EQ(Preview({[&](HWND dialog) {
                           Choose(dialog, 1);
                           press(dialog);
                       },
                       // Another window holds the clipboard open.
                       [&](HWND dialog) {
                           ASSERT_TRUE(OpenClipboard(owner_.Window()));
                           Choose(dialog, 5);
                           press(dialog);
                           CloseClipboard();
                       }}),
              0);
    const std::optional<win32::WindowImage> copied = win32::ClipboardBitmap();
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(copied->width, kWideWidth);
    EXPECT_EQ(copied->pixels.at(kWideSplit), 0x0000FFu); // blue as 0x00RRGGBB
    EXPECT_EQ(CaptionsOf(user_.MessageBoxes()), (std::vector<std::string>{"Clipboard Error"}));
}

TEST_F(PreviewDialog, HelpGoesToTheTopLevelWindowWithItsContext) {
    EXPECT_EQ(Preview({[](HWND dialog) {
                  SendMessageA(dialog, WM_COMMAND, kHelp, 0);
                  SendMessageA(dialog, UM_HELPQUERY, 0, 0);
                  SendMessageA(dialog, UM_HELPQUERY, 1, 0);
              }}),
              0);
    EXPECT_EQ(owner_.Messages(),
              (std::vector<DialogOwner::Received>{
                  {UM_HELPFOUND, 0}, {UM_HELPCONTEXT, 32100}, {UM_HELPCONTEXT, 32100}}));
}

TEST_F(PreviewDialog, UnreadablePrintFileIsReported) {
    std::filesystem::remove(job_.printFilePath);
    EXPECT_EQ(_PrintPreviewDlg(owner_.Window(), &job_), 1);
    EXPECT_EQ(CaptionsOf(user_.MessageBoxes()), (std::vector<std::string>{"File Error"}));
}

} // namespace
