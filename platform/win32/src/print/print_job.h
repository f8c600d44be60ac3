// A print job on a printer context: pages drawn one at a time at the printer's resolution,
// encoded as PNG and handed to the printer's job (platform/printing).
#pragma once

#include "platform/printing/print_job.h"
#include "platform/win32/src/gdi/device_context.h"

#include <memory>
#include <optional>

namespace win32 {

DeviceCaps CapsOf(const printing::PrinterInfo& printer);

class PrintJob {
public:
    PrintJob(std::unique_ptr<printing::PrintJob> sink, DeviceCaps caps)
        : sink_(std::move(sink)), caps_(caps) {}

    Surface* Page() { return page_ ? &*page_ : nullptr; }
    bool StartPage();
    bool EndPage();
    bool Finish();
    void Abort();

private:
    std::unique_ptr<printing::PrintJob> sink_;
    DeviceCaps caps_;
    std::optional<Surface> page_;
    bool ended_ = false;
};

} // namespace win32
