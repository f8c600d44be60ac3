// The backup and compaction dialogs: each runs its operation under the progress bar, then tells
// the user the outcome (the compaction dialog only when the copy failed) and ends with the
// operation's result.
#include "family/data/dorrick.h"
#include "family/data/src/dialog_templates.h"
#include "family/data/src/progress_dialog.h"
#include "family/ui/vistel.h"
#include "family/util/umbrant.h"

namespace {

using namespace dorrick;

constexpr int kBackupHelpContext = 31500;
constexpr int kCompactHelpContext = 31000;
constexpr int kExclamationStyle = 0x30; // MB_OK | MB_ICONEXCLAMATION

// The library's string table (strings.resources).
constexpr int kCompactErrorCaption = 1000;
constexpr int kCompactErrorText = 1001;
constexpr int kBackupErrorCaption = 2000;
constexpr int kBackupErrorText = 2001;
constexpr int kRestoreErrorCaption = 2002;
constexpr int kRestoreErrorText = 2003;
constexpr int kRestoreTitle = 2004;
constexpr int kBackupDoneCaption = 2005;
constexpr int kBackupDoneText = 2006;
constexpr int kRestoreDoneCaption = 2007;
constexpr int kRestoreDoneText = 2008;
constexpr int kBackupDiskFullText = 2009;

// Set by _DataBackupDlg before its dialog opens.
int restoreRequested = 0;

struct Outcome {
    int caption;
    int text;
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

// Shows the library's strings in the family's message box. The two loads fill the two buffers
// of _UtilLoadString, so the text stays valid while the caption is loaded.
void ShowMessage(HWND dialog, Outcome outcome) {
    const char* text = _UtilLoadString(dialog, outcome.text);
    const char* caption = _UtilLoadString(dialog, outcome.caption);
    _UIMessageBox(dialog, text, caption, kExclamationStyle);
}

void RunBackup(HWND dialog, int handle) {
    const unsigned char result = _DataBackup(handle, dialog, DialogProgress, restoreRequested);
    ShowMessage(dialog, BackupOutcome(restoreRequested != 0, result));
    EndDialog(dialog, result);
}

void RunCompaction(HWND dialog, int handle) {
    const unsigned char result = _DataCompact(handle, dialog, DialogProgress);
    if (result == kDataCompactFailed) {
        ShowMessage(dialog, {kCompactErrorCaption, kCompactErrorText});
    }
    EndDialog(dialog, result);
}

constexpr ProgressDialog kBackupDialog{kBackupHelpContext, RunBackup};
constexpr ProgressDialog kCompactDialog{kCompactHelpContext, RunCompaction};

} // namespace

LRESULT BackupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG && restoreRequested != 0) {
        SetWindowTextA(dialog, _UtilLoadString(dialog, kRestoreTitle));
    }
    return ProgressDialogMessage(dialog, message, wParam, lParam, kBackupDialog);
}

LRESULT CompactDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return ProgressDialogMessage(dialog, message, wParam, lParam, kCompactDialog);
}

unsigned char _DataBackupDlg(HWND owner, int handle, int restore) {
    restoreRequested = restore;
    return RunProgressDialog(owner, kBackupTemplate, BackupDlgProc, handle);
}

unsigned char _DataCompactDlg(HWND owner, int handle) {
    return RunProgressDialog(owner, kCompactTemplate, CompactDlgProc, handle);
}
