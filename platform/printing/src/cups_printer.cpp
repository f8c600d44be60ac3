// Real printers through CUPS: the destinations with their default media, margins and
// resolution; a job's documents are sent as the documents of one CUPS job when the job ends.
#include "platform/printing/src/print_sinks.h"
#include "platform/runtime/windows1252.h"

#include <cups/cups.h>

#include <utility>

namespace printing {

namespace {

// Hundredths of a millimetre to pixels.
int ToPixels(int hundredthsOfMm, int dpi) {
    return static_cast<int>(static_cast<long long>(hundredthsOfMm) * dpi / 2540);
}

PrinterInfo Describe(cups_dest_t* dest) {
    PrinterInfo printer;
    printer.name = dest->name;
    printer.driver = "winspool";
    printer.port = std::string("CUPS:") + dest->name;
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (info == nullptr) {
        return printer;
    }
    if (ipp_attribute_t* resolution =
            cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
        ipp_res_t units;
        int yres = 0;
        int xres = ippGetResolution(resolution, 0, &yres, &units);
        if (units == IPP_RES_PER_CM) {
            xres = xres * 254 / 100;
            yres = yres * 254 / 100;
        }
        if (xres > 0 && yres > 0) {
            printer.dpiX = xres;
            printer.dpiY = yres;
        }
    }
    cups_size_t size;
    if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size)) {
        printer.physicalWidth = ToPixels(size.width, printer.dpiX);
        printer.physicalHeight = ToPixels(size.length, printer.dpiY);
        printer.offsetX = ToPixels(size.left, printer.dpiX);
        printer.offsetY = ToPixels(size.top, printer.dpiY);
        printer.printableWidth =
            printer.physicalWidth - printer.offsetX - ToPixels(size.right, printer.dpiX);
        printer.printableHeight =
            printer.physicalHeight - printer.offsetY - ToPixels(size.bottom, printer.dpiY);
    }
    cupsFreeDestInfo(info);
    return printer;
}

class CupsJob : public PrintJob {
public:
    // The document name is stored text; IPP names are UTF-8.
    CupsJob(PrinterInfo printer, const std::string& documentName)
        : printer_(std::move(printer)), title_(runtime::Windows1252ToUtf8(documentName)) {}

    bool AddDocument(std::string_view bytes, DocumentFormat format) override {
        pages_.emplace_back(std::string(bytes), format);
        return true;
    }

    // A document without pages prints nothing: a job created without documents would wait in
    // the queue for them.
    bool Finish() override {
        if (pages_.empty()) {
            return true;
        }
        cups_dest_t* dests = nullptr;
        int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
        cups_dest_t* dest = cupsGetDest(printer_.name.c_str(), nullptr, count, dests);
        bool sent = dest != nullptr && Send(dest);
        cupsFreeDests(count, dests);
        return sent;
    }

    void Cancel() override { pages_.clear(); }

private:
    bool Send(cups_dest_t* dest) {
        cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
        if (info == nullptr) {
            return false;
        }
        // PNG pages are images at the printer's resolution, printed at their natural size.
        std::string ppi = std::to_string(printer_.dpiX);
        cups_option_t* options = nullptr;
        int optionCount = cupsAddOption("ppi", ppi.c_str(), 0, &options);
        int jobId = 0;
        bool sent = cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest, info, &jobId, title_.c_str(),
                                      optionCount, options) == IPP_STATUS_OK;
        for (std::size_t i = 0; sent && i < pages_.size(); ++i) {
            std::string name = title_ + " " + std::to_string(i + 1);
            sent = cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest, info, jobId, name.c_str(),
                                         MimeType(pages_[i].second), optionCount, options,
                                         i + 1 == pages_.size()) == HTTP_STATUS_CONTINUE &&
                   cupsWriteRequestData(CUPS_HTTP_DEFAULT, pages_[i].first.data(),
                                        pages_[i].first.size()) == HTTP_STATUS_CONTINUE &&
                   cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest, info) == IPP_STATUS_OK;
        }
        if (!sent && jobId > 0) {
            cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest, jobId);
        }
        cupsFreeOptions(optionCount, options);
        cupsFreeDestInfo(info);
        return sent;
    }

    static const char* MimeType(DocumentFormat format) {
        return format == DocumentFormat::Pdf ? "application/pdf" : "image/png";
    }

    PrinterInfo printer_;
    std::string title_;
    std::vector<std::pair<std::string, DocumentFormat>> pages_;
};

} // namespace

std::vector<PrinterInfo> ListCupsPrinters() {
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<PrinterInfo> printers;
    for (int i = 0; i < count; ++i) {
        if (dests[i].instance == nullptr) {
            printers.push_back(Describe(&dests[i]));
        }
    }
    cupsFreeDests(count, dests);
    return printers;
}

std::optional<PrinterInfo> DefaultCupsPrinter() {
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    // Without a name CUPS answers the destination it marked as the default, if any.
    cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests);
    std::optional<PrinterInfo> printer;
    if (dest != nullptr) {
        printer = Describe(dest);
    }
    cupsFreeDests(count, dests);
    return printer;
}

std::unique_ptr<PrintJob> StartCupsJob(const PrinterInfo& printer,
                                       const std::string& documentName) {
    return std::make_unique<CupsJob>(printer, documentName);
}

} // namespace printing
