// Document pages drawn into bitmaps the size of the whole sheet at the screen's resolution, for
// the preview and for the pages a job asks for as bitmaps. The sheet is the one of the printer
// named in the print file's header, so a page image covers it with no unprintable margin.
#pragma once

#include "family/print/src/printfile/loaded_print_file.h"

#include "platform/win32/windows.h"

namespace pressel {

// The sheet of the header's printer in twips: opened in portrait, asked, closed again. With no
// driver named, or a printer that cannot be opened or does not say, 8.5 x 11 inches.
POINT PageSizeOfHeader(const PrintFileHeader& header);

enum class PageColours {
    kMonochrome, // one bit per pixel, as a job's page bitmaps are
    kLikeScreen, // compatible with the screen, as the preview shows them
};

// The contexts the pages are drawn with, held from construction to destruction: the screen's,
// a drawing one set up for twips and a clearing one in pixels.
class PageDrawer {
public:
    PageDrawer(const PrintFileHeader& header, PageColours colours);
    ~PageDrawer();
    PageDrawer(const PageDrawer&) = delete;
    PageDrawer& operator=(const PageDrawer&) = delete;

    // The bitmap's size in pixels.
    SIZE Pixels() const { return pixels_; }

    // Page `page` (from 0) on a new white bitmap, which the caller owns; null when no bitmap of
    // the size can be had.
    HBITMAP Draw(LoadedPrintFile& file, int page);

private:
    PageColours colours_;
    SIZE pixels_{};
    HDC screen_ = nullptr;
    HDC drawing_ = nullptr;
    int drawingState_ = 0;
    HDC clearing_ = nullptr;
};

} // namespace pressel
