// The report's rich-text interpreter over arbitrary bytes. Whatever it reads, every text it writes
// holds no control character (tabs move the position and are never written), its lines are
// horizontal, and no more characters are written than the text holds.
#include "program/report/compose/draw_rtf.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class CheckingSurface final : public compose::RichTextSurface {
public:
    std::size_t written = 0;

    std::int32_t PageWidth() override { return 12240; }
    std::int32_t Margin(compose::PageMargin margin) override {
        return margins_[static_cast<int>(margin)];
    }
    void SetMargin(compose::PageMargin margin, std::int32_t twips) override {
        margins_[static_cast<int>(margin)] = twips;
    }
    std::int32_t CurrentX() override { return x_; }
    void SetCurrentX(std::int32_t twips) override { x_ = twips; }
    std::int32_t CurrentY() override { return y_; }
    void SetCurrentY(std::int32_t twips) override { y_ = twips; }
    void SetAlignment(compose::TextAlignment) override {}
    void SetFontName(const std::string&) override {}
    void SetFontSize(float) override {}
    void SetFontBold(bool) override {}
    void SetFontItalic(bool) override {}
    std::int32_t MeasureText(const std::string& text) override {
        return static_cast<std::int32_t>(text.size()) * 120;
    }
    void DrawLine(std::int32_t, std::int32_t y1, std::int32_t, std::int32_t y2) override {
        Require(y1 == y2);
    }
    void WriteText(const std::string& text) override { Check(text); }
    void WriteParagraph(const std::string& text) override {
        Check(text);
        x_ = margins_[0];
    }
    void NewPage() override {}

private:
    void Check(const std::string& text) {
        for (const char character : text) {
            Require(static_cast<unsigned char>(character) >= 32);
        }
        written += text.size();
        x_ += MeasureText(text);
    }

    std::int32_t margins_[4] = {1440, 720, 1440, 864};
    std::int32_t x_ = 1440;
    std::int32_t y_ = 720;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckingSurface surface;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)compose::DrawRTF(surface, text);
    Require(surface.written <= size);
    return 0;
}
