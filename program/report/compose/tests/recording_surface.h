// A page surface for tests that records what is drawn on it. Its font has fixed metrics: every
// character is 10 twips wide per point of size (120 twips at 12 points), and a paragraph moves
// the position down by the font's size (20 twips per point) and back to the left margin. The page
// is 12240 twips wide with margins of 1440 left and right, 720 top and 864 bottom.
#pragma once

#include "program/report/compose/rich_text_surface.h"

#include <string>
#include <vector>

namespace compose::testing {

class RecordingSurface : public RichTextSurface {
public:
    // What was drawn, one entry per call, e.g.
    //   text "Total" @1440,720 Arial 12 b      (the face, the size in points, b bold, i italic)
    //   paragraph " due" @2040,720 Arial 12
    //   line 1440,1008-2040,1008
    //   page
    std::vector<std::string> drawn;
    // Alignments set, in order: "left", "centre", "right", "justified".
    std::vector<std::string> alignments;

    std::int32_t PageWidth() override { return 12240; }
    std::int32_t Margin(PageMargin margin) override;
    void SetMargin(PageMargin margin, std::int32_t twips) override;
    std::int32_t CurrentX() override { return x_; }
    void SetCurrentX(std::int32_t twips) override { x_ = twips; }
    std::int32_t CurrentY() override { return y_; }
    void SetCurrentY(std::int32_t twips) override { y_ = twips; }
    void SetAlignment(TextAlignment alignment) override;
    void SetFontName(const std::string& face) override { face_ = face; }
    void SetFontSize(float points) override { points_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetFontItalic(bool italic) override { italic_ = italic; }
    std::int32_t MeasureText(const std::string& text) override;
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void WriteText(const std::string& text) override;
    void WriteParagraph(const std::string& text) override;
    void NewPage() override;

private:
    void Record(const std::string& kind, const std::string& text);

    std::int32_t margins_[4] = {1440, 720, 1440, 864};
    std::int32_t x_ = 1440;
    std::int32_t y_ = 720;
    std::string face_ = "Arial";
    float points_ = 12;
    bool bold_ = false;
    bool italic_ = false;
};

} // namespace compose::testing
