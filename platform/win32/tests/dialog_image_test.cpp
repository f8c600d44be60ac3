// A dialog with controls of every kind, drawn with fixed-metrics fonts, against its stored
// image. TALLOWMERE_REGENERATE=1 rewrites the image from this rendering.
#include "platform/system/atomic_file.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr WORD kList = 20;
constexpr WORD kCombo = 21;
constexpr WORD kEdit = 22;
constexpr WORD kBar = 23;

constexpr win32::DialogItem kItems[] = {
    {"Static", "&Client name:", 0, 7, 7, 50, 8, SS_LEFT},
    {"Edit", "Margaret Hux", kEdit, 60, 5, 90, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"Button", "Payments", 0, 7, 22, 143, 40, BS_GROUPBOX},
    {"Button", "&Monthly", 30, 14, 33, 50, 10, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {"Button", "&Annual", 31, 14, 46, 50, 10, BS_AUTORADIOBUTTON},
    {"Button", "&Include spouse", 32, 70, 33, 75, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    {"ComboBox", "", kCombo, 70, 45, 75, 60, CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP},
    {"ListBox", "", kList, 7, 68, 80, 40, LBS_NOTIFY | LBS_SORT | WS_BORDER | WS_TABSTOP},
    {"ScrollBar", "", kBar, 90, 68, 10, 40, SBS_VERT},
    {"ScrollBar", "", 24, 105, 96, 45, 10, SBS_HORZ},
    {"Static", "", 0, 105, 70, 45, 20, SS_ETCHEDFRAME},
    {"Button", "OK", IDOK, 44, 115, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
    {"Button", "Cancel", IDCANCEL, 100, 115, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
};
constexpr win32::DialogTemplate kDialog{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                            DS_SETFONT | WS_VISIBLE,
                                        0,
                                        20,
                                        20,
                                        157,
                                        136,
                                        "Distribution",
                                        "MS Sans Serif",
                                        8,
                                        kItems};

INT_PTR CALLBACK FillingDialog(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    for (const char* name : {"Roth IRA", "401(k)", "Traditional IRA", "SEP"}) {
        SendDlgItemMessageA(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageA(dialog, kList, LB_SETCURSEL, 1, 0);
    for (const char* period : {"Quarterly", "Monthly", "Annual"}) {
        SendDlgItemMessageA(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(period));
    }
    SendDlgItemMessageA(dialog, kCombo, CB_SETCURSEL, 2, 0);
    CheckDlgButton(dialog, 30, BST_CHECKED);
    CheckDlgButton(dialog, 32, BST_CHECKED);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 25, 40, 0};
    SetScrollInfo(GetDlgItem(dialog, kBar), SB_CTL, &info, TRUE);
    SetScrollInfo(GetDlgItem(dialog, 24), SB_CTL, &info, TRUE);
    return TRUE;
}

// The image as a bitmap compatible with the screen.
HBITMAP BitmapOf(const win32::WindowImage& image) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBits(nullptr, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
              DIB_RGB_COLORS);
    return bitmap;
}

win32::WindowImage ImageOf(HBITMAP bitmap) {
    BITMAP header{};
    GetObjectA(bitmap, sizeof header, &header);
    win32::WindowImage image{header.bmWidth, header.bmHeight, {}};
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    // Room for the colour masks or table GetDIBits may add after the header.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header = {
        sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteDC(dc);
    for (std::uint32_t& pixel : image.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return image;
}

void WriteBmp(const std::filesystem::path& path, const win32::WindowImage& image) {
    HBITMAP bitmap = BitmapOf(image);
    std::vector<std::uint8_t> file = win32::EncodeBmp(bitmap);
    DeleteObject(bitmap);
    sys::ReplaceFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

TEST(DialogImageTest, ADialogOfEveryControlMatchesItsStoredImage) {
    testkit::Sandbox sandbox;
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    HWND dialog = CreateDialogIndirectParamA(nullptr, &kDialog, nullptr, FillingDialog, 0);
    ASSERT_NE(dialog, nullptr);
    UpdateWindow(dialog);
    win32::WindowImage rendering = win32::CaptureWindow(dialog);
    DestroyWindow(dialog);
    win32::UseFontSource(win32::FontSource::System);

    const std::filesystem::path stored =
        std::filesystem::path(TALLOWMERE_WIN32_TEST_DATA) / "dialog-controls.bmp";
    if (const char* regenerate = std::getenv("TALLOWMERE_REGENERATE"); regenerate && *regenerate) {
        WriteBmp(stored, rendering);
        GTEST_SKIP() << "regenerated " << stored;
    }
    win32::BmpReadResult read = win32::ReadBmpFile(stored);
    ASSERT_NE(read.bitmap, nullptr) << read.error << "; run with TALLOWMERE_REGENERATE=1";
    win32::WindowImage expected = ImageOf(read.bitmap);
    DeleteObject(read.bitmap);
    ASSERT_EQ(rendering.width, expected.width);
    ASSERT_EQ(rendering.height, expected.height);
    std::size_t differing = 0;
    std::size_t first = rendering.pixels.size();
    for (std::size_t i = 0; i < rendering.pixels.size(); ++i) {
        if (rendering.pixels[i] != expected.pixels[i]) {
            first = std::min(first, i);
            ++differing;
        }
    }
    if (differing != 0) {
        WriteBmp(sandbox.Root() / "dialog-controls.bmp", rendering);
    }
    EXPECT_EQ(differing, 0u) << "first at x " << first % static_cast<std::size_t>(rendering.width)
                             << ", y " << first / static_cast<std::size_t>(rendering.width)
                             << "; this rendering is in " << sandbox.Root();
}

} // namespace
