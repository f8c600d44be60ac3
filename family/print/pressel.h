// libpressel.so, the report printing library of the family: a rich-text template with macros is
// laid out into a temporary print file of pages and lines for a printer, which is then printed,
// previewed or rendered into page bitmaps, all driven by the caller's job record.
//
// Every export is a plain C function. The library links the utility and user-interface libraries
// (libumbrant, libvistel), whose string loader and message box report its failures; they are
// loaded with it.
#pragma once

#include "platform/win32/windef.h"
#include "platform/win32/winuser.h"

#include <cstdint>

extern "C" {

// One field of the caller's table: a name that begins with "$" and its value (null when the
// field has none). Both are Windows-1252 text.
struct PrintField {
    const char* name;
    const char* value;
};

// The values of a template's field words, sorted by name in byte order.
struct PrintFieldTable {
    std::int16_t count;
    const PrintField* fields;
};

// One of the caller's tables: rows x columns cell texts, row by row, and per row a record whose
// first 16-bit value is the row's extra height in twips.
struct PrintTable {
    std::int16_t rows;
    std::int16_t columns;
    const char* const* cells;
    const std::int16_t* const* rowInfo;
};

struct PrintTableList {
    std::int16_t count;
    const PrintTable* tables;
};

// The job record the host fills and owns. Text fields are NUL-terminated Windows-1252. Its fields
// follow one another with no padding: 1,227 bytes, which are 1,019 where addresses and handles
// take 4 bytes, as its two table addresses and 50 bitmap handles take 8 each here.
#pragma pack(push, 1)
struct PrintJob {
    // The rich-text template; after a pages-to-bitmaps call, a 32-bit count N and N bitmap
    // handles.
    char templatePath[256];
    // The temporary print file, followed directly after its NUL by the file's CRC-16 (two bytes,
    // little-endian), so the path holds at most 245 characters.
    char printFilePath[248];
    std::int32_t picturePagesBefore; // "VPre%02d.BMP"
    std::int32_t picturePagesAfter;  // "VPost%02d.BMP"
    char chosenDriver[20];           // empty: no printer chosen
    char chosenDevice[64];
    char chosenPort[20];
    const PrintFieldTable* fields;
    const PrintTableList* tables;
    std::int16_t pictureCount; // the host's own pictures, 0..50
    HBITMAP pictures[50];
    // 255: the preview call renders every page into a bitmap; any non-zero value lays out on
    // the screen instead of the printer.
    std::uint8_t flags;
    char defaultDriver[64];
    char defaultDevice[64];
    char defaultPort[64];
};
#pragma pack(pop)

#define PRESSEL_EXPORT __attribute__((visibility("default")))

// The library's entry procedure; answers 1.
PRESSEL_EXPORT BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Copies "99.13" into `buffer` (when given) as strncpy does with `length`: at most `length`
// characters, the rest of `length` filled with NULs. Answers 0x9913.
PRESSEL_EXPORT int _PrintVersion(char* buffer, unsigned length);

// Lays the job's template out for the job's printer into the job's print file in a modal
// "Creating Document" dialog with a progress bar, which the user can stop; keeps the finished
// file's CRC-16 after the print file's path (0 after a failure or a stop). Answers 0, or 1 after
// a failure or a stop.
PRESSEL_EXPORT int _PrintConvertDlg(HWND owner, PrintJob* job);
PRESSEL_EXPORT INT_PTR ConvertDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Prints every page of the job's print file on the job's printer (the chosen one, else the
// default one) in a modal "Printing" dialog, which the user can stop. Answers 0 after printing,
// also when stopped, and 1 on failure, a document the printer's queue refused at its end
// included.
PRESSEL_EXPORT int _PrintPrintDlg(HWND owner, PrintJob* job);
PRESSEL_EXPORT INT_PTR PrintDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the pages of the job's print file in a modal, resizable "Print Preview" dialog, one page
// at a time, after the job's picture pages "VPre00.BMP", "VPre01.BMP", ... and before
// "VPost00.BMP", ... (bitmap files in the current folder). When the job's flag byte is 255 it
// shows nothing and instead writes over the template path a 32-bit count N and N 32-bit bitmap
// handles, the pages in the same order (document pages in monochrome), which the host then
// owns; N may be at most 63. Answers 0 after the preview or the bitmaps; 1 after a message when
// the print file cannot be read, and 1 with nothing written when a picture count is negative or
// N would exceed 63.
PRESSEL_EXPORT int _PrintPreviewDlg(HWND owner, PrintJob* job);
PRESSEL_EXPORT INT_PTR PreviewDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure that paints the preview's page view.
PRESSEL_EXPORT LRESULT PreviewTXWndProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam);

// Deletes the bitmaps this library's conversion of the job's print file made for the
// template's pictures, and the print file. Whatever handles the file itself lists, nothing else
// is deleted: not the host's own pictures, nor the objects a stale or damaged file names.
// Answers 0, also when there is no print file.
PRESSEL_EXPORT int _PrintDelete(HWND owner, PrintJob* job);

} // extern "C"
