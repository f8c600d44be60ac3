// The page surface the report's rich text is drawn on: the operations of the print document
// that the interpreter uses, and nothing more. Positions, widths and margins are twips (1440 per
// inch); texts are Windows-1252. The caller opens the document and sets its margins before the
// text is drawn, and closes it afterwards.
#pragma once

#include <cstdint>
#include <string>

namespace compose {

enum class PageMargin { Left, Top, Right, Bottom };

// Alignment of the text that follows, within the margins.
enum class TextAlignment { Left, Centre, Right, Justified };

class RichTextSurface {
public:
    virtual ~RichTextSurface() = default;

    virtual std::int32_t PageWidth() = 0;
    virtual std::int32_t Margin(PageMargin margin) = 0;
    virtual void SetMargin(PageMargin margin, std::int32_t twips) = 0;

    // The current position: where the next text starts.
    virtual std::int32_t CurrentX() = 0;
    virtual void SetCurrentX(std::int32_t twips) = 0;
    virtual std::int32_t CurrentY() = 0;
    virtual void SetCurrentY(std::int32_t twips) = 0;

    virtual void SetAlignment(TextAlignment alignment) = 0;
    virtual void SetFontName(const std::string& face) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;

    // The width of `text` in the current font.
    virtual std::int32_t MeasureText(const std::string& text) = 0;
    virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;

    // Writes `text` at the current position and stays on the line.
    virtual void WriteText(const std::string& text) = 0;
    // Writes `text` at the current position and ends the paragraph.
    virtual void WriteParagraph(const std::string& text) = 0;
    virtual void NewPage() = 0;
};

} // namespace compose
