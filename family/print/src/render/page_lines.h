// Where a page's lines stand: its header lines downward from the header top, its body lines
// downward from the body top, and its footer lines stacked so that the last one ends at the
// footer bottom. The renderer draws them there, and the converter reports its markers from the
// same places. Line ranges are limited to the line table.
#pragma once

#include "family/print/src/printfile/print_file_layout.h"

#include <optional>

namespace pressel {

// Lines [first, end) of the line table, drawn downward from `top`.
struct LineRun {
    int first = 0;
    int end = 0;
    int top = 0;
};

struct PageLines {
    LineRun header;
    LineRun body;
    LineRun footer;
};

// A line's height: its ascent and descent.
int LineHeight(const PrintFileHeader& header, int index);

// The runs of page `page` (from 0), which must be below the page table's last record.
PageLines LinesOfPage(const PrintFileHeader& header, int page);

// The top of line `index` when `run` holds it.
std::optional<int> LineTop(const PrintFileHeader& header, const LineRun& run, int index);

} // namespace pressel
