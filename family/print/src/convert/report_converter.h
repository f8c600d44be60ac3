// The convert step of a print job: the job's rich-text template laid out, for the job's printer,
// into at most 25 pages of lines written as a print file. Called by the library's convert dialog
// and reached by its tests through the library's code; not an export.
#pragma once

#include "family/print/pressel.h"

#include <vector>

namespace pressel {

struct ConvertedDocument {
    // 0, 1 after a failure shown in a message box, or the dialog's non-zero answer to a
    // progress report.
    int result = 0;
    // The bitmaps made for the template's own pictures, which the print file's picture table
    // lists after the caller's; the caller owns them. None when the file could not be written.
    std::vector<HBITMAP> pictures;
};

// Converts the open template `templateFile` into the open, empty `printFile` (both file
// descriptors the caller owns). Layout is measured on `layoutDc` and, when it is another device,
// also on `printerDc`, whose measures decide the breaks; with no printer the layout device serves
// as the printer. Progress goes to `dialog` as WM_USER with the percent. The template's markers
// are written to the profile once, at the end, whatever the result.
ConvertedDocument ConvertDocument(int templateFile, int printFile, HDC layoutDc,
                                  const PrintFieldTable* fields, HWND dialog, HDC printerDc,
                                  const PrintJob* job);

} // namespace pressel
