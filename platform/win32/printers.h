// The printers this process can print on, with their capabilities.
//
// Printers come from CUPS. When the environment variable TALLOWMERE_FILE_PRINTER names a folder,
// the list holds instead one printer, "File Printer", which writes each page of a job into that
// folder as a PNG file and records the job in "print-log.txt" there; tests and CI print on it,
// and nothing reaches a real printer while it is set.
#pragma once

#include "platform/win32/windef.h"

#include <string>
#include <vector>

namespace win32 {

inline constexpr const char* kFilePrinterVariable = "TALLOWMERE_FILE_PRINTER";
inline constexpr const char* kFilePrinterName = "File Printer";
inline constexpr const char* kFilePrinterLog = "print-log.txt";

struct PrinterInfo {
    std::string name;
    std::string driver;
    std::string port;
    int dpiX = 300;
    int dpiY = 300;
    // Pixels at the printer's resolution.
    int physicalWidth = 2550;
    int physicalHeight = 3300;
    int offsetX = 75;
    int offsetY = 75;
    int printableWidth = 2400;
    int printableHeight = 3150;
    int bitsPerPixel = 24;
};

WIN32_EXPORT std::vector<PrinterInfo> ListPrinters();

} // namespace win32
