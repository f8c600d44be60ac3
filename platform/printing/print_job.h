// Print jobs: documents already encoded (PNG pages, PDF) handed to a printer of the list, one
// job per document name. The printer's own resolution is the resolution of PNG pages; a PDF
// document brings its page sizes with it.
#pragma once

#include "platform/printing/printers.h"

#include <memory>
#include <string>
#include <string_view>

namespace printing {

enum class DocumentFormat { Png, Pdf };

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // Adds one document: a page for PNG, any number of pages for PDF. After a failure the job
    // takes nothing more and Finish fails.
    virtual bool AddDocument(std::string_view bytes, DocumentFormat format) = 0;
    // Submits the job; false when it did not reach the printer whole. A job without documents
    // prints nothing and succeeds.
    virtual bool Finish() = 0;
    // Drops the job; nothing of it is printed.
    virtual void Cancel() = 0;
};

// A job on `printer` named `documentName` (Windows-1252); nothing when no job can be started.
std::unique_ptr<PrintJob> StartPrintJob(const PrinterInfo& printer,
                                        const std::string& documentName);

} // namespace printing
