// The main window's report, graph, print and PDF steps over report production: what a report
// needs is gathered from the window (the validated inputs, the values the Stretch calculation
// left, the report menu's check marks, the graph page's controls and the representative
// window), the report is filled and handed to a composer, and a report that cannot be produced
// is abandoned with its message in a box while the program and the illustration stay as they
// were.
#pragma once

#include "program/report/composer.h"
#include "program/report/report_production.h"
#include "program/ui/main_window/report_output.h"

#include "platform/forms/image.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace forms {
class Application;
}

namespace ui {

// Where report production reads the templates and pictures and writes what it extracts.
struct ReportLocations {
    std::filesystem::path resourceArchive;
    std::filesystem::path workFolder;
};

// The program's locations: the resource archive beside the executable, the work folder.
ReportLocations ProgramReportLocations();

// Page `page` (from 1) of the composed document as an image for the Report tab.
using PageImages = std::function<forms::Image(int page)>;

class ReportService final : public ReportOutput {
public:
    // The composer lays out every report this service produces; it must outlive the service.
    // The Report tab shows the pages `pageImages` gives after each composition, the first drawn
    // on the screen before the others are made. Without `pageImages` it shows nothing.
    ReportService(forms::Application& app, report::Composer& composer, ReportLocations locations,
                  PageImages pageImages = {});

    bool ProduceReport(frmMain& main, calc::StretchProjection& work, bool drawGraph) override;
    void DrawGraph(frmMain& main, calc::StretchProjection& work) override;
    void PrintReport(frmMain& main) override;
    // A failure is shown by the caller; nothing is written then.
    void ExportPdf(frmMain& main, const std::filesystem::path& path) override;

private:
    void ShowPages(frmMain& main);

    forms::Application& app_;
    report::Composer& composer_;
    report::ReportProduction production_;
    ReportLocations locations_;
    PageImages pageImages_;
    // Set while a report or graph is made: a second request in that time (from an event the
    // composition lets through) is refused rather than started on the same document.
    bool busy_ = false;
};

} // namespace ui
