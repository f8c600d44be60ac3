#include "program/ui/equal_payment_options.h"

#include "program/ui/tests/input_window.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

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
    // The report step calculated the payments; they are put back to see whether the refresh
    // calculates them again.
    window.main.SetField("R-Payment1", "R-Payment1");
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

} // namespace
} // namespace ui
