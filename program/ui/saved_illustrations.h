// The store of the program: the representative window over the representative record, the
// saved-illustration browser over the illustration file, and the file operations of the main
// window's menus (save, new, compaction, backup, restore) through program/store.
#pragma once

#include "program/ui/main_window/illustration_store.h"
#include "program/ui/support/program_state.h"
#include "program/ui/windows/browser/data_form.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include <memory>

namespace forms {
class Application;
}

namespace ui {

class ApplicationMessages;

class SavedIllustrations final : public IllustrationStore {
public:
    SavedIllustrations(forms::Application& app, ProgramState& program);
    ~SavedIllustrations() override;

    frmRepInfo* RepresentativeWindow() override { return &repInfo_; }
    forms::Form* Browser() override { return &browser_; }
    frmData& DataWindow() { return browser_; }

    void ShowRepresentativeWindow(frmMain& main) override;
    bool ShowBrowser(frmMain& main) override;
    bool PromptSaveIllustration(frmMain& main, bool ask) override;
    void NewIllustration(frmMain& main) override;
    int RecordCount() override;
    void CompactDatabase(frmMain& main) override;
    void BackupClientData(frmMain& main, store::BackupKind kind) override;
    void RestoreClientData(frmMain& main, store::BackupKind kind) override;

private:
    forms::Application& app_;
    std::unique_ptr<ApplicationMessages> messages_;
    frmRepInfo& repInfo_;
    frmData& browser_;
};

} // namespace ui
