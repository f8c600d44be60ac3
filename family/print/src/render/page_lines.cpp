#include "family/print/src/render/page_lines.h"

#include <algorithm>

namespace pressel {
namespace {

LineRun ClampedRun(int first, int end, int top) {
    const int clampedFirst = std::clamp(first, 0, kLineRecords);
    return {clampedFirst, std::clamp(end, clampedFirst, kLineRecords), top};
}

} // namespace

int LineHeight(const PrintFileHeader& header, int index) {
    const LineRecord& line = header.lines[static_cast<std::size_t>(index)];
    return line.ascent + line.descent;
}

PageLines LinesOfPage(const PrintFileHeader& header, int page) {
    const PageRecord& record = header.pages[static_cast<std::size_t>(page)];
    const PageRecord& next = header.pages[static_cast<std::size_t>(page) + 1];
    PageLines lines{ClampedRun(record.firstHeaderLine, record.firstFooterLine, record.headerTop),
                    ClampedRun(record.firstBodyLine, next.firstBodyLine, record.bodyTop),
                    ClampedRun(record.firstFooterLine, next.firstHeaderLine, record.footerBottom)};
    for (int index = lines.footer.first; index < lines.footer.end; ++index) {
        lines.footer.top -= LineHeight(header, index);
    }
    return lines;
}

std::optional<int> LineTop(const PrintFileHeader& header, const LineRun& run, int index) {
    if (index < run.first || index >= run.end) {
        return std::nullopt;
    }
    int y = run.top;
    for (int line = run.first; line < index; ++line) {
        y += LineHeight(header, line);
    }
    return y;
}

} // namespace pressel
