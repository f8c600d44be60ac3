// The two devices a template is laid out for: the layout device, whose measures the print file
// stores, and the printer, whose measures decide where lines and pages break. They may be one
// device. Both are set up in twips and carry the font of the text being laid out; fonts are made
// only when the character format asks for a different one.
#pragma once

#include "family/print/src/convert/format_state.h"
#include "family/print/src/printfile/print_file_layout.h"

#include "platform/win32/windows.h"

#include <cstdint>
#include <string_view>

namespace pressel {

// Heights in twips on one device: the ascent, and the descent with the external leading.
struct FontHeights {
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
};

struct TextWidths {
    std::int32_t layout = 0;
    std::int32_t printer = 0;
};

class LayoutDevices {
public:
    // With no printer, or the layout device itself, the layout device serves as the printer.
    LayoutDevices(HDC layout, HDC printer);
    ~LayoutDevices();
    LayoutDevices(const LayoutDevices&) = delete;
    LayoutDevices& operator=(const LayoutDevices&) = delete;

    HDC Layout() const { return layout_; }
    HDC Printer() const { return printer_; }
    bool Separate() const { return layout_ != printer_; }

    // The printer's own face, charset and pitch-and-family for a font table entry; the entry
    // itself when the printer is the layout device.
    FontRecord PrinterFontRecord(const FontRecord& record);

    // Makes and selects the font of `character` drawn in `record`'s face, releasing the one
    // before. With a separate printer the layout font is made again from the printer's metrics
    // of the font, so that both measure alike.
    void SelectFont(const CharacterFormat& character, const FontRecord& record);

    // The logical height the layout font was made with (negative: a character height).
    std::int16_t LogicalHeight() const { return logicalHeight_; }
    const FontHeights& LayoutHeights() const { return layoutHeights_; }
    const FontHeights& PrinterHeights() const { return printerHeights_; }

    TextWidths Measure(std::string_view text) const;

    void SetColours(COLORREF text, COLORREF background);

private:
    static FontHeights HeightsOf(HDC dc);
    void Replace(HDC dc, HFONT& current, HFONT font);

    HDC layout_;
    HDC printer_;
    HFONT layoutFont_ = nullptr;
    HFONT printerFont_ = nullptr;
    HGDIOBJ layoutOriginal_ = nullptr;
    HGDIOBJ printerOriginal_ = nullptr;
    std::int16_t logicalHeight_ = 0;
    FontHeights layoutHeights_;
    FontHeights printerHeights_;
};

} // namespace pressel
