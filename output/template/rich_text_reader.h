// Reading a rich-text (RTF) document for laying it out on pages. The reader keeps the groups'
// formatting, the font and colour tables, paragraph properties and drawing objects, and hands
// a target what is to be placed: margins, laid-out paragraphs, page breaks and drawing objects.
// Everything outside the subset below is ignored.
//
//   control word  "\" letters a-z, an optional "-" and digits (the parameter), one optional
//                 blank; any other byte after "\" is a control symbol, dropped with it, except
//                 "\'hh", a byte given in hex
//   groups        "{" saves the formatting, "}" restores it and draws the group's drawing
//                 object; a group that starts with "\*" and a destination not known here is
//                 skipped whole
//   text          bytes of 32 and above; Windows-1252 quotes and dashes become "'", '"' and
//                 "-", as "\lquote", "\ldblquote" and "\endash" do; only the body's text is
//                 placed (header, footer, style sheet, picture and information are not)
//
// Only the body acts on the pages: a control word that moves a margin, ends a paragraph or
// breaks a page inside a header, footer, style sheet, picture, information or table group is
// read and ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace output {

// The canvas's font types that a font-table family stands for.
enum class RichTextFamily : std::int32_t { SansSerif = 1, Serif = 2, FixedPitch = 3 };

// The look of a run of text, with the font table and the colour table resolved.
struct RunFormat {
    // The font-table entry: none when the table has no such font. Roman, nil and script fonts
    // count as serif, the canvas's default type.
    std::optional<std::string> fontName;
    RichTextFamily family = RichTextFamily::Serif;
    std::int32_t size = 0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t colour = 0; // 0x00BBGGRR

    friend bool operator==(const RunFormat&, const RunFormat&) = default;
};

// A piece of a paragraph: text in one format, or one tab character.
struct TextRun {
    bool tab = false;
    std::string text;
    RunFormat format;
};

enum class TabKind : std::int32_t { Left = 0, Centred = 1, Right = 2 };

struct TabStop {
    std::int32_t position = 0; // twips from the page's left margin
    TabKind kind = TabKind::Left;
};

struct RichTextParagraph {
    std::int32_t alignment = 0; // 0 left, 1 centred, 2 right, 3 justified
    std::int32_t spaceBefore = 0;
    std::int32_t spaceAfter = 0;
    bool keep = false;
    bool keepWithNext = false;
    std::vector<TabStop> tabs;
    std::int32_t tabOrigin = 0; // where tab positions count from: the page's left margin
    std::int32_t tabLimit = 0;  // the right edge tabs are cut to
    std::vector<TextRun> runs;
};

enum class DrawingKind : std::int32_t { None = 0, Line = 1, Rectangle = 2 };

struct RichTextPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// One "\dp" drawing object; positions are twips from the cursor.
struct DrawingObject {
    DrawingKind kind = DrawingKind::None;
    bool fill = false;
    RichTextPoint first;
    bool startArrow = false;
    bool startArrowSolid = false;
    RichTextPoint second;
    bool endArrow = false;
    bool endArrowSolid = false;
    std::int32_t pointsRead = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t lineWidth = 0;
    std::uint32_t lineColour = 0x000000;
    std::uint32_t fillColour = 0xFFFFFF;
};

enum class PageMargin { Top, Bottom, Left, Right, Indent };

// The page the document is laid out on, as it stands before the document changes it.
struct PageGeometry {
    std::int32_t width = 0;
    std::int32_t marginLeft = 0;
    std::int32_t marginRight = 0;
};

class RichTextTarget {
public:
    virtual ~RichTextTarget() = default;
    virtual void SetMargin(PageMargin margin, std::int32_t value) = 0;
    virtual void LayOutParagraph(const RichTextParagraph& paragraph) = 0;
    virtual void NewPage() = 0;
    virtual void Draw(const DrawingObject& object) = 0;
};

// Reads `document` whole, in order, into `target`. Any bytes are accepted; what is not
// understood is skipped.
void ReadRichText(std::string_view document, const PageGeometry& page, RichTextTarget& target);

} // namespace output
