// The keyboard beyond typing: arrow keys within a group of option buttons, access keys with Alt,
// and Enter and Esc on the default and cancel buttons.
#include "platform/forms/access_key.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/tab_control.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/keys.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::EventLog;

// A chooser like the start-up window: a frame of four type options (the third disabled) and
// a second group of two, a labelled field, a check box, a tab control, Ok and Cancel.
struct ChooserForm : Form {
    ChooserForm(Application& app, EventLog& log, std::string name = "frmChooser")
        : Form(app, std::move(name)) {
        fraType.SetCaption("Illustration &type");
        for (OptionButton* option : {&optRmd, &optRmbd, &optEqual, &optStretch}) {
            option->SetContainer(fraType);
        }
        optRmd.SetCaption("&Planholder");
        optRmbd.SetCaption("&Beneficiary");
        optEqual.SetCaption("S&&EPP"); // "&&" shows "&" and is no access key
        optEqual.SetEnabled(false);
        optStretch.SetCaption("&Stretch");
        optRmd.SetValue(true);
        optYes.SetCaption("&Yes");
        optNo.SetCaption("N&o");
        lblName.SetCaption("&Name");
        chkRoth.SetCaption("&Roth");
        tabs.SetTabCaption(0, "&Input");
        tabs.SetTabCaption(1, "Re&port");
        tabs.SetTabCaption(2, "&Graph");
        tabs.SetTabVisible(2, false);
        cmdOK.SetCaption("O&k");
        cmdCancel.SetCaption("&Cancel");
        cmdHidden.SetCaption("&Hidden");
        cmdHidden.SetVisible(false);
        for (Control* control :
             std::initializer_list<Control*>{&optRmd, &optRmbd, &optEqual, &optStretch, &optYes,
                                             &optNo, &txtName, &chkRoth, &cmdOK, &cmdCancel}) {
            control->GotFocus = log.Record(control->Name() + ".GotFocus");
            control->LostFocus = log.Record(control->Name() + ".LostFocus");
        }
        for (Button* button :
             std::initializer_list<Button*>{&optRmd, &optRmbd, &optEqual, &optStretch, &optYes,
                                            &optNo, &chkRoth, &cmdOK, &cmdCancel}) {
            button->Click = log.Record(button->Name() + ".Click");
        }
        txtName.KeyPress = [&log](int& key) { log.Add("txtName.KeyPress " + std::to_string(key)); };
        tabs.TabChange = log.Record("tabs.TabChange");
    }
    Frame fraType{*this, "fraType"};
    OptionButton optRmd{*this, "optRmd"};
    OptionButton optRmbd{*this, "optRmbd"};
    OptionButton optEqual{*this, "optEqual"};
    OptionButton optStretch{*this, "optStretch"};
    OptionButton optYes{*this, "optYes"};
    OptionButton optNo{*this, "optNo"};
    Label lblName{*this, "lblName"};
    TextBox txtName{*this, "txtName"};
    CheckBox chkRoth{*this, "chkRoth"};
    TabControl tabs{*this, "tabs", 3};
    CommandButton cmdOK{*this, "cmdOK"};
    CommandButton cmdCancel{*this, "cmdCancel"};
    CommandButton cmdHidden{*this, "cmdHidden"};
};

class KeyboardTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    EventLog log;
    ChooserForm& form = app.Create<ChooserForm>(log);

    void SetUp() override {
        form.Show();
        driver.Pump();
        log.Clear();
    }
};

TEST(AccessKey, IsTheCharacterAfterASingleAmpersand) {
    const struct {
        const char* caption;
        char key;
    } cases[] = {
        {"&Ok", 'O'}, {"S&EPP", 'E'}, {"&stretch", 'S'}, {"Year &1", '1'}, {"Save && &Exit", 'E'},
        {"A&&B", 0},  {"&&&x", 'X'},  {"Trailing&", 0},  {"", 0},          {"No key", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(AccessKeyOf(c.caption), c.key);
    }
}

TEST_F(KeyboardTest, ArrowKeysMoveTheChoiceThroughTheGroupInTabOrderAndWrap) {
    // Each row: the option chosen and focused before, the key, the one chosen after. optEqual is
    // disabled and skipped; optYes and optNo are another group and never reached.
    struct Case {
        OptionButton ChooserForm::*from;
        int key;
        OptionButton ChooserForm::*to;
    };
    const Case cases[] = {
        {&ChooserForm::optRmd, vbKeyDown, &ChooserForm::optRmbd},
        {&ChooserForm::optRmbd, vbKeyRight, &ChooserForm::optStretch},
        {&ChooserForm::optStretch, vbKeyDown, &ChooserForm::optRmd},
        {&ChooserForm::optRmd, vbKeyUp, &ChooserForm::optStretch},
        {&ChooserForm::optStretch, vbKeyLeft, &ChooserForm::optRmbd},
        {&ChooserForm::optYes, vbKeyDown, &ChooserForm::optNo},
        {&ChooserForm::optNo, vbKeyDown, &ChooserForm::optYes},
    };
    for (const Case& c : cases) {
        OptionButton& from = form.*c.from;
        OptionButton& to = form.*c.to;
        SCOPED_TRACE(from.Name() + " key " + std::to_string(c.key));
        driver.Click(from);
        log.Clear();
        driver.PressKeyCode(c.key);
        EXPECT_EQ(log.Entries(),
                  (std::vector<std::string>{from.Name() + ".LostFocus", to.Name() + ".GotFocus",
                                            to.Name() + ".Click"}));
        EXPECT_TRUE(to.Value());
        EXPECT_FALSE(from.Value());
        EXPECT_EQ(app.ActiveControl(), &to);
    }
    EXPECT_TRUE(form.optRmbd.Value()) << "the type group keeps its choice while the other moves";
}

TEST_F(KeyboardTest, AnArrowThatCannotLeaveTheOptionChangesNothing) {
    form.optRmbd.SetVisible(false);
    form.optStretch.SetEnabled(false);
    driver.Click(form.optRmd);
    log.Clear();
    driver.PressKeyCode(vbKeyDown);
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_TRUE(form.optRmd.Value());

    // A field that refuses to be left keeps the choice where it was.
    form.optRmbd.SetVisible(true);
    form.optRmd.LostFocus = [this] { form.optRmd.SetFocus(); };
    driver.PressKeyCode(vbKeyDown);
    EXPECT_TRUE(form.optRmd.Value());
    EXPECT_FALSE(form.optRmbd.Value());
    EXPECT_EQ(app.ActiveControl(), &form.optRmd);
}

TEST_F(KeyboardTest, AccessKeysActOnTheControlWhoseCaptionHasThem) {
    struct Case {
        char key;
        bool answered;
        std::vector<std::string> events;
        Control* focused; // afterwards
    };
    const Case cases[] = {
        // A command button is focused and pressed.
        {'K', true, {"optRmd.LostFocus", "cmdOK.GotFocus", "cmdOK.Click"}, &form.cmdOK},
        // An option is focused and chosen, a check box toggled; lower case is the same key.
        {'s',
         true,
         {"cmdOK.LostFocus", "optStretch.GotFocus", "optStretch.Click"},
         &form.optStretch},
        {'R', true, {"optStretch.LostFocus", "chkRoth.GotFocus", "chkRoth.Click"}, &form.chkRoth},
        // A label sends the focus on to the control after it in tab order; so does a frame,
        // whose next control is its chosen option.
        {'N', true, {"chkRoth.LostFocus", "txtName.GotFocus"}, &form.txtName},
        {'T', true, {"txtName.LostFocus", "optStretch.GotFocus"}, &form.optStretch},
        // A tab is chosen, the focus first going to the tab control; the hidden tab's key
        // finds nothing.
        {'P', true, {"optStretch.LostFocus", "tabs.TabChange"}, &form.tabs},
        {'G', false, {}, &form.tabs},
        // Disabled, hidden, "&&" and no control at all: nothing happens.
        {'E', false, {}, &form.tabs},
        {'H', false, {}, &form.tabs},
        {'Z', false, {}, &form.tabs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Alt+") + c.key);
        log.Clear();
        EXPECT_EQ(driver.PressAccessKey(c.key), c.answered);
        EXPECT_EQ(log.Entries(), c.events);
        EXPECT_EQ(app.ActiveControl(), c.focused);
    }
    EXPECT_EQ(form.chkRoth.Value(), vbChecked);
    EXPECT_EQ(form.tabs.CurrentTab(), 1);
}

TEST_F(KeyboardTest, AKeyTwoControlsShareReachesTheNextOneAfterTheFocus) {
    form.optYes.SetCaption("&Roth IRA");
    driver.Focus(form.txtName);
    driver.PressAccessKey('R');
    EXPECT_EQ(app.ActiveControl(), &form.chkRoth) << "chkRoth follows txtName in tab order";
    driver.PressAccessKey('R');
    EXPECT_EQ(app.ActiveControl(), &form.optYes) << "the search wraps round to optYes";
    EXPECT_TRUE(form.optYes.Value());
}

TEST_F(KeyboardTest, OnlyTheActiveFormAnswersItsAccessKeys) {
    EventLog otherLog;
    auto& other = app.Create<ChooserForm>(otherLog, "frmOther");
    other.cmdOK.SetCaption("Ok");
    other.Show();
    driver.Pump();
    log.Clear();
    EXPECT_FALSE(driver.PressAccessKey('K'));
    EXPECT_TRUE(log.Entries().empty()) << "frmChooser is not the active form";
}

TEST_F(KeyboardTest, EnterAndEscPressTheDefaultAndCancelButtons) {
    struct Case {
        const char* name;
        std::function<void(ChooserForm&)> setUp;
        int key;
        std::vector<std::string> events;
    };
    const auto defaults = [](ChooserForm& f) {
        f.cmdOK.SetDefault(true);
        f.cmdCancel.SetCancel(true);
    };
    const Case cases[] = {
        {"Enter in a field presses the default; the field hears nothing",
         defaults,
         '\r',
         {"cmdOK.Click"}},
        {"Esc presses the cancel button", defaults, 27, {"cmdCancel.Click"}},
        {"Enter on another button presses that one",
         [defaults](ChooserForm& f) {
             defaults(f);
             f.cmdCancel.SetFocus();
         },
         '\r',
         {"txtName.LostFocus", "cmdCancel.GotFocus", "cmdCancel.Click"}},
        {"a disabled default lets the field have its Enter",
         [defaults](ChooserForm& f) {
             defaults(f);
             f.cmdOK.SetEnabled(false);
         },
         '\r',
         {"txtName.KeyPress 13"}},
        {"a new default takes over from the old",
         [defaults](ChooserForm& f) {
             defaults(f);
             f.cmdCancel.SetDefault(true);
         },
         '\r',
         {"cmdCancel.Click"}},
        {"with neither named, the field has its keys",
         [](ChooserForm&) {},
         27,
         {"txtName.KeyPress 27"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.cmdOK.SetDefault(false);
        form.cmdOK.SetEnabled(true);
        form.cmdCancel.SetDefault(false);
        form.cmdCancel.SetCancel(false);
        driver.Focus(form.txtName);
        log.Clear();
        c.setUp(form);
        driver.PressKey(c.key);
        EXPECT_EQ(log.Entries(), c.events);
    }
    EXPECT_FALSE(form.cmdOK.Default()) << "one default button a form";
}

TEST_F(KeyboardTest, SendKeysEnterPressesTheDefaultButtonToo) {
    form.cmdOK.SetDefault(true);
    driver.Focus(form.txtName);
    log.Clear();
    app.SendKeys("{ENTER}");
    driver.Pump();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"cmdOK.Click"}));
}

} // namespace
