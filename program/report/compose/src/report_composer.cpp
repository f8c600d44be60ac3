#include "program/report/compose/report_composer.h"

#include "program/report/compose/draw_rtf.h"
#include "program/report/compose/src/page_decoration.h"
#include "program/report/compose/src/print_document_surface.h"
#include "program/report/compose/src/report_pictures.h"
#include "program/report/report_error.h"

#include "platform/printdoc/print_document.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/windows1252.h"

#include <exception>

namespace compose {

namespace {

// The report's margins before its text sets any: half an inch at the top, 0.6 inch at the
// bottom, an inch at each side.
constexpr std::int32_t kMarginTop = 720;
constexpr std::int32_t kMarginBottom = 864;
constexpr std::int32_t kMarginSide = 1440;

constexpr const char* kComposingStatus = "Creating Document . . .";

// Lays out and decorates one report on a document of its own.
std::unique_ptr<printdoc::PrintDocument> ComposeDocument(const report::Composition& composition,
                                                         ReportPictures& pictures) {
    auto document = std::make_unique<printdoc::PrintDocument>();
    document->SetStatusText(kComposingStatus);
    document->SetDocumentName(composition.documentName);
    // The margins come first, so that page 1 begins at the top margin as every later page does.
    document->SetMarginTop(kMarginTop);
    document->SetMarginBottom(kMarginBottom);
    document->SetMarginLeft(kMarginSide);
    document->SetMarginRight(kMarginSide);
    document->StartDoc();

    PrintDocumentSurface surface(*document);
    if (const std::optional<std::string> error = DrawRTF(surface, composition.richText)) {
        throw report::ReportError(*error);
    }
    document->EndDoc();

    DecoratePages(*document, composition, pictures);
    DrawPageHeadersFooters(*document, composition);
    document->SetStatusText("");
    return document;
}

// Marks a composition under way for as long as it runs.
class ComposingScope {
public:
    explicit ComposingScope(bool& composing) : composing_(composing) { composing_ = true; }
    ~ComposingScope() { composing_ = false; }
    ComposingScope(const ComposingScope&) = delete;
    ComposingScope& operator=(const ComposingScope&) = delete;

private:
    bool& composing_;
};

} // namespace

ReportComposer::ReportComposer() : pictures_(std::make_unique<ReportPictures>()) {}
ReportComposer::~ReportComposer() = default;

void ReportComposer::Compose(const report::Composition& composition) {
    if (composing_) {
        throw report::ReportError("A report is being composed; wait until it is finished.");
    }
    const ComposingScope scope(composing_);
    // The former report goes first, so that whatever happens it is never shown as this one.
    document_.reset();
    try {
        document_ = ComposeDocument(composition, *pictures_);
    } catch (const report::ReportError&) {
        throw;
    } catch (const std::exception& error) {
        throw report::ReportError(std::string("The report could not be composed: ") + error.what());
    }
}

int ReportComposer::PageCount() const {
    return document_ ? document_->PageCount() : 0;
}

std::string ReportComposer::PrinterName() const {
    // Printers are named in UTF-8; the system's texts are Windows-1252.
    return runtime::Utf8ToWindows1252(printdoc::DefaultPrinterName());
}

const printdoc::PrintDocument& ReportComposer::ComposedDocument(const char* action) const {
    if (!document_) {
        throw report::ReportError(std::string("There is no report to ") + action + ".",
                                  static_cast<int>(runtime::ErrorNumber::InvalidProcedureCall));
    }
    return *document_;
}

void ReportComposer::Print() {
    const printdoc::PrintDocument& document = ComposedDocument("print");
    try {
        document.Print();
    } catch (const std::exception& error) {
        throw report::ReportError(std::string("The report could not be printed: ") + error.what());
    }
}

void ReportComposer::ExportPdf(const std::filesystem::path& path) {
    const printdoc::PrintDocument& document = ComposedDocument("export");
    try {
        document.ExportPdf(path);
    } catch (const runtime::RuntimeError& error) {
        throw report::ReportError("The report could not be saved as " + path.string() + ": " +
                                      error.what(),
                                  error.Number());
    }
}

std::vector<printdoc::PageImage> ReportComposer::PageImages(double dotsPerInch) const {
    std::vector<printdoc::PageImage> images;
    for (int page = 1; page <= PageCount(); ++page) {
        images.push_back(PageImage(page, dotsPerInch));
    }
    return images;
}

printdoc::PageImage ReportComposer::PageImage(int page, double dotsPerInch) const {
    return ComposedDocument("show").RenderPage(page, dotsPerInch);
}

} // namespace compose
