// The printer list, WIN.INI's [Devices] answer, and the choice of job by printer.
#include "platform/printing/print_job.h"
#include "platform/printing/src/print_sinks.h"

#include <strings.h>

#include <cstdlib>

namespace printing {

std::vector<PrinterInfo> ListPrinters() {
    if (const char* folder = std::getenv(kFilePrinterVariable); folder && *folder) {
        PrinterInfo printer;
        printer.name = kFilePrinterName;
        printer.driver = "winspool";
        printer.port = folder;
        return {printer};
    }
    return ListCupsPrinters();
}

std::optional<PrinterInfo> FindPrinter(const std::string& name) {
    for (PrinterInfo& printer : ListPrinters()) {
        if (strcasecmp(printer.name.c_str(), name.c_str()) == 0) {
            return printer;
        }
    }
    return std::nullopt;
}

std::vector<DeviceEntry> DevicesSection() {
    std::vector<DeviceEntry> entries;
    for (const PrinterInfo& printer : ListPrinters()) {
        entries.push_back({printer.name, printer.driver + "," + printer.port});
    }
    return entries;
}

std::unique_ptr<PrintJob> StartPrintJob(const PrinterInfo& printer,
                                        const std::string& documentName) {
    return printer.name == kFilePrinterName ? StartFilePrinterJob(printer, documentName)
                                            : StartCupsJob(printer, documentName);
}

} // namespace printing
