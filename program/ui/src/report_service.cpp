#include "program/ui/report_service.h"

#include "program/illustration/formatting.h"
#include "program/report/graph_production.h"
#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"
#include "program/ui/main_window/calculate_illustration.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/support/src/field_kind.h"
#include "program/ui/support/src/state_table.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/text.h"
#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/system/program_identity.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

namespace {

using illustration::IllustrationType;

constexpr const char* kReportErrorTitle = "Report Not Produced";
constexpr const char* kGraphErrorTitle = "Graph Not Drawn";
constexpr const char* kPrintErrorTitle = "Report Not Printed";
constexpr const char* kGraphTab = "&Graph";
constexpr const char* kComposing = "Creating Document . . .";

// Twips to screen pixels at 96 to the inch, halves to even.
int TwipsToPixels(int twips) {
    return static_cast<int>(std::nearbyint(twips / 1440.0 * 96.0));
}
// The graph's size when it is drawn for the report rather than for the graph page.
constexpr int kReportGraphWidthTwips = 9360;
constexpr int kReportGraphHeightTwips = 7027;

// While a report or graph is made: the report menu and the tabs that would start another one
// are off and the pointer is the hourglass; each comes back as it was, however the work ends.
class BusyWindow {
public:
    BusyWindow(frmMain& main, bool& busy) : main_(main), busy_(busy) {
        busy_ = true;
        reportMenuEnabled_ = main_.mnuReport.Enabled();
        pointer_ = main_.MousePointer();
        for (int tab = 0; tab < main_.TabOne1.TabCount(); ++tab) {
            const std::string& caption = main_.TabOne1.TabCaption(tab);
            const bool startsWork = caption.find("Graph") != std::string::npos ||
                                    caption.find("Stretch") != std::string::npos;
            if (startsWork && main_.TabOne1.TabEnabled(tab)) {
                main_.TabOne1.SetTabEnabled(tab, false);
                disabledTabs_.push_back(tab);
            }
        }
        main_.mnuReport.SetEnabled(false);
        main_.SetMousePointer(forms::vbHourglass);
    }
    ~BusyWindow() {
        for (const int tab : disabledTabs_) {
            main_.TabOne1.SetTabEnabled(tab, true);
        }
        main_.mnuReport.SetEnabled(reportMenuEnabled_);
        main_.SetMousePointer(pointer_);
        busy_ = false;
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    frmMain& main_;
    bool& busy_;
    bool reportMenuEnabled_ = true;
    int pointer_ = forms::vbDefault;
    std::vector<int> disabledTabs_;
};

bool Checked(const forms::CheckBox& box) {
    return box.Value() == forms::vbChecked;
}

// First name, then the middle name and the last name each after a blank when not empty.
std::string PersonName(const frmMain& main, const char* first, const char* middle,
                       const char* last) {
    std::string name = runtime::Trim(main.GetField(first));
    for (const char* tag : {middle, last}) {
        if (const std::string part = runtime::Trim(main.GetField(tag)); !part.empty()) {
            name += " " + part;
        }
    }
    return name;
}

report::StretchState StretchStateOf(const frmMain& main) {
    report::StretchState state;
    state.planholderName =
        PersonName(main, "8-StretchPFirst", "8-StretchPMiddle", "8-StretchPLast");
    state.spouseName = PersonName(main, "8-StretchSFirst", "8-StretchSMiddle", "8-StretchSLast");
    state.beneficiaryName =
        PersonName(main, "8-StretchBFirst", "8-StretchBMiddle", "8-StretchBLast");
    state.planholderBirthDate = main.GetField("7-StretchPDOB");
    state.spouseBirthDate = main.GetField("7-StretchSDOB");
    state.beneficiaryBirthDate = main.GetField("7-StretchBDOB");
    state.planName = runtime::Trim(main.GetField("8-StretchPlanName"));
    state.futureIncomeYear = main.LastYearIndex;
    state.planholderEnd = main.PlanholderLE;
    state.spouseEnd = main.SpouseLE;
    state.beneficiaryEnd = main.BeneLastYearIndex;
    return state;
}

report::ReportSections SectionsOf(const frmMain& main) {
    report::ReportSections sections;
    sections.cover = main.mnuReportCover.Checked();
    sections.wrenhall = main.mnuReportWrenhall.Checked();
    sections.taxes = main.mnuReportTaxes.Checked();
    sections.ledger = main.mnuReportLedger.Checked();
    sections.graph = main.mnuReportGraph.Checked();
    return sections;
}

report::StretchReportInputs StretchInputsOf(const frmMain& main) {
    report::StretchReportInputs inputs;
    inputs.state = StretchStateOf(main);
    inputs.accountValue = main.GetField("6-StretchAcctValue");
    inputs.contribution = main.GetField("6-StretchAcctCont");
    inputs.contributionYears = main.GetField("2-StretchContYrs");
    inputs.rateOfReturn = RateAsShown(main.GetField("1-StretchROR"));
    inputs.illustrationDate = main.GetField("6-IllustrationDate");
    inputs.stateCode = main.cmboState.Text();
    inputs.stateName = StateName(inputs.stateCode);
    inputs.roth = Checked(main.chkRoth);
    inputs.taxYear = static_cast<int>(sys::Today().year());
    inputs.representative = ReadRepresentative(*main.RepInfo);
    inputs.sections = SectionsOf(main);
    return inputs;
}

std::string SelectedGraphItem(const frmMain& main) {
    const int selected = main.lstGraph.ListIndex();
    return selected < 0 ? std::string() : main.lstGraph.List(selected);
}

bool GraphTabShows(const frmMain& main) {
    return main.TabOne1.TabCaption(main.TabOne1.CurrentTab()) == kGraphTab;
}

// The graph of the selected list item as the graph page's controls ask for it. The scroll bar
// takes the phase's age range first. A thumb outside that range (a new illustration's 0, a
// saved one's unset 99, or the age of another phase) goes to its last age, so that the graph
// shows every year of the phase until the user chooses fewer.
report::GraphRequest GraphRequestOf(frmMain& main, const calc::StretchProjection& projection,
                                    const ReportLocations& locations) {
    report::GraphRequest request;
    request.phase = report::GraphPhase(SelectedGraphItem(main));
    request.title = report::GraphTitle(request.phase, StretchStateOf(main),
                                       RateAsShown(main.GetField("1-StretchROR")));
    request.accountValue = main.GetField("6-StretchAcctValue");
    request.contribution = main.GetField("6-StretchAcctCont");

    const report::AgeRange ages = report::GraphScrollRange(projection, request.phase);
    forms::HScrollBar& scroll = main.hScrollGraph;
    scroll.SetMin(ages.min);
    scroll.SetMax(ages.max);
    if (scroll.Value() < std::min(ages.min, ages.max) ||
        scroll.Value() > std::max(ages.min, ages.max)) {
        scroll.SetValue(ages.max);
    }
    request.scrollAge = scroll.Value();

    request.background = Checked(main.chkBackground);
    request.topView = Checked(main.chkTopView);
    request.grayScale = Checked(main.chkGrayScale);
    const bool onPage = GraphTabShows(main);
    request.width = TwipsToPixels(onPage ? main.picGraph.Width() : kReportGraphWidthTwips);
    request.height = TwipsToPixels(onPage ? main.picGraph.Height() : kReportGraphHeightTwips);
    request.resourceArchive = locations.resourceArchive;
    request.workFolder = locations.workFolder;
    return request;
}

} // namespace

ReportLocations ProgramReportLocations() {
    return {sys::InstallFolder() / (std::string(sys::ExecutableBaseName()) + ".icf"),
            sys::ProgramFolder()};
}

ReportService::ReportService(forms::Application& app, report::Composer& composer,
                             ReportLocations locations, PageImages pageImages)
    : app_(app), composer_(composer), locations_(std::move(locations)),
      pageImages_(std::move(pageImages)) {}

bool ReportService::ProduceReport(frmMain& main, calc::StretchProjection& work, bool drawGraph) {
    if (busy_) {
        return false;
    }
    const BusyWindow busy(main, busy_);
    // The Report tab shows the new document or, when there is none, nothing: never the pages
    // of the report before.
    main.VSPrinter1.SetPages({});
    main.VSPrinter1.SetStatusText(kComposing);
    try {
        const IllustrationType type = main.Program().IllustrationType;
        report::ReportRequest request;
        request.type = type;
        request.spouseBirthDate = main.validated.spouseBirthDate;
        request.resourceArchive = locations_.resourceArchive;
        request.workFolder = locations_.workFolder;
        if (type == IllustrationType::Stretch) {
            request.stretch = StretchInputsOf(main);
            if (drawGraph) {
                request.graph = GraphRequestOf(main, work, locations_);
            }
        }

        report::Composition composition;
        composition.resourceArchive = locations_.resourceArchive;
        composition.workFolder = locations_.workFolder;
        composition.documentName = sys::FileDescription();
        composition.illustrationDate =
            illustration::FormatLongDate(main.GetField("6-IllustrationDate"));
        composition.programLabel = main.Caption();
        composition.majorVersion = sys::Version().major;
        composition.minorVersion = sys::Version().minor;
        production_.ProduceReport(request, main.Fields(), work, std::move(composition), composer_);
        main.VSPrinter1.SetStatusText("");
        ShowPages(main);
        return true;
    } catch (const report::ExtractionError& error) {
        // The installation is damaged: the box speaks under the program's own name.
        main.VSPrinter1.SetStatusText("");
        app_.MsgBox(error.what(), forms::vbOKOnly + forms::vbCritical,
                    std::string(sys::FileDescription()));
        return false;
    } catch (const report::ReportError& error) {
        main.VSPrinter1.SetStatusText("");
        app_.MsgBox(error.what(), forms::vbOKOnly + forms::vbCritical, kReportErrorTitle);
        return false;
    }
}

void ReportService::ShowPages(frmMain& main) {
    const int pageCount = composer_.PageCount();
    if (!pageImages_ || pageCount == 0) {
        return;
    }
    // The first page goes on the screen at once, the others after it: what the model has
    // queued runs first, then one turn of the event loop draws the page while the rest are
    // made.
    std::vector<forms::Image> pages{pageImages_(1)};
    main.VSPrinter1.SetPages(pages);
    if (pageCount > 1) {
        while (app_.HasPendingEvents()) {
            app_.DoEvents();
        }
        app_.DoEvents();
    }
    for (int page = 2; page <= pageCount; ++page) {
        pages.push_back(pageImages_(page));
    }
    main.VSPrinter1.SetPages(std::move(pages));
}

void ReportService::DrawGraph(frmMain& main, calc::StretchProjection& work) {
    if (busy_) {
        return;
    }
    const BusyWindow busy(main, busy_);
    try {
        const report::GraphPicture graph =
            production_.Graph(GraphRequestOf(main, work, locations_), work);
        std::optional<forms::Picture> picture = forms::Picture::FromBytes(*graph);
        if (!picture) {
            throw report::ReportError("The graph drawn is not a picture that can be shown.");
        }
        main.picGraph.SetPicture(std::move(*picture));
    } catch (const report::ReportError& error) {
        // The page shows no graph rather than the previous one.
        main.picGraph.SetPicture({});
        app_.MsgBox(error.what(), forms::vbOKOnly + forms::vbCritical, kGraphErrorTitle);
    }
}

void ReportService::PrintReport(frmMain& main) {
    if (busy_) {
        return;
    }
    const std::string printer = composer_.PrinterName();
    if (printer.empty()) {
        app_.MsgBox("No default printer is chosen, so the report cannot be printed.\r\n"
                    "Choose a default printer in the printer settings, then try again.",
                    forms::vbOKOnly + forms::vbCritical, kPrintErrorTitle);
        return;
    }
    const BusyWindow busy(main, busy_);
    // The Report tab says where the report goes while it is sent, given one turn of the event
    // loop to show it, as the composition's own status is.
    main.VSPrinter1.SetStatusText("Printing on " + printer + " . . .");
    app_.DoEvents();
    try {
        composer_.Print();
    } catch (const report::ReportError& error) {
        app_.MsgBox(error.what(), forms::vbOKOnly + forms::vbCritical, kPrintErrorTitle);
    }
    main.VSPrinter1.SetStatusText("");
}

void ReportService::ExportPdf(frmMain&, const std::filesystem::path& path) {
    composer_.ExportPdf(path);
}

} // namespace ui
