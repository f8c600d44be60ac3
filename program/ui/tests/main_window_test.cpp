#include "program/store/user_info.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/support/src/pdf_file_name.h"
#include "program/ui/support/src/text_helpers.h"
#include "program/ui/support/src/web_links.h"
#include "program/ui/tests/input_window.h"
#include "program/ui/tests/tab_walk.h"
#include "program/ui/windows/about/src/about_form.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/clock.h"
#include "platform/system/external_programs.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"
#include "platform/system/settings_store.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ui;

using illustration::IllustrationType;

// The program as it starts: a fresh home, the clock fixed, the window created and shown with
// `commandLine`. A second Start in the same home is the program's next run.
class MainWindowTest : public testing::Test {
protected:
    frmMain& Start(const std::string& commandLine = "", forms::Screen screen = {}) {
        runs_.push_back(std::make_unique<Run>());
        Run& run = *runs_.back();
        run.app.GetScreen() = screen;
        run.program.CommandLine = commandLine;
        run.program.IllustrationType = IllustrationType::PlanholderRmd; // as the program starts
        run.main = &run.app.Create<frmMain>(run.program);
        run.main->Show();
        return *run.main;
    }
    forms::testing::Driver& Driver() { return runs_.back()->driver; }
    ProgramState& Program() { return runs_.back()->program; }

    testkit::Sandbox sandbox;
    sys::ScopedClock clock{kToday};

private:
    struct Run {
        forms::Application app;
        forms::testing::Driver driver{app};
        ProgramState program;
        frmMain* main = nullptr;
    };
    std::vector<std::unique_ptr<Run>> runs_;
};

std::vector<int> VisibleTabs(const frmMain& main) {
    std::vector<int> tabs;
    for (int tab = 0; tab < main.TabOne1.TabCount(); ++tab) {
        if (main.TabOne1.TabVisible(tab)) {
            tabs.push_back(tab);
        }
    }
    return tabs;
}

TEST_F(MainWindowTest, TheStartUpSwitchChoosesTheTypeAndItsSetUp) {
    struct Case {
        const char* commandLine;
        IllustrationType type;
        int mode;
        const char* caption;
        std::vector<int> tabs;
        bool reportMenu;
    };
    const Case cases[] = {
        {"", IllustrationType::PlanholderRmd, 0, "Planholder RMD Calculator", {0, 4}, false},
        {"/1", IllustrationType::BeneficiaryRmd, 101, "RMBD Calculator", {1, 4}, false},
        {"  /2 ",
         IllustrationType::EqualPayments,
         102,
         "Substantially Equal Periodic Payments",
         {2, 4},
         false},
        {"/3", IllustrationType::Stretch, 103, "Stretch Projection", {3, 4, 5}, true},
        {"/4", IllustrationType::PlanholderRmd, 0, "Planholder RMD Calculator", {0, 4}, false},
        {"/2 /3", IllustrationType::PlanholderRmd, 0, "Planholder RMD Calculator", {0, 4}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("command line \"") + c.commandLine + "\"");
        frmMain& main = Start(c.commandLine);
        EXPECT_EQ(Program().IllustrationType, c.type);
        EXPECT_EQ(Program().CommandLineMode, c.mode);
        EXPECT_EQ(main.Caption(), c.caption);
        EXPECT_EQ(VisibleTabs(main), c.tabs);
        EXPECT_EQ(main.TabOne1.CurrentTab(), c.tabs.front());
        EXPECT_EQ(main.mnuReport.Visible(), c.reportMenu);
        EXPECT_EQ(main.LastInputIndex, 51);
        // The load leaves the graph's timer off; the first show's layout arms it.
        EXPECT_TRUE(main.Timer1.Enabled());
        Driver().Tick(main.Timer1);
        EXPECT_FALSE(main.Timer1.Enabled());
        EXPECT_EQ(main.cmboState.ListCount(), 52);
        EXPECT_EQ(main.lstGraph.ListIndex(), 0);
    }
}

TEST_F(MainWindowTest, TheStretchReportSectionsComeBackFromTheSettings) {
    frmMain& first = Start("/3");
    Driver().ChooseMenuItem(first.mnuReportLedger);
    EXPECT_FALSE(first.mnuReportLedger.Checked());
    frmMain& next = Start("/3");
    EXPECT_FALSE(next.mnuReportLedger.Checked());
    EXPECT_TRUE(next.mnuReportCover.Checked()); // never stored: checked
}

TEST_F(MainWindowTest, TheRothPlanTakesTheSurvivingSpouseBoxAway) {
    frmMain& main = Start("/1");
    Driver().Click(main.chkSurvivingSpouse);
    ASSERT_EQ(main.chkSurvivingSpouse.Value(), forms::vbChecked);
    main.cmboPlanType(1).SetListIndex(main.cmboPlanType(1).ListCount() - 1); // "Roth IRA"
    EXPECT_EQ(main.chkSurvivingSpouse.Value(), forms::vbUnchecked);
    EXPECT_FALSE(main.chkSurvivingSpouse.Enabled());
    main.cmboPlanType(1).SetListIndex(0);
    EXPECT_TRUE(main.chkSurvivingSpouse.Enabled());
    EXPECT_EQ(main.chkSurvivingSpouse.Value(), forms::vbUnchecked);
}

TEST_F(MainWindowTest, TheLayoutFollowsTheWindowAndBelowItsMinimumServesTheMinimum) {
    frmMain& main = Start();
    // The first start opens the window a little lower than the minimum: the design's heights
    // stand, and its width is laid out.
    ASSERT_EQ(main.Height(), 8775);
    ASSERT_LT(main.Height(), main.MinFormHeight);
    EXPECT_EQ(main.ElasticOne1.Width(), 8370 - 150);
    EXPECT_EQ(main.ElasticOne1.Height(), 8010);
    EXPECT_EQ(main.TabOne1.Height(), 7850);

    Driver().Resize(main, 12000, 10000);
    EXPECT_EQ(main.ElasticOne1.Width(), 12000 - 150);
    EXPECT_EQ(main.ElasticOne1.Height(), 10000 - 750);
    EXPECT_EQ(main.TabOne1.Width(), main.ElasticOne1.Width() - 2 * main.TabOne1.Left());
    EXPECT_EQ(main.ElasticOne2(3).Width(), main.ElasticOne2(0).Width());
    EXPECT_EQ(main.ElasticOne2(5).Height(), main.ElasticOne2(0).Height());
    // The report's pages fill their page.
    EXPECT_EQ(main.VSPrinter1.Width(), main.ElasticOne2(4).Width());
    EXPECT_EQ(main.VSPrinter1.Height(), main.ElasticOne2(4).Height());
    EXPECT_EQ(main.Label3(0).Top(), main.Frame1(3).Top() + main.Frame1(3).Height() + 100);
    EXPECT_TRUE(main.Timer1.Enabled());
    EXPECT_FALSE(main.picGraph.Visible());

    // Smaller than the minimum, each dimension on its own: nothing keeps the larger layout.
    struct Case {
        int width;
        int height;
        int laidOutWidth;
        int laidOutHeight;
    };
    const int minWidth = main.MinFormWidth;
    const Case cases[] = {
        {minWidth - 1, 10000, minWidth, 10000},
        {12000, 8999, 12000, 9000},
        {9600, 7800, 9600, 9000}, // 640 x 520 pixels
        {4000, 3000, minWidth, 9000},
        {8370, 8775, 8370, 9000}, // the first start's size, once laid out taller
        {minWidth, 9000, minWidth, 9000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        Driver().Resize(main, 21000, 15000);
        Driver().Resize(main, c.width, c.height);
        EXPECT_EQ(main.ElasticOne1.Width(), c.laidOutWidth - 150);
        EXPECT_EQ(main.ElasticOne1.Height(), c.laidOutHeight - 750);
        EXPECT_EQ(main.TabOne1.Width(), main.ElasticOne1.Width() - 2 * main.TabOne1.Left());
        EXPECT_EQ(main.VSPrinter1.Height(), main.ElasticOne2(4).Height());
        EXPECT_EQ(main.ElasticOne2(4).Width(), main.ElasticOne2(0).Width());
    }
}

TEST_F(MainWindowTest, MenusOpenWithWhatTheyCanDo) {
    frmMain& main = Start();
    Program().IllustrationSaved = true;
    Driver().OpenMenu(main.mnuFile);
    EXPECT_FALSE(main.mnuFileSave.Enabled());
    Driver().Type(main.txtInput(0), "A");
    Driver().OpenMenu(main.mnuFile);
    EXPECT_TRUE(main.mnuFileSave.Enabled());

    // Without records and without a drive A: nothing to back up, compact or restore.
    Driver().OpenMenu(main.mnuOptions);
    EXPECT_FALSE(main.mnuOptionsBackup.Enabled());
    EXPECT_FALSE(main.mnuOptionsCompact.Enabled());
    EXPECT_FALSE(main.mnuOptionsRestore.Enabled());
}

// Inputs that pass every check of their type on 06/15/2011, in the order a user types them.
using Inputs = std::vector<std::pair<std::string, std::string>>;
const Inputs kValidInputs[] = {
    {{"8-PartFirst", "John"},
     {"8-PartLast", "Sample"},
     {"7-PartDOB", "03/15/1940"},
     {"3-Year0", "2011"},
     {"6-AcctValue0", "100000"}},
    {{"8-BeneFirst", "Sally"},
     {"8-BeneLast", "Sample"},
     {"7-BeneDOB", "12/07/1941"},
     {"7-DD1", "05/01/2008"},
     {"3-Year1", "2011"},
     {"6-AcctValue1", "50000"}},
    {{"8-EqualFirst", "John"},
     {"8-EqualLast", "Sample"},
     {"7-EqualDOB", "01/01/1950"},
     {"7-EqualSpouseDOB1", "1/1/1952"},
     {"8-EqualPlanName", "IRA Plan"},
     {"7-EqualDate", "06/01/2011"},
     {"6-EqualAcctValue1", "100000"},
     {"6-EqualAcctValue2", "100000"},
     {"1-EqualROR", "4"}},
    {{"8-StretchPFirst", "John"},
     {"8-StretchPLast", "Sample"},
     {"7-StretchPDOB", "01/01/1950"},
     {"2-StretchPLEO", "20"},
     {"8-StretchSFirst", "Susan"},
     {"8-StretchSLast", "Sample"},
     {"7-StretchSDOB", "01/01/1955"},
     {"2-StretchSLEO", "25"},
     {"8-StretchBFirst", "Jack"},
     {"8-StretchBLast", "Sample"},
     {"7-StretchBDOB", "01/01/1990"},
     {"8-StretchPlanName", "IRA Plan"},
     {"6-StretchAcctValue", "100000"},
     {"6-StretchAcctCont", "0"},
     {"1-StretchROR", "8"}},
};

void TypeInputs(forms::testing::Driver& driver, frmMain& main, const Inputs& inputs) {
    for (const auto& [tag, text] : inputs) {
        driver.Focus(main.txtInput(main.SetIndex(tag)));
        driver.Type(main.txtInput(main.SetIndex(tag)), text);
    }
    // The Stretch report's tax page compares the taxes of the client's state.
    if (main.Program().IllustrationType == IllustrationType::Stretch) {
        driver.Focus(main.cmboState);
        driver.ChooseItem(main.cmboState, "NY");
    }
}

// Each type typed in, then the Report tab: the calculation fills the report fields, and the
// report step says that reports are not available rather than pretending to show one.
TEST_F(MainWindowTest, EachTypeCalculatesWhenTheReportTabOpens) {
    struct Case {
        const char* commandLine;
        const char* reportTag;
    };
    const Case cases[] = {{"/0", "R-RMD"}, {"/1", "R-RMD"}, {"/2", "R-Payment1"}, {"/3", "R-YYYY"}};
    for (std::size_t type = 0; type < std::size(cases); ++type) {
        SCOPED_TRACE(cases[type].commandLine);
        frmMain& main = Start(cases[type].commandLine);
        TypeInputs(Driver(), main, kValidInputs[type]);
        const std::string before = main.GetField(cases[type].reportTag);
        Driver().ExpectMessageBox("Not Available", forms::vbOK);
        Driver().ChooseTab(main.TabOne1, 4);
        EXPECT_EQ(Driver().MessageBoxes().size(), 1u);
        EXPECT_NE(main.GetField(cases[type].reportTag), before);
        EXPECT_EQ(main.TabOne1.CurrentTab(), 4);
    }
}

TEST_F(MainWindowTest, AToggleOnTheReportTabRestoresTheMenuAndPointer) {
    frmMain& main = Start("/3");
    TypeInputs(Driver(), main, kValidInputs[3]);
    Driver().ExpectMessageBox("Not Available", forms::vbOK);
    Driver().ChooseTab(main.TabOne1, 4);
    Driver().ExpectMessageBox("Not Available", forms::vbOK);
    Driver().ChooseMenuItem(main.mnuReportTaxes);
    EXPECT_EQ(Driver().MessageBoxes().size(), 2u);
    EXPECT_TRUE(main.mnuReport.Enabled());
    EXPECT_EQ(main.MousePointer(), forms::vbDefault);
}

TEST_F(MainWindowTest, WindowPlacementComesBackOnTheNextRun) {
    frmMain& first = Start();
    first.Move(2000, 1500, 10000, 9500);
    Driver().ExpectMessageBox("Not Available", forms::vbOK); // the illustration is not kept
    Driver().Close(first);
    ASSERT_TRUE(first.App().Ended());

    frmMain& next = Start();
    EXPECT_EQ(next.Left(), 2000);
    EXPECT_EQ(next.Top(), 1500);
    EXPECT_EQ(next.Width(), 10000);
    EXPECT_EQ(next.Height(), 9500);

    // A smaller screen: the stored place is beyond it and the size larger than it.
    frmMain& small = Start("", forms::Screen{9000, 8000});
    EXPECT_EQ(small.Left(), 1);
    EXPECT_EQ(small.Width(), 9000 - 100);
    EXPECT_EQ(small.Top(), 1);
    EXPECT_EQ(small.Height(), 8000 - 200);
}

// Each input tab opens with the focus in its first field, and Tab runs down its frames, in each
// frame along the rows, then back to the first field.
TEST_F(MainWindowTest, TabRunsDownEachInputTabFromItsFirstField) {
    using Names = std::vector<std::string>;
    struct Case {
        const char* commandLine;
        Names order;
    };
    const Case cases[] = {
        {"/0",
         {"txtInput(0)", "txtInput(1)", "txtInput(2)", "txtInput(3)", "optUseJoint(1)",
          "cmboPlanType(0)", "txtInput(5)", "txtInput(7)", "txtInput(8)", "txtInput(9)"}},
        {"/1",
         {"txtInput(10)", "txtInput(11)", "txtInput(12)", "txtInput(13)", "chkSurvivingSpouse",
          "cmboPlanType(1)", "txtInput(14)", "txtInput(15)", "txtInput(16)", "txtInput(17)"}},
        {"/2",
         {"txtInput(21)", "txtInput(22)", "txtInput(23)", "txtInput(24)", "txtInput(28)",
          "txtInput(25)", "txtInput(26)", "cmdToday", "chkRMDOnce", "txtInput(27)", "txtInput(29)",
          "txtInput(31)", "cmdIRS"}},
        {"/3", {"txtInput(32)", "txtInput(33)", "txtInput(34)",  "txtInput(35)", "txtInput(36)",
                "cmdCalc(0)",   "txtInput(37)", "txtInput(38)",  "txtInput(39)", "txtInput(40)",
                "txtInput(41)", "cmdCalc(1)",   "chkSkipSpouse", "txtInput(42)", "txtInput(43)",
                "txtInput(44)", "txtInput(45)", "cmboState",     "txtInput(46)", "chkRoth",
                "txtInput(47)", "txtInput(48)", "txtInput(49)",  "txtInput(50)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        frmMain& main = Start(c.commandLine);
        Names round = c.order;
        round.push_back(c.order.front());
        EXPECT_EQ(TabWalk(Driver(), main.App(), round.size()), round);
    }
}

// Today dates the illustration and moves the focus on two controls: past the once-only check box
// to the balance under it.
TEST_F(MainWindowTest, TodayMovesOnToTheBalance) {
    frmMain& main = Start("/2");
    Driver().Click(main.cmdToday);
    EXPECT_EQ(main.GetField("7-EqualDate"), "06/15/2011");
    EXPECT_EQ(main.App().ActiveControl(), &main.txtInput(main.SetIndex("6-EqualAcctValue1")));
}

// The about box opens over the middle of the main window, wherever that is, but never off the
// screen.
TEST_F(MainWindowTest, TheAboutBoxIsCentredOverTheMainWindow) {
    struct Case {
        int left;
        int top;
        int aboutLeft;
        int aboutTop;
    };
    // The box is 5745 x 3900 twips, the window's inside 8880 x 8235: halves round to even.
    const Case cases[] = {{3000, 1500, 3000 + 1568, 1500 + 2168}, {24000, 12000, 100, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        frmMain& main = Start();
        main.Move(c.left, c.top, 9000, 9000);
        Driver().OpenMenu(main.mnuHelp);
        Driver().ChooseMenuItem(main.mnuHelpAbout);
        const frmAbout* about = nullptr;
        for (const auto& form : main.App().Forms()) {
            about = about != nullptr ? about : dynamic_cast<const frmAbout*>(form.get());
        }
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(about->IsShowing());
        EXPECT_EQ(about->Left(), c.aboutLeft);
        EXPECT_EQ(about->Top(), c.aboutTop);
    }
}

// The graph page is laid out before each drawing: the picture at 4:3 as wide as the page allows,
// or as high as it allows with room for the controls under it; the list, scroll bar and check
// boxes under the picture, the hint under the scroll bar.
TEST_F(MainWindowTest, TheGraphPageFollowsTheWindow) {
    struct Case {
        int width; // of the window; 0 for its first size
        int height;
        int pictureWidth;
        int pictureHeight;
    };
    const Case cases[] = {
        {0, 0, 7620, 5715},          // the page 7860 x 7400: as wide as it allows
        {9000, 12000, 8250, 6188},   // 8490 x 10640: as wide
        {12000, 10500, 10786, 8090}, // 11490 x 9140: as high as it allows
        {21000, 9300, 9186, 6890},   // 20490 x 7940: as high
    };
    InputWindow window(IllustrationType::Stretch);
    frmMain& main = window.main;
    for (const auto& [tag, text] : kValidInputs[3]) {
        main.SetField(text, tag);
    }
    window.ChooseState("NY");
    window.driver.ChooseTab(main.TabOne1, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        if (c.width > 0) {
            window.driver.Resize(main, c.width, c.height);
            EXPECT_FALSE(main.picGraph.Visible());
        }
        window.driver.Tick(main.Timer1);
        EXPECT_TRUE(main.picGraph.Visible());
        EXPECT_TRUE(main.Label3(4).Visible());
        EXPECT_EQ(main.picGraph.Left(), 120);
        EXPECT_EQ(main.picGraph.Top(), 90);
        EXPECT_EQ(main.picGraph.Width(), c.pictureWidth);
        EXPECT_EQ(main.picGraph.Height(), c.pictureHeight);
        const int under = 2 * 90 + c.pictureHeight;
        for (const forms::Control* control : {static_cast<forms::Control*>(&main.lstGraph),
                                              static_cast<forms::Control*>(&main.hScrollGraph),
                                              static_cast<forms::Control*>(&main.chkBackground)}) {
            EXPECT_EQ(control->Top(), under) << control->Name();
        }
        EXPECT_EQ(main.lstGraph.Left(), 120);
        EXPECT_EQ(main.chkTopView.Top(), under + main.chkBackground.Height() + 90);
        EXPECT_EQ(main.chkGrayScale.Top(), main.chkTopView.Top() + main.chkTopView.Height() + 90);
        EXPECT_EQ(main.Label3(4).Top(), main.hScrollGraph.Top() + main.hScrollGraph.Height() + 90);
        // Side by side under the picture, within the page.
        EXPECT_LT(main.lstGraph.Left() + main.lstGraph.Width(), main.hScrollGraph.Left());
        EXPECT_EQ(main.Label3(4).Left(), main.hScrollGraph.Left());
        EXPECT_LT(main.hScrollGraph.Left() + main.hScrollGraph.Width(), main.chkBackground.Left());
        EXPECT_EQ(main.chkBackground.Left() + main.chkBackground.Width(), 120 + c.pictureWidth);
        EXPECT_LE(main.chkGrayScale.Top() + main.chkGrayScale.Height(),
                  main.ElasticOne2(5).Height());
        EXPECT_LE(main.lstGraph.Top() + main.lstGraph.Height(), main.ElasticOne2(5).Height());
    }
    EXPECT_EQ(window.output.graphs, 4);
}

// The window's control table and the members that the input rules use make each control once:
// a name (with its element index in an array) names one control.
TEST_F(MainWindowTest, EachControlIsMadeOnce) {
    const frmMain& main = Start();
    std::set<std::pair<std::string, int>> seen;
    for (const forms::Control* control : main.Controls()) {
        EXPECT_TRUE(seen.insert({control->Name(), control->Index()}).second)
            << control->Name() << "(" << control->Index() << ")";
    }
    EXPECT_NE(main.RepInfo, nullptr); // loaded with the window
}

TEST_F(MainWindowTest, TheIniFileBesideTheProgramWinsAndIsClamped) {
    sandbox.WriteFile("install/Tallowmere.ini",
                      "[Program]\r\nTop=99999\r\nLeft=-5\r\nWidth=30000\r\nHeight=9000\r\n");
    sandbox.SetEnvironment("TALLOWMERE_INSTALL_DIR", (sandbox.Root() / "install").string());
    frmMain& main = Start("", forms::Screen{19200, 12000});
    EXPECT_EQ(main.Top(), 12000 - 8775); // moved back by the design height
    EXPECT_EQ(main.Left(), 1);
    EXPECT_EQ(main.Width(), 19100);
    EXPECT_EQ(main.Height(), 9000);
}

// Stored placements no window can have are clamped onto the screen, never fatal: numbers beyond
// the window's range, beyond what a number can hold, and window states it does not know, from
// the INI file and from the user's settings alike.
TEST_F(MainWindowTest, OutOfRangePlacementsAreClampedOntoTheScreen) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> stored;
        int top, left, width, height;
        forms::WindowState state;
    };
    const forms::Screen screen{19200, 12000};
    const Case cases[] = {
        {"beyond 32 bits",
         {{"Top", "99999999999"}, {"Left", "-99999999999"}, {"WindowState", "70000"}},
         12000 - 8775,
         1,
         8370,
         8775,
         forms::WindowState::Normal}, // back by the design height
        {"sizes beyond 32 bits",
         {{"Width", "99999999999"}, {"Height", "99999999999"}, {"WindowState", "-70000"}},
         1,
         1,
         19100,
         11800,
         forms::WindowState::Normal},
        {"beyond a number",
         {{"Top", "1e999"}, {"Left", "-1e999"}, {"WindowState", "2"}},
         1,
         1,
         8370,
         8775,
         forms::WindowState::Maximized},
    };
    for (const bool fromIni : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (fromIni ? " in the INI file" : " in the settings"));
            std::filesystem::remove(sandbox.Root() / "install/Tallowmere.ini");
            std::map<std::string, std::string> stored = {{"Top", "1"},
                                                         {"Left", "1"},
                                                         {"Width", "8370"},
                                                         {"Height", "8775"},
                                                         {"WindowState", "0"}};
            for (const auto& [key, value] : c.stored) {
                stored[key] = value;
            }
            std::string ini = "[Program]\r\n";
            for (const auto& [key, value] : stored) {
                ini += key + "=" + value + "\r\n";
                sys::SaveSetting(sys::ExecutableBaseName(), store::UserName(), key,
                                 fromIni ? "1" : value);
            }
            if (fromIni) {
                sandbox.WriteFile("install/Tallowmere.ini", ini);
            }
            sandbox.SetEnvironment("TALLOWMERE_INSTALL_DIR", (sandbox.Root() / "install").string());
            frmMain& main = Start("", screen);
            EXPECT_EQ(main.Top(), c.top);
            EXPECT_EQ(main.Left(), c.left);
            EXPECT_EQ(main.Width(), c.width);
            EXPECT_EQ(main.Height(), c.height);
            EXPECT_EQ(main.GetWindowState(), c.state);
            EXPECT_TRUE(Driver().MessageBoxes().empty());
            EXPECT_FALSE(main.App().Ended());
        }
    }
}

TEST_F(MainWindowTest, ExitAsksFirstAndStaysOnNo) {
    frmMain& main = Start();
    Driver().ExpectMessageBox("Software Exit", forms::vbNo);
    Driver().ChooseMenuItem(main.mnuFileExit);
    EXPECT_FALSE(main.App().Ended());
    Driver().ExpectMessageBox("Software Exit", forms::vbYes);
    Driver().ExpectMessageBox("Not Available", forms::vbOK);
    Driver().ChooseMenuItem(main.mnuFileExit);
    EXPECT_TRUE(main.App().Ended());
}

// cmdIRS opens the address kept in the resource archive beside the program (the build's own
// archive, packed from the resource sources); the extracted member does not stay behind.
TEST_F(MainWindowTest, WebLookupOpensTheAddressInTheResourceArchive) {
    std::vector<std::string> opened;
    sys::ScopedBrowser browser([&opened](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    frmMain& main = Start("/2");
    std::filesystem::create_directories(sys::ProgramFolder());
    Driver().Click(main.cmdIRS);
    const std::string stored =
        testkit::ReadFileBytes(TALLOWMERE_RESOURCE_SOURCES "/URL_EQUAL_FEDRATES.txt");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(stored.starts_with(opened[0])) << opened[0];
    EXPECT_TRUE(opened[0].starts_with("https://")) << opened[0];
    EXPECT_FALSE(std::filesystem::exists(sys::ProgramFolder() / "URL_EQUAL_FEDRATES.txt"));

    // No archive, or a member whose text is no web address: nothing opens, nothing is said.
    const std::filesystem::path install = sandbox.Root() / "install";
    std::filesystem::create_directories(install);
    sandbox.SetEnvironment("TALLOWMERE_INSTALL_DIR", install.string());
    Driver().Click(main.cmdIRS);
    const std::filesystem::path member =
        sandbox.WriteFile("member/URL_EQUAL_FEDRATES.txt", "file:///etc/passwd\r\n");
    ASSERT_EQ(archive::AddFile(install / "Tallowmere.icf", member, archive::kResourcePassword),
              archive::ZipResult::Success);
    Driver().Click(main.cmdIRS);
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(Driver().MessageBoxes().empty());
}

TEST_F(MainWindowTest, CmdCalcFillsTheLifeExpectancy) {
    frmMain& main = Start("/3");
    main.SetField("06/15/1961", "7-StretchPDOB"); // 50 on 06/15/2011
    Driver().Click(main.cmdCalc(0));
    EXPECT_EQ(main.GetField("2-StretchPLEO"), "34"); // Single Life at 50: 34.2
    main.SetField("not a date", "7-StretchSDOB");
    main.SetField("", "2-StretchSLEO");
    Driver().Click(main.cmdCalc(1));
    EXPECT_EQ(main.GetField("2-StretchSLEO"), "");
}

TEST(PdfFileName, NamesByTypeAndFitsTheFileSystem) {
    struct Case {
        std::string client;
        IllustrationType type;
        std::string expected;
    };
    const Case cases[] = {
        {"Sample, John Q", IllustrationType::PlanholderRmd, "Sample,JohnQRMD.pdf"},
        {"O'Brien, J. (Jr)", IllustrationType::BeneficiaryRmd, "OBrien,JJrRMBD.pdf"},
        {"a/b", IllustrationType::EqualPayments, "abEqual.pdf"},
        {"", IllustrationType::Stretch, "Stretch.pdf"},
        {std::string("a\0b", 3), IllustrationType::None, "a_b.pdf"},
        {std::string(300, 'x'), IllustrationType::Stretch, std::string(244, 'x') + "Stretch.pdf"},
        // An accented letter takes two bytes on disk: "Jos", 120 of them and the suffix make
        // 254 bytes, and one more would pass the 255.
        {"Jos\xE9 " + std::string(200, '\xE9'), IllustrationType::Stretch,
         "Jos" + std::string(120, '\xE9') + "Stretch.pdf"},
        // The euro sign takes three bytes: 82 of them and the suffix make 253 bytes.
        {std::string(100, '\x80'), IllustrationType::PlanholderRmd,
         std::string(82, '\x80') + "RMD.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(PdfFileName(c.client, c.type), c.expected);
        EXPECT_LE(runtime::Windows1252ToUtf8(PdfFileName(c.client, c.type)).size(),
                  kMaxFileNameBytes);
    }
}

TEST(TextHelpers, TheSharedStringProcedures) {
    bool empty = true;
    EXPECT_EQ(RemoveSpecialChars("O'Brien, J. (Jr)", empty), "OBrien,JJr");
    EXPECT_FALSE(empty);
    EXPECT_EQ(RemoveSpecialChars("  .-()", empty), "");
    EXPECT_TRUE(empty);
    EXPECT_EQ(RemoveSpecialChars("a;_!b", empty), "a;_!b");
    EXPECT_EQ(StripNull("abc"), "");
    EXPECT_EQ(StripNull(std::string("ab\0c", 4)), "ab");
    EXPECT_EQ(StripNull(std::string("\0ab", 3)), "");
    EXPECT_EQ(ReplaceFirst("RMD R", "R", "x"), "xMD R");
    EXPECT_EQ(ReplaceFirst("RMD", "Q", "x"), "RMD");
    EXPECT_EQ(FormatFullName("John", "Q", "Smith"), "Smith, John Q");
    EXPECT_EQ(FormatFullName("John", "", ""), " John");
    EXPECT_EQ(FormatFullName("", "", "Smith"), "Smith,");
}

TEST(WebLinks, OnlyWebAddressesReachTheBrowser) {
    std::vector<std::string> opened;
    sys::ScopedBrowser browser([&opened](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(OpenWebAddress("https://example.org/a b"));
    EXPECT_TRUE(OpenWebAddress("HTTP://example.org"));
    EXPECT_FALSE(OpenWebAddress("file:///etc/passwd"));
    EXPECT_FALSE(OpenWebAddress("-x http://example.org"));
    EXPECT_FALSE(OpenWebAddress("http:"));
    EXPECT_FALSE(OpenWebAddress(""));
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/a b", "HTTP://example.org"}));
}

} // namespace
