// What the benchmarks of the Stretch report share: a temporary folder for every file of the run,
// and the main window holding the Stretch inputs that the window tests use (valid_inputs.h),
// with its reports composed on the print document, in the model alone or shown through the Qt
// skin.
#pragma once

#include "program/report/compose/report_composer.h"
#include "program/ui/main_window/main_form.h"
#include "program/ui/report_service.h"

#include "platform/forms/application.h"
#include "platform/forms/qt/skin.h"

#include <filesystem>
#include <memory>
#include <string>

namespace bench {

// A temporary folder that holds every file of the run: the program, data, documents, settings
// and profile folders and the class registry point into it while it lives, and the Output module
// is registered there. Removed at the end.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path WorkFolder() const { return root_ / "program"; }
    // False when the Output module could not be registered.
    bool Registered() const { return registered_; }

private:
    std::filesystem::path root_;
    bool registered_ = false;
};

// The resource archive built beside the benchmarks.
std::filesystem::path ResourceArchive();

// The state of the tax comparison page.
extern const char* const kStretchState;

// The report composer, keeping the last filled text it was given.
class KeepingComposer final : public report::Composer {
public:
    void Compose(const report::Composition& composition) override;
    int PageCount() const override { return composer_.PageCount(); }
    std::string PrinterName() const override { return composer_.PrinterName(); }
    void Print() override { composer_.Print(); }
    void ExportPdf(const std::filesystem::path& path) override { composer_.ExportPdf(path); }
    printdoc::PageImage PageImage(int page, double dotsPerInch) const {
        return composer_.PageImage(page, dotsPerInch);
    }

    std::string richText;

private:
    compose::ReportComposer composer_;
};

enum class Presentation {
    Model,  // the forms model alone
    Screen, // shown through the Qt skin; a QApplication must exist
};

// The main window of the Stretch type holding ui::kValidStretch and kStretchState, with every
// report section on and its reports going through the report service into the work folder. On the
// screen its Report tab shows the pages at the screen's 96 dots to the inch, as the program's
// does.
struct StretchWindow {
    StretchWindow(const std::filesystem::path& workFolder, Presentation presentation);

    // Validation, calculation and the report with its graph, composed: false when a step
    // failed.
    bool ProduceReport();
    // ProduceReport, then the PDF file.
    bool ExportReport(const std::filesystem::path& pdf);

    // The tab of that caption.
    int Tab(const std::string& caption) const;

    forms::Application app;
    std::unique_ptr<forms::qt::Skin> skin;
    ui::ProgramState program;
    ui::frmMain& main = app.Create<ui::frmMain>(program);
    KeepingComposer composer;
    ui::ReportService service;
};

// Lets Qt deliver what is pending, then paints `control`'s widget on the screen at once.
void PaintNow(const forms::qt::Skin& skin, const forms::Control& control);

// The main of a benchmark program that shows windows: runs the benchmarks named on the command
// line under one QApplication, on the offscreen platform unless QT_QPA_PLATFORM names another;
// freed memory is kept with the process, as the program's main has it.
int RunBenchmarksOnScreen(int argc, char** argv);

} // namespace bench
