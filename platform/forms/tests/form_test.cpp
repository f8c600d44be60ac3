// The life cycle of forms: load on first touch, the order of the show events, modal loops (also
// entered from Paint), unload with cancel, resize, DoEvents and the program's end.
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/forms/user_actions.h"
#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::DriverError;
using forms::testing::EventLog;

// A form that logs its own events and its text box's focus.
struct LoggedForm : Form {
    LoggedForm(Application& app, EventLog& log, std::string name) : Form(app, std::move(name)) {
        Initialize = log.Record(Name() + ".Initialize");
        Load = log.Record(Name() + ".Load");
        Activate = log.Record(Name() + ".Activate");
        Deactivate = log.Record(Name() + ".Deactivate");
        Resize = log.Record(Name() + ".Resize");
        Paint = log.Record(Name() + ".Paint");
        Unload = [this, &log](int& cancel) {
            log.Add(Name() + ".Unload");
            cancel = cancelUnload;
        };
        txtName.GotFocus = log.Record(Name() + ".txtName.GotFocus");
        txtName.LostFocus = log.Record(Name() + ".txtName.LostFocus");
        txtName.SetText("design");
        cmdOK.Click = [this] { Hide(); };
    }
    TextBox txtName{*this, "txtName"};
    CommandButton cmdOK{*this, "cmdOK"};
    int cancelUnload = 0;
};

class FormTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    EventLog log;
    LoggedForm& main = app.Create<LoggedForm>(log, "frmMain");
    LoggedForm& dialog = app.Create<LoggedForm>(log, "frmDialog");
};

TEST_F(FormTest, FirstShowRaisesTheEventsInTheRuntimesOrder) {
    main.Show();
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"frmMain.Initialize", "frmMain.Load", "frmMain.Resize",
                                        "frmMain.Activate", "frmMain.txtName.GotFocus"}));
    log.Clear();
    driver.Pump();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"frmMain.Paint"}));
}

TEST_F(FormTest, TouchingAFormBeforeItWasLoadedLoadsIt) {
    struct Case {
        const char* name;
        std::function<void(LoggedForm&)> touch;
        bool showing;
    };
    const Case cases[] = {
        {"read a control's text", [](LoggedForm& f) { (void)f.txtName.Text(); }, false},
        {"set a control's text", [](LoggedForm& f) { f.txtName.SetText("x"); }, false},
        {"read Visible", [](LoggedForm& f) { (void)f.Visible(); }, false},
        {"set the caption", [](LoggedForm& f) { f.SetCaption("Title"); }, false},
        {"Hide", [](LoggedForm& f) { f.Hide(); }, false},
        {"Load statement", [](LoggedForm& f) { LoadForm(f); }, false},
        {"Show", [](LoggedForm& f) { f.Show(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Application caseApp;
        Driver caseDriver(caseApp);
        EventLog caseLog;
        auto& form = caseApp.Create<LoggedForm>(caseLog, "frmX");
        EXPECT_FALSE(form.IsLoaded());
        c.touch(form);
        EXPECT_TRUE(form.IsLoaded());
        EXPECT_EQ(form.IsShowing(), c.showing);
        ASSERT_GE(caseLog.Entries().size(), 2u);
        EXPECT_EQ(caseLog.Entries()[0], "frmX.Initialize");
        EXPECT_EQ(caseLog.Entries()[1], "frmX.Load");
    }
}

TEST_F(FormTest, AFormTouchedWhileAnotherLoadsIsLoadedRightThere) {
    // The start-up window touches a control of the main window in the middle of its own load.
    dialog.Load = [&] {
        log.Add("frmDialog.Load begins");
        main.txtName.SetTag("touched");
        log.Add("frmDialog.Load ends");
    };
    dialog.Show();
    const std::vector<std::string> expected = {"frmDialog.Initialize", "frmDialog.Load begins",
                                               "frmMain.Initialize", "frmMain.Load",
                                               "frmDialog.Load ends"};
    EXPECT_EQ(std::vector<std::string>(log.Entries().begin(), log.Entries().begin() + 5), expected);
    EXPECT_TRUE(main.IsLoaded());
    EXPECT_FALSE(main.IsShowing());
}

TEST_F(FormTest, ScaleSizeIsTheInsideOfTheWindow) {
    main.Move(0, 0, 9000, 9000);
    EXPECT_EQ(main.ScaleWidth(), 9000 - 120);
    EXPECT_EQ(main.ScaleHeight(), 9000 - 345 - 120);
    Menu mnuFile(main, "mnuFile");
    EXPECT_EQ(main.ScaleHeight(), 9000 - 345 - 120 - 300) << "less the menu bar";
    main.SetMousePointer(vbHourglass);
    EXPECT_EQ(main.MousePointer(), vbHourglass);
}

TEST_F(FormTest, AFormTheProgramDidNotPlaceShowsWhereItsStartUpPositionSays) {
    // The screen is 28800 x 16200 twips; each form is 4800 x 3600 unless the row sizes it. The
    // owner, frmMain, shows at 1500, 900, 9000 x 6000.
    main.Move(1500, 900, 9000, 6000);
    main.Show();
    struct Case {
        const char* name;
        StartUpPosition position;
        bool owned;
        std::function<void(Form&)> load; // the form's Load handler
        int left;
        int top;
    };
    const auto none = [](Form&) {};
    const Case cases[] = {
        {"the default: centred on the screen", StartUpPosition::WindowsDefault, true, none, 12000,
         6300},
        {"centred on the screen", StartUpPosition::CenterScreen, true, none, 12000, 6300},
        {"centred over the owner", StartUpPosition::CenterOwner, true, none, 3600, 2100},
        {"over no owner: the screen", StartUpPosition::CenterOwner, false, none, 12000, 6300},
        {"manual: where it stands", StartUpPosition::Manual, true, none, 0, 0},
        {"placed by its Load", StartUpPosition::CenterOwner, true, [](Form& f) { f.SetLeft(300); },
         300, 0},
        {"sized by its Load", StartUpPosition::CenterScreen, true,
         [](Form& f) { f.SetWidth(9600); }, 9600, 6300},
        {"wider than the screen", StartUpPosition::CenterScreen, true,
         [](Form& f) { f.SetWidth(30000); }, 0, 6300},
    };
    int made = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& form = app.Create<LoggedForm>(log, "frmPlaced" + std::to_string(++made));
        form.Load = [&form, &c] {
            form.SetStartUpPosition(c.position);
            c.load(form);
        };
        form.Show(ShowMode::Modeless, c.owned ? &main : nullptr);
        EXPECT_EQ(form.Left(), c.left);
        EXPECT_EQ(form.Top(), c.top);
    }
}

TEST_F(FormTest, AFormIsPlacedAtItsFirstShowAfterEachLoadOnly) {
    dialog.Show();
    EXPECT_EQ(dialog.Left(), 12000);
    driver.Move(dialog, 1500, 1500);
    dialog.Hide();
    dialog.Show();
    EXPECT_EQ(dialog.Left(), 1500) << "shown again, it stays where the user left it";
    UnloadForm(dialog);
    dialog.Show();
    EXPECT_EQ(dialog.Left(), 12000) << "loaded again, it is placed again";
}

TEST_F(FormTest, UnloadWithCancelKeepsTheFormAndWithoutReturnsItToItsDesign) {
    main.Show();
    main.txtName.SetText("typed");
    main.cancelUnload = 1;
    driver.Close(main);
    EXPECT_TRUE(main.IsShowing());
    EXPECT_EQ(main.txtName.Text(), "typed");

    main.cancelUnload = 0;
    log.Clear();
    driver.Close(main);
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"frmMain.Unload"}));
    // Loading again starts from the design values, and raises Load but not Initialize.
    log.Clear();
    EXPECT_EQ(main.txtName.Text(), "design");
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"frmMain.Load"}));
}

TEST_F(FormTest, ModalShowReturnsWhenTheFormHidesOrUnloads) {
    struct Case {
        const char* name;
        std::function<void(Driver&, LoggedForm&)> close;
        bool loadedAfter;
    };
    const Case cases[] = {
        {"button hides it", [](Driver& d, LoggedForm& f) { d.Click(f.cmdOK); }, true},
        {"close box unloads it", [](Driver& d, LoggedForm& f) { d.Close(f); }, false},
        {"code unloads it", [](Driver&, LoggedForm& f) { UnloadForm(f); }, false},
    };
    main.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool sawModal = false;
        driver.WhenModal(dialog, [&] {
            sawModal = dialog.IsModal() && app.ModalForm() == &dialog;
            c.close(driver, dialog);
        });
        dialog.Show(ShowMode::Modal, &main);
        EXPECT_TRUE(sawModal);
        EXPECT_FALSE(dialog.IsShowing());
        EXPECT_EQ(dialog.IsLoaded(), c.loadedAfter);
        EXPECT_EQ(app.ModalForm(), nullptr);
        EXPECT_EQ(app.ActiveForm(), &main);
    }
}

TEST_F(FormTest, AModalLoopCanBeEnteredFromPaintAndRepaintsItsOwnerAfterwards) {
    int paints = 0;
    main.Paint = [&] {
        ++paints;
        if (paints == 1) {
            dialog.Show(ShowMode::Modal, &main);
            log.Add("modal returned");
        }
    };
    driver.WhenModal(dialog, [&] {
        // While the dialog is up, the main form cannot be reached.
        EXPECT_THROW(user::Click(main.cmdOK), UnreachableError);
        driver.Type(dialog.txtName, "!");
        driver.Click(dialog.cmdOK);
    });
    main.Show();
    driver.Pump();
    EXPECT_EQ(dialog.txtName.Text(), "!design") << "typed at the caret, which is at the start";
    EXPECT_EQ(paints, 2) << "the owner repaints once the dialog is gone";
    EXPECT_EQ(log.Entries().back(), "modal returned");
}

TEST_F(FormTest, APaintThatOpensADialogMayEndTheProgramAfterAMessage) {
    // The main window's paint insists on a dialog; cancelling it ends the program after a
    // critical message, from inside Paint.
    bool cancelled = false;
    dialog.cmdOK.Click = [&] {
        cancelled = true;
        UnloadForm(dialog);
    };
    main.Paint = [&] {
        if (dialog.txtName.Text() == "design") {
            dialog.Show(ShowMode::Modal, &main);
            while (dialog.Visible()) {
                app.DoEvents();
            }
            if (cancelled) {
                app.MsgBox("Press OK to exit this software.", vbCritical, "Incomplete");
                app.End();
            }
        }
    };
    driver.WhenModal(dialog, [&] { driver.Click(dialog.cmdOK); });
    driver.ExpectMessageBox("Incomplete", vbOK);
    main.Show();
    driver.Pump();
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(driver.MessageBoxes().at(0).icon, MessageBoxIcon::Critical);
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(FormTest, NestedModalLoopsReturnInnermostFirst) {
    auto& inner = app.Create<LoggedForm>(log, "frmInner");
    std::vector<std::string> order;
    driver.WhenModal(dialog, [&] {
        driver.WhenModal(inner, [&] { driver.Click(inner.cmdOK); });
        inner.Show(ShowMode::Modal, &dialog);
        order.push_back("inner returned");
        EXPECT_EQ(app.ModalForm(), &dialog);
        driver.Click(dialog.cmdOK);
    });
    main.Show();
    dialog.Show(ShowMode::Modal, &main);
    order.push_back("outer returned");
    EXPECT_EQ(order, (std::vector<std::string>{"inner returned", "outer returned"}));
}

TEST_F(FormTest, AModalLoopWithNoInputLeftFailsInsteadOfHanging) {
    main.Show();
    EXPECT_THROW(dialog.Show(ShowMode::Modal, &main), DriverError);
}

TEST_F(FormTest, ShowingAVisibleFormModallyRaisesError400) {
    main.Show();
    dialog.Show();
    EXPECT_EQ(testkit::ErrorNumberOf([&] { dialog.Show(ShowMode::Modal, &main); }), 400);
}

TEST_F(FormTest, ResizeIsRaisedForRealSizeAndStateChangesOnly) {
    main.Show();
    driver.Pump();
    struct Case {
        const char* name;
        std::function<void()> change;
        int resizes;
    };
    const Case cases[] = {
        {"width from code", [&] { main.SetWidth(9000); }, 1},
        {"same width", [&] { main.SetWidth(9000); }, 0},
        {"user resize", [&] { driver.Resize(main, 9100, 9200); }, 1},
        {"minimize", [&] { driver.SetWindowState(main, WindowState::Minimized); }, 1},
        {"restore", [&] { driver.SetWindowState(main, WindowState::Normal); }, 1},
        {"move only", [&] { main.SetLeft(500); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        c.change();
        EXPECT_EQ(std::count(log.Entries().begin(), log.Entries().end(), "frmMain.Resize"),
                  c.resizes);
    }
}

TEST_F(FormTest, DoEventsRunsWhatWasQueuedOnceAndMayBeCalledFromInsideAnEvent) {
    std::vector<std::string> ran;
    app.Post([&] {
        ran.push_back("first");
        app.DoEvents(); // runs "second", which was queued before this call
        ran.push_back("first done");
    });
    app.Post([&] {
        ran.push_back("second");
        app.Post([&] { ran.push_back("queued by second"); });
    });
    app.DoEvents();
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "first done"}));
    app.DoEvents();
    EXPECT_EQ(ran.back(), "queued by second");
    EXPECT_FALSE(app.HasPendingEvents());
}

TEST_F(FormTest, APaintAskedForWhilePaintRunsWaitsUntilItReturns) {
    int depth = 0;
    int maxDepth = 0;
    int paints = 0;
    main.Paint = [&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (++paints == 1) {
            main.Refresh();
            app.DoEvents();
        }
        --depth;
    };
    main.Show();
    driver.Pump();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(FormTest, EndClosesEveryFormWithoutFurtherEvents) {
    main.Show();
    dialog.Show();
    driver.Pump();
    main.txtName.Change = [&] {
        app.End();
        log.Add("after End");
    };
    main.Refresh();
    log.Clear();
    main.txtName.SetText("end now");
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(driver.ProgramEndedSeen());
    EXPECT_TRUE(app.LoadedForms().empty());
    driver.Pump();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"after End"}))
        << "no Unload, LostFocus or queued Paint after End";
    EXPECT_FALSE(main.IsLoaded()) << "touching after End loads nothing";
    (void)main.Caption();
    EXPECT_FALSE(main.IsLoaded());
}

TEST_F(FormTest, EndInsideAModalLoopReturnsFromIt) {
    main.Show();
    driver.WhenModal(dialog, [&] { app.End(); });
    dialog.Show(ShowMode::Modal, &main);
    EXPECT_TRUE(app.Ended());
    EXPECT_EQ(app.ModalForm(), nullptr);
}

} // namespace
