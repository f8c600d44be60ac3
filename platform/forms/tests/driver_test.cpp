// The driver itself: it acts only where a user could, runs scripted input in the right modal
// loop, and turns loops that would wait for ever into failures.
#include "platform/forms/testing/driver.h"

#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/text_box.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::DriverError;

struct DialogForm : Form {
    DialogForm(Application& app, std::string name) : Form(app, std::move(name)) {
        cmdOK.Click = [this] { Hide(); };
    }
    TextBox txtName{*this, "txtName"};
    CommandButton cmdOK{*this, "cmdOK"};
};

class DriverTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    DialogForm& main = app.Create<DialogForm>("frmMain");
    DialogForm& dialog = app.Create<DialogForm>("frmDialog");
};

TEST_F(DriverTest, ActionsMeantForAnotherModalFormWaitTheirTurn) {
    std::vector<std::string> order;
    main.Show();
    auto& other = app.Create<DialogForm>("frmOther");
    driver.WhenModal(other, [&] {
        order.push_back("other");
        driver.Click(other.cmdOK);
    });
    driver.WhenModal(dialog, [&] {
        order.push_back("dialog");
        driver.Click(dialog.cmdOK);
    });
    // The first action waits for frmOther, so the dialog's loop finds nothing it may run.
    EXPECT_THROW(dialog.Show(ShowMode::Modal, &main), DriverError);
    dialog.Hide();
    other.Show(ShowMode::Modal, &main);
    dialog.Show(ShowMode::Modal, &main);
    EXPECT_EQ(order, (std::vector<std::string>{"other", "dialog"}));
}

TEST_F(DriverTest, ABusyDoEventsLoopThatNothingEndsFails) {
    main.Show();
    driver.Pump();
    EXPECT_THROW(
        {
            while (main.Visible()) {
                app.DoEvents();
            }
        },
        DriverError);
}

TEST_F(DriverTest, ADoEventsLoopRunsQueuedInputUntilItsConditionHolds) {
    main.Show();
    dialog.Show();
    driver.Queue([&] { driver.Click(dialog.cmdOK); });
    while (dialog.Visible()) {
        app.DoEvents();
    }
    EXPECT_FALSE(dialog.IsShowing());
}

TEST_F(DriverTest, UsersCannotReachHiddenFormsOrControls) {
    EXPECT_THROW(driver.Click(main.cmdOK), UnreachableError) << "not shown yet";
    main.Show();
    main.cmdOK.SetEnabled(false);
    EXPECT_THROW(driver.Click(main.cmdOK), UnreachableError);
    main.txtName.SetVisible(false);
    EXPECT_THROW(driver.Type(main.txtName, "x"), UnreachableError);
}

TEST_F(DriverTest, ScriptedActionsLeftOverFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            Application other;
            Driver leftover(other);
            leftover.Queue([] {});
        },
        "never ran");
}

} // namespace
