// Focus order: lost focus on the old control, then got focus on the new one, also when a focus
// handler moves the focus again; tab order; activation across forms.
#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::EventLog;

struct FieldsForm : Form {
    FieldsForm(Application& app, EventLog& log, std::string name = "frmFields")
        : Form(app, std::move(name)) {
        for (TextBox* box : {&txtA, &txtB, &txtC}) {
            box->GotFocus = log.Record(box->Name() + ".GotFocus");
            box->LostFocus = log.Record(box->Name() + ".LostFocus");
        }
        Activate = log.Record(Name() + ".Activate");
        Deactivate = log.Record(Name() + ".Deactivate");
    }
    TextBox txtA{*this, "txtA"};
    TextBox txtB{*this, "txtB"};
    TextBox txtC{*this, "txtC"};
};

class FocusTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    EventLog log;
    FieldsForm& form = app.Create<FieldsForm>(log);

    void SetUp() override {
        form.Show();
        driver.Pump();
        log.Clear();
    }
};

TEST_F(FocusTest, FirstShowFocusesTheFirstControlInTabOrder) {
    EXPECT_EQ(app.ActiveControl(), &form.txtA);
}

TEST_F(FocusTest, MovingTheFocusRaisesLostFocusThenGotFocus) {
    driver.Focus(form.txtC);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtA.LostFocus", "txtC.GotFocus"}));
    EXPECT_EQ(form.ActiveControl(), &form.txtC);
}

TEST_F(FocusTest, HandlersThatMoveTheFocusAgainKeepThePairsInOrder) {
    // Each row: the handler that moves the focus, where the user moves it, the events.
    struct Case {
        const char* name;
        std::function<void(FieldsForm&)> attach;
        std::vector<std::string> expected;
        TextBox FieldsForm::*finalFocus;
    };
    const Case cases[] = {
        {"lost focus sets the focus back (validation)",
         [this](FieldsForm& f) {
             f.txtA.LostFocus = [this, &f] {
                 log.Add("txtA.LostFocus");
                 f.txtA.SetFocus();
             };
         },
         {"txtA.LostFocus", "txtB.GotFocus", "txtB.LostFocus", "txtA.GotFocus"},
         &FieldsForm::txtA},
        {"got focus passes the focus on",
         [this](FieldsForm& f) {
             f.txtB.GotFocus = [this, &f] {
                 log.Add("txtB.GotFocus");
                 f.txtC.SetFocus();
             };
         },
         {"txtA.LostFocus", "txtB.GotFocus", "txtB.LostFocus", "txtC.GotFocus"},
         &FieldsForm::txtC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Application caseApp;
        Driver caseDriver(caseApp);
        EventLog& caseLog = log;
        FieldsForm& f = caseApp.Create<FieldsForm>(caseLog);
        c.attach(f);
        f.Show();
        caseLog.Clear();
        caseDriver.Focus(f.txtB);
        EXPECT_EQ(caseLog.Entries(), c.expected);
        EXPECT_EQ(caseApp.ActiveControl(), &(f.*c.finalFocus));
    }
}

TEST_F(FocusTest, AButtonThatLosesTheFocusWhilePressedLosesTheClick) {
    // The field refuses to be left: its LostFocus sends the focus back, so clicking OK must not
    // save it.
    CommandButton cmdOK(form, "cmdOK");
    cmdOK.GotFocus = log.Record("cmdOK.GotFocus");
    cmdOK.LostFocus = log.Record("cmdOK.LostFocus");
    cmdOK.Click = log.Record("cmdOK.Click");
    form.txtA.LostFocus = [this] {
        log.Add("txtA.LostFocus");
        form.txtA.SetFocus();
    };
    driver.Click(cmdOK);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtA.LostFocus", "cmdOK.GotFocus",
                                                       "cmdOK.LostFocus", "txtA.GotFocus"}));
    EXPECT_EQ(app.ActiveControl(), &form.txtA);
    log.Clear();
    form.txtA.LostFocus = log.Record("txtA.LostFocus");
    driver.Click(cmdOK);
    EXPECT_EQ(log.Entries().back(), "cmdOK.Click") << "a field that lets go lets the click through";
}

TEST_F(FocusTest, TabVisitsUsableTabStopsInTabIndexOrderAndWraps) {
    form.txtA.SetTabIndex(2);
    form.txtB.SetTabIndex(0);
    form.txtC.SetTabIndex(1);
    driver.Focus(form.txtB);
    std::vector<TextBox*> visited;
    for (int i = 0; i < 3; ++i) {
        driver.PressTab();
        visited.push_back(dynamic_cast<TextBox*>(app.ActiveControl()));
    }
    EXPECT_EQ(visited, (std::vector<TextBox*>{&form.txtC, &form.txtA, &form.txtB}));
}

TEST_F(FocusTest, TabSkipsControlsThatCannotTakeTheFocus) {
    struct Case {
        const char* name;
        std::function<void(TextBox&)> change;
    };
    const Case cases[] = {
        {"hidden", [](TextBox& b) { b.SetVisible(false); }},
        {"disabled", [](TextBox& b) { b.SetEnabled(false); }},
        {"no tab stop", [](TextBox& b) { b.SetTabStop(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.txtB.SetVisible(true);
        form.txtB.SetEnabled(true);
        form.txtB.SetTabStop(true);
        driver.Focus(form.txtA);
        c.change(form.txtB);
        driver.PressTab();
        EXPECT_EQ(app.ActiveControl(), &form.txtC);
    }
}

TEST_F(FocusTest, SendKeysWithTwoTabsMovesTheFocusTwice) {
    app.SendKeys("{Tab}{Tab}");
    EXPECT_EQ(app.ActiveControl(), &form.txtA) << "keys wait until events are let run";
    driver.Pump();
    EXPECT_EQ(app.ActiveControl(), &form.txtC);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtA.LostFocus", "txtB.GotFocus",
                                                       "txtB.LostFocus", "txtC.GotFocus"}));
}

TEST_F(FocusTest, SetFocusOnAControlThatCannotTakeItRaisesError5) {
    Label label(form, "lblName");
    form.txtB.SetVisible(false);
    for (Control* control : std::initializer_list<Control*>{&form.txtB, &label}) {
        SCOPED_TRACE(control->Name());
        EXPECT_EQ(testkit::ErrorNumberOf([&] { control->SetFocus(); }), 5);
    }
}

TEST_F(FocusTest, ActivatingAnotherFormMovesTheFocusWithTheFormEvents) {
    FieldsForm& other = app.Create<FieldsForm>(log, "frmOther");
    other.Show();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtA.LostFocus", "frmFields.Deactivate",
                                                       "frmOther.Activate", "txtA.GotFocus"}));
    EXPECT_EQ(app.ActiveControl(), &other.txtA);
    EXPECT_EQ(app.ActiveForm(), &other);
    log.Clear();
    driver.Focus(form.txtC);
    EXPECT_EQ(app.ActiveForm(), &form);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtA.LostFocus", "frmOther.Deactivate",
                                                       "frmFields.Activate", "txtC.GotFocus"}));
}

TEST_F(FocusTest, OnlyTheChosenOptionButtonOfAGroupIsATabStop) {
    Application optionApp;
    Driver optionDriver(optionApp);
    struct OptionsForm : Form {
        explicit OptionsForm(Application& a) : Form(a, "frmOptions") {
            optChoice.Add(0);
            optChoice.Add(1);
            optChoice.Add(2);
            txtAfter.SetTabIndex(10);
        }
        TextBox txtBefore{*this, "txtBefore"};
        ControlArray<OptionButton> optChoice{*this, "optChoice"};
        TextBox txtAfter{*this, "txtAfter"};
    };
    auto& f = optionApp.Create<OptionsForm>();
    f.optChoice(1).SetValue(true);
    f.Show();
    optionDriver.PressTab();
    EXPECT_EQ(optionApp.ActiveControl(), &f.optChoice(1));
    optionDriver.PressTab();
    EXPECT_EQ(optionApp.ActiveControl(), &f.txtAfter);
}

} // namespace
