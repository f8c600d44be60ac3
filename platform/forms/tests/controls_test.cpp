// Controls: programmatic changes raise the events the runtime raises, typing goes through key
// press filtering and the maximum length, range errors, colours, menus, timers.
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/frame.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/controls/scroll_bar.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/controls/timer.h"
#include "platform/forms/keys.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/forms/user_actions.h"
#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace forms;

using forms::testing::Driver;
using forms::testing::EventLog;

struct InputForm : Form {
    InputForm(Application& app, EventLog& log) : Form(app, "frmInput") {
        txtName.KeyDown = [&log](int& code, int) { log.Add("KeyDown " + std::to_string(code)); };
        txtName.KeyPress = [&log](int& key) {
            log.Add("KeyPress " + std::string(1, static_cast<char>(key)));
        };
        txtName.KeyUp = [&log](int&, int) { log.Add("KeyUp"); };
        txtName.Change = log.Record("txtName.Change");
        chkRoth.Click = log.Record("chkRoth.Click");
        optYes.Click = log.Record("optYes.Click");
        optNo.Click = log.Record("optNo.Click");
        lstGraph.Click = log.Record("lstGraph.Click");
        cmboPlanType.Click = log.Record("cmboPlanType.Click");
        cmboPlanType.Change = log.Record("cmboPlanType.Change");
        hScrollGraph.Change = log.Record("hScrollGraph.Change");
        for (const char* item : {"Planholder", "Spouse Beneficiary", "All Years"}) {
            lstGraph.AddItem(item);
        }
        for (const char* item : {"IRA", "401(k)", "SEP-IRA"}) {
            cmboPlanType.AddItem(item);
        }
        hScrollGraph.SetMin(1);
        hScrollGraph.SetMax(99);
        hScrollGraph.SetValue(50);
    }
    TextBox txtName{*this, "txtName"};
    CheckBox chkRoth{*this, "chkRoth"};
    OptionButton optYes{*this, "optYes"};
    OptionButton optNo{*this, "optNo"};
    ListBox lstGraph{*this, "lstGraph"};
    ComboBox cmboPlanType{*this, "cmboPlanType"};
    HScrollBar hScrollGraph{*this, "hScrollGraph"};
};

class ControlsTest : public ::testing::Test {
protected:
    Application app;
    Driver driver{app};
    EventLog log;
    InputForm& form = app.Create<InputForm>(log);

    void SetUp() override {
        form.Show();
        driver.Pump();
        log.Clear();
    }
};

TEST_F(ControlsTest, ProgrammaticChangesRaiseTheEventsAUserChangeRaises) {
    struct Case {
        const char* name;
        std::function<void(InputForm&)> change;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"check box checked",
         [](InputForm& f) { f.chkRoth.SetValue(vbChecked); },
         {"chkRoth.Click"}},
        {"check box same value", [](InputForm& f) { f.chkRoth.SetValue(vbChecked); }, {}},
        {"check box greyed", [](InputForm& f) { f.chkRoth.SetValue(vbGrayed); }, {"chkRoth.Click"}},
        {"option chosen", [](InputForm& f) { f.optYes.SetValue(true); }, {"optYes.Click"}},
        {"other option chosen", [](InputForm& f) { f.optNo.SetValue(true); }, {"optNo.Click"}},
        {"option cleared", [](InputForm& f) { f.optNo.SetValue(false); }, {}},
        {"list index", [](InputForm& f) { f.lstGraph.SetListIndex(2); }, {"lstGraph.Click"}},
        {"list index unchanged", [](InputForm& f) { f.lstGraph.SetListIndex(2); }, {}},
        {"combo list index",
         [](InputForm& f) { f.cmboPlanType.SetListIndex(1); },
         {"cmboPlanType.Change", "cmboPlanType.Click"}},
        {"combo text",
         [](InputForm& f) { f.cmboPlanType.SetText("Other"); },
         {"cmboPlanType.Change"}},
        {"scroll value",
         [](InputForm& f) { f.hScrollGraph.SetValue(99); },
         {"hScrollGraph.Change"}},
        {"scroll same value", [](InputForm& f) { f.hScrollGraph.SetValue(99); }, {}},
        {"text", [](InputForm& f) { f.txtName.SetText("Ann"); }, {"txtName.Change"}},
        {"same text", [](InputForm& f) { f.txtName.SetText("Ann"); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        c.change(form);
        EXPECT_EQ(log.Entries(), c.expected);
    }
    EXPECT_FALSE(form.optYes.Value()) << "choosing optNo cleared optYes";
    EXPECT_EQ(form.cmboPlanType.ListIndex(), -1) << "a text no item has selects none";
}

TEST_F(ControlsTest, TypingRaisesKeyDownKeyPressChangeKeyUpPerCharacter) {
    driver.Type(form.txtName, "a");
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"KeyDown 65", "KeyPress a", "txtName.Change", "KeyUp"}));
    EXPECT_EQ(form.txtName.Text(), "a");
    EXPECT_EQ(form.txtName.SelStart(), 1);
}

TEST_F(ControlsTest, KeyPressHandlersFilterAndChangeKeys) {
    // Digits only, and letters typed in upper case: as the program's field filters do.
    form.txtName.KeyPress = [](int& key) {
        if (key >= 'a' && key <= 'z') {
            key -= 32;
        } else if (key == '.') {
            key = 0;
        }
    };
    form.txtName.SetMaxLength(4);
    struct Case {
        const char* typed;
        const char* text;
        int beeps;
    };
    const Case cases[] = {
        {"ab.c", "ABC", 0},
        {"defg", "ABCD", 3}, // the maximum length stops the rest, with a beep each
        {"\b\bx", "ABX", 0}, // backspace always works
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const int before = driver.Beeps();
        for (const char* k = c.typed; *k != '\0'; ++k) {
            if (app.ActiveControl() != &form.txtName) {
                driver.Focus(form.txtName);
                form.txtName.SetSelStart(static_cast<int>(form.txtName.Text().size()));
            }
            driver.PressKey(static_cast<unsigned char>(*k));
        }
        EXPECT_EQ(form.txtName.Text(), c.text);
        EXPECT_EQ(driver.Beeps() - before, c.beeps);
    }
}

TEST_F(ControlsTest, TypingReplacesTheSelectionAndCodeMayExceedMaxLength) {
    form.txtName.SetMaxLength(5);
    form.txtName.SetText("longer than five");
    EXPECT_EQ(form.txtName.Text(), "longer than five");
    form.txtName.SetText("12345");
    driver.Focus(form.txtName);
    form.txtName.SetSelStart(1);
    form.txtName.SetSelLength(3);
    EXPECT_EQ(form.txtName.SelText(), "234");
    driver.PressKey('x');
    EXPECT_EQ(form.txtName.Text(), "1x5");
    driver.SetText(form.txtName, "pasted"); // the user's paste is held to MaxLength, as typing
    EXPECT_EQ(form.txtName.Text(), "paste");
}

TEST_F(ControlsTest, UserClicksMoveTheFocusBeforeTheClick) {
    form.chkRoth.GotFocus = log.Record("chkRoth.GotFocus");
    form.txtName.LostFocus = log.Record("txtName.LostFocus");
    driver.Click(form.chkRoth);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"txtName.LostFocus", "chkRoth.GotFocus", "chkRoth.Click"}));
    EXPECT_EQ(form.chkRoth.Value(), vbChecked);
    driver.PressKey(' ');
    EXPECT_EQ(form.chkRoth.Value(), vbUnchecked);
}

TEST_F(ControlsTest, ValuesOutOfRangeRaiseError380) {
    struct Case {
        const char* name;
        std::function<void(InputForm&)> change;
    };
    const Case cases[] = {
        {"scroll above Max", [](InputForm& f) { f.hScrollGraph.SetValue(100); }},
        {"scroll below Min", [](InputForm& f) { f.hScrollGraph.SetValue(0); }},
        {"list index past the end", [](InputForm& f) { f.lstGraph.SetListIndex(3); }},
        {"check box value 3", [](InputForm& f) { f.chkRoth.SetValue(3); }},
        {"drop-down list text",
         [](InputForm& f) {
             ComboBox list(f, "cmboState", vbComboDropdownList);
             list.AddItem("AL");
             list.SetText("ZZ");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testkit::ErrorNumberOf([&] { c.change(form); }), 380);
    }
}

TEST_F(ControlsTest, ListsKeepTheSelectedItemWhenItemsAreInsertedOrRemoved) {
    form.cmboPlanType.SetListIndex(1); // 401(k)
    form.cmboPlanType.AddItem("Rollover IRA", 0);
    EXPECT_EQ(form.cmboPlanType.ListIndex(), 2);
    EXPECT_EQ(form.cmboPlanType.Text(), "401(k)");
    form.lstGraph.SetListIndex(2);
    form.lstGraph.RemoveItem(1);
    EXPECT_EQ(form.lstGraph.Text(), "All Years");
    form.lstGraph.RemoveItem(1);
    EXPECT_EQ(form.lstGraph.ListIndex(), -1);
    EXPECT_THROW(form.lstGraph.AddItem("x", 5), runtime::RuntimeError);
    EXPECT_EQ(testkit::ErrorNumberOf([&] { (void)form.lstGraph.List(5); }), 381);
}

TEST_F(ControlsTest, TypingIntoCombosEditsTheTextOrSelectsByFirstLetter) {
    driver.Type(form.cmboPlanType, "SEP");
    EXPECT_EQ(form.cmboPlanType.Text(), "SEP");
    EXPECT_EQ(form.cmboPlanType.ListIndex(), -1);
    ComboBox list(form, "cmboList", vbComboDropdownList);
    for (const char* item : {"Alpha", "beta", "Bravo"}) {
        list.AddItem(item);
    }
    driver.Type(list, "bb");
    EXPECT_EQ(list.Text(), "Bravo");
}

TEST_F(ControlsTest, ArrowsHomeAndEndMoveTheSelectionOfListsAndComboLists) {
    ComboBox list(form, "cmboList", vbComboDropdownList);
    for (const char* item : {"AL", "AK", "AZ", "AR"}) {
        list.AddItem(item);
    }
    list.Click = log.Record("cmboList.Click");
    // Each row: the control, its selection before (-1: none), the key, the selection after.
    // The edit line's combo keeps Left, Right, Home and End for its line.
    struct Case {
        ListControl& control;
        int before;
        int key;
        int after;
    };
    const Case cases[] = {
        {form.lstGraph, -1, vbKeyDown, 0},
        {form.lstGraph, -1, vbKeyUp, 0},
        {form.lstGraph, 0, vbKeyDown, 1},
        {form.lstGraph, 1, vbKeyRight, 2},
        {form.lstGraph, 2, vbKeyDown, 2},
        {form.lstGraph, 2, vbKeyUp, 1},
        {form.lstGraph, 1, vbKeyLeft, 0},
        {form.lstGraph, 0, vbKeyUp, 0},
        {form.lstGraph, 0, vbKeyEnd, 2},
        {form.lstGraph, 2, vbKeyHome, 0},
        {form.lstGraph, 1, vbKeyDelete, 1},
        {list, 0, vbKeyDown, 1},
        {list, 1, vbKeyEnd, 3},
        {list, 3, vbKeyRight, 3},
        {list, 3, vbKeyHome, 0},
        {list, -1, vbKeyDown, 0},
        {form.cmboPlanType, -1, vbKeyDown, 0},
        {form.cmboPlanType, 0, vbKeyDown, 1},
        {form.cmboPlanType, 1, vbKeyUp, 0},
        {form.cmboPlanType, 0, vbKeyEnd, 0},
        {form.cmboPlanType, 0, vbKeyRight, 0},
        {form.cmboPlanType, 1, vbKeyHome, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control.Name() + " at " + std::to_string(c.before) + ", key " +
                     std::to_string(c.key));
        c.control.SetListIndex(c.before);
        driver.Focus(c.control);
        log.Clear();
        driver.PressKeyCode(c.key);
        EXPECT_EQ(c.control.ListIndex(), c.after);
        // A move raises Click, as a user's choice with the mouse does; no move raises nothing.
        const auto clicks =
            std::count(log.Entries().begin(), log.Entries().end(), c.control.Name() + ".Click");
        EXPECT_EQ(clicks, c.after != c.before ? 1 : 0);
    }
    EXPECT_EQ(form.cmboPlanType.Text(), "401(k)") << "the edit line shows the item chosen";
}

TEST_F(ControlsTest, SystemColoursStaySymbolicWhenCopied) {
    form.txtName.SetBackColor(Color::kGrayText);
    form.chkRoth.SetBackColor(form.txtName.BackColor());
    EXPECT_EQ(form.chkRoth.BackColor().Value(), 0x80000011u);
    EXPECT_TRUE(form.chkRoth.BackColor().IsSystem());
    EXPECT_EQ(ResolveColor(Color::kGrayText), 0x808080u);
    EXPECT_EQ(ResolveColor(Color::kWindowBackground), 0xFFFFFFu);
    EXPECT_EQ(ResolveColor(Color::Rgb(1, 2, 3)), 0x030201u);
}

TEST_F(ControlsTest, MenusRaiseTheOpeningClickBeforeTheChosenItem) {
    Menu mnuFile(form, "mnuFile");
    Menu mnuFileSave(form, "mnuFileSave", &mnuFile);
    Menu mnuSeparator(form, "mnuNul0", &mnuFile);
    mnuSeparator.SetCaption("-");
    mnuFile.Click = [&] {
        log.Add("mnuFile.Click");
        mnuFileSave.SetEnabled(true);
    };
    mnuFileSave.Click = log.Record("mnuFileSave.Click");
    mnuFileSave.SetEnabled(false); // the opening handler enables it
    driver.ChooseMenuItem(mnuFileSave);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"mnuFile.Click", "mnuFileSave.Click"}));
    EXPECT_THROW(driver.ChooseMenuItem(mnuSeparator), UnreachableError);
    mnuFile.SetVisible(false);
    EXPECT_THROW(driver.OpenMenu(mnuFile), UnreachableError);
}

TEST_F(ControlsTest, TimersTickOnlyWhileEnabledWithAnInterval) {
    Timer timer1(form, "Timer1");
    timer1.Tick = log.Record("Timer1.Tick");
    struct Case {
        bool enabled;
        int interval;
        std::size_t ticks;
    };
    const Case cases[] = {{true, 100, 1}, {false, 100, 0}, {true, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.enabled);
        log.Clear();
        timer1.SetEnabled(c.enabled);
        timer1.SetInterval(c.interval);
        driver.Tick(timer1);
        EXPECT_EQ(log.Entries().size(), c.ticks);
    }
}

TEST_F(ControlsTest, DisabledControlsAndControlsInDisabledContainersAreUnreachable) {
    Frame frame(form, "Frame1");
    TextBox inside(form, "txtInside");
    inside.SetContainer(frame);
    frame.SetEnabled(false);
    EXPECT_THROW(driver.Type(inside, "x"), UnreachableError);
    frame.SetEnabled(true);
    frame.SetVisible(false);
    EXPECT_FALSE(inside.IsShowing());
    EXPECT_THROW(driver.Click(inside), UnreachableError);
}

} // namespace
