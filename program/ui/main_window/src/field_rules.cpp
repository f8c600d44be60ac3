#include "program/ui/main_window/src/field_rules.h"

#include "program/ui/main_window/src/input_look.h"

namespace ui {

void UpdateOriginalDobField(frmMain& main) {
    SwitchInput(main, main.SetIndex("7-OriginalDOB"),
                main.chkSurvivingSpouse.Value() == forms::vbChecked);
}

void UpdateStretchSpouseFields(frmMain& main, int lastInputIndex) {
    const bool skipped = main.chkSkipSpouse.Value() == forms::vbChecked;
    for (int index = 0; index <= lastInputIndex; ++index) {
        if (main.txtInput(index).Tag().find("StretchS") != std::string::npos) {
            SwitchInput(main, index, !skipped);
        }
    }
    main.cmdCalc(1).SetEnabled(!skipped);
    std::int16_t showSpouse = skipped ? 0 : 1;
    main.RefreshGraphList(showSpouse);
}

void UpdateJointFields(frmMain& main) {
    if (main.Program().IllustrationType != illustration::IllustrationType::PlanholderRmd) {
        return;
    }
    forms::TextBox& spouseBirthDate = main.txtInput(main.SetIndex("7-SpouseDOB"));
    if (main.optUseJoint(0).Value()) {
        spouseBirthDate.SetEnabled(true);
        spouseBirthDate.SetBackColor(main.txtInput(main.SetIndex("8-PlanName0")).BackColor());
    } else {
        spouseBirthDate.SetText("");
        spouseBirthDate.SetEnabled(false);
        spouseBirthDate.SetBackColor(main.txtInput(main.SetIndex("R-Plan70")).BackColor());
    }
}

void ApplyRothRule(frmMain& main) {
    if (main.cmboPlanType(1).Text() == "Roth IRA") {
        main.chkSurvivingSpouse.SetValue(forms::vbUnchecked);
        main.chkSurvivingSpouse.SetEnabled(false);
    } else {
        main.chkSurvivingSpouse.SetEnabled(true);
    }
}

} // namespace ui
