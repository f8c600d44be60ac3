// The main window set up for the current illustration type: caption, tabs, the Report menu and
// the field rules of the type.
#include "program/ui/main_window/main_form.h"
#include "program/ui/main_window/src/field_rules.h"
#include "program/ui/support/src/illustration_type_names.h"
#include "program/ui/support/src/text_helpers.h"

#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/message_box.h"
#include "platform/system/windows_version.h"

#include <exception>
#include <string>

namespace ui {

namespace {

using illustration::IllustrationType;

bool OnOldWindows() {
    const sys::WindowsVersion version = sys::ReportedWindowsVersion();
    return version.major == 4 && version.minor < 1;
}

std::string ShortCaption(IllustrationType type) {
    std::string caption = IllustrationTypeCaption(type);
    caption = ReplaceFirst(caption, "Required ", "R");
    caption = ReplaceFirst(caption, "Minimum ", "M");
    caption = ReplaceFirst(caption, "Distribution", "D");
    return ReplaceFirst(caption, "Beneficiary ", "B");
}

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

} // namespace

void frmMain::SetupIllustrationType() {
    try {
        const bool oldWindows = OnOldWindows();
        const IllustrationType type = Program().IllustrationType;
        if (type == IllustrationType::None) {
            forms::RaiseInvalidProcedureCall("no illustration type is chosen");
        }
        const bool stretch = type == IllustrationType::Stretch;
        SetCaption(ShortCaption(type));
        mnuFilePrint.SetEnabled(true);
        mnuFileExportPDF.SetEnabled(true);

        for (int tab = 0; tab < TabOne1.TabCount(); ++tab) {
            const std::string& caption = TabOne1.TabCaption(tab);
            if (Contains(caption, "Planholder")) {
                TabOne1.SetTabVisible(tab, type == IllustrationType::PlanholderRmd);
            } else if (Contains(caption, "Beneficiary")) {
                TabOne1.SetTabVisible(tab, type == IllustrationType::BeneficiaryRmd);
            } else if (Contains(caption, "S&EPP")) {
                TabOne1.SetTabVisible(tab, type == IllustrationType::EqualPayments);
            } else if (Contains(caption, "Stretch")) {
                TabOne1.SetTabVisible(tab, stretch);
                if (stretch && oldWindows) {
                    TabOne1.SetTabEnabled(tab, false);
                }
            } else if (Contains(caption, "Report")) {
                TabOne1.SetTabVisible(tab, true);
                if (stretch && oldWindows) {
                    TabOne1.SetTabEnabled(tab, false);
                    App().MsgBox("The Stretch concept does not\r\nrun on Windows 95.",
                                 forms::vbOKOnly + forms::vbInformation,
                                 "Outdated Windows System Detected");
                }
            } else if (Contains(caption, "Graph")) {
                TabOne1.SetTabVisible(tab, stretch && !oldWindows);
                if (stretch && oldWindows) {
                    mnuReportGraph.SetVisible(false);
                }
            }
        }

        mnuReport.SetVisible(stretch);
        if (stretch) {
            const std::pair<forms::Menu*, const char*> sections[] = {
                {&mnuReportCover, "ReportCover"},
                {&mnuReportWrenhall, "ReportWrenhall"},
                {&mnuReportTaxes, "ReportTaxes"},
                {&mnuReportLedger, "ReportLedger"},
                {&mnuReportGraph, "ReportGraph"}};
            for (const auto& [item, key] : sections) {
                item->SetChecked(Program().Settings.Get(key) != "False");
            }
        }

        UpdatePlanRetDateField();
        UpdateJointFields(*this);
        if (type == IllustrationType::BeneficiaryRmd) {
            UpdateOriginalDobField(*this);
        }
        for (int tab = 0; tab < TabOne1.TabCount(); ++tab) {
            if (TabOne1.TabVisible(tab)) {
                TabOne1.SetCurrentTab(tab);
                break;
            }
        }
    } catch (const std::exception&) {
        const forms::UntrappedErrorReport report = forms::ReportOf(std::current_exception());
        App().MsgBox("Error Type " + std::to_string(report.number) + "\r\n" + report.text,
                     forms::vbOKOnly + forms::vbCritical, "Critical Error in TabViews");
        App().End();
    }
}

} // namespace ui
