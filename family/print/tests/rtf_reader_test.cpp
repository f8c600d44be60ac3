// Reading rich-text templates: the keyword table, the tokens, the interpretation of control
// words and groups, and the font and colour tables.
#include "family/print/src/convert/rtf_interpreter.h"
#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/src/convert/rtf_tables.h"
#include "family/print/src/convert/rtf_tokenizer.h"
#include "family/print/tests/print_file_fixture.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace pressel;

constexpr std::size_t kBufferLength = 100;

// A template's text in a file, with a tokenizer over it.
class RtfReaderTest : public ::testing::Test {
protected:
    RtfTokenizer& Load(const std::string& text) {
        const std::filesystem::path path = sandbox_.WriteFile("template.rtf", text);
        file_ = std::make_unique<pressel_test::Descriptor>(
            pressel_test::OpenForReading(path).Release());
        tokenizer_ = std::make_unique<RtfTokenizer>(file_->Get());
        return *tokenizer_;
    }

    // Every token up to the end, as "code:text:parameter".
    std::vector<std::string> Tokens(const std::string& text, std::size_t bufferLength = 100) {
        RtfTokenizer& tokenizer = Load(text);
        std::vector<std::string> tokens;
        for (RtfToken token = tokenizer.Next(bufferLength); token.code != kRtfEnd;
             token = tokenizer.Next(bufferLength)) {
            tokens.push_back(std::to_string(token.code) + ":" + token.text + ":" +
                             std::to_string(token.parameter));
        }
        return tokens;
    }

    // Interprets the whole text, answering each stop as "code:text".
    std::vector<std::string> Stops(const std::string& text, FormatState& state) {
        RtfInterpreter interpreter(Load(text));
        std::vector<std::string> stops;
        std::string word;
        for (int code = interpreter.Interpret(kBufferLength, state, word); code != kRtfEnd;
             code = interpreter.Interpret(kBufferLength, state, word)) {
            stops.push_back(std::to_string(code) + ":" + word);
        }
        return stops;
    }

    testkit::Sandbox sandbox_;
    std::unique_ptr<pressel_test::Descriptor> file_;
    std::unique_ptr<RtfTokenizer> tokenizer_;
};

using Strings = std::vector<std::string>;

TEST(RtfKeywords, TableIsSortedAndEveryNameIsFound) {
    ASSERT_EQ(std::size(kRtfKeywords), 127u);
    for (std::size_t i = 0; i < std::size(kRtfKeywords); ++i) {
        if (i > 0) {
            EXPECT_LT(kRtfKeywords[i - 1].name, kRtfKeywords[i].name);
        }
        EXPECT_EQ(LookUpRtfKeyword(kRtfKeywords[i].name), kRtfKeywords[i].code);
    }
    for (const char* unknown : {"", "a", "ulnone", "zz", "bb", "rtf"}) {
        EXPECT_EQ(LookUpRtfKeyword(unknown), kRtfUnknown) << unknown;
    }
}

TEST_F(RtfReaderTest, ControlWordsTakeTheirParameters) {
    EXPECT_EQ(Tokens("\\b x\\b0\\fs-4 \\plain1\\pgnstart3\\ulnone"),
              (Strings{"85:b:1", "0:x:0", "85:b:0", "88:fs:-4", "92:plain:1", "0:1:0",
                       "41:pgnstart:3", "3:ulnone:1"}));
    // A digit after the space that ends a word is text.
    EXPECT_EQ(Tokens("\\b 1"), (Strings{"85:b:1", "0:1:0"}));
}

TEST_F(RtfReaderTest, EscapesAndSymbolsBecomeText) {
    EXPECT_EQ(Tokens("\\'e9\\'C4\\\\\\{\\}\\~\\_\\-"),
              (Strings{"0:\xE9:0", "0:\xC4:0", "0:\\:0", "0:{:0", "0:}:0", "0:\xA0:0", "0:-:0",
                       "3:-:1"}));
}

TEST_F(RtfReaderTest, TextIsCutAtBreaksAndLineEndsAreDropped) {
    EXPECT_EQ(Tokens("ab\r\ncd  ef$Name{x}"),
              (Strings{"0:abcd:0", "0:  :0", "0:ef:0", "0:$Name:0", "1::0", "0:x:0", "2::0"}));
    // A word longer than the buffer arrives in pieces; a long control word is cut.
    EXPECT_EQ(Tokens("abcdefg", 4), (Strings{"0:abc:0", "0:def:0", "0:g:0"}));
    EXPECT_EQ(Tokens("\\abcdefg x", 4), (Strings{"3:ag:1", "0:x:0"}));
}

TEST_F(RtfReaderTest, BinarySkipsItsBytes) {
    EXPECT_EQ(Tokens("\\bin3 {}}x"), (Strings{"96:bin:3", "0:x:0"}));
}

TEST_F(RtfReaderTest, KeywordsChangeTheState) {
    FormatState state;
    state.section.defaultFont = 3;
    const Strings stops =
        Stops("\\b\\i\\ul\\v\\f2\\fs20\\cf1\\cb2\\qc\\fi-100\\li200\\ri300\\sa40\\sb50\\sl60\\keep"
              "\\keepn\\tqr\\tx1000\\tx2000\\deftab360\\paperw10000\\paperh14000\\headery500"
              "\\footery600\\titlepg\\cols2\\sbkodd\\pgnx5\\pgnucrm\\landscape\\marglsxn100 w",
              state);
    EXPECT_EQ(stops, (Strings{"0:w"}));
    EXPECT_EQ(state.character, (CharacterFormat{kCharacterBold | kCharacterItalic |
                                                    kCharacterUnderline | kCharacterHidden,
                                                2, 20, 1, 2}));
    EXPECT_EQ(state.paragraph.alignment, kCentred);
    EXPECT_EQ(state.paragraph.firstIndent, -100);
    EXPECT_EQ(state.paragraph.leftIndent, 200);
    EXPECT_EQ(state.paragraph.rightIndent, 300);
    EXPECT_EQ(state.paragraph.spaceAfter, 40);
    EXPECT_EQ(state.paragraph.spaceBefore, 50);
    EXPECT_EQ(state.paragraph.lineSpacing, 60);
    EXPECT_EQ(state.paragraph.flags, kKeepFlag | kKeepNextFlag);
    EXPECT_EQ(state.paragraph.tabs[0], (TabStop{kTabRight, 1000}));
    EXPECT_EQ(state.paragraph.tabs[1], (TabStop{kTabLeft, 2000}));
    EXPECT_EQ(state.section.defaultTab, 360);
    EXPECT_EQ(state.section.paperWidth, 10000);
    EXPECT_EQ(state.section.paperHeight, 14000);
    EXPECT_EQ(state.section.headerY, 500);
    EXPECT_EQ(state.section.footerY, 600);
    EXPECT_EQ(state.section.flags, kTitlePageFlag | kLandscapeFlag);
    EXPECT_EQ(state.section.columns, 2);
    EXPECT_EQ(state.section.sectionBreak, 4);
    EXPECT_EQ(state.section.pageNumberX, 5);
    EXPECT_EQ(state.section.pageNumberFormat, 4);
    EXPECT_EQ(state.section.marginLeft, 100);

    Stops("\\plain\\pard\\b0 x", state);
    EXPECT_EQ(state.character, (CharacterFormat{0, 3, 24, 0, 0}));
    EXPECT_EQ(state.paragraph, ParagraphFormat{});
}

TEST_F(RtfReaderTest, TabStopsStopAtTwenty) {
    std::string text;
    for (int i = 1; i <= 21; ++i) {
        text += "\\tx" + std::to_string(i * 100);
    }
    FormatState state;
    Stops(text + " ", state);
    EXPECT_EQ(state.paragraph.tabs.back().position, 2000);
    EXPECT_TRUE(std::none_of(state.paragraph.tabs.begin(), state.paragraph.tabs.end(),
                             [](const TabStop& stop) { return stop.position == 2100; }));
}

TEST_F(RtfReaderTest, ContentAndLayoutWordsStopTheInterpreter) {
    FormatState state;
    EXPECT_EQ(Stops("a\\par\\line\\page\\sect\\tab\\margl720\\bullet\\emdash\\endash\\ldblquote"
                    "\\lquote\\rdblquote\\rquote",
                    state),
              (Strings{"0:a", "71:par", "90:line", "91:page", "62:sect", "93:tab", "36:margl",
                       "0:\x95", "0:\x97", "0:\x96", "0:\x93", "0:\x91", "0:\x94", "0:\x92"}));
    EXPECT_EQ(state.section.marginLeft, 720);
}

TEST_F(RtfReaderTest, GroupsRestoreTheirFormatting) {
    FormatState state;
    EXPECT_EQ(Stops("{\\b {\\i a}b}c}d", state), (Strings{"0:a", "0:b", "0:c", "2:", "0:d"}));
    EXPECT_EQ(state.character.flags, 0);
}

TEST_F(RtfReaderTest, HeaderAndFooterGroupsStopWhereTheyEnd) {
    FormatState state;
    EXPECT_EQ(Stops("{\\header {\\b h}x}y", state),
              (Strings{"32:header", "0:h", "0:x", "2:", "0:y"}));
    EXPECT_EQ(state.paragraph.flags & kInHeaderOrFooterFlag, 0);
}

TEST_F(RtfReaderTest, SkippedGroupsAndDrawingObjects) {
    FormatState state;
    EXPECT_EQ(Stops("{\\info {\\title t}}{\\stylesheet s}{\\*\\generator g{x}}a", state),
              (Strings{"0:a"}));
    EXPECT_EQ(Stops("{\\*\\do\\dprect\\dpx10\\dpy20\\dpxsize30\\dpysize40\\dplinew15"
                    "\\dplinegray100\\dpfillbgcr255\\dpptx1\\dppty2\\dpptx3\\dppty4}z",
                    state),
              (Strings{"2:", "0:z"}));
    const DrawingObject& object = state.object;
    EXPECT_EQ(object.kind, 2);
    EXPECT_EQ((std::array{object.x, object.y, object.width, object.height, object.lineWidth}),
              (std::array<std::int16_t, 5>{10, 20, 30, 40, 15}));
    EXPECT_EQ(object.lineColour, (std::array<std::uint8_t, 3>{128, 128, 128}));
    EXPECT_EQ(object.fillBackColour, (std::array<std::uint8_t, 3>{0, 0, 255}));
    EXPECT_EQ(object.pointCount, 2);
    EXPECT_EQ(object.points[1], (std::array<std::int32_t, 2>{3, 4}));
}

TEST_F(RtfReaderTest, DeepNestingKeepsTheRestOfTheDocument) {
    FormatState state;
    const std::string open(11, '{');
    const std::string close(11, '}');
    EXPECT_EQ(Stops("\\b" + open + "\\b0\\i a" + close + "b}c", state),
              (Strings{"0:a", "0:b", "2:", "0:c"}));
}

TEST_F(RtfReaderTest, PictureGroupsEndWithTheirSize) {
    FormatState state;
    EXPECT_EQ(Stops("{\\pict\\wmetafile8\\picwgoal1000\\pichgoal600\\picscalex50"
                    "{\\*\\blipuid 0}0100090000 03ab}after",
                    state),
              (Strings{"100:pict", "0:after"}));
    EXPECT_EQ(state.pictureWidth, 500);
    EXPECT_EQ(state.pictureHeight, 600);
}

TEST_F(RtfReaderTest, FontTableRecordsTenNamedFonts) {
    std::string text = "{\\rtf1\\ansi\\deff2{\\fonttbl";
    text += "{\\f0\\fnil ;}"; // no name: not recorded
    for (int i = 1; i <= 11; ++i) {
        text += "{\\f" + std::to_string(i) + "\\fswiss\\fcharset2\\fprq2 Face" + std::to_string(i) +
                ";}";
    }
    text += "{\\f300 Too High;}}";
    RtfTokenizer& tokenizer = Load(text);
    const RtfFontTable table = ReadRtfFontTable(tokenizer);
    EXPECT_EQ(table.defaultFont, 2);
    ASSERT_EQ(table.fonts.size(), 10u);
    EXPECT_EQ(table.fonts[0].number, 1);
    EXPECT_EQ(table.fonts[0].record.faceName, "Face1");
    EXPECT_EQ(table.fonts[0].record.charSet, 2);
    EXPECT_EQ(table.fonts[0].record.pitchAndFamily, 34);
    EXPECT_EQ(table.fonts[9].record.faceName, "Face10");
}

TEST_F(RtfReaderTest, ColourTableEntriesEndAtSemicolons) {
    RtfTokenizer& tokenizer =
        Load("{\\colortbl;\\red255\\green0\\blue0;\\blue255 x;\\green128;}\\red9;");
    EXPECT_EQ(ReadRtfColourTable(tokenizer),
              (std::vector<std::uint32_t>{0, 0x0000FF, 0xFF00FF, 0xFF80FF}));
    EXPECT_TRUE(ReadRtfColourTable(Load("{\\rtf1 no table}")).empty());
}

} // namespace
