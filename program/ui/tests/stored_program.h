// The program with its store, as the store's window tests need it: a sandbox home (its data,
// program and profile folders), the clock fixed, the main window over the real store with a
// report step that produces nothing, and a representative on file so that the representative
// window stays closed unless a test wants it.
#pragma once

#include "program/store/rep_info_record.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace ui {

inline constexpr sys::LocalDateTime kStoreToday{2011, 6, 15, 10, 0, 0};

class StoredProgramTest : public ::testing::Test {
protected:
    StoredProgramTest() { sys::EnterProgramFolder(); }

    // Saves a representative so that painting leaves the representative window closed.
    void KeepRepresentative() {
        store::RepInfoFields representative;
        representative.txtInput = {"Pat", "", "Agent", "",          "",       "",
                                   "",    "", "",      "1 Main St", "Denver", "80202"};
        representative.state = "CO";
        ASSERT_TRUE(store::RepWriteFlat(store::RepInfoFilePath(), representative, driver));
    }

    // The main window of `type` over the store, not yet shown.
    frmMain& MainWindow(illustration::IllustrationType type) {
        program.IllustrationType = type;
        frmMain& main = app.Create<frmMain>(program);
        main.SetServices(output, store);
        return main;
    }

    // Shows `main`; the browser it opens at start, while nothing is loaded, is answered with
    // `button`.
    void ShowAnsweringTheBrowser(frmMain& main, forms::CommandButton frmData::*button) {
        frmData& browser = store.DataWindow();
        driver.WhenModal(browser, [this, &browser, button] { driver.Click(browser.*button); });
        main.Show();
        driver.Pump();
    }

    // The Options menu's Compact, answered Yes.
    void CompactFromTheMenu(frmMain& main) {
        driver.ExpectMessageBox("Compact Database", forms::vbYes);
        driver.ExpectMessageBox("Compact Database Complete", forms::vbOK);
        driver.OpenMenu(main.mnuOptions);
        driver.ChooseMenuItem(main.mnuOptionsCompact);
    }

    void Enter(frmMain& main, const std::map<std::string, std::string>& fields) {
        for (const auto& [tag, text] : fields) {
            main.SetField(text, tag);
        }
        program.IllustrationSaved = false;
    }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{kStoreToday};
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    RecordedReports output;
    SavedIllustrations store{app, program};
};

} // namespace ui
