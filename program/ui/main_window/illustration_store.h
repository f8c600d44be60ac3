// What the main window asks of the stored data: the representative record and its window, the
// saved illustrations and their browser, compaction, backup and restore. The window decides
// when; the store does the work and shows its own messages.
#pragma once

#include "program/store/backup.h"

#include "platform/forms/form.h"

namespace ui {

class frmMain;
class frmRepInfo;

class IllustrationStore {
public:
    virtual ~IllustrationStore() = default;

    // The representative window and the saved-illustration browser; nullptr while the program
    // has none, and the checks that would show them are skipped.
    virtual frmRepInfo* RepresentativeWindow() = 0;
    virtual forms::Form* Browser() = 0;

    // Shows the representative window or the browser modally; says so when there is none.
    virtual void ShowRepresentativeWindow(frmMain& main) = 0;
    // True when the user opened a saved illustration or started a new one there; false when the
    // browser was left otherwise (Cancel, its close box), and the window's illustration is as
    // it was.
    virtual bool ShowBrowser(frmMain& main) = 0;

    // Offers to save an unsaved illustration (asking first when `ask`). True when the
    // illustration is saved, or nothing had to be saved, or the user chose not to save; false
    // when a save was wanted and did not happen (its message has been shown).
    virtual bool PromptSaveIllustration(frmMain& main, bool ask) = 0;
    // Empties the inputs for a new illustration of the current type.
    virtual void NewIllustration(frmMain& main) = 0;
    // The number of records in the illustration file as the Options menu counts them (its
    // length over the record length, rounded); 0 when there is none.
    virtual int RecordCount() = 0;
    virtual void CompactDatabase(frmMain& main) = 0;
    // The floppy archive or the Internet archive, as the chosen menu item names it.
    virtual void BackupClientData(frmMain& main, store::BackupKind kind) = 0;
    virtual void RestoreClientData(frmMain& main, store::BackupKind kind) = 0;
};

} // namespace ui
