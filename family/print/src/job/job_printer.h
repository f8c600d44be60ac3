// The printer a job prints on, opened as a device context in portrait: a printer that reports
// landscape is told to print portrait and opened again, since every page is laid out upright.
#pragma once

#include "family/print/pressel.h"
#include "family/print/src/job/print_job.h"

#include "platform/win32/windows.h"

#include <utility>

namespace pressel {

// How the library asks a printer context an escape; tests put a printer of their own here.
using EscapeFunction = int (*)(HDC dc, int escape, int inputSize, LPCSTR input, LPVOID output);

// CreateDC with the three names, then the portrait rule; null when the printer cannot be had.
HDC OpenPortraitPrinter(const PrinterNames& names, EscapeFunction escape = &Escape);

enum class PrinterUse {
    // The chosen names when a driver was chosen, else the default names as they stand: with
    // neither there is no printer, and the layout device stands in for it.
    kLayout,
    // The chosen names when a driver was chosen, else the default ones when a default driver
    // is named, else the screen.
    kPrinting,
};

// A job's printer context, deleted (the screen's released) at the end of its scope.
class JobPrinter {
public:
    JobPrinter(const PrintJob& job, PrinterUse use, EscapeFunction escape = &Escape);
    ~JobPrinter();
    JobPrinter(const JobPrinter&) = delete;
    JobPrinter& operator=(const JobPrinter&) = delete;

    // Null when the printer could not be opened.
    HDC Dc() const { return dc_; }
    bool IsScreen() const { return screen_; }

private:
    HDC dc_ = nullptr;
    bool screen_ = false;
};

} // namespace pressel
