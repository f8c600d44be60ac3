#include "program/illustration/formatting.h"
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/ui/tests/stored_program.h"
#include "program/ui/tests/tab_walk.h"

#include "platform/testing/file_contents.h"

#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

// Inputs that pass every check of the planholder RMD illustration on 06/15/2011.
const std::map<std::string, std::string> kValidRmd = {
    {"8-PartFirst", "John"},      {"8-PartMiddle", "Q"}, {"8-PartLast", "Sample"},
    {"7-PartDOB", "03/15/1940"},  {"3-Year0", "2011"},   {"6-AcctValue0", "$100,000"},
    {"8-PlanName0", "Sample IRA"}};

std::vector<std::string> InputTexts(const frmMain& main) {
    std::vector<std::string> texts;
    for (int index = 0; index < illustration::kInputEndMarker; ++index) {
        texts.push_back(main.Fields().Text(index));
    }
    return texts;
}

TEST_F(StoredProgramTest, AnIllustrationSavedAndStartedAnewOpensAgainFromTheBrowser) {
    KeepRepresentative();
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmData& browser = store.DataWindow();
    // Nothing is loaded at start: the browser offers the (empty) file once.
    ShowAnsweringTheBrowser(main, &frmData::cmdNew);
    ASSERT_EQ(driver.QueuedActions(), 0u);
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "0"); // numbered when first written

    Enter(main, kValidRmd);
    main.cmboPlanType(0).SetListIndex(2);
    main.chkRMDOnce.SetValue(forms::vbChecked);
    program.IllustrationSaved = false;
    driver.ChooseMenuItem(main.mnuFileSave);
    ASSERT_TRUE(program.IllustrationSaved);
    ASSERT_EQ(store::IllustrationRecordCount(), 1);
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "1");
    const std::vector<std::string> saved = InputTexts(main);
    const std::string planType = main.cmboPlanType(0).Text();

    // New: an illustration without a number, which painting does not answer with the browser.
    driver.ChooseMenuItem(main.mnuFileNew);
    EXPECT_EQ(main.GetField("8-PartFirst"), "");
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "0");
    main.chkRMDOnce.SetValue(forms::vbUnchecked);
    program.IllustrationSaved = true;
    main.Refresh();
    driver.Pump();
    EXPECT_FALSE(browser.IsShowing());

    driver.WhenModal(browser, [&] {
        EXPECT_EQ(browser.Caption(), "1 Saved Illustrations");
        EXPECT_EQ(browser.VSFlexGrid1.TextMatrix(1, 0), "Sample, John Q");
        driver.SelectGridRow(browser.VSFlexGrid1, 1);
        driver.Click(browser.cmdOK);
    });
    driver.ChooseMenuItem(main.mnuFileLoad);
    // Every field as it was saved; percent fields come back in their display form.
    const std::vector<std::string> loaded = InputTexts(main);
    for (int index = 0; index < illustration::kInputEndMarker; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        if (main.Fields().Tag(index).starts_with("1-")) {
            EXPECT_EQ(illustration::CleanedNumber(loaded[slot]),
                      illustration::CleanedNumber(saved[slot]))
                << main.Fields().Tag(index);
        } else {
            EXPECT_EQ(loaded[slot], saved[slot]) << main.Fields().Tag(index);
        }
    }
    EXPECT_EQ(main.cmboPlanType(0).Text(), planType);
    EXPECT_EQ(main.chkRMDOnce.Value(), forms::vbChecked);
    EXPECT_TRUE(program.IllustrationSaved);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Cancelled at start, the browser leaves a new illustration of the chosen type, as New would: the
// window's design texts never reach the file when the user then types one in and leaves.
TEST_F(StoredProgramTest, TheBrowserCancelledAtStartLeavesANewIllustration) {
    KeepRepresentative();
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    const frmData& browser = store.DataWindow();
    ShowAnsweringTheBrowser(main, &frmData::cmdCancel);
    ASSERT_EQ(driver.QueuedActions(), 0u);
    EXPECT_EQ(main.cmboPlanType(0).Text(), "IRA");
    EXPECT_EQ(main.cmboPlanType(1).Text(), "IRA");
    EXPECT_EQ(main.GetField("6-IllustrationDate"), "06/15/2011");
    EXPECT_EQ(main.GetField("6-RMD_Amt"), "$0");
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "0");
    EXPECT_EQ(main.GetField("3-Year0"), "2011");
    EXPECT_TRUE(program.IllustrationSaved);
    main.Refresh();
    driver.Pump();
    EXPECT_FALSE(browser.IsShowing()) << "painting does not ask again";

    Enter(main, kValidRmd);
    driver.ExpectMessageBox("Software Exit", forms::vbYes);
    driver.ExpectMessageBox("Illustration Data", forms::vbYes);
    driver.ChooseMenuItem(main.mnuFileExit);
    EXPECT_TRUE(app.Ended());
    const std::vector<std::string> records = store::ReadIllustrationRecords();
    ASSERT_EQ(records.size(), 1u);
    const std::string& record = records[0];
    EXPECT_EQ(record.substr(466, 10), "06/15/2011");  // 6-IllustrationDate
    EXPECT_EQ(record.substr(476, 11), "$0         "); // 6-RMD_Amt
    EXPECT_EQ(record.substr(460, 6), "1     ");       // 3-DatabaseIndex
    EXPECT_EQ(record.substr(900, 20), "IRA                 ");
    // The design texts of the hidden fields as a record would keep them.
    for (const char* design : {"Record", "19 - Illus", "20-RMDAmoun"}) {
        EXPECT_EQ(record.find(design), std::string::npos) << design;
    }
}

// A saved 72(t) illustration shows its payment amounts as soon as it is opened, with the choice
// it was saved with.
TEST_F(StoredProgramTest, ASavedEqualIllustrationOpensWithItsPaymentAmounts) {
    KeepRepresentative();
    frmMain& main = MainWindow(IllustrationType::EqualPayments);
    frmData& browser = store.DataWindow();
    driver.WhenModal(browser, [&] { driver.Click(browser.cmdNew); });
    main.Show();
    driver.Pump();
    Enter(main, {{"8-EqualFirst", "John"},
                 {"8-EqualLast", "Sample"},
                 {"7-EqualDOB", "01/01/1950"},
                 {"7-EqualSpouseDOB1", "01/01/1952"},
                 {"8-EqualPlanName", "IRA Plan"},
                 {"7-EqualDate", "06/01/2011"},
                 {"6-EqualAcctValue1", "$100,000"},
                 {"6-EqualAcctValue2", "$100,000"},
                 {"1-EqualROR", "4.00%"}});
    main.optEqualPmt(4).SetValue(true);
    driver.ChooseMenuItem(main.mnuFileSave);
    ASSERT_EQ(store::IllustrationRecordCount(), 1);

    // The focus back from the browser lands in the balance, whose entry does not refresh the
    // choices.
    driver.ChooseMenuItem(main.mnuFileNewEqual);
    for (int choice = 0; choice < 7; ++choice) {
        SCOPED_TRACE(choice);
        EXPECT_EQ(main.lblEqualPmt(choice).Caption(), "0.00"); // nothing of the one before
        EXPECT_FALSE(main.optEqualPmt(choice).Value());
    }
    driver.Focus(main.txtInput(main.SetIndex("6-EqualAcctValue1")));
    driver.WhenModal(browser, [&] {
        driver.SelectGridRow(browser.VSFlexGrid1, 1);
        driver.Click(browser.cmdOK);
    });
    driver.ChooseMenuItem(main.mnuFileLoad);
    ASSERT_EQ(main.GetField("8-EqualFirst"), "John");
    EXPECT_TRUE(main.optEqualPmt(4).Value());
    for (int choice = 0; choice < 7; ++choice) {
        SCOPED_TRACE(choice);
        const std::string amount = main.GetField("R-Payment" + std::to_string(choice + 1));
        EXPECT_TRUE(amount.starts_with("$")) << amount;
        EXPECT_EQ(main.lblEqualPmt(choice).Caption(), amount);
    }
    EXPECT_TRUE(program.IllustrationSaved);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(StoredProgramTest, CompactionThatDropsTheCurrentRecordMakesItNewWithoutTheBrowser) {
    KeepRepresentative();
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    const frmData& browser = store.DataWindow();
    ShowAnsweringTheBrowser(main, &frmData::cmdNew);
    for (const char* first : {"Ann", "Bea"}) {
        driver.ChooseMenuItem(main.mnuFileNew);
        Enter(main, kValidRmd);
        main.SetField(first, "8-PartFirst");
        driver.ChooseMenuItem(main.mnuFileSave);
    }
    ASSERT_EQ(main.GetField("3-DatabaseIndex"), "2");
    store::DeleteRecord(2);

    CompactFromTheMenu(main);
    EXPECT_EQ(store::IllustrationRecordCount(), 1);
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "0");
    EXPECT_FALSE(program.IllustrationSaved);
    main.Refresh();
    driver.Pump();
    EXPECT_FALSE(browser.IsShowing());

    // Saved again, it takes the number after the last record and keeps its fields.
    driver.ChooseMenuItem(main.mnuFileSave);
    EXPECT_EQ(main.GetField("3-DatabaseIndex"), "2");
    EXPECT_EQ(main.GetField("8-PartFirst"), "Bea");
    EXPECT_EQ(store::IllustrationRecordCount(), 2);
}

TEST_F(StoredProgramTest, TheRepresentativeIsAskedForSavedAndReadBack) {
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmRepInfo& window = *store.RepresentativeWindow();
    driver.WhenModal(window, [&] {
        driver.SetText(window.txtInput(0), "Pat");
        driver.SetText(window.txtInput(2), "Agent");
        driver.SetText(window.txtInput(8), "pat@example.com");
        driver.SetText(window.txtInput(9), "1 Main St");
        driver.SetText(window.txtInput(10), "Denver");
        driver.ExpectMessageBox("Missing Required Information", forms::vbOK);
        driver.Click(window.cmdOK); // the ZIP code is still empty
        EXPECT_EQ(window.ActiveControl(), &window.txtInput(11));
        driver.SetText(window.txtInput(11), "80202");
        driver.Click(window.cmdOK);
    });
    driver.WhenModal(store.DataWindow(), [&] { driver.Click(store.DataWindow().cmdCancel); });
    main.Show();
    driver.Pump();
    ASSERT_FALSE(window.IsShowing());
    EXPECT_TRUE(driver.MessageBoxes().size() == 1u);

    const std::string record = testkit::ReadFileBytes(store::RepInfoFilePath());
    ASSERT_EQ(record.size(), 1000u);
    EXPECT_EQ(record.substr(354, 19), "06/15/2011 10:00:00"); // RunDate
    forms::UnloadForm(window);
    forms::LoadForm(window);
    EXPECT_EQ(window.txtInput(0).Text(), "Pat");
    EXPECT_EQ(window.txtInput(8).Text(), "pat@example.com");
    EXPECT_EQ(window.txtInput(11).Text(), "80202");
    EXPECT_EQ(window.cmboState.Text(), "AL"); // the empty profile's state index 0
    EXPECT_FALSE(program.RepInfoCancelled);
}

// The representative window opens over the middle of the main window with the focus in the
// first name; Tab runs down the fields, then to Ok and Cancel.
TEST_F(StoredProgramTest, TheRepresentativeWindowOpensOverTheMainWindowInItsFirstField) {
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmRepInfo& window = *store.RepresentativeWindow();
    std::vector<std::string> walk;
    int left = 0;
    int top = 0;
    driver.WhenModal(window, [&] {
        left = window.Left();
        top = window.Top();
        walk = TabWalk(driver, app, 17);
        for (const int field : {0, 2, 9, 10, 11}) {
            driver.SetText(window.txtInput(field), "x");
        }
        driver.Click(window.cmdOK);
    });
    driver.WhenModal(store.DataWindow(), [&] { driver.Click(store.DataWindow().cmdCancel); });
    main.Show();
    driver.Pump();
    EXPECT_EQ(walk, (std::vector<std::string>{
                        "txtInput(0)", "txtInput(1)", "txtInput(2)", "txtInput(3)", "txtInput(4)",
                        "txtInput(5)", "txtInput(6)", "txtInput(7)", "txtInput(8)", "txtInput(9)",
                        "txtInput(10)", "cmboState", "txtInput(11)", "cmdOK", "cmdCancel",
                        "txtInput(0)", "txtInput(1)"}));
    // The main window at its first place, 1,1 and 8370 x 8775 with an inside of 8250 x 8010;
    // the representative window 6540 x 5985: halves round to even.
    EXPECT_EQ(left, 1 + 855);
    EXPECT_EQ(top, 1 + 1012);
}

TEST_F(StoredProgramTest, BeforeTheRecordExistsTheSharedProfileNamesTheRepresentative) {
    struct Case {
        const char* state;
        const char* shown;
    };
    const Case cases[] = {{"5", "CO"}, {"52", ""}, {"-3", ""}, {"", "AL"}};
    frmRepInfo& window = *store.RepresentativeWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("State=") + c.state);
        sandbox.WriteFile(sys::WindowsFolder().lexically_relative(sandbox.Root()) / "Hux.INI",
                          std::string("[Agent Information]\r\nFirst=  Pat  \r\nState=") + c.state +
                              "\r\n");
        forms::UnloadForm(window);
        forms::LoadForm(window);
        EXPECT_EQ(window.txtInput(0).Text(), "Pat");
        EXPECT_EQ(window.cmboState.Text(), c.shown);
    }
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(StoredProgramTest, CancellingAnIncompleteRepresentativeEndsTheProgram) {
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmRepInfo& window = *store.RepresentativeWindow();
    driver.WhenModal(window, [&] { driver.Click(window.cmdCancel); });
    driver.ExpectMessageBox("Incomplete Financial Representative Info", forms::vbOK);
    main.Show();
    driver.Pump();
    EXPECT_TRUE(program.RepInfoCancelled);
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(std::filesystem::exists(store::RepInfoFilePath()));
}

// "dataloc.txt" names a folder on drive C:, which is not mapped. Each operation on the data
// fails by itself with its own trapped message, and the program goes on: the representative
// comes from the shared profile, the browser lists nothing, and neither the representative's
// Ok, nor the old file's move, nor a save ends the program.
TEST_F(StoredProgramTest, ADataFolderOnADriveThatIsNotThereFailsEachOperationByItself) {
    sandbox.SetEnvironment("TALLOWMERE_INSTALL_DIR", (sandbox.Root() / "install").string());
    sandbox.WriteFile("install/dataloc.txt", "C:\\Data\\Quenbrook\r\n");
    sandbox.WriteFile(sys::WindowsFolder().lexically_relative(sandbox.Root()) / "Hux.INI",
                      "[Agent Information]\r\nFirst=Pat\r\nLast=Agent\r\nAddress=1 Main St\r\n"
                      "City=Denver\r\nZip=80202\r\nState=5\r\n");
    const std::filesystem::path oldFile = sys::ProgramFolder() / "Tallowmere.flt";
    sandbox.WriteFile(oldFile.lexically_relative(sandbox.Root()), std::string(1000, '1'));
    const std::string unavailable = "An error occurred. Type: 68.\r\nDevice unavailable\r\n";

    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmData& browser = store.DataWindow();
    driver.ExpectMessageBox("Error Moving Database", forms::vbOK);
    driver.WhenModal(browser, [&] {
        EXPECT_EQ(browser.Caption(), "0 Saved Illustrations");
        driver.Click(browser.cmdNew);
    });
    main.Show();
    driver.Pump();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt, unavailable);
    EXPECT_TRUE(std::filesystem::exists(oldFile));
    frmRepInfo& window = *store.RepresentativeWindow();
    EXPECT_EQ(window.txtInput(0).Text(), "Pat");
    EXPECT_EQ(window.cmboState.Text(), "CO");

    driver.OpenMenu(main.mnuOptions);
    EXPECT_FALSE(main.mnuOptionsCompact.Enabled());
    driver.WhenModal(window, [&] {
        driver.ExpectMessageBox("Error in RepWriteFlat", forms::vbOK);
        driver.Click(window.cmdOK);
        EXPECT_TRUE(window.IsShowing());
        driver.Click(window.cmdCancel);
    });
    driver.ChooseMenuItem(main.mnuOptionsAdvisor);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[1].prompt,
              "Error type:  68\r\nError description: \"Device unavailable\"\r\n\r\n"
              "File Path and Name: \"C:\\Data\\Quenbrook\\RepInfo.flt\"");

    Enter(main, kValidRmd);
    driver.ExpectMessageBox("Error Writing to Database", forms::vbOK);
    driver.ChooseMenuItem(main.mnuFileSave);
    ASSERT_EQ(driver.MessageBoxes().size(), 3u);
    EXPECT_EQ(driver.MessageBoxes()[2].prompt, unavailable);
    EXPECT_FALSE(program.IllustrationSaved);
    EXPECT_FALSE(program.RepInfoCancelled);
    EXPECT_FALSE(app.Ended());
    EXPECT_FALSE(std::filesystem::exists(sys::DataFolder())) << "the default folder is not used";
}

// Compact is offered for a file of one record as the menu counts them: 600 bytes, not 500.
TEST_F(StoredProgramTest, TheOptionsMenuCountsAPartialRecordFromHalfOn) {
    KeepRepresentative();
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    ShowAnsweringTheBrowser(main, &frmData::cmdCancel);
    for (const auto& [length, offered] : {std::pair{500, false}, std::pair{600, true}}) {
        SCOPED_TRACE(length);
        sandbox.WriteFile(store::IllustrationFilePath().lexically_relative(sandbox.Root()),
                          std::string(static_cast<std::size_t>(length), '1'));
        driver.OpenMenu(main.mnuOptions);
        EXPECT_EQ(main.mnuOptionsCompact.Enabled(), offered);
    }
}

// The representative record cannot be written (a folder stands in its place): the window says
// so and stays open with everything the user typed, to be tried again or cancelled.
TEST_F(StoredProgramTest, AFailedRepresentativeWriteKeepsTheWindowAndItsFields) {
    const std::filesystem::path record = store::RepInfoFilePath();
    std::filesystem::create_directories(record);
    frmMain& main = MainWindow(IllustrationType::PlanholderRmd);
    frmRepInfo& window = *store.RepresentativeWindow();
    const std::vector<std::pair<int, std::string>> typed = {{0, "Pat"},       {2, "Agent"},
                                                            {4, "Northgate"}, {9, "1 Main St"},
                                                            {10, "Denver"},   {11, "80202"}};
    driver.WhenModal(window, [&] {
        for (const auto& [field, text] : typed) {
            driver.SetText(window.txtInput(field), text);
        }
        driver.ExpectMessageBox("Error in RepWriteFlat", forms::vbOK);
        driver.Click(window.cmdOK);
        EXPECT_TRUE(window.IsShowing());
        for (const auto& [field, text] : typed) {
            EXPECT_EQ(window.txtInput(field).Text(), text) << field;
        }
        // Once the folder is gone the same Ok writes the record.
        std::filesystem::remove(record);
        driver.Click(window.cmdOK);
        EXPECT_FALSE(window.IsShowing());
    });
    driver.WhenModal(store.DataWindow(), [&] { driver.Click(store.DataWindow().cmdCancel); });
    main.Show();
    driver.Pump();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_TRUE(driver.MessageBoxes()[0].prompt.starts_with("Error type: "));
    EXPECT_EQ(testkit::ReadFileBytes(record).substr(51, 30), "Northgate                     ");
    EXPECT_FALSE(app.Ended());
    EXPECT_FALSE(program.RepInfoCancelled);
}

} // namespace
