#include "family/print/src/render/line_renderer.h"

#include "family/print/src/printfile/print_token_reader.h"
#include "family/print/src/render/packed_dib.h"

#include "platform/bytes/byte_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace pressel {
namespace {

constexpr std::size_t kTextBufferSize = 100;
constexpr int kMinUnderlineThickness = 5;
constexpr int kBoldUnderlineDivisor = 10;
constexpr int kRegularUnderlineDivisor = 20;

// File values are added in 64 bits and handed to GDI as the nearest 32-bit coordinate.
int Coordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::int32_t LoadI32(const std::uint8_t* bytes) {
    return static_cast<std::int32_t>(bytes::LoadU32LE(bytes));
}

std::int16_t LoadI16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(bytes::LoadU16LE(bytes));
}

std::optional<COLORREF> ColourAt(const PrintFileHeader& header, int index) {
    if (index < 0 || index >= kMaxColours) {
        return std::nullopt;
    }
    return header.colours[static_cast<std::size_t>(index)];
}

// The font of a run's style; null when the style names no font of the table.
HFONT MakeFont(const PrintFileHeader& header, const RunStyle& style) {
    if (style.font >= kMaxFonts) {
        return nullptr;
    }
    const FontRecord& record = header.fonts[style.font];
    LOGFONTA font{};
    font.lfHeight = style.height;
    font.lfItalic = (style.flags & kItalicFlag) != 0 ? 1 : 0;
    font.lfWeight = (style.flags & kBoldFlag) != 0 ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = record.charSet;
    font.lfPitchAndFamily = record.pitchAndFamily;
    const std::size_t length = std::min(record.faceName.size(), std::size_t{LF_FACESIZE - 1});
    std::memcpy(font.lfFaceName, record.faceName.data(), length);
    return CreateFontIndirectA(&font);
}

bool FontChanged(const RunStyle& before, const RunStyle& after) {
    constexpr std::uint8_t kFontFlags = kBoldFlag | kItalicFlag;
    return (before.flags & kFontFlags) != (after.flags & kFontFlags) || before.font != after.font ||
           before.height != after.height;
}

// A straight line drawn with a solid pen that lives for this line only.
void DrawSegments(HDC dc, int width, COLORREF colour, const POINT* points, int count) {
    const HPEN pen = CreatePen(PS_SOLID, width, colour);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    for (int i = 1; i < count; ++i) {
        LineTo(dc, points[i].x, points[i].y);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

class LineDrawer {
public:
    LineDrawer(HDC dc, LoadedPrintFile& file, const LineRecord& line, LinePlace place,
               PictureMode mode)
        : dc_(dc), header_(file.header), file_(file.buffer), line_(line), place_(place),
          mode_(mode), style_(line.style), previous_(line.style) {}

    void Draw();

private:
    void SelectFont();
    int UnderlineCandidate(const RunStyle& style) const;
    void DrawUnderline() const;
    void ApplyStyleChanges();
    void DrawText(const char* text);
    void DrawPicture(const std::uint8_t* operand);
    void DrawLine(const std::uint8_t* operand) const;
    void DrawRectangle(const std::uint8_t* operand) const;
    int PageX(std::int64_t x) const { return Coordinate(place_.pageX - place_.offsetX + x); }
    int LineY(std::int64_t y) const { return Coordinate(place_.top + y); }

    HDC dc_;
    const PrintFileHeader& header_;
    PrintFileBuffer& file_;
    const LineRecord& line_;
    LinePlace place_;
    PictureMode mode_;
    RunStyle style_;
    RunStyle previous_;
    std::int64_t x_ = 0;
    int baseline_ = 0;
    bool justified_ = false;
    HFONT font_ = nullptr;           // the font this line made and selected last
    std::optional<HGDIOBJ> oldFont_; // the context's font before the line's first one
    struct {
        std::int64_t startX = 0;
        int thickness = kMinUnderlineThickness;
        COLORREF colour = 0;
    } underline_;
};

void LineDrawer::SelectFont() {
    const HFONT font = MakeFont(header_, style_);
    if (font == nullptr) {
        return;
    }
    const HGDIOBJ replaced = SelectObject(dc_, font);
    if (!oldFont_) {
        oldFont_ = replaced;
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
}

// The underline thickness the selected font asks for, drawn in `style`.
int LineDrawer::UnderlineCandidate(const RunStyle& style) const {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    const int divisor =
        (style.flags & kBoldFlag) != 0 ? kBoldUnderlineDivisor : kRegularUnderlineDivisor;
    return (metrics.tmHeight - metrics.tmInternalLeading) / divisor;
}

void LineDrawer::DrawUnderline() const {
    const int y = baseline_ + underline_.thickness + underline_.thickness / 2;
    const POINT points[] = {{Coordinate(underline_.startX), y}, {Coordinate(x_), y}};
    DrawSegments(dc_, underline_.thickness, underline_.colour, points, 2);
}

void LineDrawer::ApplyStyleChanges() {
    if (style_.textColour != previous_.textColour) {
        if (const std::optional<COLORREF> colour = ColourAt(header_, style_.textColour)) {
            SetTextColor(dc_, *colour);
        }
    }
    if (FontChanged(previous_, style_)) {
        SelectFont();
    }
    const bool underlined = (style_.flags & kUnderlineFlag) != 0;
    const bool wasUnderlined = (previous_.flags & kUnderlineFlag) != 0;
    int candidate = 0;
    if (underlined) {
        candidate = UnderlineCandidate(style_);
        underline_.thickness = std::max(underline_.thickness, candidate);
    }
    if (underlined && !wasUnderlined) {
        underline_.startX = x_;
        underline_.colour = GetTextColor(dc_);
        underline_.thickness = std::max(kMinUnderlineThickness, candidate);
    } else if (!underlined && wasUnderlined) {
        DrawUnderline();
    }
    previous_ = style_;
}

void LineDrawer::DrawText(const char* text) {
    const int length = static_cast<int>(std::strlen(text));
    // Justification covers the runs from the line's justification start on.
    if (!justified_ && line_.breakCount != 0 &&
        file_.NextTokenOffset() - length >= line_.justifyFrom) {
        SetTextJustification(dc_, line_.breakExtra, line_.breakCount);
        justified_ = true;
    }
    TextOutA(dc_, Coordinate(x_), baseline_, text, length);
    SIZE extent{};
    GetTextExtentPoint32A(dc_, text, length, &extent);
    x_ += extent.cx;
}

void LineDrawer::DrawPicture(const std::uint8_t* operand) {
    const int index = static_cast<std::int8_t>(operand[0]);
    const int width = LoadI16(operand + 1);
    const int height = LoadI16(operand + 3);
    const int count = std::clamp<int>(header_.pictureCount, 0, kMaxPictures);
    if (index >= 0 && index < count) {
        const auto bitmap = reinterpret_cast<HBITMAP>(
            static_cast<std::uintptr_t>(header_.pictures[static_cast<std::size_t>(index)]));
        const int left = Coordinate(x_);
        const int top = baseline_ - height;
        BITMAP source{};
        if (GetObject(bitmap, sizeof source, &source) != 0) {
            if (mode_ == PictureMode::kPrinter) {
                const HDC screen = GetDC(nullptr);
                if (const HGLOBAL block = BitmapToDib(screen, bitmap); block != nullptr) {
                    const PackedDibView dib = ViewPackedDib(GlobalLock(block));
                    StretchDIBits(dc_, left, top, width, height, 0, 0, source.bmWidth,
                                  source.bmHeight, dib.bits, dib.info, DIB_RGB_COLORS, SRCCOPY);
                    GlobalUnlock(block);
                    GlobalFree(block);
                }
                ReleaseDC(nullptr, screen);
            } else {
                const HDC memory = CreateCompatibleDC(dc_);
                const HGDIOBJ old = SelectObject(memory, bitmap);
                if (old != nullptr) {
                    StretchBlt(dc_, left, top, width, height, memory, 0, 0, source.bmWidth,
                               source.bmHeight, SRCCOPY);
                    SelectObject(memory, old);
                }
                DeleteDC(memory);
            }
        }
    }
    x_ += width;
}

void LineDrawer::DrawLine(const std::uint8_t* operand) const {
    const POINT points[] = {{PageX(LoadI32(operand)), LineY(LoadI32(operand + 4))},
                            {PageX(LoadI32(operand + 8)), LineY(LoadI32(operand + 12))}};
    DrawSegments(dc_, LoadI16(operand + 16), bytes::LoadU32LE(operand + 18), points, 2);
}

void LineDrawer::DrawRectangle(const std::uint8_t* operand) const {
    const int left = PageX(LoadI32(operand));
    const int top = LineY(LoadI32(operand + 4));
    const int right = PageX(LoadI32(operand + 8));
    const int bottom = LineY(LoadI32(operand + 12));
    const int penWidth = LoadI16(operand + 16);
    const bool border = operand[18] != 0;
    const bool filled = operand[19] != 0;
    const COLORREF borderColour = bytes::LoadU32LE(operand + 20);
    const COLORREF fillColour = bytes::LoadU32LE(operand + 28);
    if (filled) {
        const HBRUSH brush = CreateSolidBrush(fillColour);
        const HGDIOBJ oldBrush = SelectObject(dc_, brush);
        const HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
        const RECT area{left, top, right, bottom};
        FillRect(dc_, &area, brush);
        SelectObject(dc_, oldPen);
        SelectObject(dc_, oldBrush);
        DeleteObject(brush);
    }
    if (border || filled) {
        const POINT outline[] = {
            {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
        DrawSegments(dc_, penWidth, border ? borderColour : fillColour, outline, 5);
    }
}

void LineDrawer::Draw() {
    const COLORREF oldColour = GetTextColor(dc_);
    if (const std::optional<COLORREF> colour = ColourAt(header_, style_.textColour)) {
        SetTextColor(dc_, *colour);
    }
    SelectFont();
    justified_ = line_.breakCount != 0 && line_.justifyFrom == 0;
    SetTextJustification(dc_, justified_ ? line_.breakExtra : 0, justified_ ? line_.breakCount : 0);
    x_ = line_.x - place_.offsetX;
    baseline_ = place_.top + line_.ascent;
    underline_.startX = x_;
    underline_.colour = GetTextColor(dc_);

    std::array<char, kTextBufferSize> text{};
    for (;;) {
        std::int32_t operand = 0;
        text.fill('\0');
        const int code = NextDrawToken(file_, text, style_, operand);
        if (code == kEndOfData || code == kEndOfLine) {
            break;
        }
        ApplyStyleChanges();
        if (code != kTextRun && file_.ReachedEnd()) {
            break;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        switch (code) {
        case kTextRun:
            DrawText(text.data());
            break;
        case kMoveToX:
            x_ = operand - place_.offsetX;
            break;
        case kPicture:
            DrawPicture(bytes);
            break;
        case kLine:
            DrawLine(bytes);
            break;
        case kRectangle:
            DrawRectangle(bytes);
            break;
        default:
            break;
        }
    }
    // Style codes just before the end of the line change nothing drawn: the underline in force
    // is the one the last drawn token had. An underline under nothing is not drawn.
    if ((previous_.flags & kUnderlineFlag) != 0 && x_ != underline_.startX) {
        underline_.thickness = std::max(underline_.thickness, UnderlineCandidate(previous_));
        DrawUnderline();
    }
    SetTextJustification(dc_, 0, 0);
    SetTextColor(dc_, oldColour);
    if (oldFont_) {
        SelectObject(dc_, *oldFont_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

} // namespace

void RenderLine(HDC dc, LoadedPrintFile& file, int lineIndex, LinePlace place, PictureMode mode) {
    if (lineIndex < 0 || lineIndex >= kLineRecords) {
        return;
    }
    const LineRecord& line = file.header.lines[static_cast<std::size_t>(lineIndex)];
    if (file.buffer.Seek(line.streamOffset, PrintFileBuffer::Origin::kStart) < 0) {
        return;
    }
    LineDrawer(dc, file, line, place, mode).Draw();
}

} // namespace pressel
