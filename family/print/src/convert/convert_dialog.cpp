// The convert dialog: the job's template laid out into the temporary print file for the job's
// printer, with a progress bar the user can stop by Escape, and the finished file's CRC-16 kept
// in the job after the print file's path.
#include "family/print/pressel.h"
#include "family/print/src/convert/convert_dialog_template.h"
#include "family/print/src/convert/converted_pictures.h"
#include "family/print/src/convert/progress_step.h"
#include "family/print/src/convert/report_converter.h"
#include "family/print/src/dialogs/converter_feedback.h"
#include "family/print/src/dialogs/modal_dialog.h"
#include "family/print/src/job/job_printer.h"
#include "family/print/src/job/print_job.h"
#include "family/print/src/printfile/print_file_crc.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

#include "platform/progress/progress_bar.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace pressel {
namespace {

constexpr int kConvertFileErrorCaption = 2000;
constexpr int kCreateFailedText = 2001;
constexpr int kTemplateFailedText = 2002;
// The dialog's result when no layout device can be had and nothing is converted.
constexpr INT_PTR kNoLayoutDevice = 1;
constexpr char kBitmapProperty[] = "hBitmap";
constexpr char kLastPercentProperty[] = "LastPercent";

HANDLE PropertyValue(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

// An open file descriptor, closed at the end of its scope.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    ~OpenFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Get() const { return descriptor_; }

private:
    int descriptor_;
};

int OpenRetrying(const char* path, int flags) {
    int descriptor = -1;
    do {
        descriptor = ::open(path, flags | O_CLOEXEC, 0644);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

void InitialiseDialog(HWND dialog, LPARAM job) {
    StartDialog(dialog, job);
    const HWND button = GetDlgItem(dialog, kProgressButton);
    const HBITMAP bitmap = progress::MakeProgressBitmap(dialog, button);
    // From here the button owns the bitmap and deletes it with itself.
    _UISetButtonBitmaps(button, nullptr, nullptr, nullptr, bitmap, nullptr);
    SetPropA(dialog, kBitmapProperty, bitmap);
    SetPropA(dialog, kLastPercentProperty, PropertyValue(0));
}

// Repaints the bar when the percent reaches a new step; answers 1 once the user asked to stop.
LRESULT ShowProgress(HWND dialog, int percent) {
    const int step = ProgressStep(percent);
    if (step != reinterpret_cast<std::intptr_t>(GetPropA(dialog, kLastPercentProperty))) {
        progress::DrawProgressBar(static_cast<HBITMAP>(GetPropA(dialog, kBitmapProperty)), step);
        const HWND button = GetDlgItem(dialog, kProgressButton);
        InvalidateRect(button, nullptr, FALSE);
        UpdateWindow(button);
        SetPropA(dialog, kLastPercentProperty, PropertyValue(step));
    }
    return StopRequested(dialog) ? 1 : 0;
}

// The work of the dialog; its end result.
INT_PTR ConvertJob(HWND dialog, PrintJob& job) {
    ShowDialogForWork(dialog);
    const std::string path = PrintFilePathOfJob(job);
    // The CRC is kept after the path's NUL: a path that leaves no room for it is refused.
    if (path.empty() || !StorePrintFileCrc(job, 0)) {
        ShowLibraryMessage(dialog, kConvertFileErrorCaption, kCreateFailedText);
        return 1;
    }
    INT_PTR result = kNoLayoutDevice;
    {
        const OpenFile printFile(OpenRetrying(path.c_str(), O_RDWR | O_CREAT | O_TRUNC));
        if (printFile.Get() < 0) {
            ShowLibraryMessage(dialog, kConvertFileErrorCaption, kCreateFailedText);
            return 1;
        }
        // The file the kept pictures served is gone.
        DeleteConvertedPictures(path);
        const OpenFile templateFile(OpenRetrying(job.templatePath, O_RDONLY));
        if (templateFile.Get() < 0) {
            ShowLibraryMessage(dialog, kConvertFileErrorCaption, kTemplateFailedText);
            return 1;
        }
        const JobPrinter printer(job, PrinterUse::kLayout);
        const bool onScreen = job.flags != 0;
        const HDC layout = onScreen ? GetDC(nullptr) : printer.Dc();
        if (layout != nullptr) {
            ConvertedDocument converted =
                ConvertDocument(templateFile.Get(), printFile.Get(), layout, job.fields, dialog,
                                printer.Dc(), &job);
            result = converted.result;
            KeepConvertedPictures(path, std::move(converted.pictures));
        }
        if (onScreen && layout != nullptr) {
            ReleaseDC(nullptr, layout);
        }
    }
    StorePrintFileCrc(job, result == 0 ? PrintFileCrc(path) : 0);
    return result;
}

} // namespace
} // namespace pressel

INT_PTR ConvertDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace pressel;
    switch (message) {
    case WM_INITDIALOG:
        InitialiseDialog(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        return RequestStopOnCommand(dialog, wParam) ? TRUE : FALSE;
    case WM_USER:
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, ShowProgress(dialog, static_cast<int>(wParam)));
        return TRUE;
    case kStartMessage:
        EndDialog(dialog, ConvertJob(dialog, *reinterpret_cast<PrintJob*>(lParam)));
        return TRUE;
    case UM_HELPQUERY:
        AnswerHelpQuery(dialog, wParam, kConvertHelpContext);
        return TRUE;
    case WM_DESTROY:
        RemovePropA(dialog, kAbortProperty);
        RemovePropA(dialog, kBitmapProperty);
        RemovePropA(dialog, kLastPercentProperty);
        return FALSE;
    default:
        return FALSE;
    }
}

int _PrintConvertDlg(HWND owner, PrintJob* job) {
    if (job == nullptr) {
        return 1;
    }
    return static_cast<int>(pressel::RunModalDialog(
        owner, pressel::kConvertDialog, pressel::kConvertTemplate, &ConvertDlgProc, job));
}
