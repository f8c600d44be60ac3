// A print job on a printer context: pages drawn one at a time at the printer's resolution and
// handed to the printer's sink (CUPS, or the file printer).
#pragma once

#include "platform/win32/printers.h"
#include "platform/win32/src/device_context.h"

#include <memory>
#include <optional>
#include <string>

namespace win32 {

// Where finished pages go.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    virtual bool Start(const std::string& documentName) = 0;
    virtual bool AddPage(const Surface& page) = 0;
    virtual bool Finish() = 0;
    virtual void Cancel() = 0;
};

// The file printer writes into the folder named by its port.
std::unique_ptr<PrintSink> OpenFilePrinterSink(const PrinterInfo& printer);
std::unique_ptr<PrintSink> OpenCupsSink(const PrinterInfo& printer);
std::vector<PrinterInfo> ListCupsPrinters();

std::optional<PrinterInfo> FindPrinter(const char* name);
DeviceCaps CapsOf(const PrinterInfo& printer);

class PrintJob {
public:
    PrintJob(std::unique_ptr<PrintSink> sink, DeviceCaps caps)
        : sink_(std::move(sink)), caps_(caps) {}

    Surface* Page() { return page_ ? &*page_ : nullptr; }
    bool StartPage();
    bool EndPage();
    bool Finish();
    void Abort();

private:
    std::unique_ptr<PrintSink> sink_;
    DeviceCaps caps_;
    std::optional<Surface> page_;
    bool ended_ = false;
};

} // namespace win32
