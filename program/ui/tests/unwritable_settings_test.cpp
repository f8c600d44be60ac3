// The settings folder read-only or full while a Stretch illustration is typed (file_faults.h):
// choosing report sections and leaving the program go on as ever; the settings that could not be
// stored are kept for the run and reported once, with the folder and the reason.
#include "program/store/illustration_file.h"
#include "program/store/user_info.h"
#include "program/ui/tests/stored_program.h"
#include "program/ui/tests/valid_inputs.h"

#include "platform/runtime/windows1252.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace ui;

using illustration::IllustrationType;
using testkit::FolderFault;

struct Fault {
    const char* name;
    FolderFault fault;
    const char* reason; // the runtime's text for the error it gives
};
void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

const Fault kFaults[] = {
    {"read-only", FolderFault::ReadOnly, "Permission denied"},
    {"full", FolderFault::Full, "Disk full"},
};

constexpr const char* kNotSaved = "Settings Not Saved";

class UnwritableSettingsTest : public StoredProgramTest,
                               public ::testing::WithParamInterface<Fault> {
protected:
    // A Stretch illustration typed into a new window, the settings as an earlier run left them.
    frmMain& TypedStretchIllustration() {
        sys::SaveSetting(sys::ExecutableBaseName(), store::UserName(), "ReportCover", "True");
        KeepRepresentative();
        frmMain& main = MainWindow(IllustrationType::Stretch);
        ShowAnsweringTheBrowser(main, &frmData::cmdNew);
        Enter(main, kValidStretch);
        driver.Focus(main.cmboState);
        driver.ChooseItem(main.cmboState, "NY");
        return main;
    }

    std::string Settings() const { return testkit::ReadFileBytes(sys::SettingsFile()); }

    // What the message says: the reason and the settings folder.
    static void ExpectTheMessage(const forms::testing::MessageBoxRecord& shown,
                                 const Fault& fault) {
        EXPECT_EQ(shown.prompt,
                  "Your settings could not be saved: " + std::string(fault.reason) +
                      ".\r\nFolder: " + runtime::Utf8ToWindows1252(sys::ConfigFolder().string()) +
                      "\r\n\r\nThe program keeps them until it ends.");
    }
};

// Report sections chosen with the folder unwritable: each takes effect and is kept for the run,
// the first failure is reported and the others not; Exit then asks, saves the illustration as
// the user answers and ends the program as it always does, without a second message and
// without an error's end.
TEST_P(UnwritableSettingsTest, SectionsAreKeptForTheRunAndExitEndsAsEver) {
    const Fault& fault = GetParam();
    frmMain& main = TypedStretchIllustration();
    const std::string before = Settings();
    {
        const testkit::ScopedFolderFault unwritable(fault.fault, sys::ConfigFolder());
        driver.ExpectMessageBox(kNotSaved, forms::vbOK);
        driver.ChooseMenuItem(main.mnuReportCover);
        driver.ChooseMenuItem(main.mnuReportLedger);
        driver.ChooseMenuItem(main.mnuReportLedger);
        driver.ChooseMenuItem(main.mnuReportGraph);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        ExpectTheMessage(driver.MessageBoxes()[0], fault);
        EXPECT_FALSE(app.Ended());
        EXPECT_FALSE(main.mnuReportCover.Checked());
        EXPECT_TRUE(main.mnuReportLedger.Checked());
        EXPECT_FALSE(main.mnuReportGraph.Checked());
        EXPECT_EQ(program.Settings.Get("ReportCover"), "False");
        EXPECT_EQ(program.Settings.Get("ReportGraph"), "False");
        // The typed illustration is still there to be saved.
        EXPECT_EQ(main.GetField("8-StretchPFirst"), "John");
        EXPECT_FALSE(program.IllustrationSaved);

        driver.ExpectMessageBox("Software Exit", forms::vbYes);
        driver.ExpectMessageBox("Illustration Data", forms::vbYes);
        driver.ChooseMenuItem(main.mnuFileExit);
        EXPECT_GE(unwritable.Struck(), 2);
    }
    ASSERT_EQ(driver.MessageBoxes().size(), 3u);
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(app.EndedByError());
    EXPECT_EQ(store::IllustrationRecordCount(), 1) << "the illustration was saved";
    EXPECT_EQ(Settings(), before);
}

// Exit the first write of the run that fails: its placement is reported once, and the program
// ends as the user chose.
TEST_P(UnwritableSettingsTest, ExitReportsThePlacementItCouldNotStore) {
    const Fault& fault = GetParam();
    frmMain& main = TypedStretchIllustration();
    const testkit::ScopedFolderFault unwritable(fault.fault, sys::ConfigFolder());
    driver.ExpectMessageBox("Software Exit", forms::vbYes);
    driver.ExpectMessageBox("Illustration Data", forms::vbNo);
    driver.ExpectMessageBox(kNotSaved, forms::vbOK);
    driver.ChooseMenuItem(main.mnuFileExit);
    ASSERT_EQ(driver.MessageBoxes().size(), 3u);
    ExpectTheMessage(driver.MessageBoxes()[2], fault);
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(app.EndedByError());
}

// Kept settings are stored with the next change that can be stored, once the folder takes
// them again.
TEST_P(UnwritableSettingsTest, KeptSettingsAreStoredWithTheNextChangeThatCanBe) {
    frmMain& main = TypedStretchIllustration();
    {
        const testkit::ScopedFolderFault unwritable(GetParam().fault, sys::ConfigFolder());
        driver.ExpectMessageBox(kNotSaved, forms::vbOK);
        driver.ChooseMenuItem(main.mnuReportCover);
    }
    EXPECT_EQ(sys::GetSetting(sys::ExecutableBaseName(), store::UserName(), "ReportCover"), "True");
    driver.ChooseMenuItem(main.mnuReportTaxes);
    EXPECT_EQ(sys::GetSetting(sys::ExecutableBaseName(), store::UserName(), "ReportCover"),
              "False");
    EXPECT_EQ(sys::GetSetting(sys::ExecutableBaseName(), store::UserName(), "ReportTaxes"),
              "False");
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_FALSE(app.Ended());
}

INSTANTIATE_TEST_SUITE_P(Faults, UnwritableSettingsTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             return info.param.fault == FolderFault::ReadOnly ? "ReadOnly" : "Full";
                         });

} // namespace
