#include "program/ui/main_window/main_form.h"

#include "program/ui/main_window/src/unavailable_services.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"

namespace ui {

namespace {

constexpr const char* kPlanTypes[] = {"IRA",    "403(b)",  "401(k)",    "457",
                                      "401(a)", "SEP-IRA", "SIMPLE IRA"};

} // namespace

frmMain::frmMain(forms::Application& app, ProgramState& program)
    : forms::Form(app, "frmMain"), txtInput(*this, "txtInput"), cmboPlanType(*this, "cmboPlanType"),
      optUseJoint(*this, "optUseJoint"), optEqualPmt(*this, "optEqualPmt"),
      lblEqualPmt(*this, "lblEqualPmt"), cmdCalc(*this, "cmdCalc"), lblInput(*this, "lblInput"),
      Label3(*this, "Label3"), ElasticOne2(*this, "ElasticOne2"),
      Frame1(*this, "Frame1"), designed_{DesignWindow()},
      ElasticOne1(designed_.Named<forms::Resizer>("ElasticOne1")),
      Line1(designed_.Named<forms::Line>("Line1")), Line2(designed_.Named<forms::Line>("Line2")),
      TabOne1(designed_.Named<forms::TabControl>("TabOne1")),
      chkSurvivingSpouse(designed_.Named<forms::CheckBox>("chkSurvivingSpouse")),
      cmdToday(designed_.Named<forms::CommandButton>("cmdToday")),
      chkRMDOnce(designed_.Named<forms::CheckBox>("chkRMDOnce")),
      cmdIRS(designed_.Named<forms::CommandButton>("cmdIRS")),
      chkSkipSpouse(designed_.Named<forms::CheckBox>("chkSkipSpouse")),
      cmboState(designed_.Named<forms::ComboBox>("cmboState")),
      chkRoth(designed_.Named<forms::CheckBox>("chkRoth")),
      VSPrinter1(designed_.Named<forms::PrintDocumentView>("VSPrinter1")),
      picGraph(designed_.Named<forms::PictureBox>("picGraph")),
      lstGraph(designed_.Named<forms::ListBox>("lstGraph")),
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
      mnuNul1(designed_.Named<forms::Menu>("mnuNul1")),
      mnuFileLoad(designed_.Named<forms::Menu>("mnuFileLoad")),
      mnuFileSave(designed_.Named<forms::Menu>("mnuFileSave")),
      mnuNul2(designed_.Named<forms::Menu>("mnuNul2")),
      mnuFilePrint(designed_.Named<forms::Menu>("mnuFilePrint")),
      mnuNul0(designed_.Named<forms::Menu>("mnuNul0")),
      mnuFileExportPDF(designed_.Named<forms::Menu>("mnuFileExportPDF")),
      mnuNul3(designed_.Named<forms::Menu>("mnuNul3")),
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
      mnuOptionsNul00(designed_.Named<forms::Menu>("mnuOptionsNul00")),
      mnuOptionsBackup(designed_.Named<forms::Menu>("mnuOptionsBackup")),
      mnuOptionsRestore(designed_.Named<forms::Menu>("mnuOptionsRestore")),
      mnuOptionsNul01(designed_.Named<forms::Menu>("mnuOptionsNul01")),
      mnuOptionsInternetBackup(designed_.Named<forms::Menu>("mnuOptionsInternetBackup")),
      mnuOptionsInternetRestore(designed_.Named<forms::Menu>("mnuOptionsInternetRestore")),
      mnuDebugMode(designed_.Named<forms::Menu>("mnuDebugMode")),
      mnuHelp(designed_.Named<forms::Menu>("mnuHelp")),
      mnuHelpContents(designed_.Named<forms::Menu>("mnuHelpContents")),
      mnuHelpQuickStart(designed_.Named<forms::Menu>("mnuHelpQuickStart")),
      mnuHelpFAQ(designed_.Named<forms::Menu>("mnuHelpFAQ")),
      mnuHelpSupport(designed_.Named<forms::Menu>("mnuHelpSupport")),
      mnuHelpUpdate(designed_.Named<forms::Menu>("mnuHelpUpdate")),
      mnuHelpNul0(designed_.Named<forms::Menu>("mnuHelpNul0")),
      mnuHelpAbout(designed_.Named<forms::Menu>("mnuHelpAbout")),
      unavailableOutput_(MakeUnavailableReportOutput(app)),
      unavailableStore_(MakeUnavailableIllustrationStore(app)), output_(unavailableOutput_.get()),
      store_(unavailableStore_.get()), program_(program) {
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
        for (const char* planType : kPlanTypes) {
            cmboPlanType(list).AddItem(planType);
        }
    }
    cmboPlanType(1).AddItem("Roth IRA");
    for (const char* series : kGraphSeries) {
        lstGraph.AddItem(series);
    }
    optUseJoint(1).SetValue(true);
    lblInput(30).SetVisible(false);
    Timer1.SetInterval(1);

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
        lstGraph.AddItem(kGraphSeries[1], 1);
    }
}

} // namespace ui
