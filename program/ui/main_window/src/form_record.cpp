#include "program/ui/main_window/src/form_record.h"

#include "program/store/illustration_file.h"
#include "program/ui/main_window/src/equal_payment_options.h"

#include "platform/forms/controls/check_box.h"
#include "platform/forms/errors.h"
#include "platform/runtime/runtime_error.h"

#include <optional>
#include <string>

namespace ui {

namespace {

using store::RecordControls;

bool IsChecked(const forms::CheckBox& box) {
    return box.Value() == forms::vbChecked;
}

void SetChecked(forms::CheckBox& box, bool checked) {
    box.SetValue(checked ? forms::vbChecked : forms::vbUnchecked);
}

// The entry of `list` with exactly this text; -1 when none has it.
int EntryIndex(const forms::ListControl& list, const std::string& text) {
    for (int index = 0; index < list.ListCount(); ++index) {
        if (list.List(index) == text) {
            return index;
        }
    }
    return -1;
}

// An empty text selects the list's first entry.
void SelectPlanType(forms::ComboBox& list, const std::string& text) {
    const int index = text.empty() ? 0 : EntryIndex(list, text);
    if (index < 0) {
        forms::RaiseInvalidPropertyValue(list.DisplayName() + " has no entry \"" + text + "\"");
    }
    list.SetListIndex(index);
}

void SelectPaymentOption(frmMain& main, int option) {
    if (option < 0) {
        for (int element = 0; element < main.optEqualPmt.Count(); ++element) {
            main.optEqualPmt(element).SetValue(false);
        }
        return;
    }
    if (option >= main.optEqualPmt.Count()) {
        forms::RaiseInvalidPropertyValue("optEqualPmt has no option " + std::to_string(option));
    }
    main.optEqualPmt(option).SetValue(true);
}

// The list offers the spouse's entry exactly when Skip is clear, whatever a calculation left
// in it, so that a stored "Spouse Beneficiary" is found.
void SelectGraphEntry(frmMain& main, const std::string& text) {
    std::int16_t showSpouse = IsChecked(main.chkSkipSpouse) ? 0 : 1;
    main.RefreshGraphList(showSpouse);
    main.lstGraph.SetListIndex(EntryIndex(main.lstGraph, text));
}

// The range a drawn graph gave the bar belongs to that graph: the bar takes its design range
// before the position.
void SetScrollPosition(forms::HScrollBar& bar, int position) {
    const forms::ScrollBarProperties design;
    bar.SetMin(design.min);
    bar.SetMax(design.max);
    bar.SetValue(position);
}

void SelectState(forms::ComboBox& list, const std::string& code) {
    if (!code.empty() && EntryIndex(list, code) < 0) {
        forms::RaiseInvalidPropertyValue(list.DisplayName() + " has no entry \"" + code + "\"");
    }
    list.SetText(code);
}

// One choice of the window set from `choices`; error 380 when the window cannot take it.
using ChoiceStep = void (*)(frmMain&, const RecordControls&);

// In the order SetUpForIllustration describes.
constexpr ChoiceStep kChoiceSteps[] = {
    [](frmMain& main, const RecordControls& c) {
        SelectPlanType(main.cmboPlanType(0), c.planTypes[0]);
    },
    [](frmMain& main, const RecordControls& c) {
        SelectPlanType(main.cmboPlanType(1), c.planTypes[1]);
    },
    [](frmMain& main, const RecordControls& c) {
        main.optUseJoint(c.useJoint ? 0 : 1).SetValue(true);
    },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkRoth, c.roth); },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkRMDOnce, c.rmdOnce); },
    [](frmMain& main, const RecordControls& c) {
        SetChecked(main.chkSurvivingSpouse, c.survivingSpouse);
    },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkBackground, c.background); },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkGrayScale, c.grayScale); },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkTopView, c.topView); },
    [](frmMain& main, const RecordControls& c) { SetChecked(main.chkSkipSpouse, c.skipSpouse); },
    [](frmMain& main, const RecordControls& c) { SelectPaymentOption(main, c.equalPayment); },
    [](frmMain& main, const RecordControls& c) { SelectGraphEntry(main, c.graphList); },
    [](frmMain& main, const RecordControls& c) {
        SetScrollPosition(main.hScrollGraph, c.graphScroll);
    },
    [](frmMain& main, const RecordControls& c) { SelectState(main.cmboState, c.state); },
};

// The controls' events count their changes as edits; the choices are the illustration's own,
// so the saved flag is put back after each one, and no calculation an event runs on the way
// takes the illustration for an edited one (which would date it today).
void ApplyChoices(frmMain& main, const RecordControls& choices) {
    bool& saved = main.Program().IllustrationSaved;
    const bool savedBefore = saved;
    const RecordControls design = DesignChoices();
    for (const ChoiceStep step : kChoiceSteps) {
        try {
            step(main, choices);
        } catch (const runtime::RuntimeError&) {
            // A window without its design entries keeps what the control shows.
            try {
                step(main, design);
            } catch (const runtime::RuntimeError&) {
            }
        }
        saved = savedBefore;
    }
}

} // namespace

RecordControls RecordControlsOf(const frmMain& main) {
    RecordControls controls;
    controls.planTypes = {main.cmboPlanType(0).Text(), main.cmboPlanType(1).Text()};
    controls.useJoint = main.optUseJoint(0).Value();
    controls.background = IsChecked(main.chkBackground);
    controls.grayScale = IsChecked(main.chkGrayScale);
    controls.roth = IsChecked(main.chkRoth);
    controls.skipSpouse = IsChecked(main.chkSkipSpouse);
    controls.topView = IsChecked(main.chkTopView);
    const int graphIndex = main.lstGraph.ListIndex();
    controls.graphList = graphIndex >= 0 ? main.lstGraph.List(graphIndex) : std::string();
    controls.graphScroll = main.hScrollGraph.Value();
    for (int option = 0; option < main.optEqualPmt.Count(); ++option) {
        if (main.optEqualPmt(option).Value()) {
            controls.equalPayment = option;
        }
    }
    controls.rmdOnce = IsChecked(main.chkRMDOnce);
    controls.survivingSpouse = IsChecked(main.chkSurvivingSpouse);
    controls.state = main.cmboState.Text();
    return controls;
}

RecordControls DesignChoices() {
    RecordControls design; // empty plan-type texts stand for the first entries
    design.graphList = kGraphSeries.front();
    design.graphScroll = forms::ScrollBarProperties{}.value;
    return design;
}

void SetUpForIllustration(frmMain& main, const RecordControls& choices) {
    main.Suggestions.ForgetAll();
    ApplyChoices(main, choices);
    main.SetupIllustrationType();
    // A 72(t) illustration shows its payment amounts at once, not when a field is first left.
    if (main.Program().IllustrationType == illustration::IllustrationType::EqualPayments) {
        RefreshEqualPaymentOptions(main);
    }
    main.Program().IllustrationSaved = true;
}

bool LoadRecordIntoForm(frmMain& main, std::string_view record, std::int64_t position,
                        forms::MessageBoxService& messages) {
    ProgramState& program = main.Program();
    store::CurrentIllustration current{program.IllustrationType, main.Fields(),
                                       program.IllustrationSaved};
    const std::optional<RecordControls> loaded =
        store::OpenRecord(record, position, current, messages);
    if (!loaded) {
        return false;
    }
    SetUpForIllustration(main, *loaded);
    return true;
}

} // namespace ui
