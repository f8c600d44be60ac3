#include "program/ui/windows/start/start_form.h"

#include "program/ui/tests/stored_program.h"
#include "program/ui/tests/tab_walk.h"
#include "program/ui/windows/about/src/about_form.h"

#include "platform/system/program_identity.h"
#include "platform/testing/file_contents.h"
#include "platform/zip/zip_archive.h"

#include <fstream>
#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

class StartUpTest : public StoredProgramTest {
protected:
    StartUpTest() { KeepRepresentative(); }

    // The archive the build packed beside the test program, found before a test moves the
    // install folder.
    const std::filesystem::path shipped_ =
        sys::InstallFolder() / (std::string(sys::ExecutableBaseName()) + ".icf");
    // The program's icon that the build drew beside the test program.
    const std::filesystem::path shippedIcon_ =
        sys::InstallFolder() / (std::string(sys::ExecutableBaseName()) + ".ico");

    // The start-up window over a main window; the browser that the main window offers at
    // start is cancelled.
    frmStart& StartProgram(const std::string& commandLine = "") {
        program.CommandLine = commandLine;
        frmMain& main = MainWindow(IllustrationType::None);
        main_ = &main;
        driver.WhenModal(store.DataWindow(), [&] { driver.Click(store.DataWindow().cmdCancel); });
        frmStart& start = app.Create<frmStart>(program, main);
        start.Start();
        driver.Pump();
        return start;
    }

    // The install folder `folder` of the sandbox, made the program's, whose archive holds
    // `members` (name, content) packed with the resource password; the splash picture is the
    // shipped one. With `rawArchive`, the archive is those bytes instead.
    void Install(const std::string& folder, const std::vector<std::string>& members,
                 const std::string& rawArchive = {}) {
        const std::filesystem::path& shipped = shipped_;
        const std::filesystem::path install = sandbox.Root() / folder;
        std::filesystem::create_directories(install);
        sandbox.SetEnvironment("TALLOWMERE_INSTALL_DIR", install.string());
        const std::filesystem::path archivePath = install / shipped.filename();
        if (!rawArchive.empty()) {
            sandbox.WriteFile(folder + "/" + shipped.filename().string(), rawArchive);
        }
        for (const std::string& name : members) {
            const std::filesystem::path from = sandbox.Root() / (folder + "-members");
            std::filesystem::create_directories(from);
            if (name == "RMDSplash.bmp") {
                ASSERT_EQ(archive::ExtractMember(shipped, name, from, archive::kResourcePassword),
                          archive::ZipResult::Success);
            } else {
                sandbox.WriteFile(folder + "-members/" + name, "");
            }
            ASSERT_EQ(archive::AddFile(archivePath, from / name, archive::kResourcePassword),
                      archive::ZipResult::Success);
        }
    }

    // A run of the program in an application of its own, from the install folder `folder` whose
    // archive lists `features` to hide; its start-up window has loaded.
    struct FeatureRun {
        forms::Application app;
        forms::testing::Driver driver{app};
        ProgramState program;
        SavedIllustrations store{app, program};
        frmMain& main = app.Create<frmMain>(program);
        frmStart& start = app.Create<frmStart>(program, main);
    };
    std::unique_ptr<FeatureRun> StartWithFeatures(const std::string& folder,
                                                  const std::string& features) {
        Install(folder, {"RMDSplash.bmp", "URL_RMD_Support.txt"});
        const std::filesystem::path list =
            sandbox.WriteFile(folder + "-list/RMDInvisible.txt", features);
        EXPECT_EQ(archive::AddFile(sys::InstallFolder() / "Tallowmere.icf", list,
                                   archive::kResourcePassword),
                  archive::ZipResult::Success);
        auto run = std::make_unique<FeatureRun>();
        run->main.SetServices(output, run->store);
        run->start.Start();
        return run;
    }

    frmMain* main_ = nullptr;
};

TEST_F(StartUpTest, TheUsersChoiceSetsTheTypeAndShowsTheMainWindow) {
    frmStart& start = StartProgram();
    ASSERT_TRUE(start.IsShowing());
    EXPECT_FALSE(main_->Visible());
    EXPECT_FALSE(start.Picture1.GetPicture().IsEmpty());
    EXPECT_EQ(start.optIllustrationType(3).Caption(), "&Stretch");
    EXPECT_TRUE(start.optIllustrationType(0).Value());
    EXPECT_FALSE(program.SupportUrl.empty());
    EXPECT_TRUE(main_->mnuHelpSupport.Visible());
    EXPECT_FALSE(main_->mnuHelpUpdate.Visible());

    driver.Click(start.optIllustrationType(2));
    driver.Click(start.cmdOK);
    EXPECT_FALSE(start.IsShowing());
    EXPECT_TRUE(main_->IsShowing());
    EXPECT_EQ(program.IllustrationType, IllustrationType::EqualPayments);
    EXPECT_EQ(main_->Caption(), "Substantially Equal Periodic Payments");
    EXPECT_EQ(program.CommandLineMode, 0);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(StartUpTest, CancelOrClosingTheWindowEndsTheProgram) {
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed" : "cancelled");
        forms::Application caseApp;
        forms::testing::Driver caseDriver(caseApp);
        ProgramState caseProgram;
        SavedIllustrations caseStore(caseApp, caseProgram);
        frmMain& main = caseApp.Create<frmMain>(caseProgram);
        main.SetServices(output, caseStore);
        frmStart& start = caseApp.Create<frmStart>(caseProgram, main);
        start.Start();
        ASSERT_TRUE(start.IsShowing());
        if (close) {
            caseDriver.Close(start);
        } else {
            caseDriver.Click(start.cmdCancel);
        }
        EXPECT_TRUE(caseApp.Ended());
        EXPECT_FALSE(main.IsShowing());
    }
}

TEST_F(StartUpTest, AStartUpSwitchChoosesWithoutShowingTheWindow) {
    const std::filesystem::path reload = sys::ProgramFolder() / "reload.exe";
    std::ofstream(reload) << "old";
    frmStart& start = StartProgram(" /2 ");
    EXPECT_FALSE(start.Visible());
    EXPECT_TRUE(main_->IsShowing());
    EXPECT_EQ(program.IllustrationType, IllustrationType::EqualPayments);
    EXPECT_EQ(program.CommandLineMode, 102);
    EXPECT_FALSE(std::filesystem::exists(reload));
}

TEST_F(StartUpTest, AMissingOrDamagedArchiveOrMemberEndsTheProgramWithItsMessage) {
    const std::string description(sys::FileDescription());
    const std::string damaged = "\r\n\r\nThe required file Tallowmere.icf is damaged.\r\n"
                                "Please reinstall your software, then try again.";
    struct Case {
        const char* folder;
        std::vector<std::string> members;
        std::string rawArchive;
        std::string title;
        std::string prompt;
    };
    const Case cases[] = {
        {"no-archive",
         {},
         "",
         description,
         "Critical Error.\r\n\r\nThe required file Tallowmere.icf is missing.\r\n"
         "Please install your software again."},
        {"damaged-archive",
         {},
         "PK\x03\x04 no archive",
         description,
         "Critical Error Type 2" + damaged},
        {"no-splash", {"RMDInvisible.txt"}, "", description, "Critical Error Type 3" + damaged},
        {"no-feature-list",
         {"RMDSplash.bmp"},
         "",
         "Error Reading RMDInvisible.txt",
         "Error Code:  3\r\nPlease try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        Install(c.folder, c.members, c.rawArchive);
        forms::Application caseApp;
        forms::testing::Driver caseDriver(caseApp);
        ProgramState caseProgram;
        SavedIllustrations caseStore(caseApp, caseProgram);
        caseDriver.ExpectMessageBox(c.title, forms::vbOK);
        frmMain& main = caseApp.Create<frmMain>(caseProgram);
        main.SetServices(output, caseStore);
        caseApp.Create<frmStart>(caseProgram, main).Start();
        EXPECT_TRUE(caseApp.Ended());
        EXPECT_FALSE(main.IsShowing());
        ASSERT_EQ(caseDriver.MessageBoxes().size(), 1u);
        EXPECT_EQ(caseDriver.MessageBoxes()[0].prompt, c.prompt);
        EXPECT_EQ(caseDriver.MessageBoxes()[0].icon, forms::MessageBoxIcon::Critical);
    }
}

TEST_F(StartUpTest, TheFeatureListHidesOptionsAndCompactsTheWindowOnce) {
    struct Case {
        const char* folder;
        std::string features;
        int selected;
        std::vector<bool> visible;
        int rowsRemoved;
    };
    const Case cases[] = {
        {"none", "", 0, {true, true, true, true}, 0},
        {"rmd-then-rmbd", "RMD\r\n RMBD \r\n", 2, {false, false, true, true}, 2},
        {"rmbd-then-rmd", "RMBD\nRMD\n", 1, {false, false, true, true}, 2},
        {"stretch-and-others",
         "Stretch\nrmd\nPDF\nFloppyBackup\n",
         0,
         {true, true, true, false},
         1},
    };
    int fullHeight = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::unique_ptr<FeatureRun> run = StartWithFeatures(c.folder, c.features);
        frmMain& main = run->main;
        frmStart& start = run->start;
        ASSERT_TRUE(start.IsShowing());
        if (fullHeight == 0) {
            fullHeight = start.Height();
        }
        int top = 200;
        for (int option = 0; option < 4; ++option) {
            EXPECT_EQ(start.optIllustrationType(option).Visible(), c.visible[option]) << option;
            if (c.visible[option]) {
                EXPECT_EQ(start.optIllustrationType(option).Top(), top) << option;
                top += 300;
            }
        }
        EXPECT_TRUE(start.optIllustrationType(c.selected).Value());
        EXPECT_EQ(start.Height(), fullHeight - 300 * c.rowsRemoved);
        EXPECT_EQ(start.cmdCancel.Top(), start.cmdOK.Top());
        EXPECT_EQ(main.mnuFileExportPDF.Visible(), c.features.find("PDF") == std::string::npos);
        // Activating the window again leaves the layout as it is.
        const int height = start.Height();
        start.Hide();
        start.Show();
        EXPECT_EQ(start.Height(), height);
        EXPECT_TRUE(run->driver.MessageBoxes().empty());
    }
}

// The icon beside the program is the main window's and the program's, which every other window
// shows, and the about box shows it too; without one, or with a damaged one, the windows keep
// the window system's icon and the about box shows none.
TEST_F(StartUpTest, TheIconBesideTheProgramIsTheWindowsAndTheAboutBoxShowsIt) {
    ASSERT_TRUE(std::filesystem::exists(shippedIcon_));
    const std::string shipped = testkit::ReadFileBytes(shippedIcon_);
    struct Case {
        const char* folder;
        std::string icon; // the file's bytes; empty: no file
        bool shown;
    };
    const Case cases[] = {
        {"with-icon", shipped, true},
        {"without-icon", "", false},
        {"damaged-icon", "not an icon at all", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        Install(c.folder, {"RMDSplash.bmp", "URL_RMD_Support.txt", "RMDInvisible.txt"});
        if (!c.icon.empty()) {
            sandbox.WriteFile(std::string(c.folder) + "/Tallowmere.ico", c.icon);
        }
        FeatureRun run;
        run.main.SetServices(output, run.store);
        run.start.Start();
        ASSERT_TRUE(run.start.IsShowing());
        const forms::Picture& icon = run.main.Icon();
        EXPECT_EQ(icon.IsEmpty(), !c.shown);
        EXPECT_EQ(run.app.Icon().Bytes(), icon.Bytes());
        if (c.shown) {
            EXPECT_EQ(icon.Format(), forms::PictureFormat::Icon);
            EXPECT_EQ(icon.WidthPixels(), 32);
            EXPECT_EQ(icon.HeightPixels(), 32);
        }
        ShowAboutBox(run.main);
        frmAbout* about = nullptr;
        for (const auto& form : run.app.Forms()) {
            about = about != nullptr ? about : dynamic_cast<frmAbout*>(form.get());
        }
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->picIcon.GetPicture().Bytes(), icon.Bytes());
        EXPECT_TRUE(run.driver.MessageBoxes().empty());
    }
}

// The focus starts on Ok, so that Enter takes the chosen type; Tab goes on to Cancel and the
// chosen option.
TEST_F(StartUpTest, TheFocusStartsOnOkThenCancelAndTheChosenType) {
    frmStart& start = StartProgram();
    ASSERT_TRUE(start.IsShowing());
    EXPECT_EQ(TabWalk(driver, app, 4),
              (std::vector<std::string>{"cmdOK", "cmdCancel", "optIllustrationType(0)", "cmdOK"}));
    driver.Click(start.cmdOK); // on to the main window, whose browser the set-up cancels
    driver.Pump();
}

// Enter takes the type chosen with the mouse, wherever the focus is.
TEST_F(StartUpTest, EnterTakesTheChosenType) {
    frmStart& start = StartProgram();
    driver.Click(start.optIllustrationType(2));
    driver.PressKey(13);
    driver.Pump();
    EXPECT_FALSE(start.IsShowing());
    EXPECT_TRUE(main_->IsShowing());
    EXPECT_EQ(program.IllustrationType, IllustrationType::EqualPayments);
}

// Inside the window, under its title bar: the frame under the picture, and the buttons and the
// copyright line at the bottom margin, also when hidden types take their rows away.
TEST_F(StartUpTest, TheButtonsAndTheCopyrightLineStayInsideTheWindow) {
    for (const std::string features : {"", "RMD\nRMBD\n"}) {
        SCOPED_TRACE(features);
        const std::unique_ptr<FeatureRun> run =
            StartWithFeatures(features.empty() ? "every-type" : "two-types", features);
        const frmStart& start = run->start;
        ASSERT_TRUE(start.IsShowing());
        EXPECT_EQ(start.ElasticOne1.Height(), start.ScaleHeight());
        EXPECT_EQ(start.ElasticOne1.Width(), start.ScaleWidth());
        EXPECT_EQ(start.cmdOK.Top() + start.cmdOK.Height() + 240, start.ScaleHeight());
        EXPECT_EQ(start.cmdOK.Left() + start.cmdOK.Width() + 240, start.ScaleWidth());
        EXPECT_EQ(start.lblCopyright.Top() + start.lblCopyright.Height(),
                  start.cmdOK.Top() + start.cmdOK.Height());
        EXPECT_LE(start.lblCopyright.Left() + start.lblCopyright.Width(), start.cmdCancel.Left());
        EXPECT_LT(start.Frame1.Top() + start.Frame1.Height(), start.cmdOK.Top());
        EXPECT_LT(start.Picture1.Top() + start.Picture1.Height(), start.Frame1.Top());
        EXPECT_LT(start.Frame1.Top() + start.Frame1.Height(), start.lblCopyright.Top());
    }
}

// The names of a menu's visible items, a separator as "-".
std::vector<std::string> VisibleItems(const forms::Menu& menu) {
    std::vector<std::string> items;
    for (const forms::Menu* item : menu.Items()) {
        if (item->Visible()) {
            items.push_back(item->IsSeparator() ? "-" : item->Name());
        }
    }
    return items;
}

TEST_F(StartUpTest, EachSeparatorHidesWithTheItemsItSeparates) {
    // Each menu as groups of items, a group after the first led by its separator.
    using Items = std::vector<std::string>;
    const auto join = [](std::initializer_list<const Items*> groups) {
        Items items;
        for (const Items* group : groups) {
            items.insert(items.end(), group->begin(), group->end());
        }
        return items;
    };
    const Items newAndSave = {
        "mnuFileNew",  "mnuFileNewRBD", "mnuFileNewEqual", "mnuFileNewStretch",
        "-",           "mnuFileLoad",   "mnuFileSave",     "-",
        "mnuFilePrint"};
    const Items pdf = {"-", "mnuFileExportPDF"};
    const Items exit = {"-", "mnuFileExit"};
    const Items file = join({&newAndSave, &pdf, &exit});
    const Items withoutPdf = join({&newAndSave, &exit});
    const Items advisor = {"mnuOptionsAdvisor", "mnuOptionsCompact"};
    const Items floppy = {"-", "mnuOptionsBackup", "mnuOptionsRestore"};
    const Items internet = {"-", "mnuOptionsInternetBackup", "mnuOptionsInternetRestore"};
    struct Case {
        const char* folder;
        std::string features;
        Items fileItems;
        Items optionItems;
    };
    const Case cases[] = {
        {"all", "", file, join({&advisor, &floppy, &internet})},
        {"no-pdf", "PDF\n", withoutPdf, join({&advisor, &floppy, &internet})},
        {"no-floppy", "FloppyBackup\n", file, join({&advisor, &internet})},
        {"no-internet", "InternetBackup\n", file, join({&advisor, &floppy})},
        {"no-backup", "InternetBackup\nFloppyBackup\n", file, advisor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::unique_ptr<FeatureRun> run = StartWithFeatures(c.folder, c.features);
        const frmMain& main = run->main;
        EXPECT_EQ(VisibleItems(main.mnuFile), c.fileItems);
        EXPECT_EQ(VisibleItems(main.mnuOptions), c.optionItems);
        // The help menu never shows the update item, nor a separator next to nothing.
        EXPECT_EQ(VisibleItems(main.mnuHelp),
                  (Items{"mnuHelpContents", "mnuHelpQuickStart", "mnuHelpFAQ", "mnuHelpSupport",
                         "-", "mnuHelpAbout"}));
    }
}

} // namespace
