// The representative's record as the program starts over it and writes it: a damaged record is
// not used, the window opens as for a first start and says why, and the damaged file is kept
// beside the new one; a data folder that cannot be written keeps the window and what was typed.
#include "program/store/rep_info_record.h"
#include "program/ui/tests/stored_program.h"

#include "platform/runtime/windows1252.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace ui;

namespace fs = std::filesystem;
using illustration::IllustrationType;

// The fields the representative types at the window, and where the record keeps them.
const std::vector<std::pair<int, std::string>> kTyped = {
    {0, "Pat"}, {2, "Agent"}, {4, "Northgate"}, {9, "1 Main St"}, {10, "Denver"}, {11, "80202"}};

std::string RandomBytes() {
    std::mt19937 random(35);
    std::string bytes(1000, ' ');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

std::string SoundRecord() {
    return store::RepFormToRecord(store::RepInfoFields{
        {"Old", "", "Record", "", "", "", "", "", "", "2 Elm St", "Aurora", "80010"}, "CO"});
}

struct Damage {
    const char* name;
    std::string bytes;
    bool profile; // "Hux.INI" names the representative
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

const Damage kDamages[] = {
    {"RandomBytes", RandomBytes(), false},
    {"FFBytes", std::string(1000, '\xFF'), true},
    {"CutTo500Bytes", SoundRecord().substr(0, 500), false},
    {"CutTo500BytesWithTheProfile", SoundRecord().substr(0, 500), true},
};

class DamagedRepresentativeRecordTest : public StoredProgramTest,
                                        public ::testing::WithParamInterface<Damage> {};

// A damaged record at start, with and without the shared profile's details: the message names
// the file, the window opens at the first paint with what a first start shows (the profile's
// details, or nothing), and its Ok writes the new record with the damaged one kept beside it,
// whole.
TEST_P(DamagedRepresentativeRecordTest, IsKeptAsideAndTheWindowOpensAsForAFirstStart) {
    const Damage& damage = GetParam();
    const fs::path record = store::RepInfoFilePath();
    sandbox.WriteFile(record.lexically_relative(sandbox.Root()), damage.bytes);
    if (damage.profile) {
        sandbox.WriteFile(sys::WindowsFolder().lexically_relative(sandbox.Root()) / "Hux.INI",
                          "[Agent Information]\r\nFirst=Robin\r\nLast=Profile\r\nAddress=3 Oak "
                          "Ave\r\nCity=Boulder\r\nZip=80301\r\nState=5\r\n");
    }
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmRepInfo& window = *store.RepresentativeWindow();
    bool opened = false;
    driver.WhenModal(window, [&] {
        opened = true;
        EXPECT_EQ(window.txtInput(0).Text(), damage.profile ? "Robin" : "");
        EXPECT_EQ(window.txtInput(2).Text(), damage.profile ? "Profile" : "");
        for (const auto& [field, text] : kTyped) {
            driver.SetText(window.txtInput(field), text);
        }
        driver.Click(window.cmdOK);
    });
    driver.WhenModal(store.DataWindow(), [&] { driver.Click(store.DataWindow().cmdCancel); });
    driver.ExpectMessageBox("Error in LoadRepInfo", forms::vbOK);
    main.Show();
    driver.Pump();
    EXPECT_TRUE(opened);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt,
              "The saved representative information could not be read: " +
                  runtime::Utf8ToWindows1252(record.string()) +
                  " is damaged.\r\n\r\nPlease enter the representative information again. The "
                  "damaged file will be kept beside the new one as RepInfo.flt.damaged.");
    EXPECT_FALSE(app.Ended());
    EXPECT_FALSE(program.RepInfoCancelled);
    EXPECT_EQ(testkit::ReadFileBytes(record.string() + ".damaged"), damage.bytes);
    const std::string written = testkit::ReadFileBytes(record);
    ASSERT_EQ(written.size(), 1000u);
    EXPECT_EQ(written.substr(51, 30), "Northgate                     ");
    EXPECT_TRUE(store::IsSoundRepInfoRecord(written));
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedRepresentativeRecordTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                             return std::string(info.param.name);
                         });

// The data folder read-only or full when the representative's Ok writes the record: the
// window says so, stays open with what was typed, the record on file stays as it was, and the
// same Ok writes it once the folder takes it.
TEST_F(StoredProgramTest, ARepresentativeRecordThatCannotBeWrittenKeepsTheWindow) {
    KeepRepresentative();
    const fs::path record = store::RepInfoFilePath();
    const std::string before = testkit::ReadFileBytes(record);
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    ShowAnsweringTheBrowser(main, &frmData::cmdNew);
    frmRepInfo& window = *store.RepresentativeWindow();
    struct Case {
        const char* name;
        testkit::FolderFault fault;
        const char* error;
    };
    const Case cases[] = {
        {"read-only", testkit::FolderFault::ReadOnly, "Error type:  70"},
        {"full", testkit::FolderFault::Full, "Error type:  61"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver.WhenModal(window, [&] {
            for (const auto& [field, text] : kTyped) {
                driver.SetText(window.txtInput(field), text);
            }
            {
                const testkit::ScopedFolderFault unwritable(c.fault, record.parent_path());
                driver.ExpectMessageBox("Error in RepWriteFlat", forms::vbOK);
                driver.Click(window.cmdOK);
            }
            EXPECT_TRUE(window.IsShowing());
            for (const auto& [field, text] : kTyped) {
                EXPECT_EQ(window.txtInput(field).Text(), text) << field;
            }
            EXPECT_EQ(testkit::ReadFileBytes(record), before);
            driver.Click(window.cmdOK);
            EXPECT_FALSE(window.IsShowing());
        });
        driver.ChooseMenuItem(main.mnuOptionsAdvisor);
        ASSERT_FALSE(driver.MessageBoxes().empty());
        EXPECT_EQ(driver.MessageBoxes().back().prompt.rfind(c.error, 0), 0u)
            << driver.MessageBoxes().back().prompt;
        EXPECT_EQ(testkit::ReadFileBytes(record).substr(51, 30), "Northgate                     ");
        EXPECT_FALSE(app.Ended());
        sandbox.WriteFile(record.lexically_relative(sandbox.Root()), before);
    }
}

} // namespace
