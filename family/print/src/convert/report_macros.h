// The values behind the template's macros that stand alone from the layout: the decimal
// argument of a macro, page numbers counted from the page-number base, a table cell's text and
// the check of a picture macro's arguments.
#pragma once

#include "family/print/pressel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pressel {

// A macro's argument as the standard decimal conversion reads it: a leading sign, then digits;
// 0 when there are none.
std::int32_t MacroArgument(std::string_view token);

// An argument used as an index: present only when it is 0 or more and below `count`.
std::optional<int> MacroIndex(std::string_view token, int count);

// Page numbers of "$#Page" and "$#LastPage".
class PageNumbering {
public:
    // "$#ResetPage": numbering starts again after the pages counted so far.
    void Reset(int pagesCounted) { base_ = pagesCounted; }
    // "$#LastPageAdd": added to every last-page number.
    void SetLastPageAddend(int addend) { addend_ = addend; }
    int Base() const { return base_; }

    // The number of the page with index `pageIndex` (from 0).
    int Page(int pageIndex) const { return pageIndex - base_ + 1; }
    int LastPage(int pagesCounted) const { return pagesCounted - base_ + addend_; }

private:
    int base_ = 0;
    int addend_ = 0;
};

// The text of "$#TE"k in row `row` of `table`: at most 99 characters; nothing when the column,
// the row or the cell is missing.
std::optional<std::string> TableCellText(const PrintTable& table, int row, std::string_view token);

// The picture a "$#graph" n w h places: the caller's picture n at w x h twips, when n is one of
// the job's pictures and both sizes are at least 1.
struct MacroPicture {
    int index;
    std::int16_t width;
    std::int16_t height;
};
std::optional<MacroPicture> GraphMacroPicture(int pictureCount, std::string_view index,
                                              std::string_view width, std::string_view height);

} // namespace pressel
