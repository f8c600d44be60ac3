// Text layout with the fixed-metrics font: every character, the blank included, is 120 twips
// wide at 12 points; the line is 1440..10800 twips, 78 characters.
#include "canvas_fixture.h"

namespace {

using namespace output;

using TextLayout = FixedFontCanvas;

constexpr std::int32_t kLeft = 1440;
constexpr std::int32_t kTop = 1440;
constexpr std::int32_t kLineHeight12 = 12 * 12 / 10 * 20; // 280 twips

struct PlacedWord {
    std::string text;
    std::int32_t page;
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const PlacedWord&, const PlacedWord&) = default;
    friend std::ostream& operator<<(std::ostream& out, const PlacedWord& w) {
        return out << "\"" << w.text << "\" p" << w.page << " (" << w.x << ", " << w.y << ")";
    }
};

std::vector<PlacedWord> Placed(const Canvas& canvas) {
    std::vector<PlacedWord> placed;
    for (const WordItem& word : canvas.Items().words) {
        placed.push_back({word.text, word.page, word.x, word.y});
    }
    return placed;
}

TEST_F(TextLayout, WordsOfOneFontAndColourShareAnItem) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<PlacedWord> expected;
        std::int32_t cursorX;
    };
    const Case cases[] = {
        {"runs of blanks collapse", "ab   cd", {{"ab cd", 1, kLeft, kTop}}, kLeft + 5 * kCharTwips},
        {"two blanks after a full stop",
         "ab. cd",
         {{"ab.  cd", 1, kLeft, kTop}},
         kLeft + 7 * kCharTwips},
        {"two blanks after a colon",
         "ab: cd",
         {{"ab:  cd", 1, kLeft, kTop}},
         kLeft + 7 * kCharTwips},
        {"an underscore is a kept blank",
         "a_b c",
         {{"a b c", 1, kLeft, kTop}},
         kLeft + 5 * kCharTwips},
        {"bytes above 127 and controls vanish",
         "caf\xE9\t!",
         {{"caf!", 1, kLeft, kTop}},
         kLeft + 4 * kCharTwips},
        {"a command with a blank is two words",
         "{FONTNAME,Courier New}",
         {{"{FONTNAME,Courier New}", 1, kLeft, kTop}},
         kLeft + 22 * kCharTwips},
        {"underscores in a command stay",
         "{FONTNAME,A_B} x",
         {{"x", 1, kLeft, kTop}},
         kLeft + kCharTwips},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canvas->Reset(0);
        canvas->PutText(c.text);
        EXPECT_EQ(Placed(*canvas), c.expected);
        EXPECT_EQ(canvas->CursorX(), c.cursorX);
    }
    canvas->Reset(0);
    canvas->PutText("{FONTNAME,A_B} x");
    EXPECT_EQ(canvas->Items().fonts[0].choice.name, "A_B");
}

TEST_F(TextLayout, LinesWrapAtTheRightEdgeAndPagesAtTheBottom) {
    // 9 words of 9 characters: n of them take 10n - 1 characters; behind an indent of 2
    // characters 7 fit the first line of 78.
    std::string word(9, 'w');
    std::string text;
    for (int i = 0; i < 9; ++i) {
        text += word + " ";
    }
    canvas->SetMarginIndent(240);
    canvas->PutText(text);
    ASSERT_EQ(canvas->Items().words.size(), 2u);
    EXPECT_EQ(canvas->Items().words[0].x, kLeft + 240);
    // The second line starts at the left margin: the indent is the paragraph's first line only.
    EXPECT_EQ(Placed(*canvas)[1], (PlacedWord{word + " " + word, 1, kLeft, kTop + kLineHeight12}));

    canvas->SetCursorY(canvas->GetMargins().bottomEdge - 10);
    canvas->PutText(text);
    EXPECT_EQ(canvas->Items().words.back().page, 2);
    EXPECT_EQ(canvas->Items().words.back().y, kTop);
}

TEST_F(TextLayout, AWordWiderThanTheLineIsPlacedOnAnEmptyLine) {
    std::string wide(100, 'w');
    canvas->PutText(wide);
    EXPECT_EQ(Placed(*canvas), (std::vector<PlacedWord>{{wide, 1, kLeft, kTop}}));
    EXPECT_GT(canvas->CursorX(), canvas->GetMargins().rightEdge);
}

TEST_F(TextLayout, JustificationMovesTheWordsOfALine) {
    // "ab cd" is 600 twips wide; the line 9360: slack 8760.
    constexpr std::int32_t kSlack = 10800 - kLeft - 5 * kCharTwips;
    struct Case {
        std::int32_t justify;
        std::vector<std::int32_t> xs;
    };
    const Case cases[] = {
        {0, {kLeft}},
        {1, {kLeft + kSlack / 2}},
        {2, {kLeft + kSlack}},
        // Full: every word its own item; a last line stays as it is.
        {3, {kLeft, kLeft + 3 * kCharTwips}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.justify);
        canvas->Reset(0);
        canvas->SetJustify(c.justify);
        canvas->PutText("ab cd");
        canvas->NewParagraph();
        std::vector<std::int32_t> xs;
        for (const WordItem& word : canvas->Items().words) {
            xs.push_back(word.x);
        }
        EXPECT_EQ(xs, c.xs);
        EXPECT_EQ(canvas->CursorY(), kTop + kLineHeight12);
    }
}

TEST_F(TextLayout, FullJustificationSpreadsWrappedLinesToTheRightEdge) {
    canvas->SetJustify(3);
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += "abc ";
    }
    canvas->PutText(text);
    canvas->NewParagraph();
    // n words of 3 characters take 4n - 1 characters: 19 fit a line of 78.
    const std::vector<WordItem>& words = canvas->Items().words;
    ASSERT_EQ(words.size(), 30u);
    EXPECT_EQ(words[0].x, kLeft);
    EXPECT_EQ(words[18].x + 3 * kCharTwips, 10800);
    EXPECT_EQ(words[19].y, kTop + kLineHeight12);
    EXPECT_EQ(words[29].x, kLeft + 10 * 4 * kCharTwips);
}

TEST_F(TextLayout, ALargerFontLowersTheWordsBeforeItOnTheLine) {
    canvas->PutText("ab {FONTSIZE,24} CD {FONTSIZE,12} ef");
    std::vector<PlacedWord> placed = Placed(*canvas);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].y, kTop + 12 * 20);
    EXPECT_EQ(placed[1].y, kTop);
    EXPECT_EQ(placed[2].y, kTop + 12 * 20);
    canvas->NewParagraph();
    EXPECT_EQ(canvas->CursorY(), kTop + 24 * 12 / 10 * 20);
}

TEST_F(TextLayout, Commands) {
    struct Case {
        const char* text;
        std::int32_t (*read)(const Canvas&);
        std::int32_t expected;
    };
    const Case cases[] = {
        {"{FONTSIZE,100}", [](const Canvas& c) { return c.Font().size; }, 72},
        {"{FONTSIZE,3}", [](const Canvas& c) { return c.Font().size; }, 8},
        {"{FONTBOLD,true}", [](const Canvas& c) { return std::int32_t{c.Font().bold}; }, 1},
        {"{FONTBOLD,yes}", [](const Canvas& c) { return std::int32_t{c.Font().bold}; }, 0},
        {"{COLOROFTEXT,1,2}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Colours().text); }, 0},
        {"{COLOROFTEXT,1,2,3}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Colours().text); }, 0x030201},
        {"{COLOROFLINE,300,0,-4}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Colours().line); }, 0x0000FF},
        {"{CURSORX,+720}", [](const Canvas& c) { return c.CursorX(); }, kLeft + 720},
        {"{CURSORY,-40}", [](const Canvas& c) { return c.CursorY(); }, kTop - 40},
        {"{CURSORY,500}", [](const Canvas& c) { return c.CursorY(); }, 500},
        {"{JUSTIFY,9}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.GetMargins().justify); }, 0},
        {"{PAGENUMBER,+2}", [](const Canvas& c) { return c.Page(); }, 3},
        {"{PAGENUMBER,-5}", [](const Canvas& c) { return c.Page(); }, 1},
        {"{NEWPAGE}", [](const Canvas& c) { return c.Page(); }, 2},
        {"{DEPTH,100}", [](const Canvas& c) { return c.Page(); }, 1},
        {"{DEPTH,14000}", [](const Canvas& c) { return c.Page(); }, 2},
        {"{MARGINLEFT,720}", [](const Canvas& c) { return c.CursorX(); }, 720},
        {"{NEWPARAGRAPH}", [](const Canvas& c) { return c.CursorY(); }, kTop + kLineHeight12},
        {"{POLYGON,0:0|10:10,1,TRUE,TRUE}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Items().polygons.size()); }, 0},
        {"{POLYGON,0:0|10:10|0:10,1,TRUE,TRUE}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Items().polygons.size()); }, 1},
        {"{LINE,+0,+0,+100}",
         [](const Canvas& c) { return static_cast<std::int32_t>(c.Items().lines.size()); }, 0},
        {"{LINE,+0,+10,5000,-10,7}",
         [](const Canvas& c) { return c.Items().lines.at(0).yFrom + c.Items().lines.at(0).xTo; },
         kTop + 10 + 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        canvas->Reset(0);
        canvas->PutText(c.text);
        EXPECT_EQ(c.read(*canvas), c.expected);
        EXPECT_TRUE(canvas->Items().words.empty());
    }
}

TEST_F(TextLayout, AFontCommandEndsTheReuseOfTheLookedUpFont) {
    canvas->PutText("ab {FONTITALIC,TRUE} cd");
    ASSERT_EQ(canvas->Items().words.size(), 2u);
    EXPECT_EQ(canvas->Items().words[1].font, 1u);
    EXPECT_TRUE(canvas->Items().fonts[1].choice.italic);
}

TEST_F(TextLayout, ANewParagraphBelowTheBottomStartsAPage) {
    canvas->SetCursorY(canvas->GetMargins().bottomEdge + 1);
    canvas->NewParagraph();
    EXPECT_EQ(canvas->Page(), 2);
    EXPECT_EQ(canvas->CursorY(), kTop + kLineHeight12);
}

TEST_F(TextLayout, MeasureAnswersTwips) {
    SIZE size = canvas->Measure("abc d");
    EXPECT_EQ(size.cx, 5 * kCharTwips);
    // Cell height: 16 + 16 / 4 pixels.
    EXPECT_EQ(size.cy, 20 * 1440 / 96);
}

} // namespace
