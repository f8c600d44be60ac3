// The template's font and colour tables, read before its body: the default font number, up to
// ten fonts and up to twenty colours, in the order the template lists them.
#pragma once

#include "family/print/src/convert/rtf_tokenizer.h"
#include "family/print/src/printfile/print_file_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pressel {

struct RtfFont {
    int number = 0; // the template's font number, 0..254
    FontRecord record;
};

struct RtfFontTable {
    bool hasDefaultFont = false; // a `deff` word came before the end of the template
    int defaultFont = 0;         // the template's default font number
    std::vector<RtfFont> fonts;
};

// Skips to the default font word and the font table, and reads at most kMaxFonts fonts that
// have a number and a name.
RtfFontTable ReadRtfFontTable(RtfTokenizer& tokenizer);

// Skips to the colour table and reads at most kMaxColours colours, each ended by a ";".
// Without a colour table the answer is empty.
std::vector<std::uint32_t> ReadRtfColourTable(RtfTokenizer& tokenizer);

} // namespace pressel
