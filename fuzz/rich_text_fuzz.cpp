// The rich-text reader over arbitrary bytes. Whatever it reads, the text it hands on is the
// bytes 32 to 127 without braces (so the canvas never takes a word of it for a command), every
// run but a tab holds text, tab stops stay bounded and drawing objects come out whole.
#include "output/template/rich_text_reader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class Checker final : public output::RichTextTarget {
public:
    void SetMargin(output::PageMargin, std::int32_t) override {}

    void LayOutParagraph(const output::RichTextParagraph& paragraph) override {
        Require(paragraph.tabs.size() <= 64);
        for (const output::TextRun& run : paragraph.runs) {
            Require(run.tab == run.text.empty());
            for (const char character : run.text) {
                const auto byte = static_cast<unsigned char>(character);
                Require(byte >= 32 && byte <= 127 && byte != '{' && byte != '}');
            }
            Require(run.format.size >= 0 && run.format.size <= 255);
            Require(run.format.colour <= 0xFFFFFF);
        }
    }

    void NewPage() override {}

    void Draw(const output::DrawingObject& object) override {
        Require(object.kind != output::DrawingKind::None);
        Require(object.pointsRead >= 0 && object.pointsRead <= 3);
        Require(object.lineColour <= 0xFFFFFF && object.fillColour <= 0xFFFFFF);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Checker checker;
    output::ReadRichText(std::string_view(reinterpret_cast<const char*>(data), size),
                         {12240, 1440, 1440}, checker);
    return 0;
}
