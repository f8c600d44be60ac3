// The report's pages composed on the print document: the filled rich text drawn by the
// interpreter, then the finished pages decorated (the Stretch report's pictures by section, the
// logos with their placement files, a footer on every page). The composed document stays for
// the Report tab, the printer and the PDF export until the next report replaces it.
//
// A composition that fails leaves no document: nothing half-composed is shown, printed or
// exported. While one report is being composed a second is refused.
#pragma once

#include "program/report/composer.h"

#include "platform/printdoc/print_document.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace compose {

class ReportPictures;

class ReportComposer final : public report::Composer {
public:
    ReportComposer();
    ~ReportComposer() override;

    // Throws report::ReportError with the message to show when the report cannot be composed.
    void Compose(const report::Composition& composition) override;
    int PageCount() const override;
    std::string PrinterName() const override;
    // Both throw report::ReportError when there is no composed report, or when the printer or
    // the file cannot take it; ExportPdf's error then carries the run-time error's number, and
    // any former file stays as it was.
    void Print() override;
    void ExportPdf(const std::filesystem::path& path) override;

    // The composed pages rendered at `dotsPerInch`, for the screen; none when there is no
    // composed report.
    std::vector<printdoc::PageImage> PageImages(double dotsPerInch) const;
    // One of them: `page` counts from 1 to PageCount().
    printdoc::PageImage PageImage(int page, double dotsPerInch) const;

private:
    const printdoc::PrintDocument& ComposedDocument(const char* action) const;

    std::unique_ptr<printdoc::PrintDocument> document_;
    // The reports' pictures and logos, read and decoded once for the composer's life.
    std::unique_ptr<ReportPictures> pictures_;
    bool composing_ = false;
};

} // namespace compose
