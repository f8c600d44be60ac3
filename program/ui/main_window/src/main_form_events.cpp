// The main window's control events: most mark the illustration as changed and rerun a field
// rule; the graph options redraw the graph, cmdCalc fills a Stretch life expectancy, cmdToday
// dates the 72(t) illustration and cmdIRS opens the federal rates page.
#include "program/ui/main_window/main_form.h"

#include "program/calc/factor_library.h"
#include "program/ui/main_window/src/equal_payment_options.h"
#include "program/ui/main_window/src/field_rules.h"
#include "program/ui/main_window/src/input_field_events.h"
#include "program/ui/main_window/src/main_form_chains.h"
#include "program/ui/support/src/web_links.h"

#include "platform/forms/application.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/date_format.h"
#include "platform/runtime/date_parse.h"
#include "platform/system/clock.h"

#include <string>

namespace ui {

namespace {

constexpr int kPaymentFrame = 15; // Frame1 element that holds the S&EPP payment choices
constexpr const char* kFederalRatesMember = "URL_EQUAL_FEDRATES.txt";

std::string TodayText() {
    const std::chrono::year_month_day today = sys::Today();
    const auto date = runtime::Date::FromParts(
        static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
        static_cast<int>(static_cast<unsigned>(today.day())));
    return runtime::FormatDate(date.value_or(runtime::Date{}), "MM/DD/YYYY");
}

// The single-life expectancy on today's date of the person born on the date in `birthTag`,
// rounded, into `expectancyTag`; nothing when the birth date is not a date.
void FillLifeExpectancy(frmMain& main, std::string_view birthTag, std::string_view expectancyTag) {
    const std::string birth = main.GetField(birthTag);
    if (!runtime::IsDate(birth)) {
        return;
    }
    calc::FactorLibrary& factors = calc::FactorLibrary::Program();
    std::int16_t age =
        factors.CALCULATEAGE(runtime::FormatDate(runtime::ToDate(birth), "MM/DD/YYYY"), TodayText(),
                             calc::AgeMode::LastBirthday);
    if (age < 0) {
        age = 0;
    }
    const float factor =
        factors.RMDSINGLEFACTOR(calc::SingleFactorMode::StartAgeLessYearsElapsed, age, age);
    main.SetField(std::to_string(static_cast<long>(runtime::Round(factor))), expectancyTag);
}

} // namespace

void frmMain::WireControlEvents() {
    const auto changed = [this] { Program().IllustrationSaved = false; };

    txtInput.On(&forms::TextBox::GotFocus, [this](int index) { EnterField(*this, index); });
    txtInput.On(&forms::TextBox::LostFocus, [this](int index) { LeaveField(*this, index); });
    txtInput.On(&forms::TextBox::KeyPress,
                [this](int index, int& keyAscii) { FilterFieldKey(*this, index, keyAscii); });

    // The graph options redraw only while the graph shows; elsewhere they change nothing.
    const auto redrawGraph = [this, changed] {
        if (!TabOne1.Visible() || TabOne1.TabCaption(TabOne1.CurrentTab()) != "&Graph") {
            return;
        }
        RunGraphChain(*this);
        changed();
    };
    chkBackground.Click = redrawGraph;
    chkGrayScale.Click = redrawGraph;
    chkTopView.Click = redrawGraph;
    hScrollGraph.Change = redrawGraph;
    lstGraph.Click = redrawGraph;

    chkRMDOnce.Click = [this, changed] {
        RefreshEqualPaymentOptions(*this);
        changed();
    };
    chkRMDOnce.GotFocus = [this] { ShowFieldHint(*this, 1); };
    cmdToday.GotFocus = [this] { ShowFieldHint(*this, 1); };
    cmdIRS.GotFocus = [this] { ShowFieldHint(*this, 31); };
    optEqualPmt.On(&forms::OptionButton::GotFocus, [this, changed](int) {
        RefreshEqualPaymentOptions(*this);
        changed();
        ShowFieldHint(*this, 1);
    });
    chkRoth.Click = changed;
    cmboState.Change = changed;
    chkSkipSpouse.Click = [this, changed] {
        UpdateStretchSpouseFields(*this, LastInputIndex);
        changed();
    };
    chkSurvivingSpouse.Click = [this, changed] {
        ApplyRothRule(*this);
        App().DoEvents();
        UpdateOriginalDobField(*this);
        changed();
    };
    chkSurvivingSpouse.KeyDown = [this, changed](int&, int) {
        UpdateOriginalDobField(*this);
        changed();
    };
    const auto planTypeChanged = [this, changed](int index) {
        changed();
        if (index == 1) {
            ApplyRothRule(*this);
        }
    };
    cmboPlanType.On(&forms::ComboBox::Change, planTypeChanged);
    cmboPlanType.On(&forms::ComboBox::Click, planTypeChanged);
    cmboPlanType.On(&forms::ComboBox::LostFocus, [this](int index) {
        if (index == 1) {
            ApplyRothRule(*this);
        }
        UpdatePlanRetDateField();
    });
    const auto jointChanged = [this, changed] {
        UpdateJointFields(*this);
        changed();
    };
    optUseJoint.On(&forms::OptionButton::Click, [jointChanged](int) { jointChanged(); });
    optUseJoint.On(&forms::OptionButton::KeyPress, [jointChanged](int, int&) { jointChanged(); });
    // A click on the payment frame refreshes the choices it holds.
    Frame1.On(&forms::Frame::Click, [this](int index) {
        if (index == kPaymentFrame) {
            RefreshEqualPaymentOptions(*this);
        }
    });
    cmdCalc.On(&forms::CommandButton::Click, [this](int index) {
        if (index == 0) {
            FillLifeExpectancy(*this, "7-StretchPDOB", "2-StretchPLEO");
        } else {
            FillLifeExpectancy(*this, "7-StretchSDOB", "2-StretchSLEO");
        }
    });
    cmdIRS.Click = [] { OpenArchivedUrl(kFederalRatesMember); };
    cmdToday.Click = [this] {
        SetField(TodayText(), "7-EqualDate");
        App().SendKeys("{TAB}{TAB}");
    };
}

} // namespace ui
