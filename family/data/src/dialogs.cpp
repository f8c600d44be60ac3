// The backup and compaction dialogs: each runs its operation with a progress bar, then tells
// the user the outcome (the compaction dialog only when the copy failed) and ends with the
// operation's result.
#include "family/data/dorrick.h"
#include "family/data/src/family_calls.h"

#include <algorithm>
#include <string_view>

namespace {

using namespace dorrick;

constexpr unsigned kStyleExclamation = 48;
constexpr int kBackupHelpContext = 31500;
constexpr int kCompactHelpContext = 31000;

// The library's string table.
constexpr std::string_view kCompactErrorCaption = "Compact Error";
constexpr std::string_view kCompactErrorText =
    "\nYour database was corrupted.  Some data might have been lost.  Please save your *.hx$ "
    "file.";
constexpr std::string_view kBackupErrorCaption = "Backup Error";
constexpr std::string_view kBackupErrorText = "\n\nYour database was not backed up.";
constexpr std::string_view kRestoreErrorCaption = "Restore Error";
constexpr std::string_view kRestoreErrorText = "\n\nYour database was not restored.";
constexpr std::string_view kBackupDoneCaption = "Backup Successful";
constexpr std::string_view kBackupDoneText = "\n\nYour database was successfully backed up.";
constexpr std::string_view kRestoreDoneCaption = "Restore Successful";
constexpr std::string_view kRestoreDoneText = "\n\nYour database was successfully restored.";
constexpr std::string_view kBackupDiskFullText =
    "\nThe backup disk is full.  Your database was not backed up.";

// Set by _DataBackupDlg before its dialog runs.
int restoreRequested = 0;
// The user's request to stop (Enter, Esc or the close box), answered to the progress reports.
int abortRequested = 0;

int DialogProgress(void* dialog, int percent) {
    family::ShowProgress(static_cast<HWND>(dialog), std::clamp(percent, 0, 100));
    return abortRequested;
}

struct Outcome {
    std::string_view caption;
    std::string_view text;
};

Outcome BackupOutcome(bool restore, unsigned char result) {
    if (restore) {
        return result == kDataSuccess ? Outcome{kRestoreDoneCaption, kRestoreDoneText}
                                      : Outcome{kRestoreErrorCaption, kRestoreErrorText};
    }
    if (result == kDataSuccess) {
        return {kBackupDoneCaption, kBackupDoneText};
    }
    return {kBackupErrorCaption,
            result == kDataWriteFailed ? kBackupDiskFullText : kBackupErrorText};
}

// What both dialogs answer alike; `work` runs the operation on the handle and ends the dialog.
template <typename Work>
LRESULT ProgressDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                              int helpContext, Work work) {
    switch (message) {
    case family::kInitDialog:
        abortRequested = 0;
        return TRUE;
    case family::kStartWork:
        work(dialog, static_cast<int>(lParam));
        return TRUE;
    case family::kCommand:
        if (LOWORD(static_cast<DWORD>(wParam)) == family::kIdOk ||
            LOWORD(static_cast<DWORD>(wParam)) == family::kIdCancel) {
            abortRequested = 1;
            return TRUE;
        }
        return FALSE;
    case family::kHelpQuery:
        family::AnswerHelpQuery(dialog, wParam, helpContext);
        return TRUE;
    case family::kDestroy:
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

LRESULT BackupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return ProgressDialogMessage(
        dialog, message, wParam, lParam, kBackupHelpContext, [](HWND window, int handle) {
            const unsigned char result =
                _DataBackup(handle, window, DialogProgress, restoreRequested);
            const Outcome outcome = BackupOutcome(restoreRequested != 0, result);
            family::MessageBox(window, outcome.text, outcome.caption, kStyleExclamation);
            family::EndDialog(window, result);
        });
}

LRESULT CompactDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return ProgressDialogMessage(
        dialog, message, wParam, lParam, kCompactHelpContext, [](HWND window, int handle) {
            const unsigned char result = _DataCompact(handle, window, DialogProgress);
            if (result == kDataCompactFailed) {
                family::MessageBox(window, kCompactErrorText, kCompactErrorCaption,
                                   kStyleExclamation);
            }
            family::EndDialog(window, result);
        });
}

unsigned char _DataBackupDlg(HWND owner, int handle, int restore) {
    restoreRequested = restore;
    return static_cast<unsigned char>(
        family::RunModalDialog(owner, "BackupDlg", BackupDlgProc, handle));
}

unsigned char _DataCompactDlg(HWND owner, int handle) {
    return static_cast<unsigned char>(
        family::RunModalDialog(owner, "CompactDlg", CompactDlgProc, handle));
}
