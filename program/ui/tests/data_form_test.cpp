#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/ui/tests/saved_records.h"
#include "program/ui/tests/stored_program.h"
#include "program/ui/tests/valid_inputs.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/file_faults.h"

#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

std::string StoredRecord(std::size_t position) {
    return testkit::ReadFileBytes(store::IllustrationFilePath())
        .substr((position - 1) * 1000, 1000);
}

class BrowserTest : public StoredProgramTest {
protected:
    // Four records whose stored numbers are all 7, stale as in a file put together by hand:
    // the browser must go by their places.
    BrowserTest() {
        KeepRepresentative();
        WriteIllustrationFile({
            Record(IllustrationType::PlanholderRmd, {{"8-PartFirst", "Ann"},
                                                     {"8-PartLast", "Smith"},
                                                     {"3-Year0", "2011"},
                                                     {"6-IllustrationDate", "06/01/2011"},
                                                     {"6-RMD_Amt", "$4,000"},
                                                     {"3-DatabaseIndex", "7"}}),
            Record(IllustrationType::BeneficiaryRmd,
                   {{"8-BeneFirst", "Bob"}, {"8-BeneLast", "Baker"}, {"3-DatabaseIndex", "7"}},
                   store::kDeletedRecord),
            Record(IllustrationType::EqualPayments, {{"8-EqualFirst", "Sam"},
                                                     {"8-EqualLast", "smythe"},
                                                     {"8-EqualPlanName", "Rollover"},
                                                     {"7-EqualDate", "06/01/2010"},
                                                     {"3-DatabaseIndex", "7"}}),
            Record(IllustrationType::Stretch, {{"8-StretchPFirst", "Al"},
                                               {"8-StretchPLast", "Adams"},
                                               {"6-IllustrationDate", "05/02/2009"},
                                               {"6-RMD_Amt", "$1"},
                                               {"3-DatabaseIndex", "7"}}),
        });
    }

    // Shows the browser at start (nothing is loaded) and runs `steps` while it shows.
    frmMain& Browse(const std::function<void(frmData&)>& steps) {
        frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
        frmData& browser = store.DataWindow();
        bool ran = false;
        driver.WhenModal(browser, [&] {
            steps(browser);
            ran = true;
            if (browser.IsShowing()) {
                driver.Click(browser.cmdCancel);
            }
        });
        main.Show();
        driver.Pump();
        EXPECT_TRUE(ran);
        return main;
    }

    static std::vector<std::string> Column(const frmData& browser, int col) {
        std::vector<std::string> cells;
        for (int row = 1; row < browser.VSFlexGrid1.Rows(); ++row) {
            cells.push_back(browser.VSFlexGrid1.TextMatrix(row, col));
        }
        return cells;
    }
};

using Cells = std::vector<std::string>;

TEST_F(BrowserTest, ListsTheLiveRecordsSortedByNameWithTheirPlaces) {
    Browse([&](frmData& browser) {
        EXPECT_EQ(browser.Caption(), "3 Saved Illustrations");
        EXPECT_EQ(Column(browser, 0), (Cells{"Adams, Al", "Smith, Ann", "smythe, Sam"}));
        EXPECT_EQ(Column(browser, 1), (Cells{"05/02/2009", "06/01/2011", ""}));
        EXPECT_EQ(Column(browser, 2), (Cells{"Stretch", "RMD", "SEPP"}));
        EXPECT_EQ(Column(browser, 3), (Cells{"IRA", "Traditional IRA", "IRA"}));
        EXPECT_EQ(Column(browser, 4), (Cells{"", "", "Rollover"}));
        EXPECT_EQ(Column(browser, 5), (Cells{"2009", "2011", "2010"}));
        EXPECT_EQ(Column(browser, 6), (Cells{"", "$4,000", ""}));
        EXPECT_EQ(Column(browser, 7), (Cells{"4", "1", "3"}));
        EXPECT_TRUE(browser.VSFlexGrid1.Column(7).hidden);
        EXPECT_EQ(browser.VSFlexGrid1.Row(), 1);
        EXPECT_TRUE(browser.cmdUndelete.Enabled());
        EXPECT_TRUE(browser.cmdOK.Enabled());
    });
}

// Records the grid cannot list (a status neither live nor deleted, a partial record at the end)
// are counted on the line under the grid, which names compaction; with none the line is hidden.
// Compaction then removes as many as the line said, with the live ones whose date is no date.
TEST_F(BrowserTest, RecordsTheGridCannotListAreCountedUnderIt) {
    const std::string live = Record(
        IllustrationType::PlanholderRmd,
        {{"8-PartFirst", "Ann"}, {"8-PartLast", "Smith"}, {"6-IllustrationDate", "06/01/2011"}});
    const std::string deleted = Record(
        IllustrationType::PlanholderRmd,
        {{"8-PartFirst", "Bob"}, {"6-IllustrationDate", "06/01/2011"}}, store::kDeletedRecord);
    const auto withStatus = [&](char status) {
        std::string record = live;
        record[0] = status;
        return record;
    };
    struct Case {
        const char* name;
        std::vector<std::string> records;
        std::string tail; // bytes after the last whole record
        const char* caption;
        const char* line; // nothing when the line is hidden
    };
    const Case cases[] = {
        {"every record with a bad status",
         {withStatus('7'), withStatus(' '), withStatus('\xFF')},
         "",
         "0 Saved Illustrations",
         "3 records of this file cannot be read; Compact on the Options menu will remove them."},
        {"one among live and deleted ones",
         {live, deleted, withStatus('2')},
         "",
         "1 Saved Illustrations",
         "1 record of this file cannot be read; Compact on the Options menu will remove it."},
        {"a partial record at the end",
         {live},
         live.substr(0, 400),
         "1 Saved Illustrations",
         "1 record of this file cannot be read; Compact on the Options menu will remove it."},
        {"live and deleted ones only", {live, deleted}, "", "1 Saved Illustrations", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIllustrationFile(c.records);
        std::ofstream(store::IllustrationFilePath(), std::ios::binary | std::ios::app) << c.tail;
        frmData& browser = store.DataWindow();
        forms::UnloadForm(browser);
        forms::LoadForm(browser);
        EXPECT_EQ(browser.Caption(), c.caption);
        EXPECT_EQ(browser.lblUnreadable.Visible(), c.line != nullptr);
        if (c.line != nullptr) {
            EXPECT_EQ(browser.lblUnreadable.Caption(), c.line);
        }
    }

    WriteIllustrationFile(cases[0].records);
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    ShowAnsweringTheBrowser(main, &frmData::cmdCancel);
    CompactFromTheMenu(main);
    ASSERT_FALSE(driver.MessageBoxes().empty());
    EXPECT_NE(
        driver.MessageBoxes().back().prompt.find(" 3 damaged illustrations were also removed."),
        std::string::npos)
        << driver.MessageBoxes().back().prompt;
    EXPECT_EQ(store::IllustrationRecordCount(), 0);
}

// Enter opens the selected illustration; Esc closes the browser and opens nothing.
TEST_F(BrowserTest, EnterOpensTheSelectedRowAndEscCloses) {
    for (const int key : {13, 27}) {
        SCOPED_TRACE(key);
        frmMain& main = Browse([&](frmData& browser) {
            driver.SelectGridRow(browser.VSFlexGrid1, 2); // "Smith, Ann", the RMD record
            driver.PressKey(key);
            EXPECT_FALSE(browser.IsShowing());
        });
        EXPECT_EQ(main.GetField("8-PartFirst"), key == 13 ? "Ann" : "");
    }
}

TEST_F(BrowserTest, TypeAheadFindsTheFirstNameWithThePrefixUntilAPause) {
    Browse([&](frmData& browser) {
        forms::Grid& grid = browser.VSFlexGrid1;
        driver.Focus(grid);
        driver.PressKey('s');
        EXPECT_EQ(grid.Row(), 2); // "Smith, Ann"
        driver.PressKey('m');
        driver.PressKey('y');
        EXPECT_EQ(grid.Row(), 3); // "smythe, Sam"
        EXPECT_EQ(grid.TopRow(), 3);
        driver.PressKey('x'); // "SMYX" matches nothing: the selection stays
        EXPECT_EQ(grid.Row(), 3);
        driver.Tick(browser.Timer1);
        EXPECT_EQ(browser.TypeAheadPrefix(), "");
        EXPECT_FALSE(browser.Timer1.Enabled());
        driver.PressKey('a');
        EXPECT_EQ(grid.Row(), 1);
    });
}

TEST_F(BrowserTest, DeleteUndeleteAndCopyActOnTheRecordsPlace) {
    Browse([&](frmData& browser) {
        forms::Grid& grid = browser.VSFlexGrid1;
        driver.SelectGridRow(grid, 2); // "Smith, Ann", the first record
        driver.Click(browser.cmdDelete);
        EXPECT_EQ(StoredRecord(1)[0], '0');
        EXPECT_EQ(StoredRecord(4)[0], '1');
        EXPECT_EQ(Column(browser, 0), (Cells{"Adams, Al", "smythe, Sam"}));
        EXPECT_EQ(grid.Row(), 2); // the same row index, now the last row

        driver.Click(browser.cmdUndelete);
        EXPECT_EQ(browser.Caption(), "4 Saved Illustrations");
        EXPECT_FALSE(browser.cmdUndelete.Enabled());
        for (std::size_t position = 1; position <= 4; ++position) {
            EXPECT_EQ(StoredRecord(position)[0], '1') << "record " << position;
        }

        driver.SelectGridRow(grid, 1); // "Adams, Al", the fourth record
        driver.Click(browser.cmdCopy);
        ASSERT_EQ(store::IllustrationRecordCount(), 5);
        const std::string copy = StoredRecord(5);
        const store::RecordSlot slot = *store::DataFindPointers("3-DatabaseIndex", driver);
        EXPECT_EQ(copy.substr(static_cast<std::size_t>(slot.position - 1), 2), "5 ");
        EXPECT_EQ(copy.substr(slot.position - 1 + slot.width),
                  StoredRecord(4).substr(slot.position - 1 + slot.width));
        EXPECT_EQ(Column(browser, 7), (Cells{"4", "5", "2", "1", "3"}));
        EXPECT_EQ(grid.Row(), 1);
    });
}

TEST_F(BrowserTest, OpeningARowLoadsThatRecordIntoTheMainWindow) {
    frmMain& main = Browse([&](frmData& browser) {
        driver.SelectGridRow(browser.VSFlexGrid1, 3); // "smythe, Sam", the third record
        driver.Click(browser.cmdOK);
        EXPECT_FALSE(browser.IsShowing());
    });
    EXPECT_EQ(program.IllustrationType, IllustrationType::EqualPayments);
    EXPECT_EQ(main.GetField("8-EqualLast"), "smythe");
    EXPECT_EQ(main.GetField("7-EqualDate"), "06/01/2010");
    EXPECT_TRUE(program.IllustrationSaved);
}

TEST_F(BrowserTest, AFileErrorNamesTheStepThatFailedAndTheBrowserStays) {
    Browse([&](frmData& browser) {
        std::filesystem::remove(store::IllustrationFilePath());
        for (const auto& [button, title] :
             {std::pair{&browser.cmdDelete, "CmdDelete: Error Reading Database"},
              std::pair{&browser.cmdCopy, "CmdCopy: Error Reading Database"},
              std::pair{&browser.cmdOK, "CmdOK: Error Reading Database"}}) {
            driver.ExpectMessageBox(title, forms::vbOK);
            driver.Click(*button);
            EXPECT_TRUE(
                driver.MessageBoxes().back().prompt.starts_with("An error occurred. Type:"));
            EXPECT_TRUE(browser.IsShowing());
        }
    });
    EXPECT_FALSE(std::filesystem::exists(store::IllustrationFilePath()));
}

// A saved Stretch illustration whose account value no key could type ("9e99" fits the field)
// opens; its report and its save are refused by the account value's check, and the program
// goes on.
TEST_F(StoredProgramTest, AnAccountValueFromTheFileIsCheckedAsATypedOneIs) {
    KeepRepresentative();
    Fields stored = kValidStretch;
    stored["6-StretchAcctValue"] = "9e99";
    stored["6-StretchAcctCont"] = "$2,000";
    stored["6-IllustrationDate"] = "06/01/2011";
    WriteIllustrationFile(
        {Record(IllustrationType::Stretch, RecordFields(stored.begin(), stored.end()))});
    const std::string file = testkit::ReadFileBytes(store::IllustrationFilePath());
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    driver.WhenModal(store.DataWindow(), [&] {
        driver.SelectGridRow(store.DataWindow().VSFlexGrid1, 1);
        driver.Click(store.DataWindow().cmdOK);
    });
    main.Show();
    driver.Pump();
    ASSERT_EQ(program.IllustrationType, IllustrationType::Stretch);
    EXPECT_EQ(main.GetField("6-StretchAcctValue"), "9e99");

    driver.ExpectMessageBox("Missing Required Information.", forms::vbOK);
    driver.ChooseTab(main.TabOne1, 4);
    program.IllustrationSaved = false;
    driver.ExpectMessageBox("Missing Required Information.", forms::vbOK);
    driver.ChooseMenuItem(main.mnuFileSave);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    for (const auto& box : driver.MessageBoxes()) {
        EXPECT_EQ(box.prompt, "Please enter the Account Value.");
    }
    EXPECT_EQ(output.reports, 0);
    EXPECT_FALSE(program.IllustrationSaved);
    EXPECT_EQ(testkit::ReadFileBytes(store::IllustrationFilePath()), file);
    EXPECT_FALSE(app.Ended());
}

// Undelete reads the file, then writes it: a failure says which, and the file stays as it was.
TEST_F(BrowserTest, UndeleteNamesTheStepThatFailed) {
    Browse([&](frmData& browser) {
        const std::string before = testkit::ReadFileBytes(store::IllustrationFilePath());
        for (const char* title : {"Error Reading Database", "Error Writing to Database"}) {
            SCOPED_TRACE(title);
            driver.ExpectMessageBox(title, forms::vbOK);
            {
                std::optional<testkit::ScopedReadFault> damaged;
                std::optional<testkit::ScopedWriteFault> full;
                if (std::string_view(title) == "Error Reading Database") {
                    damaged.emplace();
                } else {
                    full.emplace(testkit::WriteFault::DiskFull, before.size() / 2);
                }
                driver.Click(browser.cmdUndelete);
                EXPECT_TRUE(damaged ? damaged->Struck() : full->Struck());
            }
            EXPECT_TRUE(
                driver.MessageBoxes().back().prompt.starts_with("An error occurred. Type:"));
            EXPECT_EQ(testkit::ReadFileBytes(store::IllustrationFilePath()), before);
            EXPECT_TRUE(browser.IsShowing());
        }
    });
}

TEST_F(BrowserTest, AFileOfDeletedRecordsOffersOnlyUndelete) {
    WriteIllustrationFile(
        {Record(IllustrationType::PlanholderRmd, {{"8-PartLast", "Gone"}}, store::kDeletedRecord)});
    Browse([&](frmData& browser) {
        EXPECT_EQ(browser.Caption(), "0 Saved Illustrations");
        EXPECT_FALSE(browser.cmdOK.Enabled());
        EXPECT_FALSE(browser.cmdCopy.Enabled());
        EXPECT_FALSE(browser.cmdDelete.Enabled());
        EXPECT_TRUE(browser.cmdUndelete.Enabled());
    });
}

// A file joined from two: every record holds the number 1, as each was the first of its own file.
// Only the record the user opened may change when it is saved, and it goes back to its place.
class JoinedFileTest : public StoredProgramTest {
protected:
    JoinedFileTest() { KeepRepresentative(); }

    static std::string Client(const char* first, char status = store::kLiveRecord) {
        return Record(IllustrationType::PlanholderRmd,
                      {{"8-PartFirst", first},
                       {"8-PartLast", "Sample"},
                       {"7-PartDOB", "03/15/1940"},
                       {"3-Year0", "2011"},
                       {"6-AcctValue0", "$100,000"},
                       {"6-IllustrationDate", "06/01/2011"},
                       {"3-DatabaseIndex", "1"}},
                      status);
    }

    // Opens the row of `first` at start, gives it a new account value and saves it.
    frmMain& OpenAndSave(const std::string& first) {
        frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
        frmData& browser = store.DataWindow();
        driver.WhenModal(browser, [&] {
            for (int row = 1; row < browser.VSFlexGrid1.Rows(); ++row) {
                if (browser.VSFlexGrid1.TextMatrix(row, 0) == "Sample, " + first) {
                    driver.SelectGridRow(browser.VSFlexGrid1, row);
                }
            }
            driver.Click(browser.cmdOK);
        });
        main.Show();
        driver.Pump();
        EXPECT_EQ(main.GetField("8-PartFirst"), first);
        Enter(main, {{"6-AcctValue0", "$250,000"}});
        driver.ChooseMenuItem(main.mnuFileSave);
        EXPECT_TRUE(program.IllustrationSaved);
        return main;
    }

    // The trimmed text of the field `tag` in the record at `position`.
    std::string StoredField(std::size_t position, const char* tag) {
        const store::RecordSlot slot = *store::DataFindPointers(tag, driver);
        std::string text = StoredRecord(position).substr(
            static_cast<std::size_t>(slot.position - 1), static_cast<std::size_t>(slot.width));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }

    // The number, first name and account value the record at `position` holds.
    Cells Stored(std::size_t position) {
        return {StoredField(position, "3-DatabaseIndex"), StoredField(position, "8-PartFirst"),
                StoredField(position, "6-AcctValue0")};
    }
};

TEST_F(JoinedFileTest, SavingAnOpenedRecordWritesItAtItsPlace) {
    const std::vector<std::string> clients = {Client("Ann"), Client("Bea"), Client("Cy")};
    WriteIllustrationFile(clients);
    const frmMain& main = OpenAndSave("Bea");
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "2");
    ASSERT_EQ(store::IllustrationRecordCount(), 3);
    EXPECT_EQ(StoredRecord(1), clients[0]);
    EXPECT_EQ(Stored(2), (Cells{"2", "Bea", "$250,000"}));
    EXPECT_EQ(StoredRecord(3), clients[2]);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Compaction moves the opened record to its new place, and the illustration follows it there.
TEST_F(JoinedFileTest, AfterCompactionTheOpenedRecordIsSavedAtItsNewPlace) {
    WriteIllustrationFile({Client("Ann", store::kDeletedRecord), Client("Bea"), Client("Cy")});
    frmMain& main = OpenAndSave("Cy");
    ASSERT_EQ(Stored(3), (Cells{"3", "Cy", "$250,000"}));

    CompactFromTheMenu(main);
    ASSERT_EQ(store::IllustrationRecordCount(), 2);
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "2");
    EXPECT_EQ(StoredRecord(1), Client("Bea"));

    Enter(main, {{"6-AcctValue0", "$300,000"}});
    driver.ChooseMenuItem(main.mnuFileSave);
    ASSERT_EQ(store::IllustrationRecordCount(), 2);
    EXPECT_EQ(StoredRecord(1), Client("Bea"));
    EXPECT_EQ(Stored(2), (Cells{"2", "Cy", "$300,000"}));
}

} // namespace
