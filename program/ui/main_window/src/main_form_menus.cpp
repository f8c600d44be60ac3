// The main window's menus, report-section toggles, tab changes and timer, and the output chains
// they share: validation, the calculation, then the report, graph, print or PDF step.
#include "program/ui/main_window/main_form.h"

#include "program/report/report_error.h"
#include "program/store/backup.h"
#include "program/store/user_info.h"
#include "program/ui/main_window/calculate_illustration.h"
#include "program/ui/main_window/define_variables.h"
#include "program/ui/main_window/src/main_form_chains.h"
#include "program/ui/support/src/pdf_file_name.h"
#include "program/ui/support/src/web_links.h"
#include "program/ui/windows/about/src/about_form.h"
#include "program/ui/windows/representative/rep_info_form.h"

#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/drives.h"
#include "platform/system/folders.h"

#include <exception>
#include <vector>

namespace ui {

namespace {

using illustration::IllustrationType;

constexpr const char* kReportTab = "&Report";
constexpr const char* kGraphTab = "&Graph";
constexpr const char* kPdfReaderAddress = "https://www.pdfa.org";

bool CurrentTabIs(const frmMain& main, std::string_view caption) {
    return main.TabOne1.TabCaption(main.TabOne1.CurrentTab()) == caption;
}

bool IsStretch(const frmMain& main) {
    return main.Program().IllustrationType == IllustrationType::Stretch;
}

// Validation and the calculation: false when a check failed (its message has been shown).
bool Calculate(frmMain& main, calc::StretchProjection& work) {
    if (DefineVariables(main)) {
        return false;
    }
    CalculateIllustration(main, *main.RepInfo, work);
    return true;
}

// While the report is redone the Report menu is closed and the pointer is the hourglass; both
// come back however the report ends.
class ReportBusy {
public:
    explicit ReportBusy(frmMain& main) : main_(main) {
        main_.mnuReport.SetEnabled(false);
        main_.SetMousePointer(forms::vbHourglass);
    }
    ~ReportBusy() {
        main_.mnuReport.SetEnabled(true);
        main_.SetMousePointer(forms::vbDefault);
    }
    ReportBusy(const ReportBusy&) = delete;
    ReportBusy& operator=(const ReportBusy&) = delete;

private:
    frmMain& main_;
};

void ShowPdfNotSaved(frmMain& main, int errorNumber) {
    main.App().MsgBox("An error type" + runtime::Str(errorNumber) +
                          " occurred \r\nwhile creating the PDF file.\r\nPlease try again.",
                      forms::vbOKOnly + forms::vbCritical, "Adobe Acrobat File Not Saved");
}

// The report saved as "<client><type>.pdf" in the PDF folder. The documents folder is made when
// it is missing, so that the PDF folder in it can be. The file name is stored text; on disk it
// is UTF-8, as every path is.
void ExportPdf(frmMain& main) {
    const std::string fileName = PdfFileName(main.validated.name, main.Program().IllustrationType);
    try {
        std::filesystem::create_directories(sys::DocumentsFolder());
        const std::filesystem::path folder = store::PDFDir();
        main.Output().ExportPdf(main, folder / runtime::Windows1252ToUtf8(fileName));
        main.App().MsgBox(fileName + "\r\nwas saved in the " +
                              runtime::Utf8ToWindows1252(folder.string()) +
                              " file folder.\r\n\r\nFor more information about Adobe Acrobat "
                              "files\r\nand to get a free Acrobat Reader Plug-in for your\r\nweb "
                              "browser visit their website at " +
                              kPdfReaderAddress + ".",
                          forms::vbOKOnly + forms::vbInformation, "Adobe Acrobat File Saved");
    } catch (const report::ReportError& error) {
        ShowPdfNotSaved(main, error.ErrorNumber());
    } catch (const std::exception&) {
        ShowPdfNotSaved(main, forms::ReportOf(std::current_exception()).number);
    }
}

// The report-section items and the settings keys they are kept under.
void ToggleReportSection(frmMain& main, forms::Menu& item, const char* key) {
    item.SetChecked(!item.Checked());
    main.Program().Settings.Save(key, item.Checked() ? "True" : "False", main.App());
    if (CurrentTabIs(main, kReportTab)) {
        const ReportBusy busy(main);
        RunReportChain(main);
    }
}

// A new or reopened illustration is typed into from its first field, whatever had the focus
// before (a tab, or a field of the page that went).
void FocusFirstInput(frmMain& main) {
    if (main.App().ActiveForm() != &main) {
        return;
    }
    if (const std::vector<forms::Control*> order = main.TabOrder(); !order.empty()) {
        order.front()->SetFocus();
    }
}

// File New of type `type`: the save question first; a wanted save that failed keeps the
// illustration as it is.
void StartNewIllustration(frmMain& main, IllustrationType type) {
    main.SetupIllustrationType();
    if (!main.Store().PromptSaveIllustration(main, true)) {
        return;
    }
    main.Program().IllustrationType = type;
    main.SetupIllustrationType();
    main.Store().NewIllustration(main);
    FocusFirstInput(main);
}

} // namespace

bool RunReportChain(frmMain& main) {
    calc::StretchProjection work;
    if (!Calculate(main, work)) {
        return false;
    }
    return main.Output().ProduceReport(main, work,
                                       IsStretch(main) && main.mnuReportGraph.Checked());
}

void RunGraphChain(frmMain& main) {
    main.LayOutGraphPage();
    calc::StretchProjection work;
    if (Calculate(main, work)) {
        main.Output().DrawGraph(main, work);
    }
}

void frmMain::WireMenus() {
    mnuFile.Click = [this] { mnuFileSave.SetEnabled(!Program().IllustrationSaved); };
    const std::pair<forms::Menu*, IllustrationType> newItems[] = {
        {&mnuFileNew, IllustrationType::PlanholderRmd},
        {&mnuFileNewRBD, IllustrationType::BeneficiaryRmd},
        {&mnuFileNewEqual, IllustrationType::EqualPayments},
        {&mnuFileNewStretch, IllustrationType::Stretch}};
    for (const auto& [item, type] : newItems) {
        item->Click = [this, type = type] { StartNewIllustration(*this, type); };
    }
    mnuFileLoad.Click = [this] {
        SetupIllustrationType();
        if (Store().PromptSaveIllustration(*this, true) && Store().ShowBrowser(*this)) {
            FocusFirstInput(*this);
        }
    };
    mnuFileSave.Click = [this] {
        calc::StretchProjection work;
        if (Calculate(*this, work)) {
            Store().PromptSaveIllustration(*this, false);
        }
    };
    mnuFilePrint.Click = [this] {
        if (RunReportChain(*this)) {
            Output().PrintReport(*this);
        }
    };
    mnuFileExportPDF.Click = [this] {
        if (RunReportChain(*this)) {
            ExportPdf(*this);
        }
    };
    mnuFileExit.Click = [this] { ExitProgram(true); };
    mnuDebugMode.Click = [this] {
        DetailedCalculations = !DetailedCalculations;
        App().MsgBox(DetailedCalculations ? "Detailed Calculation Mode on."
                                          : "Detailed Calculation Mode off.",
                     forms::vbOKOnly + forms::vbInformation, "Detailed Calculations");
    };
    const std::pair<forms::Menu*, const char*> sections[] = {{&mnuReportCover, "ReportCover"},
                                                             {&mnuReportWrenhall, "ReportWrenhall"},
                                                             {&mnuReportGraph, "ReportGraph"},
                                                             {&mnuReportLedger, "ReportLedger"},
                                                             {&mnuReportTaxes, "ReportTaxes"}};
    for (const auto& [item, key] : sections) {
        item->Click = [this, item = item, key = key] { ToggleReportSection(*this, *item, key); };
    }
    mnuOptions.Click = [this] {
        const bool records = Store().RecordCount() >= 1;
        mnuOptionsBackup.SetEnabled(records);
        mnuOptionsCompact.SetEnabled(records);
        if (!sys::DriveExists("A:")) {
            mnuOptionsBackup.SetEnabled(false);
            mnuOptionsRestore.SetEnabled(false);
        }
    };
    mnuOptionsAdvisor.Click = [this] { Store().ShowRepresentativeWindow(*this); };
    mnuOptionsCompact.Click = [this] { Store().CompactDatabase(*this); };
    using store::BackupKind;
    mnuOptionsBackup.Click = [this] { Store().BackupClientData(*this, BackupKind::Disk); };
    mnuOptionsInternetBackup.Click = [this] {
        Store().BackupClientData(*this, BackupKind::Internet);
    };
    mnuOptionsRestore.Click = [this] { Store().RestoreClientData(*this, BackupKind::Disk); };
    mnuOptionsInternetRestore.Click = [this] {
        Store().RestoreClientData(*this, BackupKind::Internet);
    };
    mnuHelpAbout.Click = [this] { ShowAboutBox(*this); };
    mnuHelpSupport.Click = [this] { OpenWebAddress(Program().SupportUrl); };

    TabOne1.TabChange = [this] {
        if (!TabOne1.Visible()) {
            return;
        }
        if (CurrentTabIs(*this, kReportTab)) {
            RunReportChain(*this);
        }
        if (CurrentTabIs(*this, kGraphTab) && !DefineVariables(*this)) {
            Timer1.SetEnabled(true);
        }
    };
    Timer1.Tick = [this] {
        const bool representativeShows =
            Store().RepresentativeWindow() != nullptr && Store().RepresentativeWindow()->Visible();
        if (!representativeShows && IsStretch(*this) && TabOne1.Visible() &&
            CurrentTabIs(*this, kGraphTab)) {
            RunGraphChain(*this);
            for (forms::Control* control : std::initializer_list<forms::Control*>{
                     &picGraph, &hScrollGraph, &lstGraph, &chkBackground, &chkTopView,
                     &chkGrayScale, &Label3(4)}) {
                control->SetVisible(true);
            }
        }
        Timer1.SetEnabled(false);
    };
}

} // namespace ui
