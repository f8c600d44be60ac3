#include "program/ui/saved_illustrations.h"

#include "program/store/backup.h"
#include "program/store/compaction.h"
#include "program/store/illustration_file.h"
#include "program/ui/main_window/define_variables.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/main_window/src/form_record.h"
#include "program/ui/support/src/application_messages.h"
#include "program/ui/support/src/center_form.h"
#include "program/ui/windows/representative/src/rep_info_events.h"

#include "platform/forms/application.h"

#include <climits>

namespace ui {

namespace {

store::CurrentIllustration CurrentOf(frmMain& main) {
    ProgramState& program = main.Program();
    return {program.IllustrationType, main.Fields(), program.IllustrationSaved};
}

} // namespace

SavedIllustrations::SavedIllustrations(forms::Application& app, ProgramState& program)
    : app_(app), messages_(std::make_unique<ApplicationMessages>(app)),
      repInfo_(app.Create<frmRepInfo>()), browser_(app.Create<frmData>(*messages_)) {
    WireRepresentativeWindow(repInfo_, program, *messages_);
    // The window starts with empty inputs, which are not worth offering for saving until the
    // user types something.
    program.IllustrationSaved = true;
}

SavedIllustrations::~SavedIllustrations() = default;

void SavedIllustrations::ShowRepresentativeWindow(frmMain& main) {
    forms::LoadForm(repInfo_);
    CenterForm(repInfo_, main);
    repInfo_.Show(forms::ShowMode::Modal, &main);
}

bool SavedIllustrations::ShowBrowser(frmMain& main) {
    return browser_.ShowFor(main);
}

bool SavedIllustrations::PromptSaveIllustration(frmMain& main, bool ask) {
    if (main.Program().IllustrationSaved) {
        return true;
    }
    if (ask &&
        app_.MsgBox("Your current illustration is not saved.\r\nDo you wish to save it?",
                    forms::vbYesNo + forms::vbQuestion, "Illustration Data") == forms::vbNo) {
        return true;
    }
    if (DefineVariables(main)) {
        return false;
    }
    store::CurrentIllustration current = CurrentOf(main);
    return store::SaveIllustration(current, RecordControlsOf(main), *messages_);
}

void SavedIllustrations::NewIllustration(frmMain& main) {
    store::CurrentIllustration current = CurrentOf(main);
    store::NewIllustration(current);
    // Nothing of the client before carries over: not a skipped spouse, a Roth account or a
    // state, which would silently change the new client's report.
    SetUpForIllustration(main, DesignChoices());
}

int SavedIllustrations::RecordCount() {
    const std::int64_t count = store::RoundedRecordCount();
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
}

void SavedIllustrations::CompactDatabase(frmMain& main) {
    store::CurrentIllustration current = CurrentOf(main);
    store::CompactDatabase(current, *messages_);
}

void SavedIllustrations::BackupClientData(frmMain&, store::BackupKind kind) {
    store::BackupClientData(kind, *messages_);
}

void SavedIllustrations::RestoreClientData(frmMain& main, store::BackupKind kind) {
    store::CurrentIllustration current = CurrentOf(main);
    store::RestoreClientData(kind, current, *messages_);
}

} // namespace ui
