// The printer list, WIN.INI's [Devices] answer, and the choice of job by printer.
#include "platform/printing/print_job.h"
#include "platform/printing/src/print_sinks.h"

#include <strings.h>

#include <cstdlib>
#include <optional>

namespace printing {

namespace {

// The file printer, while the environment names its folder.
std::optional<PrinterInfo> FilePrinter() {
    const char* folder = std::getenv(kFilePrinterVariable);
    if (folder == nullptr || *folder == '\0') {
        return std::nullopt;
    }
    PrinterInfo printer;
    printer.name = kFilePrinterName;
    printer.driver = "winspool";
    printer.port = folder;
    return printer;
}

} // namespace

std::vector<PrinterInfo> ListPrinters() {
    if (std::optional<PrinterInfo> printer = FilePrinter()) {
        return {*printer};
    }
    return ListCupsPrinters();
}

std::optional<PrinterInfo> DefaultPrinter() {
    if (std::optional<PrinterInfo> printer = FilePrinter()) {
        return printer;
    }
    return DefaultCupsPrinter();
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
