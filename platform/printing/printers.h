// The printers this process can print on, with their capabilities.
//
// Printers come from CUPS. When the environment variable TALLOWMERE_FILE_PRINTER names a folder,
// the list holds instead one printer, "File Printer", which writes each document of a job into
// that folder and records the job in "print-log.txt" there (file_printer_log.h); tests and CI
// print on it, and nothing reaches a real printer while it is set.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace printing {

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

std::vector<PrinterInfo> ListPrinters();

// The printer of that name in the list, the name compared without regard to case.
std::optional<PrinterInfo> FindPrinter(const std::string& name);

// The user's default printer: the file printer while it is set, else the destination CUPS
// takes as the default (the user's lpoptions, PRINTER or LPDEST, then the server's default).
// Nothing when no default is chosen, as CUPS's own commands then have none either.
std::optional<PrinterInfo> DefaultPrinter();

// The answer for WIN.INI's [Devices] section: one key per printer, its name, with the value
// "<driver>,<port>".
struct DeviceEntry {
    std::string name;
    std::string value;
};
std::vector<DeviceEntry> DevicesSection();

} // namespace printing
