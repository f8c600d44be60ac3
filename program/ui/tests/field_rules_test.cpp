#include "program/ui/main_window/src/field_rules.h"

#include "program/ui/tests/input_window.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

using forms::Color;
using illustration::IllustrationType;

void ExpectOn(InputWindow& window, int index, const std::string& text) {
    SCOPED_TRACE(index);
    EXPECT_EQ(window.main.txtInput(index).Text(), text);
    EXPECT_TRUE(window.main.txtInput(index).Enabled());
    EXPECT_EQ(window.main.txtInput(index).BackColor(), Color::kWindowBackground);
    EXPECT_EQ(window.main.lblInput(index).ForeColor(), Color::kButtonText);
}

void ExpectOff(InputWindow& window, int index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(window.main.txtInput(index).Text(), "");
    EXPECT_FALSE(window.main.txtInput(index).Enabled());
    EXPECT_EQ(window.main.txtInput(index).BackColor(), Color::kGrayText);
    EXPECT_EQ(window.main.lblInput(index).ForeColor(), Color::kGrayText);
}

// The beneficiary's controls with the handlers the window gives them: the plan type list and
// the surviving-spouse box apply the Roth rule, the box then its field rule.
struct BeneficiaryWindow : InputWindow {
    BeneficiaryWindow() : InputWindow(IllustrationType::BeneficiaryRmd) {
        main.cmboPlanType.On(&forms::ComboBox::Click, [this](int index) {
            if (index == 1) {
                ApplyRothRule(main);
            }
        });
        main.chkSurvivingSpouse.Click = [this] {
            ApplyRothRule(main);
            UpdateOriginalDobField(main);
        };
    }
};

TEST(FieldRules, TheOriginalBirthDateFollowsTheSurvivingSpouseBox) {
    BeneficiaryWindow window;
    const int originalBirthDate = 51;
    window.driver.Click(window.main.chkSurvivingSpouse);
    window.driver.Type(window.main.txtInput(originalBirthDate), "02/02/1938");
    ExpectOn(window, originalBirthDate, "02/02/1938");
    window.driver.Click(window.main.chkSurvivingSpouse);
    ExpectOff(window, originalBirthDate);
    window.driver.Click(window.main.chkSurvivingSpouse);
    ExpectOn(window, originalBirthDate, "");
}

TEST(FieldRules, ARothPlanTakesTheSurvivingSpouseBoxAway) {
    BeneficiaryWindow window;
    forms::CheckBox& survivor = window.main.chkSurvivingSpouse;
    window.driver.Click(survivor);
    window.driver.ChooseItem(window.main.cmboPlanType(1), "Roth IRA");
    EXPECT_EQ(survivor.Value(), forms::vbUnchecked);
    EXPECT_FALSE(survivor.Enabled());

    // A programmatic click while the Roth plan is chosen is undone by the rule it raises.
    survivor.SetValue(forms::vbChecked);
    EXPECT_EQ(survivor.Value(), forms::vbUnchecked);
    EXPECT_FALSE(window.main.txtInput(51).Enabled());

    window.driver.ChooseItem(window.main.cmboPlanType(1), "IRA");
    EXPECT_TRUE(survivor.Enabled());
    EXPECT_EQ(survivor.Value(), forms::vbUnchecked);
}

TEST(FieldRules, SkippingTheStretchSpouseClosesItsInputsAndItsSeries) {
    InputWindow window(IllustrationType::Stretch);
    const int spouseInputs[] = {37, 38, 39, 40, 41};
    window.Enter({{"8-StretchSFirst", "Susan"},
                  {"8-StretchSMiddle", "B"},
                  {"8-StretchSLast", "Sample"},
                  {"7-StretchSDOB", "01/01/1955"},
                  {"2-StretchSLEO", "25"},
                  {"8-StretchPFirst", "John"}});
    window.main.chkSkipSpouse.SetValue(forms::vbChecked);
    UpdateStretchSpouseFields(window.main, 51);
    for (const int index : spouseInputs) {
        ExpectOff(window, index);
    }
    EXPECT_EQ(window.main.GetField("8-StretchPFirst"), "John");
    EXPECT_FALSE(window.main.cmdCalc(1).Enabled());
    EXPECT_TRUE(window.main.cmdCalc(0).Enabled());
    EXPECT_EQ(window.main.lstGraph.ListCount(), 3);
    EXPECT_EQ(window.main.lstGraph.List(1), "Non-Spouse Beneficiary");

    window.main.chkSkipSpouse.SetValue(forms::vbUnchecked);
    UpdateStretchSpouseFields(window.main, 51);
    UpdateStretchSpouseFields(window.main, 51);
    for (const int index : spouseInputs) {
        ExpectOn(window, index, "");
    }
    EXPECT_TRUE(window.main.cmdCalc(1).Enabled());
    EXPECT_EQ(window.main.lstGraph.ListCount(), 4);
    EXPECT_EQ(window.main.lstGraph.List(1), "Spouse Beneficiary");
}

// The joint table's spouse date: opened and closed on the RMD type only.
TEST(FieldRules, TheJointSpouseDateByTypeAndChoice) {
    struct Case {
        IllustrationType type;
        bool joint;
        bool enabled;
        std::string text;
    };
    const Case cases[] = {
        {IllustrationType::PlanholderRmd, true, true, "1/1/1960"},
        {IllustrationType::PlanholderRmd, false, false, ""},
        {IllustrationType::BeneficiaryRmd, false, true, "1/1/1960"},
        {IllustrationType::EqualPayments, false, true, "1/1/1960"},
        {IllustrationType::Stretch, false, true, "1/1/1960"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        InputWindow window(c.type);
        forms::TextBox& spouse = window.Field("7-SpouseDOB");
        spouse.SetText("1/1/1960");
        window.main.optUseJoint(c.joint ? 0 : 1).SetValue(true);
        UpdateJointFields(window.main);
        EXPECT_EQ(spouse.Enabled(), c.enabled);
        EXPECT_EQ(spouse.Text(), c.text);
        const std::string source = c.enabled ? "8-PlanName0" : "R-Plan70";
        EXPECT_EQ(spouse.BackColor(), window.Field(source).BackColor());
        if (!c.enabled) {
            EXPECT_EQ(spouse.BackColor(), forms::Color::kGrayText);
        }
    }
}

} // namespace
