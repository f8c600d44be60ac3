// One run of the program over the files of a test's sandbox: the main window of a type over the
// real store, its report step a recorder, started as the program starts (the browser comes up
// while nothing is loaded). Runs one after another in the same sandbox are a restart: each
// finds what the ones before saved.
#pragma once

#include "program/store/rep_info_record.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/saved_illustrations.h"
#include "program/ui/tests/recorded_reports.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace ui {

// A representative on file, so that the representative window stays closed at start.
inline void KeepRepresentative() {
    store::RepInfoFields representative;
    representative.txtInput = {"Pat", "", "Agent", "",          "",       "",
                               "",    "", "",      "1 Main St", "Denver", "80202"};
    representative.state = "CO";
    forms::Application app;
    forms::testing::Driver driver{app};
    EXPECT_TRUE(store::RepWriteFlat(store::RepInfoFilePath(), representative, driver));
}

struct ProgramSession {
    explicit ProgramSession(illustration::IllustrationType type) {
        program.IllustrationType = type;
        main.SetServices(output, store);
    }

    // Shows the window; the browser it opens at start is answered by `answer`.
    void Start(const std::function<void(frmData&)>& answer) {
        frmData& browser = store.DataWindow();
        driver.WhenModal(browser, [&browser, answer] { answer(browser); });
        main.Show();
        driver.Pump();
        EXPECT_EQ(driver.QueuedActions(), 0u) << "the browser did not come up at start";
    }

    // In the browser that shows: the row of the record at `position` (the grid's hidden last
    // column), opened with Ok.
    void OpenRow(frmData& browser, int position) {
        forms::Grid& grid = browser.VSFlexGrid1;
        for (int row = 1; row < grid.Rows(); ++row) {
            if (grid.TextMatrix(row, grid.Cols() - 1) == std::to_string(position)) {
                driver.SelectGridRow(grid, row);
                driver.Click(browser.cmdOK);
                return;
            }
        }
        ADD_FAILURE() << "the browser lists no record " << position;
    }

    // File > Load, the record at `position` opened from the browser; an illustration that is
    // not saved is not saved.
    void Load(int position) {
        if (!program.IllustrationSaved) {
            driver.ExpectMessageBox("Illustration Data", forms::vbNo);
        }
        frmData& browser = store.DataWindow();
        driver.WhenModal(browser, [this, &browser, position] { OpenRow(browser, position); });
        driver.ChooseMenuItem(main.mnuFileLoad);
    }

    void Type(const std::string& tag, const std::string& text) {
        driver.SetText(main.txtInput(main.SetIndex(tag)), text);
    }

    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    RecordedReports output;
    SavedIllustrations store{app, program};
    frmMain& main = app.Create<frmMain>(program);
};

} // namespace ui
