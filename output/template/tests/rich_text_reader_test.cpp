#include "output/template/rich_text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using output::DrawingKind;
using output::PageMargin;
using output::RichTextFamily;
using output::RunFormat;

// A letter page with one-inch margins.
constexpr output::PageGeometry kPage{12240, 1440, 1440};

// What the reader hands its target, one line per call: "Left=2160", "par a|<tab>|b", "page",
// "line 0:0 1440:0 at 100:200 w10 start end", "rect at 0:0 size 720:360 w5 fill".
class Recorder final : public output::RichTextTarget {
public:
    void SetMargin(PageMargin margin, std::int32_t value) override {
        static const char* const kNames[] = {"Top", "Bottom", "Left", "Right", "Indent"};
        log.push_back(std::string(kNames[static_cast<int>(margin)]) + "=" + std::to_string(value));
    }

    void LayOutParagraph(const output::RichTextParagraph& paragraph) override {
        std::string line = "par ";
        for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
            line += (i > 0 ? "|" : "") + (paragraph.runs[i].tab ? "<tab>" : paragraph.runs[i].text);
        }
        log.push_back(line);
        paragraphs.push_back(paragraph);
    }

    void NewPage() override { log.push_back("page"); }

    void Draw(const output::DrawingObject& o) override {
        const auto point = [](std::int32_t x, std::int32_t y) {
            return std::to_string(x) + ":" + std::to_string(y);
        };
        std::string line = o.kind == DrawingKind::Line ? "line " + point(o.first.x, o.first.y) +
                                                             " " + point(o.second.x, o.second.y)
                                                       : "rect";
        line += " at " + point(o.x, o.y);
        if (o.kind == DrawingKind::Rectangle) {
            line += " size " + point(o.width, o.height);
        }
        line += " w" + std::to_string(o.lineWidth);
        line += o.startArrow ? " start" : "";
        line += o.endArrow ? " end" : "";
        line += o.fill ? " fill" : "";
        log.push_back(line);
        drawings.push_back(o);
    }

    std::vector<std::string> log;
    std::vector<output::RichTextParagraph> paragraphs;
    std::vector<output::DrawingObject> drawings;
};

Recorder Read(std::string_view document) {
    Recorder recorder;
    output::ReadRichText(document, kPage, recorder);
    return recorder;
}

struct Case {
    const char* label;
    std::string document;
    std::vector<std::string> expected;
};

void ExpectLogs(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Read(c.document).log, c.expected);
    }
}

TEST(RichTextReader, PlacesOnlyTheBodyText) {
    ExpectLogs({
        {"plain paragraph", R"({\rtf1 Hello world\par})", {"par Hello world"}},
        {"hidden run", R"({\rtf1 a{\v hidden}b\par})", {"par ab"}},
        {"hidden paragraph", R"({\rtf1\v gone\par\v0 kept\par})", {"par kept"}},
        {"info, style sheet, picture",
         R"({\rtf1{\info{\title T}}{\stylesheet{\s0\li720 Normal;}}{\pict 0a0b}x\par})",
         {"par x"}},
        {"header and footer draw nothing",
         R"({\rtf1{\header h\par\page\margt99}{\footer f\par}b\par})",
         {"par b"}},
        {"control symbols vanish", R"({\rtf1 a\{b\}c\\d\~e\par})", {"par abcde"}},
        {"upper case is not a word", R"({\rtf1 \Par x\par})", {"par ar x"}},
        {"delimiter blank is eaten", R"({\rtf1 \b  x\par})", {"par  x"}},
        {"paragraph without its par", R"({\rtf1 end})", {"par end"}},
        {"stray closing brace", R"(}a\par)", {"par a"}},
        {"control bytes ignored", "{\\rtf1 a\r\n\tb\\par}", {"par ab"}},
        {"page break", R"({\rtf1 a\par\page b\par})", {"par a", "page", "par b"}},
        {"tabs cut runs", R"({\rtf1 a\tab b\tab\tab\par})", {"par a|<tab>|b|<tab>|<tab>"}},
        {"format change cuts runs", R"({\rtf1 a{\b b}\b0 c\par})", {"par a|b|c"}},
    });
}

// Windows-1252 quotes and dashes in hex become the characters their control words give; other
// bytes above 127 are dropped, as the canvas drops them; a brace in hex would spell a canvas
// command and is dropped too.
TEST(RichTextReader, ReadsCharactersGivenInHex) {
    ExpectLogs({
        {"quotes and dashes",
         R"({\rtf1 \'93q\'94 it\'92s \'91x\'92 \'96 \'97 \'95\par})",
         {"par \"q\" it's 'x' - - -"}},
        {"words for the same",
         R"({\rtf1 \ldblquote q\rdblquote  \lquote x\rquote  \endash\par})",
         {"par \"q\" 'x' -"}},
        {"accents dropped",
         R"({\rtf1 \'e9t\'e9 caf)"
         "\xE9"
         R"(\par})",
         {"par t caf"}},
        {"ascii in hex", R"({\rtf1 \'41\'42\par})", {"par AB"}},
        {"control byte in hex", R"({\rtf1 a\'0db\par})", {"par ab"}},
        {"braces in hex", R"({\rtf1 \'7bNEWPAGE\'7d\par})", {"par NEWPAGE"}},
        {"not hex", R"({\rtf1 \'zz\par})", {"par zz"}},
        {"cut by the end", R"(x\'9)", {"par x9"}},
    });
}

TEST(RichTextReader, SkipsUnknownStarredGroups) {
    ExpectLogs({
        {"unknown destination", R"({\rtf1{\*\generator Gen 1.0;}a\par})", {"par a"}},
        {"nested groups and escaped braces", R"({\rtf1{\*\panose {x\}}y\par}a\par})", {"par a"}},
        {"known destination is read", R"({\rtf1{\*\fonttbl{\f0\fswiss Arial;}}a\par})", {"par a"}},
        {"star inside a group is a symbol", R"({\rtf1{\b\*\generator x}\par})", {"par x"}},
        {"unclosed starred group", R"(a\par{\*\foo b\par)", {"par a"}},
    });
}

TEST(RichTextReader, ResolvesCharacterFormats) {
    const Recorder r = Read(
        R"({\rtf1\deff2{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;})"
        R"({\f2\froman Times;}{\f3\fscript Brush;}{\f1\fnil Later;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs24\b a\b0\i\ul b\plain c\f1\fs17\cf1 d\cf2 e\cf3 f\f3 g\f9 h\fs-4 i\fs1000 j\par})");
    ASSERT_EQ(r.paragraphs.size(), 1u);
    struct Expected {
        const char* text;
        RunFormat format;
    };
    const Expected expected[] = {
        // text  font name      family                     size  bold   italic underline colour
        {"a", {"Arial", RichTextFamily::SansSerif, 12, true, false, false, 0}},
        {"b", {"Arial", RichTextFamily::SansSerif, 12, false, true, true, 0}},
        {"c", {"Times", RichTextFamily::Serif, 12, false, false, false, 0}},
        // the last entry of a number wins; \fs17 is 8 points
        {"d", {"Later", RichTextFamily::Serif, 8, false, false, false, 0x0000FF}},
        {"e", {"Later", RichTextFamily::Serif, 8, false, false, false, 0xFF0000}},
        // a colour index past the table is the default colour
        {"f", {"Later", RichTextFamily::Serif, 8, false, false, false, 0}},
        {"g", {"Brush", RichTextFamily::Serif, 8, false, false, false, 0}},
        {"h", {std::nullopt, RichTextFamily::Serif, 8, false, false, false, 0}},
        {"i", {std::nullopt, RichTextFamily::Serif, 0, false, false, false, 0}},
        {"j", {std::nullopt, RichTextFamily::Serif, 255, false, false, false, 0}},
    };
    const auto& runs = r.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), std::size(expected));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(runs[i].text, expected[i].text);
        EXPECT_EQ(runs[i].format, expected[i].format);
    }
}

TEST(RichTextReader, PutsMarginsAndIndents) {
    ExpectLogs({
        {"left indent adds to the margin",
         R"({\rtf1\margl1440\li720})",
         {"Left=1440", "Left=2160"}},
        {"margin keeps the indent", R"({\rtf1\li720\margl1000})", {"Left=2160", "Left=1720"}},
        {"right side", R"({\rtf1\margr2000\ri100})", {"Right=2000", "Right=2100"}},
        {"top, bottom, first line",
         R"({\rtf1\margt500\margb600\fi-360})",
         {"Top=500", "Bottom=600", "Indent=-360"}},
        {"paragraph defaults",
         R"({\rtf1\margl1000\li50\pard})",
         {"Left=1000", "Left=1050", "Indent=0", "Left=1000", "Right=1440"}},
        {"not from a style sheet", R"({\rtf1{\stylesheet\li720\margl5\pard}})", {}},
        {"saturated",
         R"({\rtf1\margl2147483647\li99999999999})",
         {"Left=2147483647", "Left=2147483647"}},
    });
}

TEST(RichTextReader, ParagraphProperties) {
    const Recorder r = Read(R"({\rtf1\margr1000\ri500\qc\sb120\sa240\keep\tqr\tx5000\tx100 a\par)"
                            R"({\qj\keepn b\par}\pard c\par})");
    ASSERT_EQ(r.paragraphs.size(), 3u);
    const auto& first = r.paragraphs[0];
    EXPECT_EQ(first.alignment, 1);
    EXPECT_EQ(first.spaceBefore, 120);
    EXPECT_EQ(first.spaceAfter, 240);
    EXPECT_TRUE(first.keep);
    EXPECT_FALSE(first.keepWithNext);
    ASSERT_EQ(first.tabs.size(), 2u);
    EXPECT_EQ(first.tabs[0].position, 5000);
    EXPECT_EQ(first.tabs[0].kind, output::TabKind::Right);
    EXPECT_EQ(first.tabs[1].kind, output::TabKind::Left);
    EXPECT_EQ(first.tabOrigin, 1440);
    EXPECT_EQ(first.tabLimit, 12240 - 1000 - 500);
    EXPECT_EQ(r.paragraphs[1].alignment, 3);
    EXPECT_TRUE(r.paragraphs[1].keepWithNext);
    // the group's end gave back the centring; \pard resets it and the tabs
    EXPECT_EQ(r.paragraphs[2].alignment, 0);
    EXPECT_TRUE(r.paragraphs[2].tabs.empty());
}

TEST(RichTextReader, DrawsObjectsWhenTheirGroupEnds) {
    ExpectLogs({
        {"line with arrows",
         R"({\rtf1{\*\do\dpline\dpptx0\dppty0\dpptx1440\dppty30\dpx100\dpy200\dplinew10)"
         R"(\dpastarthol\dpaendsol}})",
         {"line 0:0 1440:30 at 100:200 w10 start end"}},
        {"third point ignored",
         R"({{\dpline\dpptx1\dppty2\dpptx3\dppty4\dpptx5\dppty6}})",
         {"line 1:2 3:4 at 0:0 w0"}},
        {"filled rectangle",
         R"({{\*\do\dprect\dpx0\dpy0\dpxsize720\dpysize360\dplinew5\dpfillpat1}})",
         {"rect at 0:0 size 720:360 w5 fill"}},
        {"inner group draws its own",
         R"({{\dprect{\dpline}}})",
         {"line 0:0 0:0 at 0:0 w0", "rect at 0:0 size 0:0 w0"}},
        {"unknown starred group is not drawn", R"({{\*\shp\dpline}})", {}},
        {"not in a header", R"({{\header{\dpline}}})", {}},
    });
    const Recorder r = Read(R"({{\dprect\dplinecor255\dplinecog128\dplinecob1\dpfillbgcr1)"
                            R"(\dpfillbgcg2\dpfillbgcb3}{\dpline}})");
    ASSERT_EQ(r.drawings.size(), 2u);
    EXPECT_EQ(r.drawings[0].lineColour, 0x0180FFu);
    EXPECT_EQ(r.drawings[0].fillColour, 0x030201u);
    EXPECT_EQ(r.drawings[1].lineColour, 0x000000u);
    EXPECT_EQ(r.drawings[1].fillColour, 0xFFFFFFu);
}

// Nesting past what the reader saves still closes in order: the formatting of the outer groups
// comes back.
TEST(RichTextReader, DeepNestingKeepsTheOuterFormat) {
    const std::string deep(5000, '{');
    const std::string back(5000, '}');
    const Recorder r = Read("{\\b " + deep + "\\b0 x\\par" + back + "y\\par}");
    ASSERT_EQ(r.paragraphs.size(), 2u);
    EXPECT_FALSE(r.paragraphs[0].runs[0].format.bold);
    EXPECT_EQ(r.paragraphs[1].runs[0].text, "y");
    EXPECT_TRUE(r.paragraphs[1].runs[0].format.bold);
}

} // namespace
