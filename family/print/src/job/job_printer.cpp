#include "family/print/src/job/job_printer.h"

#include <array>

namespace pressel {
namespace {

constexpr int kPortrait = 1;
constexpr int kLandscape = 2;
// The orientation block GETSETPRINTORIENT takes: five 32-bit words, the orientation first.
constexpr std::array<DWORD, 5> kPortraitBlock{kPortrait, 0, 0, 0, 0};

HDC CreatePrinterDc(const PrinterNames& names) {
    return CreateDCA(names.driver.c_str(), names.device.c_str(), names.port.c_str(), nullptr);
}

} // namespace

HDC OpenPortraitPrinter(const PrinterNames& names, EscapeFunction escape) {
    HDC dc = CreatePrinterDc(names);
    if (dc == nullptr || escape(dc, GETSETPRINTORIENT, 0, nullptr, nullptr) != kLandscape) {
        return dc;
    }
    escape(dc, GETSETPRINTORIENT, static_cast<int>(sizeof kPortraitBlock),
           reinterpret_cast<LPCSTR>(kPortraitBlock.data()), nullptr);
    DeleteDC(dc);
    return CreatePrinterDc(names);
}

JobPrinter::JobPrinter(const PrintJob& job, PrinterUse use, EscapeFunction escape) {
    if (use == PrinterUse::kPrinting && job.chosenDriver[0] == '\0' &&
        job.defaultDriver[0] == '\0') {
        dc_ = GetDC(nullptr);
        screen_ = true;
        return;
    }
    dc_ = OpenPortraitPrinter(PrinterOfJob(job), escape);
}

JobPrinter::~JobPrinter() {
    if (dc_ == nullptr) {
        return;
    }
    if (screen_) {
        ReleaseDC(nullptr, dc_);
    } else {
        DeleteDC(dc_);
    }
}

} // namespace pressel
