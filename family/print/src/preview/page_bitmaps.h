// Bitmaps of the entries of the page list: a picture page read from its file, or a document page
// drawn on a white sheet. The preview shows them one at a time; a job whose flag byte is 255
// takes them all at once.
#pragma once

#include "family/print/pressel.h"
#include "family/print/src/preview/page_list.h"
#include "family/print/src/printfile/loaded_print_file.h"

#include "platform/win32/windows.h"

namespace pressel {

// The bitmap the preview shows for `entry`, compatible with the screen, which the caller owns;
// null for a picture page whose file is missing or not a bitmap.
HBITMAP PreviewPageBitmap(LoadedPrintFile& file, PageEntry entry);

// Every entry of the job's page list as a bitmap, document pages in monochrome, written over the
// job's template path: the count, then the handles in list order, which the host then owns.
// False, with nothing written, when a picture count is negative or the list would hold more
// than kMaxPageBitmaps entries.
bool RenderPagesToBitmaps(PrintJob& job, LoadedPrintFile& file);

} // namespace pressel
