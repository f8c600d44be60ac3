// The two kinds of printer behind print_job.h.
#pragma once

#include "platform/printing/print_job.h"

#include <vector>

namespace printing {

// The file printer writes into the folder named by its port.
std::unique_ptr<PrintJob> StartFilePrinterJob(const PrinterInfo& printer,
                                              const std::string& documentName);
std::unique_ptr<PrintJob> StartCupsJob(const PrinterInfo& printer, const std::string& documentName);
std::vector<PrinterInfo> ListCupsPrinters();
std::optional<PrinterInfo> DefaultCupsPrinter();

} // namespace printing
