#include "program/ui/main_window/main_form.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

class MainFormTest : public testing::Test {
protected:
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
};

TEST_F(MainFormTest, TheFieldArrayShowsTheModel) {
    EXPECT_EQ(main.txtInput(4).Tag(), "7-SpouseDOB");
    EXPECT_EQ(main.txtInput(9).MaxLength(), 11);
    EXPECT_FALSE(main.txtInput(18).Visible());
    EXPECT_EQ(main.txtInput(101).Text(), "R-Plan70");
    EXPECT_FALSE(main.txtInput.Exists(53));
    EXPECT_FALSE(main.txtInput.Exists(100));

    main.SetField("$3,774", "R-RMD");
    EXPECT_EQ(main.txtInput(103).Text(), "$3,774");
    main.txtInput(9).SetText("100000");
    EXPECT_EQ(main.GetField("6-AcctValue0"), "100000");
}

// The plan-type lists carry tags of their own, which name no element of the field array.
TEST_F(MainFormTest, ThePlanTypeListsCarryTheirTags) {
    EXPECT_EQ(main.cmboPlanType(0).Tag(), "PlanType0");
    EXPECT_EQ(main.cmboPlanType(1).Tag(), "PlanType1");
    driver.ExpectMessageBox("Tallowmere", forms::vbOK);
    EXPECT_EQ(main.SetIndex("PlanType0"), 0);
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);
}

// The window's controls start from their design texts when it loads; the load shows the model.
TEST_F(MainFormTest, AWindowLoadedShowsTheIllustration) {
    main.Fields().SetText(0, "Ann");
    main.Show();
    EXPECT_EQ(main.txtInput(0).Text(), "Ann");
    EXPECT_EQ(main.txtInput(101).Text(), "R-Plan70");
}

TEST_F(MainFormTest, UnknownTagsAreMessagesUnderTheProgramsTitle) {
    driver.ExpectMessageBox("Tallowmere", forms::vbOK);
    main.SetField("x", "R-Nothing");
    driver.ExpectMessageBox("Tallowmere", forms::vbOK);
    EXPECT_EQ(main.SetIndex("Nothing"), 0);
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt,
              "Invalid Tag in SetField Function for \"R-Nothing\".");
    EXPECT_EQ(driver.MessageBoxes()[0].icon, forms::MessageBoxIcon::None);
    EXPECT_EQ(driver.MessageBoxes()[1].prompt, "Invalid Tag in SetIndex Function for Nothing.");
}

TEST_F(MainFormTest, TheRetirementDateIsOpenForPlanTypesBeginningWithFour) {
    program.IllustrationType = illustration::IllustrationType::PlanholderRmd;
    forms::TextBox& retirement = main.txtInput(6);
    main.cmboPlanType(0).SetText("401(k)");
    retirement.SetText("06/30/2012");
    main.UpdatePlanRetDateField();
    EXPECT_TRUE(retirement.Enabled());
    EXPECT_EQ(retirement.Text(), "06/30/2012");
    EXPECT_EQ(retirement.BackColor(), main.txtInput(5).BackColor());

    main.cmboPlanType(0).SetText("IRA");
    main.UpdatePlanRetDateField();
    EXPECT_FALSE(retirement.Enabled());
    EXPECT_EQ(main.GetField("7-PlanRetDate"), "");
    EXPECT_EQ(retirement.BackColor(), main.txtInput(101).BackColor());

    // Other illustration types leave the field alone.
    retirement.SetText("06/30/2012");
    program.IllustrationType = illustration::IllustrationType::Stretch;
    main.UpdatePlanRetDateField();
    EXPECT_EQ(retirement.Text(), "06/30/2012");
}

TEST_F(MainFormTest, TheGraphListOffersTheSpouseOnlyWhenThereIsOne) {
    const auto items = [&] {
        std::vector<std::string> all;
        for (int i = 0; i < main.lstGraph.ListCount(); ++i) {
            all.push_back(main.lstGraph.List(i));
        }
        return all;
    };
    std::int16_t show = 0;
    main.RefreshGraphList(show);
    EXPECT_EQ(items(),
              (std::vector<std::string>{"Planholder", "Non-Spouse Beneficiary", "All Years"}));
    main.RefreshGraphList(show);
    EXPECT_EQ(items().size(), 3u);
    show = 1;
    main.RefreshGraphList(show);
    main.RefreshGraphList(show);
    EXPECT_EQ(items(), (std::vector<std::string>{"Planholder", "Spouse Beneficiary",
                                                 "Non-Spouse Beneficiary", "All Years"}));
    show = 2;
    main.RefreshGraphList(show);
    EXPECT_EQ(items().size(), 4u);
}

} // namespace
