// The main window's tab control: captions, per-tab flags, the current tab and its event, pages.
#include "platform/forms/controls/tab_control.h"

#include "platform/forms/controls/text_box.h"
#include "platform/forms/keys.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

struct TabbedForm : Form {
    explicit TabbedForm(Application& app) : Form(app, "frmMain") {
        const char* captions[] = {"&Planholder", "&Beneficiary", "S&EPP",
                                  "Stretch",     "&Report",      "&Graph"};
        for (int tab = 0; tab < 6; ++tab) {
            TabOne1.SetTabCaption(tab, captions[tab]);
        }
        txtFirst.SetContainer(TabOne1, 0);
        txtBene.SetContainer(TabOne1, 1);
    }
    TabControl TabOne1{*this, "TabOne1", 6};
    TextBox txtFirst{*this, "txtFirst"};
    TextBox txtBene{*this, "txtBene"};
};

class TabControlTest : public ::testing::Test {
protected:
    Application app;
    forms::testing::Driver driver{app};
    TabbedForm& form = app.Create<TabbedForm>();
    std::vector<int> changes;

    void SetUp() override {
        form.TabOne1.TabChange = [this] { changes.push_back(form.TabOne1.CurrentTab()); };
        form.Show();
    }
};

TEST_F(TabControlTest, CaptionsReadBackWithTheirAccessKeys) {
    EXPECT_EQ(form.TabOne1.TabCount(), 6);
    EXPECT_EQ(form.TabOne1.TabCaption(4), "&Report");
    EXPECT_EQ(form.TabOne1.TabCaption(5), "&Graph");
    EXPECT_THROW((void)form.TabOne1.TabCaption(6), runtime::RuntimeError);
}

TEST_F(TabControlTest, WritingTheCurrentTabRaisesTabChangeAndShowsItsPage) {
    EXPECT_TRUE(form.txtFirst.IsShowing());
    EXPECT_FALSE(form.txtBene.IsShowing());
    form.TabOne1.SetCurrentTab(1);
    EXPECT_EQ(changes, (std::vector<int>{1}));
    EXPECT_TRUE(form.txtBene.IsShowing());
    EXPECT_FALSE(form.txtFirst.IsShowing());
    form.txtBene.SetFocus(); // the page is forward, so its field takes the focus at once
    EXPECT_EQ(app.ActiveControl(), &form.txtBene);
    form.TabOne1.SetCurrentTab(1);
    EXPECT_EQ(changes.size(), 1u) << "the same tab again changes nothing";
}

TEST_F(TabControlTest, UsersCannotChooseHiddenOrDisabledTabs) {
    form.TabOne1.SetTabVisible(2, false);
    form.TabOne1.SetTabEnabled(3, false);
    EXPECT_THROW(driver.ChooseTab(form.TabOne1, 2), UnreachableError);
    EXPECT_THROW(driver.ChooseTab(form.TabOne1, 3), UnreachableError);
    driver.ChooseTab(form.TabOne1, 4);
    EXPECT_EQ(changes, (std::vector<int>{4}));
    EXPECT_FALSE(form.TabOne1.TabVisible(2));
    EXPECT_FALSE(form.TabOne1.TabEnabled(3));
}

TEST_F(TabControlTest, AHiddenTabHidesItsPageAndRefreshIsCounted) {
    form.TabOne1.SetTabVisible(0, false);
    EXPECT_FALSE(form.txtFirst.IsShowing());
    const int before = form.TabOne1.RefreshCount();
    form.TabOne1.Refresh();
    EXPECT_EQ(form.TabOne1.RefreshCount(), before + 1);
}

TEST_F(TabControlTest, ChoosingATabLetsTheFieldBeingLeftCheckItsInputFirst) {
    forms::testing::EventLog log;
    form.txtFirst.LostFocus = [&] {
        log.Add("txtFirst.LostFocus");
        form.txtFirst.SetText(form.txtFirst.Text() + "%");
    };
    form.TabOne1.TabChange = [&] {
        log.Add("TabChange " + form.txtFirst.Text());
        changes.push_back(form.TabOne1.CurrentTab());
    };
    driver.Type(form.txtFirst, "4.25");
    driver.ChooseTab(form.TabOne1, 4);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"txtFirst.LostFocus", "TabChange 4.25%"}));
    EXPECT_EQ(app.ActiveControl(), &form.TabOne1);

    // A field that refuses to be left keeps the focus and its page.
    driver.ChooseTab(form.TabOne1, 0);
    driver.Focus(form.txtFirst);
    form.txtFirst.LostFocus = [&] { form.txtFirst.SetFocus(); };
    changes.clear();
    driver.ChooseTab(form.TabOne1, 4);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(form.TabOne1.CurrentTab(), 0);
    EXPECT_EQ(app.ActiveControl(), &form.txtFirst);
}

TEST_F(TabControlTest, ArrowsHomeAndEndChooseTheNextChoosableTab) {
    form.TabOne1.SetTabVisible(1, false);
    form.TabOne1.SetTabEnabled(2, false);
    driver.ChooseTab(form.TabOne1, 0);
    changes.clear();
    struct Case {
        int key;
        int current; // afterwards
    };
    const Case cases[] = {
        {vbKeyRight, 3}, {vbKeyDown, 4}, {vbKeyEnd, 5},    {vbKeyRight, 5},
        {vbKeyLeft, 4},  {vbKeyUp, 3},   {vbKeyLeft, 0},   {vbKeyLeft, 0},
        {vbKeyEnd, 5},   {vbKeyHome, 0}, {vbKeyDelete, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        driver.PressKeyCode(c.key);
        EXPECT_EQ(form.TabOne1.CurrentTab(), c.current);
    }
    EXPECT_EQ(changes, (std::vector<int>{3, 4, 5, 4, 3, 0, 5, 0}))
        << "a key that finds no other tab raises nothing";
}

} // namespace
