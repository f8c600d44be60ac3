#include "program/ui/src/form_record.h"

#include "program/ui/equal_payment_options.h"

#include "program/store/illustration_file.h"

#include "platform/forms/controls/check_box.h"

#include <optional>
#include <vector>

namespace ui {

namespace {

bool IsChecked(const forms::CheckBox& box) {
    return box.Value() == forms::vbChecked;
}

void SetChecked(forms::CheckBox& box, bool checked) {
    box.SetValue(checked ? forms::vbChecked : forms::vbUnchecked);
}

std::vector<std::string> Items(const forms::ListControl& list) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list.ListCount()));
    for (int index = 0; index < list.ListCount(); ++index) {
        items.push_back(list.List(index));
    }
    return items;
}

store::RecordLists RecordListsOf(const frmMain& main) {
    store::RecordLists lists;
    lists.planTypes = {Items(main.cmboPlanType(0)), Items(main.cmboPlanType(1))};
    lists.graphList = Items(main.lstGraph);
    lists.states = Items(main.cmboState);
    lists.graphScrollMin = main.hScrollGraph.Min();
    lists.graphScrollMax = main.hScrollGraph.Max();
    lists.equalPaymentOptions = main.optEqualPmt.Count();
    return lists;
}

void ApplyLoadedControls(frmMain& main, const store::LoadedControls& loaded) {
    main.cmboPlanType(0).SetListIndex(loaded.planTypeIndex[0]);
    main.cmboPlanType(1).SetListIndex(loaded.planTypeIndex[1]);
    main.optUseJoint(loaded.useJoint ? 0 : 1).SetValue(true);
    SetChecked(main.chkBackground, loaded.background);
    SetChecked(main.chkGrayScale, loaded.grayScale);
    SetChecked(main.chkRoth, loaded.roth);
    SetChecked(main.chkSkipSpouse, loaded.skipSpouse);
    SetChecked(main.chkTopView, loaded.topView);
    main.lstGraph.SetListIndex(loaded.graphListIndex);
    main.hScrollGraph.SetValue(loaded.graphScroll);
    main.optEqualPmt(loaded.equalPayment).SetValue(true);
    SetChecked(main.chkRMDOnce, loaded.rmdOnce);
    SetChecked(main.chkSurvivingSpouse, loaded.survivingSpouse);
    main.cmboState.SetListIndex(loaded.stateIndex);
}

} // namespace

store::RecordControls RecordControlsOf(const frmMain& main) {
    store::RecordControls controls;
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

bool LoadRecordIntoForm(frmMain& main, std::string_view record, std::int64_t position,
                        forms::MessageBoxService& messages) {
    ProgramState& program = main.Program();
    store::CurrentIllustration current{program.IllustrationType, main.Fields(),
                                       program.IllustrationSaved};
    const std::optional<store::LoadedControls> loaded =
        store::OpenRecord(record, position, current, RecordListsOf(main), messages);
    if (!loaded) {
        return false;
    }
    main.Suggestions.ForgetAll();
    ApplyLoadedControls(main, *loaded);
    main.SetupIllustrationType();
    // A 72(t) illustration shows its payment amounts at once, not when a field is first left.
    if (program.IllustrationType == illustration::IllustrationType::EqualPayments) {
        RefreshEqualPaymentOptions(main);
    }
    // Setting the controls raised their events, which count as edits.
    program.IllustrationSaved = true;
    return true;
}

} // namespace ui
