// The print document as the page surface the rich-text interpreter draws on.
#pragma once

#include "program/report/compose/rich_text_surface.h"

#include "platform/printdoc/print_document.h"

namespace compose {

// Values the document refuses (a font size or a margin out of its range, as a damaged text may
// ask for) leave the document as it was, and drawing goes on.
class PrintDocumentSurface final : public RichTextSurface {
public:
    explicit PrintDocumentSurface(printdoc::PrintDocument& document) : document_(document) {}

    std::int32_t PageWidth() override { return document_.PageWidth(); }
    std::int32_t Margin(PageMargin margin) override;
    void SetMargin(PageMargin margin, std::int32_t twips) override;
    std::int32_t CurrentX() override { return document_.CurrentX(); }
    void SetCurrentX(std::int32_t twips) override { document_.SetCurrentX(twips); }
    std::int32_t CurrentY() override { return document_.CurrentY(); }
    void SetCurrentY(std::int32_t twips) override { document_.SetCurrentY(twips); }
    void SetAlignment(TextAlignment alignment) override;
    void SetFontName(const std::string& face) override { document_.SetFontName(face); }
    void SetFontSize(float points) override;
    void SetFontBold(bool bold) override { document_.SetFontBold(bold); }
    void SetFontItalic(bool italic) override { document_.SetFontItalic(italic); }
    std::int32_t MeasureText(const std::string& text) override {
        return document_.MeasureText(text);
    }
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        document_.DrawLine(x1, y1, x2, y2);
    }
    void WriteText(const std::string& text) override { document_.WriteText(text); }
    void WriteParagraph(const std::string& text) override { document_.WriteParagraph(text); }
    void NewPage() override { document_.NewPage(); }

private:
    printdoc::PrintDocument& document_;
};

} // namespace compose
