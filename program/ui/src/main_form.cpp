#include "program/ui/main_form.h"

#include "program/ui/src/input_captions.h"
#include "program/ui/src/main_form_design.h"
#include "program/ui/unavailable_services.h"

#include "platform/forms/application.h"
#include "platform/forms/control_table.h"
#include "platform/forms/message_box.h"

#include <array>

namespace ui {

namespace {

constexpr const char* kPlanTypes[] = {"IRA",    "403(b)",  "401(k)",    "457",
                                      "401(a)", "SEP-IRA", "SIMPLE IRA"};

constexpr const char* kEqualPaymentOptions[] = {
    "Single Life",      "Uniform Lifetime",        "Joint and Last Survivor", "Single Life",
    "Uniform Lifetime", "Joint and Last Survivor", "Annuitization Method"};

constexpr std::array<const char*, 6> kTabCaptions = {"&Planholder", "&Beneficiary", "S&EPP",
                                                     "Stretch",     "&Report",      "&Graph"};

} // namespace

frmMain::frmMain(forms::Application& app, ProgramState& program)
    : forms::Form(app, "frmMain"), txtInput(*this, "txtInput"), cmboPlanType(*this, "cmboPlanType"),
      optUseJoint(*this, "optUseJoint"), chkSurvivingSpouse(*this, "chkSurvivingSpouse"),
      chkRMDOnce(*this, "chkRMDOnce"), fraEqualPmt(*this, "fraEqualPmt"),
      optEqualPmt(*this, "optEqualPmt"), lblEqualPmt(*this, "lblEqualPmt"),
      chkRoth(*this, "chkRoth"), lstGraph(*this, "lstGraph"), cmdCalc(*this, "cmdCalc"),
      TabOne1(*this, "TabOne1", static_cast<int>(kTabCaptions.size())), lblInput(*this, "lblInput"),
      Label3(*this, "Label3"), chkSkipSpouse(*this, "chkSkipSpouse"),
      cmdIRS(*this, "cmdIRS"), designed_{forms::LoadControls(*this, MainWindowControlRows())},
      ElasticOne2(*this, "ElasticOne2"), Frame1(*this, "Frame1"),
      ElasticOne1(designed_.Named<forms::Resizer>("ElasticOne1")),
      Line1(designed_.Named<forms::Line>("Line1")), Line2(designed_.Named<forms::Line>("Line2")),
      cmboState(designed_.Named<forms::ComboBox>("cmboState")),
      cmdToday(designed_.Named<forms::CommandButton>("cmdToday")),
      VSPrinter1(designed_.Named<forms::PrintDocumentView>("VSPrinter1")),
      picGraph(designed_.Named<forms::PictureBox>("picGraph")),
      hScrollGraph(designed_.Named<forms::HScrollBar>("hScrollGraph")),
      chkBackground(designed_.Named<forms::CheckBox>("chkBackground")),
      chkTopView(designed_.Named<forms::CheckBox>("chkTopView")),
      chkGrayScale(designed_.Named<forms::CheckBox>("chkGrayScale")),
      Timer1(designed_.Named<forms::Timer>("Timer1")),
      mnuFile(designed_.Named<forms::Menu>("mnuFile")),
      mnuFileNew(designed_.Named<forms::Menu>("mnuFileNew")),
      mnuFileNewRBD(designed_.Named<forms::Menu>("mnuFileNewRBD")),
      mnuFileNewEqual(designed_.Named<forms::Menu>("mnuFileNewEqual")),
      mnuFileNewStretch(designed_.Named<forms::Menu>("mnuFileNewStretch")),
      mnuFileLoad(designed_.Named<forms::Menu>("mnuFileLoad")),
      mnuFileSave(designed_.Named<forms::Menu>("mnuFileSave")),
      mnuFilePrint(designed_.Named<forms::Menu>("mnuFilePrint")),
      mnuFileExportPDF(designed_.Named<forms::Menu>("mnuFileExportPDF")),
      mnuFileExit(designed_.Named<forms::Menu>("mnuFileExit")),
      mnuReport(designed_.Named<forms::Menu>("mnuReport")),
      mnuReportCover(designed_.Named<forms::Menu>("mnuReportCover")),
      mnuReportWrenhall(designed_.Named<forms::Menu>("mnuReportWrenhall")),
      mnuReportGraph(designed_.Named<forms::Menu>("mnuReportGraph")),
      mnuReportLedger(designed_.Named<forms::Menu>("mnuReportLedger")),
      mnuReportTaxes(designed_.Named<forms::Menu>("mnuReportTaxes")),
      mnuOptions(designed_.Named<forms::Menu>("mnuOptions")),
      mnuOptionsAdvisor(designed_.Named<forms::Menu>("mnuOptionsAdvisor")),
      mnuOptionsCompact(designed_.Named<forms::Menu>("mnuOptionsCompact")),
      mnuOptionsBackup(designed_.Named<forms::Menu>("mnuOptionsBackup")),
      mnuOptionsRestore(designed_.Named<forms::Menu>("mnuOptionsRestore")),
      mnuOptionsInternetBackup(designed_.Named<forms::Menu>("mnuOptionsInternetBackup")),
      mnuOptionsInternetRestore(designed_.Named<forms::Menu>("mnuOptionsInternetRestore")),
      mnuDebugMode(designed_.Named<forms::Menu>("mnuDebugMode")),
      mnuHelp(designed_.Named<forms::Menu>("mnuHelp")),
      mnuHelpContents(designed_.Named<forms::Menu>("mnuHelpContents")),
      mnuHelpQuickStart(designed_.Named<forms::Menu>("mnuHelpQuickStart")),
      mnuHelpFAQ(designed_.Named<forms::Menu>("mnuHelpFAQ")),
      mnuHelpSupport(designed_.Named<forms::Menu>("mnuHelpSupport")),
      mnuHelpUpdate(designed_.Named<forms::Menu>("mnuHelpUpdate")),
      mnuHelpAbout(designed_.Named<forms::Menu>("mnuHelpAbout")),
      unavailableOutput_(MakeUnavailableReportOutput(app)),
      unavailableStore_(MakeUnavailableIllustrationStore(app)), output_(unavailableOutput_.get()),
      store_(unavailableStore_.get()), program_(program) {
    for (const illustration::FieldDefinition& field : illustration::FieldDefinitions()) {
        forms::TextBox& box = txtInput.Add(field.index);
        box.SetTag(std::string(field.tag));
        box.SetMaxLength(field.maxLength);
        box.SetVisible(field.visible);
        box.SetText(std::string(field.initialText));
        // The report elements are never edited: their grey is the background that the field
        // rules copy from "R-Plan70" to an input they close.
        if (field.index >= illustration::kFirstReportField) {
            box.SetBackColor(forms::Color::kGrayText);
        }
    }
    // The window and the model keep one text: each writes the other only when it differs.
    // A box that already shows the text is left alone: writing it again would put its caret
    // back at the start while the user types.
    fields_.SetObserver([this](int index) {
        Suggestions.FieldChanged(index);
        if (txtInput(index).Text() != fields_.Text(index)) {
            txtInput(index).SetText(fields_.Text(index));
        }
    });
    txtInput.On(&forms::TextBox::Change, [this](int index) { FieldTextChanged(index); });
    Load = [this] { ShowFields(); };

    for (int list = 0; list < 2; ++list) {
        forms::ComboBox& planTypes = cmboPlanType.Add(list, forms::vbComboDropdownList);
        for (const char* planType : kPlanTypes) {
            planTypes.AddItem(planType);
        }
    }
    cmboPlanType(1).AddItem("Roth IRA");

    chkSurvivingSpouse.SetCaption("Surviving Spouse Beneficiary - Not Taken Ownership");
    chkRMDOnce.SetCaption("RMD Annual Recalculation  -- or --   One-time Change");
    fraEqualPmt.SetCaption("Choose Annual Payment Option");
    for (int option = 0; option < 7; ++option) {
        forms::OptionButton& button = optEqualPmt.Add(option);
        button.SetContainer(fraEqualPmt);
        button.SetCaption(kEqualPaymentOptions[option]);
        forms::Label& label = lblEqualPmt.Add(option);
        label.SetContainer(fraEqualPmt);
        label.SetCaption("0.00");
    }
    for (const char* series :
         {"Planholder", "Spouse Beneficiary", "Non-Spouse Beneficiary", "All Years"}) {
        lstGraph.AddItem(series);
    }
    optUseJoint.Add(0).SetCaption("Yes");
    optUseJoint.Add(1).SetCaption("No");
    optUseJoint(1).SetValue(true);
    cmdCalc.Add(0).SetCaption("Calc");
    cmdCalc.Add(1).SetCaption("Calc");

    for (std::size_t tab = 0; tab < kTabCaptions.size(); ++tab) {
        TabOne1.SetTabCaption(static_cast<int>(tab), kTabCaptions[tab]);
    }
    for (const InputCaption& input : InputCaptions()) {
        lblInput.Add(input.index).SetCaption(std::string(input.caption));
    }
    lblInput(30).SetVisible(false);
    for (int tab = 0; tab < 4; ++tab) {
        Label3.Add(tab).SetCaption("* Required fields");
    }
    chkSkipSpouse.SetCaption("Skip");
    cmdIRS.SetCaption("&Web Lookup *");

    DesignWindow();
    WireWindowEvents();
    WireControlEvents();
    WireMenus();
}

void frmMain::SetServices(ReportOutput& output, IllustrationStore& store) {
    output_ = &output;
    store_ = &store;
    DataBrowser = store.Browser();
}

void frmMain::FieldTextChanged(int index) {
    fields_.SetText(index, txtInput(index).Text());
}

void frmMain::ShowFields() {
    for (const illustration::FieldDefinition& field : illustration::FieldDefinitions()) {
        txtInput(field.index).SetText(fields_.Text(field.index));
    }
}

void frmMain::ShowFieldMessage(const std::string& text) {
    App().MsgBox(text, forms::vbOKOnly);
}

std::string frmMain::GetField(std::string_view tag) const {
    return illustration::GetField(fields_, tag);
}

void frmMain::SetField(std::string_view value, std::string_view tag) {
    illustration::SetField(fields_, value, tag,
                           [this](const std::string& text) { ShowFieldMessage(text); });
    // A value put into an input is its input, also where it equals the example shown there.
    for (const illustration::FieldDefinition& field :
         illustration::FieldDefinitions().first(illustration::kInputEndMarker)) {
        if (field.tag == tag) {
            Suggestions.Forget(field.index);
        }
    }
}

std::int16_t frmMain::SetIndex(std::string_view tag) {
    return illustration::SetIndex(fields_, tag,
                                  [this](const std::string& text) { ShowFieldMessage(text); });
}

void frmMain::UpdatePlanRetDateField() {
    if (program_.IllustrationType != illustration::IllustrationType::PlanholderRmd) {
        return;
    }
    forms::TextBox& retirementDate = txtInput(SetIndex("7-PlanRetDate"));
    if (cmboPlanType(0).Text().starts_with("4")) {
        retirementDate.SetEnabled(true);
        retirementDate.SetBackColor(txtInput(SetIndex("8-PlanName0")).BackColor());
    } else {
        retirementDate.SetText("");
        retirementDate.SetEnabled(false);
        retirementDate.SetBackColor(txtInput(SetIndex("R-Plan70")).BackColor());
    }
}

void frmMain::RefreshGraphList(std::int16_t& show) {
    for (int item = 0; item < lstGraph.ListCount(); ++item) {
        if (lstGraph.List(item).starts_with("S")) {
            if (show == 0) {
                lstGraph.RemoveItem(item);
            }
            return;
        }
    }
    if (show == 1) {
        lstGraph.AddItem("Spouse Beneficiary", 1);
    }
}

} // namespace ui
