#include "bench/stretch_window.h"

#include "program/ui/main_window/calculate_illustration.h"
#include "program/ui/main_window/define_variables.h"
#include "program/ui/tests/valid_inputs.h"

#include "platform/automation/creation.h"
#include "platform/system/freed_memory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <map>

namespace bench {

namespace fs = std::filesystem;

namespace {

// The Report tab's page images: one image pixel for each pixel of the screen.
constexpr double kScreenDotsPerInch = 96;

} // namespace

const char* const kStretchState = "NY";

BenchFolder::BenchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    const std::map<std::string, fs::path> folders = {
        {"TALLOWMERE_PROGRAM_DIR", root_ / "program"},
        {"TALLOWMERE_DATA_DIR", root_ / "data"},
        {"TALLOWMERE_DOCUMENTS_DIR", root_ / "documents"},
        {"TALLOWMERE_CONFIG_DIR", root_ / "config"},
        {"TALLOWMERE_WINDOWS_DIR", root_ / "windows"},
        {"TALLOWMERE_USER_PROFILE_DIR", root_ / "profile"}};
    for (const auto& [name, folder] : folders) {
        fs::create_directories(folder);
        setenv(name.c_str(), folder.c_str(), 1);
    }
    setenv("TALLOWMERE_REGISTRY", (root_ / "registry.ini").c_str(), 1);
    registered_ = automation::RegisterServer(OUTPUT_MODULE) == S_OK;
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path ResourceArchive() {
    return TALLOWMERE_RESOURCE_ARCHIVE;
}

void KeepingComposer::Compose(const report::Composition& composition) {
    richText = composition.richText;
    composer_.Compose(composition);
}

StretchWindow::StretchWindow(const fs::path& workFolder, Presentation presentation)
    : skin(presentation == Presentation::Screen ? std::make_unique<forms::qt::Skin>(app) : nullptr),
      service(app, composer, ui::ReportLocations{ResourceArchive(), workFolder},
              presentation == Presentation::Screen ? ui::PageImages([this](int page) {
                  printdoc::PageImage image = composer.PageImage(page, kScreenDotsPerInch);
                  return forms::Image(image.width, image.height, std::move(image.pixels));
              })
                                                   : ui::PageImages()) {
    program.IllustrationType = illustration::IllustrationType::Stretch;
    main.SetServices(service, main.Store());
    main.Show();
    for (const auto& [tag, text] : ui::kValidStretch) {
        main.SetField(text, tag);
    }
    for (int item = 0; item < main.cmboState.ListCount(); ++item) {
        if (main.cmboState.List(item) == kStretchState) {
            main.cmboState.SetListIndex(item);
        }
    }
    for (forms::Menu* section :
         {&main.mnuReportCover, &main.mnuReportWrenhall, &main.mnuReportTaxes,
          &main.mnuReportLedger, &main.mnuReportGraph}) {
        section->SetChecked(true);
    }
}

bool StretchWindow::ProduceReport() {
    calc::StretchProjection work;
    if (ui::DefineVariables(main)) {
        return false;
    }
    ui::CalculateIllustration(main, *main.RepInfo, work);
    return service.ProduceReport(main, work, /*drawGraph*/ true);
}

bool StretchWindow::ExportReport(const fs::path& pdf) {
    if (!ProduceReport()) {
        return false;
    }
    service.ExportPdf(main, pdf);
    return true;
}

int StretchWindow::Tab(const std::string& caption) const {
    for (int tab = 0; tab < main.TabOne1.TabCount(); ++tab) {
        if (main.TabOne1.TabCaption(tab) == caption) {
            return tab;
        }
    }
    return -1;
}

void PaintNow(const forms::qt::Skin& skin, const forms::Control& control) {
    QCoreApplication::processEvents();
    if (QWidget* widget = skin.WidgetOf(control)) {
        widget->repaint();
    }
}

int RunBenchmarksOnScreen(int argc, char** argv) {
    sys::KeepFreedMemory();
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite*/ 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    QApplication qt(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
