#include "family/print/src/page_renderer.h"

#include <algorithm>

namespace pressel {
namespace {

// The line indices [first, end) limited to the line table.
struct LineRange {
    int first = 0;
    int end = 0;
};

LineRange ClampedRange(int first, int end) {
    const int clampedFirst = std::clamp(first, 0, kLineRecords);
    return {clampedFirst, std::clamp(end, clampedFirst, kLineRecords)};
}

int LineHeight(const PrintFileHeader& header, int index) {
    const LineRecord& line = header.lines[static_cast<std::size_t>(index)];
    return line.ascent + line.descent;
}

// Draws the lines of `range` downward from `top`; false when stopped.
bool RenderLines(HDC dc, LoadedPrintFile& file, LineRange range, int top, POINT offset, int pageX,
                 PictureMode mode, const StopTest& stop) {
    int y = top;
    for (int index = range.first; index < range.end; ++index) {
        if (stop && stop()) {
            return false;
        }
        RenderLine(dc, file, index, LinePlace{y - offset.y, offset.x, pageX}, mode);
        y += LineHeight(file.header, index);
    }
    return true;
}

} // namespace

bool RenderPage(HDC dc, LoadedPrintFile& file, int page, POINT offset, PictureMode mode,
                const StopTest& stop) {
    const PrintFileHeader& header = file.header;
    if (page < 0 || page >= std::min<int>(header.pageCount, kMaxPages)) {
        return true;
    }
    const PageRecord& record = header.pages[static_cast<std::size_t>(page)];
    const PageRecord& next = header.pages[static_cast<std::size_t>(page) + 1];
    const LineRange headerLines = ClampedRange(record.firstHeaderLine, record.firstFooterLine);
    const LineRange bodyLines = ClampedRange(record.firstBodyLine, next.firstBodyLine);
    const LineRange footerLines = ClampedRange(record.firstFooterLine, next.firstHeaderLine);
    int footerHeight = 0;
    for (int index = footerLines.first; index < footerLines.end; ++index) {
        footerHeight += LineHeight(header, index);
    }
    return RenderLines(dc, file, headerLines, record.headerTop, offset, record.xOrigin, mode,
                       stop) &&
           RenderLines(dc, file, bodyLines, record.bodyTop, offset, record.xOrigin, mode, stop) &&
           RenderLines(dc, file, footerLines, record.footerBottom - footerHeight, offset,
                       record.xOrigin, mode, stop);
}

} // namespace pressel
