// The preview: the pages of a converted job shown one at a time in a resizable dialog, chosen
// from a page list that puts the host's picture pages before and after the document; or, for a
// job whose flag byte is 255, every page rendered into a bitmap for the host instead.
#include "family/print/pressel.h"
#include "family/print/src/dialogs/converter_feedback.h"
#include "family/print/src/dialogs/modal_dialog.h"
#include "family/print/src/job/print_job.h"
#include "family/print/src/preview/page_bitmaps.h"
#include "family/print/src/preview/page_clipboard.h"
#include "family/print/src/preview/page_list.h"
#include "family/print/src/preview/page_view.h"
#include "family/print/src/preview/preview_dialog_template.h"
#include "family/print/src/preview/preview_layout.h"
#include "family/print/src/preview/preview_scroll.h"
#include "family/print/src/preview/preview_settings.h"
#include "family/print/src/printfile/loaded_print_file.h"
#include "family/util/umbrant.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace pressel {
namespace {

constexpr int kPreviewOpenFailedCaption = 4000;
constexpr int kPreviewOpenFailedText = 4001;
constexpr int kPreviewOutOfMemoryCaption = 4002;
constexpr int kPreviewOutOfMemoryText = 4003;
constexpr int kClipboardFailedCaption = 4004;
constexpr int kClipboardFailedText = 4005;

// The job's flag byte that asks for page bitmaps instead of the dialog.
constexpr std::uint8_t kPagesToBitmaps = 255;

// Sent to the dialog when "hBitmap" holds a new page: the scroll bars start again.
constexpr UINT kPageChanged = WM_USER + 321;
constexpr LONG kMinimumTrackWidth = 360;
constexpr LONG kMinimumTrackHeight = 300;

// What one preview shows, handed to the dialog at initialisation and kept as "Hux_PrevData".
struct PreviewData {
    LoadedPrintFile* file;
    PageList pages;
};
constexpr char kPreviewDataProperty[] = "Hux_PrevData";

constexpr int kControls[] = {kPageLabel, kPageListBox,       kClipboardButton,
                             IDOK,       kHelpButton,        kPageView,
                             kPageFrame, kVerticalScrollBar, kHorizontalScrollBar};

HBITMAP PageBitmapOf(HWND dialog) {
    return static_cast<HBITMAP>(GetPropA(dialog, kPageBitmapProperty));
}

void DeletePageBitmap(HWND dialog) {
    if (const HBITMAP page = PageBitmapOf(dialog); page != nullptr) {
        DeleteObject(page);
    }
    RemovePropA(dialog, kPageBitmapProperty);
}

BOOL Initialise(HWND dialog, LPARAM parameter) {
    if (const std::optional<SIZE> size = SavedPreviewSize()) {
        SetWindowPos(dialog, nullptr, 0, 0, std::max(size->cx, kMinimumTrackWidth),
                     std::max(size->cy, kMinimumTrackHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    _UtilCenterWindow(dialog);
    SubclassPageView(GetDlgItem(dialog, kPageView));
    SetPropA(dialog, kPreviewDataProperty, reinterpret_cast<HANDLE>(parameter));
    ShowWindow(GetDlgItem(dialog, kClipboardButton), ClipboardButtonWanted() ? SW_SHOW : SW_HIDE);

    const HWND list = GetDlgItem(dialog, kPageListBox);
    const auto& data = *reinterpret_cast<const PreviewData*>(parameter);
    for (int number = 1; number <= data.pages.Size(); ++number) {
        SendMessageA(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(std::to_string(number).c_str()));
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPageListBox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return TRUE;
}

// The page of the selected entry becomes the dialog's page bitmap.
void ShowSelectedPage(HWND dialog) {
    DeletePageBitmap(dialog);
    const auto* data = static_cast<PreviewData*>(GetPropA(dialog, kPreviewDataProperty));
    const auto selected =
        static_cast<int>(SendDlgItemMessageA(dialog, kPageListBox, CB_GETCURSEL, 0, 0));
    if (data != nullptr && selected >= 0 && selected < data->pages.Size()) {
        SetPropA(dialog, kPageBitmapProperty,
                 PreviewPageBitmap(*data->file, data->pages.At(selected)));
    }
    SendMessageA(dialog, kPageChanged, 0, 0);
}

void CopyShownPage(HWND dialog) {
    const HBITMAP page = PageBitmapOf(dialog);
    if (page != nullptr && !CopyPageToClipboard(dialog, page)) {
        ShowLibraryMessage(dialog, kClipboardFailedCaption, kClipboardFailedText);
    }
}

BOOL Command(HWND dialog, WPARAM wParam) {
    const int id = LOWORD(static_cast<DWORD>(wParam));
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, id);
        return TRUE;
    case kPageListBox:
        if (HIWORD(static_cast<DWORD>(wParam)) != CBN_SELCHANGE) {
            return FALSE;
        }
        ShowSelectedPage(dialog);
        return TRUE;
    case kClipboardButton:
        CopyShownPage(dialog);
        return TRUE;
    case kHelpButton:
        PostHelpContext(dialog, kPreviewHelpContext);
        return TRUE;
    default:
        return FALSE;
    }
}

// A bar covering what of the page the view leaves out, at its start; disabled when nothing is.
void ResetScrollBar(HWND bar, int pageExtent, int viewExtent) {
    const ScrollRange range = ScrollRangeFor(pageExtent, viewExtent);
    SetScrollRange(bar, SB_CTL, range.minimum, range.maximum, FALSE);
    SetScrollPos(bar, SB_CTL, range.minimum, TRUE);
    EnableWindow(bar, range.maximum > range.minimum ? TRUE : FALSE);
}

void PageChanged(HWND dialog) {
    const HBITMAP page = PageBitmapOf(dialog);
    if (page == nullptr) {
        return;
    }
    BITMAP pageSize{};
    GetObject(page, sizeof pageSize, &pageSize);
    RECT view{};
    GetClientRect(GetDlgItem(dialog, kPageView), &view);
    ResetScrollBar(GetDlgItem(dialog, kVerticalScrollBar), pageSize.bmHeight, view.bottom);
    ResetScrollBar(GetDlgItem(dialog, kHorizontalScrollBar), pageSize.bmWidth, view.right);
    for (const int id : kControls) {
        const HWND control = GetDlgItem(dialog, id);
        if (id != kClipboardButton || IsWindowVisible(control)) {
            InvalidateRect(control, nullptr, TRUE);
        }
    }
}

void Scroll(HWND dialog, int barId, WPARAM wParam) {
    const HWND bar = GetDlgItem(dialog, barId);
    ScrollRange range;
    GetScrollRange(bar, SB_CTL, &range.minimum, &range.maximum);
    const int position = GetScrollPos(bar, SB_CTL);
    const auto request = static_cast<DWORD>(wParam);
    const int target = ScrolledPosition(LOWORD(request), HIWORD(request), position, range);
    if (target != position) {
        SetScrollPos(bar, SB_CTL, target, TRUE);
        InvalidateRect(GetDlgItem(dialog, kPageView), nullptr, FALSE);
    }
}

void Destroy(HWND dialog) {
    RemovePropA(dialog, kPreviewDataProperty);
    DeletePageBitmap(dialog);
    RECT window{};
    GetWindowRect(dialog, &window);
    SavePreviewSize({window.right - window.left, window.bottom - window.top});
}

} // namespace
} // namespace pressel

INT_PTR PreviewDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace pressel;
    switch (message) {
    case WM_INITDIALOG:
        return Initialise(dialog, lParam);
    case WM_COMMAND:
        return Command(dialog, wParam);
    case kPageChanged:
        PageChanged(dialog);
        return TRUE;
    case WM_VSCROLL:
        Scroll(dialog, kVerticalScrollBar, wParam);
        return TRUE;
    case WM_HSCROLL:
        Scroll(dialog, kHorizontalScrollBar, wParam);
        return TRUE;
    case WM_SIZE:
        LayOutPreview(dialog, LOWORD(static_cast<DWORD>(lParam)),
                      HIWORD(static_cast<DWORD>(lParam)));
        SendMessageA(dialog, kPageChanged, 0, 0);
        return TRUE;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize =
            POINT{kMinimumTrackWidth, kMinimumTrackHeight};
        return TRUE;
    case UM_HELPQUERY:
        AnswerHelpQuery(dialog, wParam, kPreviewHelpContext);
        return TRUE;
    case WM_DESTROY:
        Destroy(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

int _PrintPreviewDlg(HWND owner, PrintJob* job) {
    using namespace pressel;
    if (job == nullptr) {
        return 1;
    }
    LoadResult loaded = LoadPrintFile(PrintFilePathOfJob(*job));
    if (loaded.fault == LoadFault::kCannotOpen) {
        ShowLibraryMessage(owner, kPreviewOpenFailedCaption, kPreviewOpenFailedText);
        return 1;
    }
    if (loaded.fault == LoadFault::kOutOfMemory) {
        ShowLibraryMessage(owner, kPreviewOutOfMemoryCaption, kPreviewOutOfMemoryText);
        return 1;
    }
    LoadedPrintFile& file = *loaded.file;
    PrinterNames printer = PrinterOfJob(*job);
    file.header.printerDriver = std::move(printer.driver);
    file.header.printerDevice = std::move(printer.device);
    file.header.printerPort = std::move(printer.port);
    if (job->flags == kPagesToBitmaps) {
        return RenderPagesToBitmaps(*job, file) ? 0 : 1;
    }
    PreviewData data{&file, PageList(PicturePagesOfJob(*job), file.header.pageCount)};
    RunModalDialog(owner, kPreviewDialog, kPreviewTemplate, &PreviewDlgProc,
                   reinterpret_cast<LPARAM>(&data));
    return 0;
}
