// The full Stretch report from the main window's fields to a PDF file: input validation, the
// calculation, the template fill, the graph, the composition on the print document and the
// export. Beside it, in the same run, LibreOffice headless converting the same filled rich
// text to PDF, when `soffice` is on the PATH (the benchmark is skipped otherwise).
//
// Everything is written to a fresh temporary folder: the program and documents folders, the
// class registry the Output module is registered in, and the converter's profile.
#include "program/report/compose/report_composer.h"
#include "program/ui/calculate_illustration.h"
#include "program/ui/define_variables.h"
#include "program/ui/main_form.h"
#include "program/ui/report_service.h"

#include "platform/automation/creation.h"
#include "platform/forms/application.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path kArchive = TALLOWMERE_RESOURCE_ARCHIVE;

const std::map<std::string, std::string> kStretchInputs = {
    {"8-StretchPFirst", "John"},      {"8-StretchPLast", "Sample"},
    {"7-StretchPDOB", "01/01/1950"},  {"2-StretchPLEO", "20"},
    {"8-StretchSFirst", "Susan"},     {"8-StretchSLast", "Sample"},
    {"7-StretchSDOB", "01/01/1955"},  {"2-StretchSLEO", "25"},
    {"8-StretchBFirst", "Jack"},      {"8-StretchBLast", "Sample"},
    {"7-StretchBDOB", "01/01/1990"},  {"8-StretchPlanName", "IRA Plan"},
    {"6-StretchAcctValue", "100000"}, {"6-StretchAcctCont", "0"},
    {"1-StretchROR", "8.00%"}};

// A temporary folder that holds every file of the run; the program's folders and the class
// registry point into it while it lives.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "report-bench-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        for (const auto& [name, folder] :
             std::map<std::string, fs::path>{{"TALLOWMERE_PROGRAM_DIR", root_ / "program"},
                                             {"TALLOWMERE_DOCUMENTS_DIR", root_ / "documents"},
                                             {"TALLOWMERE_CONFIG_DIR", root_ / "config"},
                                             {"TALLOWMERE_REGISTRY", root_ / "registry.ini"}}) {
            if (folder.extension().empty()) {
                fs::create_directories(folder);
            }
            setenv(name.c_str(), folder.c_str(), 1);
        }
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
};

// The report composer, keeping the last filled text it was given.
class KeepingComposer final : public report::Composer {
public:
    void Compose(const report::Composition& composition) override {
        richText = composition.richText;
        composer_.Compose(composition);
    }
    int PageCount() const override { return composer_.PageCount(); }
    std::string PrinterName() const override { return composer_.PrinterName(); }
    void Print() override { composer_.Print(); }
    void ExportPdf(const fs::path& path) override { composer_.ExportPdf(path); }

    std::string richText;

private:
    compose::ReportComposer composer_;
};

// The main window holding the Stretch inputs, with every report section on, its reports
// composed on the print document.
struct StretchWindow {
    explicit StretchWindow(const fs::path& workFolder)
        : service(app, composer, ui::ReportLocations{kArchive, workFolder}) {
        program.IllustrationType = illustration::IllustrationType::Stretch;
        main.SetServices(service, main.Store());
        main.Show();
        for (const auto& [tag, text] : kStretchInputs) {
            main.SetField(text, tag);
        }
        for (forms::Menu* section :
             {&main.mnuReportCover, &main.mnuReportWrenhall, &main.mnuReportTaxes,
              &main.mnuReportLedger, &main.mnuReportGraph}) {
            section->SetChecked(true);
        }
    }

    // Fields to PDF: false when a step failed.
    bool ExportReport(const fs::path& pdf) {
        calc::StretchProjection work;
        if (ui::DefineVariables(main)) {
            return false;
        }
        ui::CalculateIllustration(main, *main.RepInfo, work);
        if (!service.ProduceReport(main, work, /*drawGraph*/ true)) {
            return false;
        }
        service.ExportPdf(main, pdf);
        return true;
    }

    forms::Application app;
    ui::ProgramState program;
    ui::frmMain& main = app.Create<ui::frmMain>(program);
    KeepingComposer composer;
    ui::ReportService service;
};

void BM_StretchReportFieldsToPdf(benchmark::State& state) {
    const BenchFolder folder;
    if (automation::RegisterServer(OUTPUT_MODULE) != S_OK) {
        state.SkipWithError("the Output module cannot be registered");
        return;
    }
    StretchWindow window(folder.Root() / "program");
    const fs::path pdf = folder.Root() / "documents" / "JohnSampleStretch.pdf";
    for (auto _ : state) {
        if (!window.ExportReport(pdf)) {
            state.SkipWithError("the report was not produced");
            return;
        }
    }
    state.counters["pages"] = window.composer.PageCount();
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(pdf));
}
BENCHMARK(BM_StretchReportFieldsToPdf)->Unit(benchmark::kMillisecond);

// The first folder of PATH holding an executable `name`; empty when none does.
fs::path FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path == nullptr ? "" : path;
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

// Runs `arguments` without a shell and answers its exit status; -1 when it cannot start.
int Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, arguments[0].c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StretchRtfToPdfWithLibreOffice(benchmark::State& state) {
    const fs::path soffice = FindOnPath("soffice");
    if (soffice.empty()) {
        state.SkipWithError("LibreOffice (soffice) is not installed");
        return;
    }
    const BenchFolder folder;
    if (automation::RegisterServer(OUTPUT_MODULE) != S_OK) {
        state.SkipWithError("the Output module cannot be registered");
        return;
    }
    StretchWindow window(folder.Root() / "program");
    if (!window.ExportReport(folder.Root() / "documents" / "JohnSampleStretch.pdf")) {
        state.SkipWithError("the report was not produced");
        return;
    }
    const fs::path rtf = folder.Root() / "JohnSampleStretch.rtf";
    std::ofstream(rtf, std::ios::binary) << window.composer.richText;
    const fs::path outFolder = folder.Root() / "converted";
    const std::string profile = "-env:UserInstallation=file://" + (folder.Root() / "lo").string();
    for (auto _ : state) {
        if (Run({soffice.string(), profile, "--headless", "--convert-to", "pdf", "--outdir",
                 outFolder.string(), rtf.string()}) != 0) {
            state.SkipWithError("soffice failed");
            return;
        }
    }
}
BENCHMARK(BM_StretchRtfToPdfWithLibreOffice)->Unit(benchmark::kMillisecond);

} // namespace
