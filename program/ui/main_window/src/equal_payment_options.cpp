#include "program/ui/main_window/src/equal_payment_options.h"

#include "program/illustration/formatting.h"
#include "program/ui/main_window/calculate_illustration.h"
#include "program/ui/main_window/define_variables.h"

#include "platform/forms/application.h"
#include "platform/runtime/date_parse.h"

#include <array>

namespace ui {

namespace {

constexpr int kChoices = 7;
constexpr int kRmdMethodChoices = 3; // 0 to 2; 3 to 6 are the fixed amortization methods
constexpr int kEqualTab = 2;
// Each joint choice with the single-life choice of its group.
struct JointChoice {
    int joint;
    int single;
};
constexpr std::array<JointChoice, 2> kJointChoices = {{{2, 0}, {5, 3}}};
constexpr const char* kNoAmount = "0.00";

void SetChoice(frmMain& main, int choice, bool enabled) {
    main.optEqualPmt(choice).SetEnabled(enabled);
    main.lblEqualPmt(choice).SetEnabled(enabled);
    if (!enabled) {
        main.lblEqualPmt(choice).SetCaption(kNoAmount);
    }
}

void SetFixedMethodInputs(frmMain& main, bool enabled) {
    for (const char* tag : {"6-EqualAcctValue2", "1-EqualROR"}) {
        const int index = main.SetIndex(tag);
        main.txtInput(index).SetEnabled(enabled);
        main.lblInput(index).SetEnabled(enabled);
    }
    main.cmdIRS.SetEnabled(enabled);
}

bool HasValue(const frmMain& main, const char* tag) {
    return illustration::CleanedNumber(main.GetField(tag)) != 0;
}

// Writes each enabled choice's amount from a validated calculation; the calculation needs the
// representative window, which the window links once it has loaded it.
void ShowAmounts(frmMain& main, int choices, calc::FactorLibrary& factors) {
    if (main.RepInfo == nullptr || DefineVariables(main)) {
        return;
    }
    calc::StretchProjection projection; // filled by the Stretch type only
    CalculateIllustration(main, *main.RepInfo, projection, factors);
    for (int choice = 0; choice < choices; ++choice) {
        main.lblEqualPmt(choice).SetCaption(
            main.GetField("R-Payment" + std::to_string(choice + 1)));
    }
}

} // namespace

void RefreshEqualPaymentOptions(frmMain& main, calc::FactorLibrary& factors) {
    // A failed check is moving the focus to its field: the controls it passes on the way raise
    // their focus events, which must not check and report again.
    if (main.ValidationFocus >= 0 &&
        main.App().ActiveControl() == &main.txtInput(main.ValidationFocus)) {
        return;
    }
    const bool rmdOnly = main.chkRMDOnce.Value() == forms::vbChecked;
    bool enabled = !main.GetField("8-EqualFirst").empty() && HasValue(main, "6-EqualAcctValue1");
    int choices = kChoices;
    if (rmdOnly) {
        main.SetField("0", "6-EqualAcctValue2");
        main.SetField("0", "1-EqualROR");
        SetFixedMethodInputs(main, false);
        for (int choice = kRmdMethodChoices; choice < kChoices; ++choice) {
            SetChoice(main, choice, false);
        }
        choices = kRmdMethodChoices;
    } else {
        SetFixedMethodInputs(main, true);
        enabled = enabled && HasValue(main, "6-EqualAcctValue2") && HasValue(main, "1-EqualROR");
    }
    for (int choice = 0; choice < choices; ++choice) {
        SetChoice(main, choice, enabled);
    }
    if (enabled && main.TabOne1.IsShowing() && main.TabOne1.CurrentTab() == kEqualTab) {
        ShowAmounts(main, choices, factors);
    }

    // The joint choices need a beneficiary.
    if (!runtime::IsDate(main.GetField("7-EqualSpouseDOB1"))) {
        for (const JointChoice& choice : kJointChoices) {
            if (main.optEqualPmt(choice.joint).Value()) {
                main.optEqualPmt(choice.single).SetValue(true);
            }
            SetChoice(main, choice.joint, false);
        }
    }

    // A choice that a rule closed, with its amount "0.00", is no longer the client's choice: the
    // report must not name it.
    for (int choice = 0; choice < kChoices; ++choice) {
        if (main.optEqualPmt(choice).Value() && !main.optEqualPmt(choice).Enabled()) {
            main.optEqualPmt(choice).SetValue(false);
        }
    }
}

} // namespace ui
