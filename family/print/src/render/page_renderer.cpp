#include "family/print/src/render/page_renderer.h"

#include "family/print/src/render/page_lines.h"

#include <algorithm>

namespace pressel {
namespace {

// Draws the lines of `run` downward from its top; false when stopped.
bool RenderLines(HDC dc, LoadedPrintFile& file, const LineRun& run, POINT offset, int pageX,
                 PictureMode mode, const StopTest& stop) {
    int y = run.top;
    for (int index = run.first; index < run.end; ++index) {
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
    const int pageX = header.pages[static_cast<std::size_t>(page)].xOrigin;
    const PageLines lines = LinesOfPage(header, page);
    return RenderLines(dc, file, lines.header, offset, pageX, mode, stop) &&
           RenderLines(dc, file, lines.body, offset, pageX, mode, stop) &&
           RenderLines(dc, file, lines.footer, offset, pageX, mode, stop);
}

} // namespace pressel
