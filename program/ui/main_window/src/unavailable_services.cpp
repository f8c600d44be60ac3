#include "program/ui/main_window/src/unavailable_services.h"

#include "program/ui/main_window/main_form.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"

namespace ui {

namespace {

constexpr const char* kNotAvailableTitle = "Not Available";
constexpr const char* kReportsNotAvailable =
    "Reports, graphs, printing and PDF files are not available in this version of the program.";
constexpr const char* kStoreNotAvailable =
    "Saved illustrations are not available in this version of the program.";
constexpr const char* kNotKept = "Saved illustrations are not available in this version of the "
                                 "program:\r\nthis illustration is not kept.";

void ShowNotAvailable(forms::Application& app, const char* text) {
    app.MsgBox(text, forms::vbOKOnly + forms::vbInformation, kNotAvailableTitle);
}

class UnavailableReportOutput final : public ReportOutput {
public:
    explicit UnavailableReportOutput(forms::Application& app) : app_(app) {}

    bool ProduceReport(frmMain&, calc::StretchProjection&, bool) override {
        ShowNotAvailable(app_, kReportsNotAvailable);
        return false;
    }
    void DrawGraph(frmMain&, calc::StretchProjection&) override {
        ShowNotAvailable(app_, kReportsNotAvailable);
    }
    void PrintReport(frmMain&) override { ShowNotAvailable(app_, kReportsNotAvailable); }
    void ExportPdf(frmMain&, const std::filesystem::path&) override {
        ShowNotAvailable(app_, kReportsNotAvailable);
    }

private:
    forms::Application& app_;
};

class UnavailableIllustrationStore final : public IllustrationStore {
public:
    explicit UnavailableIllustrationStore(forms::Application& app) : app_(app) {}

    frmRepInfo* RepresentativeWindow() override { return nullptr; }
    forms::Form* Browser() override { return nullptr; }
    void ShowRepresentativeWindow(frmMain&) override { ShowNotAvailable(app_, kStoreNotAvailable); }
    bool ShowBrowser(frmMain&) override {
        ShowNotAvailable(app_, kStoreNotAvailable);
        return false;
    }

    // Leaving the illustration is never held up by a store that cannot save it; the user is
    // told that it is not kept. An explicit save fails with the same news.
    bool PromptSaveIllustration(frmMain& main, bool ask) override {
        if (main.Program().IllustrationSaved) {
            return true;
        }
        ShowNotAvailable(app_, ask ? kNotKept : kStoreNotAvailable);
        return ask;
    }
    void NewIllustration(frmMain&) override { ShowNotAvailable(app_, kStoreNotAvailable); }
    int RecordCount() override { return 0; }
    void CompactDatabase(frmMain&) override { ShowNotAvailable(app_, kStoreNotAvailable); }
    void BackupClientData(frmMain&, store::BackupKind) override {
        ShowNotAvailable(app_, kStoreNotAvailable);
    }
    void RestoreClientData(frmMain&, store::BackupKind) override {
        ShowNotAvailable(app_, kStoreNotAvailable);
    }

private:
    forms::Application& app_;
};

} // namespace

std::unique_ptr<ReportOutput> MakeUnavailableReportOutput(forms::Application& app) {
    return std::make_unique<UnavailableReportOutput>(app);
}

std::unique_ptr<IllustrationStore> MakeUnavailableIllustrationStore(forms::Application& app) {
    return std::make_unique<UnavailableIllustrationStore>(app);
}

} // namespace ui
