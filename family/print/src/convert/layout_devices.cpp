#include "family/print/src/convert/layout_devices.h"

#include "family/print/src/render/device_twips.h"

#include <cstring>

namespace pressel {
namespace {

// The height, in twips, at which a font table entry's face is asked of the printer.
constexpr LONG kProbeFontHeight = -24;
constexpr LONG kBoldWeight = 700;
constexpr LONG kNormalWeight = 400;

LOGFONTA LogicalFont(LONG height, LONG weight, bool italic, bool underline,
                     const FontRecord& record) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic ? 1 : 0;
    font.lfUnderline = underline ? 1 : 0;
    font.lfCharSet = record.charSet;
    font.lfPitchAndFamily = record.pitchAndFamily;
    std::strncpy(font.lfFaceName, record.faceName.c_str(), LF_FACESIZE - 1);
    return font;
}

FontRecord RecordOfSelectedFont(HDC dc, const TEXTMETRICA& metrics) {
    std::array<char, kFaceNameSize> face{};
    GetTextFaceA(dc, static_cast<int>(face.size()), face.data());
    return FontRecord{std::string(face.data(), strnlen(face.data(), face.size() - 1)),
                      metrics.tmCharSet, metrics.tmPitchAndFamily};
}

} // namespace

LayoutDevices::LayoutDevices(HDC layout, HDC printer)
    : layout_(layout), printer_(printer != nullptr ? printer : layout) {
    SetupTwips(layout_);
    if (Separate()) {
        SetupTwips(printer_);
    }
}

LayoutDevices::~LayoutDevices() {
    if (layoutOriginal_ != nullptr) {
        SelectObject(layout_, layoutOriginal_);
    }
    if (printerOriginal_ != nullptr) {
        SelectObject(printer_, printerOriginal_);
    }
    DeleteObject(layoutFont_);
    if (printerFont_ != layoutFont_) {
        DeleteObject(printerFont_);
    }
}

void LayoutDevices::Replace(HDC dc, HFONT& current, HFONT font) {
    const HGDIOBJ previous = SelectObject(dc, font);
    HGDIOBJ& original = dc == layout_ ? layoutOriginal_ : printerOriginal_;
    if (original == nullptr) {
        original = previous;
    }
    DeleteObject(current);
    current = font;
}

FontRecord LayoutDevices::PrinterFontRecord(const FontRecord& record) {
    if (!Separate()) {
        return record;
    }
    const LOGFONTA probe = LogicalFont(kProbeFontHeight, kNormalWeight, false, false, record);
    const HFONT font = CreateFontIndirectA(&probe);
    const HGDIOBJ previous = SelectObject(printer_, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(printer_, &metrics);
    FontRecord printerRecord = RecordOfSelectedFont(printer_, metrics);
    SelectObject(printer_, previous);
    DeleteObject(font);
    return printerRecord;
}

void LayoutDevices::SelectFont(const CharacterFormat& character, const FontRecord& record) {
    const LOGFONTA wanted =
        LogicalFont(-10 * static_cast<LONG>(character.fontSize),
                    (character.flags & kCharacterBold) != 0 ? kBoldWeight : kNormalWeight,
                    (character.flags & kCharacterItalic) != 0,
                    (character.flags & kCharacterUnderline) != 0, record);
    if (!Separate()) {
        const HFONT font = CreateFontIndirectA(&wanted);
        Replace(layout_, layoutFont_, font);
        printerFont_ = layoutFont_;
        logicalHeight_ = static_cast<std::int16_t>(wanted.lfHeight);
        layoutHeights_ = HeightsOf(layout_);
        printerHeights_ = layoutHeights_;
        return;
    }
    Replace(printer_, printerFont_, CreateFontIndirectA(&wanted));
    TEXTMETRICA metrics{};
    GetTextMetricsA(printer_, &metrics);
    const FontRecord printerRecord = RecordOfSelectedFont(printer_, metrics);
    const LOGFONTA matched = LogicalFont(metrics.tmHeight, metrics.tmWeight, metrics.tmItalic != 0,
                                         metrics.tmUnderlined != 0, printerRecord);
    Replace(layout_, layoutFont_, CreateFontIndirectA(&matched));
    logicalHeight_ = static_cast<std::int16_t>(matched.lfHeight);
    layoutHeights_ = HeightsOf(layout_);
    printerHeights_ = HeightsOf(printer_);
}

FontHeights LayoutDevices::HeightsOf(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return FontHeights{metrics.tmAscent, metrics.tmDescent + metrics.tmExternalLeading};
}

TextWidths LayoutDevices::Measure(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(layout_, text.data(), static_cast<int>(text.size()), &size);
    TextWidths widths{size.cx, size.cx};
    if (Separate()) {
        GetTextExtentPoint32A(printer_, text.data(), static_cast<int>(text.size()), &size);
        widths.printer = size.cx;
    }
    return widths;
}

void LayoutDevices::SetColours(COLORREF text, COLORREF background) {
    SetTextColor(layout_, text);
    SetBkColor(layout_, background);
}

} // namespace pressel
