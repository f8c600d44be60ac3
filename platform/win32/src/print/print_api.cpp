// The printer list, printer contexts' escapes and print jobs.
#include "platform/win32/src/gdi/png_writer.h"
#include "platform/win32/src/print/print_job.h"

using namespace win32;

namespace win32 {

DeviceCaps CapsOf(const printing::PrinterInfo& printer) {
    DeviceCaps caps;
    caps.technology = DT_RASPRINTER;
    caps.dpiX = printer.dpiX;
    caps.dpiY = printer.dpiY;
    caps.printableWidth = printer.printableWidth;
    caps.printableHeight = printer.printableHeight;
    caps.physicalWidth = printer.physicalWidth;
    caps.physicalHeight = printer.physicalHeight;
    caps.offsetX = printer.offsetX;
    caps.offsetY = printer.offsetY;
    caps.bitsPerPixel = printer.bitsPerPixel;
    return caps;
}

bool PrintJob::StartPage() {
    if (page_ || ended_) {
        return false;
    }
    page_.emplace(caps_.physicalWidth, caps_.physicalHeight, PixelFormat::Rgb32);
    page_->Fill(0xFFFFFF);
    return true;
}

bool PrintJob::EndPage() {
    if (!page_) {
        return false;
    }
    std::vector<std::uint8_t> png = EncodePng(*page_, caps_.dpiX, caps_.dpiY);
    bool added =
        sink_->AddDocument(std::string_view(reinterpret_cast<const char*>(png.data()), png.size()),
                           printing::DocumentFormat::Png);
    page_.reset();
    return added;
}

bool PrintJob::Finish() {
    page_.reset();
    ended_ = true;
    return sink_->Finish();
}

void PrintJob::Abort() {
    if (ended_) {
        return;
    }
    page_.reset();
    ended_ = true;
    sink_->Cancel();
}

} // namespace win32

namespace {
DeviceContext* PrinterContext(HDC dc) {
    DeviceContext* context = LookupDc(dc);
    return context && context->Device() == DeviceKind::Printer ? context : nullptr;
}
} // namespace

int Escape(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID output) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr) {
        return 0;
    }
    const DeviceCaps& caps = context->Caps();
    switch (escape) {
    case GETPHYSPAGESIZE:
        if (output == nullptr) {
            return SP_ERROR;
        }
        *static_cast<POINT*>(output) = POINT{caps.physicalWidth, caps.physicalHeight};
        return 1;
    case GETPRINTINGOFFSET:
        if (output == nullptr) {
            return SP_ERROR;
        }
        *static_cast<POINT*>(output) = POINT{caps.offsetX, caps.offsetY};
        return 1;
    case GETSETPRINTORIENT: {
        // Printers here print portrait only: asking answers 1, setting portrait succeeds.
        DWORD wanted = 0;
        if (input != nullptr && inputSize >= static_cast<int>(sizeof(DWORD))) {
            wanted = *reinterpret_cast<const DWORD*>(input);
        }
        return wanted == 0 || wanted == 1 ? 1 : SP_ERROR;
    }
    default:
        return 0;
    }
}

int SetAbortProc(HDC dc, ABORTPROC procedure) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr) {
        return SP_ERROR;
    }
    context->SetAbortProc(procedure);
    return 1;
}

int StartDocA(HDC dc, const DOCINFOA* document) {
    static int jobNumber = 0;
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr || context->Job() != nullptr) {
        return SP_ERROR;
    }
    std::optional<printing::PrinterInfo> printer = printing::FindPrinter(context->PrinterName());
    if (!printer) {
        return SP_ERROR;
    }
    std::string name = document && document->lpszDocName ? document->lpszDocName : "";
    std::unique_ptr<printing::PrintJob> sink = printing::StartPrintJob(*printer, name);
    if (!sink) {
        return SP_ERROR;
    }
    context->StartJob(std::make_unique<PrintJob>(std::move(sink), context->Caps()));
    return ++jobNumber;
}

int StartPage(HDC dc) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr || context->Job() == nullptr) {
        return SP_ERROR;
    }
    return context->Job()->StartPage() ? 1 : SP_ERROR;
}

int EndPage(HDC dc) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr || context->Job() == nullptr) {
        return SP_ERROR;
    }
    if (context->AbortProc() != nullptr && !context->AbortProc()(dc, 0)) {
        context->Job()->Abort();
        context->EndJob();
        return SP_APPABORT;
    }
    return context->Job()->EndPage() ? 1 : SP_ERROR;
}

int EndDoc(HDC dc) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr || context->Job() == nullptr) {
        return SP_ERROR;
    }
    bool finished = context->Job()->Finish();
    context->EndJob();
    return finished ? 1 : SP_ERROR;
}

int AbortDoc(HDC dc) {
    DeviceContext* context = PrinterContext(dc);
    if (context == nullptr || context->Job() == nullptr) {
        return SP_ERROR;
    }
    context->Job()->Abort();
    context->EndJob();
    return 1;
}
