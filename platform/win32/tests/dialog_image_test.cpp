// A dialog with controls of every kind, drawn with fixed-metrics fonts, against its stored
// image (the Win32 test kit's check: TALLOWMERE_REGENERATE=1 rewrites the image instead).
#include "platform/testing/sandbox.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/testing/pixels.h"
#include "platform/win32/testing/stored_image.h"
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(DialogImageTest, ADialogOfEveryControlMatchesItsStoredImage) {
    testkit::Sandbox sandbox;
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    HWND dialog = CreateDialogIndirectParamA(nullptr, &kDialog, nullptr, FillingDialog, 0);
    ASSERT_NE(dialog, nullptr);
    UpdateWindow(dialog);
    win32::WindowImage rendering = win32::CaptureWindow(dialog);
    DestroyWindow(dialog);
    win32::UseFontSource(win32::FontSource::System);

    const win32::testing::OwnedBitmap bitmap(
        win32::testing::BitmapOf(win32::testing::PixelsOf(rendering)));
    win32::testing::ExpectMatchesStoredImage(
        bitmap.get(), std::filesystem::path(TALLOWMERE_WIN32_TEST_DATA) / "dialog-controls.bmp");
}

} // namespace
