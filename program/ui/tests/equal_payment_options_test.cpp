#include "program/ui/main_window/src/equal_payment_options.h"

#include "program/ui/tests/input_window.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

using illustration::IllustrationType;

const Fields kEqualInputs = {{"8-EqualFirst", "John"},         {"8-EqualLast", "Sample"},
                             {"7-EqualDOB", "01/01/1950"},     {"8-EqualPlanName", "IRA Plan"},
                             {"7-EqualDate", "06/01/2011"},    {"6-EqualAcctValue1", "$100,000"},
                             {"6-EqualAcctValue2", "100000"},  {"1-EqualROR", "4.00%"},
                             {"7-EqualSpouseDOB1", "1/1/1952"}};

// The S&EPP window with valid inputs; its payment choices start from their design state.
struct PaymentWindow : InputWindow {
    explicit PaymentWindow(const Fields& changes = {})
        : InputWindow(IllustrationType::EqualPayments) {
        Enter(kEqualInputs);
        Enter(changes);
    }

    void ExpectChoices(const std::array<bool, 7>& enabled) {
        for (int choice = 0; choice < 7; ++choice) {
            SCOPED_TRACE(choice);
            EXPECT_EQ(main.optEqualPmt(choice).Enabled(), enabled[choice]);
            EXPECT_EQ(main.lblEqualPmt(choice).Enabled(), enabled[choice]);
            if (!enabled[choice]) {
                EXPECT_EQ(main.lblEqualPmt(choice).Caption(), "0.00");
            }
        }
    }
};

constexpr std::array<bool, 7> kAll = {true, true, true, true, true, true, true};
constexpr std::array<bool, 7> kNone = {};

TEST(EqualPaymentOptions, EnabledChoicesShowTheCalculatedAmounts) {
    PaymentWindow window;
    RefreshEqualPaymentOptions(window.main);
    window.ExpectChoices(kAll);
    for (int choice = 0; choice < 7; ++choice) {
        SCOPED_TRACE(choice);
        const std::string amount = window.main.GetField("R-Payment" + std::to_string(choice + 1));
        EXPECT_EQ(window.main.lblEqualPmt(choice).Caption(), amount);
        EXPECT_TRUE(amount.starts_with("$")) << amount;
    }
    EXPECT_EQ(window.Boxes(), 0u);
}

TEST(EqualPaymentOptions, NoAmountsWhileTheTabIsNotShown) {
    PaymentWindow window;
    window.driver.ChooseTab(window.main.TabOne1, 4);
    ASSERT_EQ(window.output.reports, 1);
    // The field left on the way to the tab and the report step calculated the payments; they
    // are put back to see whether the refresh calculates them again.
    window.main.SetField("R-Payment1", "R-Payment1");
    window.main.lblEqualPmt(0).SetCaption("0.00");
    RefreshEqualPaymentOptions(window.main);
    window.ExpectChoices(kAll);
    EXPECT_EQ(window.main.lblEqualPmt(0).Caption(), "0.00");
    EXPECT_EQ(window.main.GetField("R-Payment1"), "R-Payment1");
}

TEST(EqualPaymentOptions, MissingInputsCloseTheChoices) {
    struct Case {
        std::string tag;
        std::string text;
    };
    const Case cases[] = {
        {"8-EqualFirst", ""},
        {"6-EqualAcctValue1", "$0"},
        {"6-EqualAcctValue2", ""},
        {"1-EqualROR", "0.00%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        PaymentWindow window(Fields{{c.tag, c.text}});
        RefreshEqualPaymentOptions(window.main);
        window.ExpectChoices(kNone);
    }
}

TEST(EqualPaymentOptions, AOnceOnlyRmdChangeKeepsOnlyTheRmdMethod) {
    PaymentWindow window;
    window.driver.ChooseTab(window.main.TabOne1, 4);
    window.main.chkRMDOnce.SetValue(forms::vbChecked);
    RefreshEqualPaymentOptions(window.main);
    EXPECT_EQ(window.main.GetField("6-EqualAcctValue2"), "0");
    EXPECT_EQ(window.main.GetField("1-EqualROR"), "0");
    for (const int index : {29, 31}) {
        EXPECT_FALSE(window.main.txtInput(index).Enabled());
        EXPECT_FALSE(window.main.lblInput(index).Enabled());
    }
    EXPECT_FALSE(window.main.cmdIRS.Enabled());
    window.ExpectChoices({true, true, true, false, false, false, false});

    window.main.chkRMDOnce.SetValue(forms::vbUnchecked);
    window.Enter({{"6-EqualAcctValue2", "100000"}, {"1-EqualROR", "4.00"}});
    RefreshEqualPaymentOptions(window.main);
    EXPECT_TRUE(window.main.txtInput(29).Enabled());
    EXPECT_TRUE(window.main.cmdIRS.Enabled());
    window.ExpectChoices(kAll);
}

TEST(EqualPaymentOptions, WithoutABeneficiaryTheJointChoicesMoveToSingleLife) {
    const std::pair<int, int> moves[] = {{2, 0}, {5, 3}, {1, 1}};
    for (const auto& [chosen, after] : moves) {
        SCOPED_TRACE(chosen);
        PaymentWindow window(Fields{{"7-EqualSpouseDOB1", ""}});
        window.driver.ChooseTab(window.main.TabOne1, 4);
        window.main.optEqualPmt(chosen).SetValue(true);
        RefreshEqualPaymentOptions(window.main);
        EXPECT_TRUE(window.main.optEqualPmt(after).Value());
        window.ExpectChoices({true, true, false, true, true, false, true});
    }
}

// The report marks the selected choice as the client's: a choice that a rule closes, and that
// shows "0.00", must not stay selected.
TEST(EqualPaymentOptions, AChoiceThatARuleClosesIsCleared) {
    struct Case {
        const char* why;
        int chosen;
        bool rmdOnly;
        Fields changes;
        int selected; // -1: none
    };
    const Case cases[] = {
        {"fixed single life, then RMD only", 3, true, {}, -1},
        {"annuitization, then RMD only", 6, true, {}, -1},
        {"RMD uniform lifetime, then RMD only", 1, true, {}, 1},
        {"no first name", 4, false, {{"8-EqualFirst", ""}}, -1},
        {"fixed joint without a beneficiary", 5, false, {{"7-EqualSpouseDOB1", ""}}, 3},
        {"fixed joint without a beneficiary, RMD only", 5, true, {{"7-EqualSpouseDOB1", ""}}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        PaymentWindow window(c.changes);
        window.main.optEqualPmt(c.chosen).SetValue(true);
        window.main.chkRMDOnce.SetValue(c.rmdOnly ? forms::vbChecked : forms::vbUnchecked);
        RefreshEqualPaymentOptions(window.main);
        for (int choice = 0; choice < 7; ++choice) {
            SCOPED_TRACE(choice);
            EXPECT_EQ(window.main.optEqualPmt(choice).Value(), choice == c.selected);
        }
    }
}

TEST(EqualPaymentOptions, AClickOnThePaymentFrameRefreshesTheChoices) {
    // The window showed with the focus in the empty first name, which closed the choices; the
    // inputs came after.
    PaymentWindow window;
    window.ExpectChoices(kNone);
    window.driver.Click(window.main.Frame1(14));
    window.ExpectChoices(kNone); // only the frame around the choices refreshes them
    window.driver.Click(window.main.Frame1(15));
    window.ExpectChoices(kAll);
}

TEST(EqualPaymentOptions, LeavingAnyInputRefreshesTheChoices) {
    PaymentWindow window(Fields{{"8-EqualFirst", ""}});
    window.driver.Type(window.Field("8-EqualFirst"), "Ann");
    window.ExpectChoices(kNone);
    window.driver.Focus(window.Field("8-EqualLast"));
    window.ExpectChoices(kAll);
}

// The user types a first name into an S&EPP illustration whose other inputs hold several wrong
// values, and goes on with Tab. Each Tab shows at most one message, for the first failing
// check, with the focus on its field and an example there; the example is not taken for the
// user's input, and nothing is calculated until every check passes on what the user typed.
TEST(EqualPaymentOptions, TabShowsOneFailingCheckAtATimeAndCalculatesOnlyTheUsersInput) {
    InputWindow window(IllustrationType::EqualPayments);
    window.Enter({{"8-EqualFirst", ""},
                  {"8-EqualLast", ""},
                  {"7-EqualDOB", "01/01/1950"},
                  {"8-EqualPlanName", ""},
                  {"7-EqualDate", "01/01/2030"},
                  {"6-EqualAcctValue1", "$100,000"},
                  {"6-EqualAcctValue2", "$100,000"},
                  {"1-EqualROR", "15.00%"}});
    const std::string rateText = window.main.lblEqualPmt(0).Caption();
    struct Step {
        const char* typed; // into the focused field before the Tab; nullptr: nothing
        const char* title; // of the one message the Tab shows
        const char* field; // that has the focus afterwards and shows the example
        const char* shown;
    };
    const Step steps[] = {
        {"John", "Missing Required Information.", "8-EqualLast", "Sample"},
        {nullptr, "Missing Required Information.", "8-EqualLast", "Sample"},
        {"Smith", "Missing Required Information.", "8-EqualPlanName", "IRA Plan"},
        {"Rollover", "Date Input Error", "7-EqualDate", "06/15/2011"},
        {"06/01/2011", "Invalid Chosen Interest Rate", "1-EqualROR", "4.00"},
        {nullptr, "Invalid Chosen Interest Rate", "1-EqualROR", "4.00"},
    };
    window.driver.Focus(window.Field("8-EqualFirst"));
    std::size_t boxes = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed != nullptr ? step.typed : "(nothing typed)");
        if (step.typed != nullptr) {
            window.driver.Type(*dynamic_cast<forms::TextBox*>(window.app.ActiveControl()),
                               step.typed);
        }
        window.driver.ExpectMessageBox(step.title, forms::vbOK);
        window.driver.PressTab();
        ASSERT_EQ(window.Boxes(), ++boxes);
        forms::TextBox& field = window.Field(step.field);
        EXPECT_EQ(window.app.ActiveControl(), &field);
        EXPECT_EQ(field.Text(), step.shown);
        EXPECT_EQ(field.SelLength(), static_cast<int>(field.Text().size()));
        EXPECT_EQ(window.main.GetField("R-Payment1"), "R-Payment1") << "nothing calculated";
        EXPECT_EQ(window.main.lblEqualPmt(0).Caption(), rateText);
    }
    EXPECT_EQ(window.main.GetField("8-EqualLast"), "Smith");
    EXPECT_EQ(window.main.GetField("8-EqualPlanName"), "Rollover");
    EXPECT_EQ(window.main.GetField("7-EqualDate"), "06/01/2011");

    // A rate the user types passes, and the payments are those of the typed inputs.
    window.driver.Type(window.Field("1-EqualROR"), "5");
    window.driver.PressTab();
    EXPECT_EQ(window.Boxes(), boxes);
    EXPECT_EQ(window.main.GetField("1-EqualROR"), "5.00%");
    EXPECT_NE(window.main.GetField("R-Payment1"), "R-Payment1");
    EXPECT_EQ(window.main.lblEqualPmt(3).Caption(), window.main.GetField("R-Payment4"));
    EXPECT_TRUE(window.main.lblEqualPmt(3).Caption().starts_with("$"));
}

} // namespace
