#include "program/report/compose/draw_rtf.h"

#include "program/report/compose/tests/recording_surface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace compose;

using compose::testing::RecordingSurface;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> Drawn(std::string_view richText) {
    RecordingSurface surface;
    EXPECT_EQ(DrawRTF(surface, richText), std::nullopt);
    return surface.drawn;
}

// Each row: a report text and everything the recording surface shows drawn for it (its page is
// 12240 twips wide with 1440 margins, 120 twips per character at 12 points).
TEST(DrawRTF, DrawsTheTextsOfTheTable) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> drawn;
    };
    const Case kCases[] = {
        {"a font table entry; closing its groups restores the body",
         "{\\fonttbl{\\f0\\froman Times New Roman;}}\\plain Hi\\par}",
         {"paragraph \"Hi\" @1440,720 Times New Roman 12"}},
        {"bold switched off by 0; the second blank after it is text",
         "{\\plain\\b Total\\b0  due\\par}",
         {"text \"Total\" @1440,720 Arial 12 b", "paragraph \" due\" @2040,720 Arial 12"}},
        {"an empty paragraph takes the group's font and spacing each time",
         "{\\plain\\fs20\\sb100\\sa50 \\par\\par}",
         {"paragraph \"\" @1440,820 Arial 10", "paragraph \"\" @1440,1170 Arial 10"}},
        {"text after the last paragraph is not written",
         "{\\plain A\\par B}",
         {"paragraph \"A\" @1440,720 Arial 12"}},
        {"escapes: any hexadecimal code is an apostrophe, a tilde a blank",
         "{\\plain \\'e9\\~\\{\\}\\\\x\\par}",
         {"paragraph \"' {}\\x\" @1440,720 Arial 12"}},
        {"00 and -1 switch bold on",
         "{\\plain\\b00 A\\b-1 B\\par}",
         {"paragraph \"AB\" @1440,720 Arial 12 b"}},
        {"a right tab stop ends the amount 5000 twips right of the margin",
         "{\\plain\\tqr\\tx5000 A\\tab 123\\par}",
         {"text \"A\" @1440,720 Arial 12", "paragraph \"123\" @6080,720 Arial 12"}},
        {"without a stop a tab goes to the right edge",
         "{\\plain A\\tab B\\par}",
         {"text \"A\" @1440,720 Arial 12", "paragraph \"B\" @10800,720 Arial 12"}},
        {"a centre stop centres the run, a half twip to the even neighbour",
         "{\\plain\\fs25\\tqc\\tx4000 \\tab A\\par}",
         {"text \"\" @1440,720 Arial 12.5", "paragraph \"A\" @5378,720 Arial 12.5"}},
        {"the first stop beyond the position is taken, in the order defined",
         "{\\plain\\tx100\\tx3000\\tx2000 AAAA\\tab B\\par}",
         {"text \"AAAA\" @1440,720 Arial 12", "paragraph \"B\" @4440,720 Arial 12"}},
        {"a stop beyond the right edge is lowered to it",
         "{\\plain\\tx20000 A\\tab B\\par}",
         {"text \"A\" @1440,720 Arial 12", "paragraph \"B\" @10800,720 Arial 12"}},
        {"an underlined tab draws a line across its gap",
         "{\\plain A{\\ul\\tab}B\\par}",
         {"text \"A\" @1440,720 Arial 12", "line 1560,1008-10800,1008",
          "paragraph \"B\" @10800,720 Arial 12"}},
        {"a close before any open changes nothing; \\* drops its group's text",
         "}{\\plain{\\*\\shpinst hidden}shown\\par}",
         {"paragraph \"shown\" @1440,720 Arial 12"}},
        {"hidden text is not written, but a tab inside it counts",
         "{\\plain A{\\v secret\\tab}B\\par}",
         {"text \"A\" @1440,720 Arial 12", "paragraph \"B\" @10800,720 Arial 12"}},
        {"a font number defined twice means its later definition",
         "{{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}{\\f0 Times New Roman;}}\\plain A\\par}",
         {"paragraph \"A\" @1440,720 Times New Roman 12"}},
        {"\\plain takes the default font",
         "{{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\deff1\\plain A\\par}",
         {"paragraph \"A\" @1440,720 Courier New 12"}},
        {"a font number without an entry leaves the face as it is",
         "{\\plain\\f7\\i A\\par}",
         {"paragraph \"A\" @1440,720 Arial 12 i"}},
        {"a new page does not write the collected text first",
         "{\\plain A\\page B\\par}",
         {"page", "paragraph \"AB\" @1440,720 Arial 12"}},
        {"bullets and quotes are characters; not when hidden",
         "{\\plain\\bullet\\lquote x\\rquote{\\v\\bullet}\\par}",
         {"paragraph \"-'x'\" @1440,720 Arial 12"}},
        {"words act inside dropped destinations too",
         "{\\plain{\\header X\\par}}",
         {"paragraph \"\" @1440,720 Arial 12"}},
        {"control characters of the source are not text",
         "{\\plain A\r\nB\tC\\par}",
         {"paragraph \"ABC\" @1440,720 Arial 12"}},
        {"new margins move the tab stops and the right edge",
         "{\\margl2000\\margr3000\\plain\\tx1000 \\tab A\\tab B\\par}",
         {"text \"\" @1440,720 Arial 12", "text \"A\" @3000,720 Arial 12",
          "paragraph \"B\" @9240,720 Arial 12"}},
        {"a left indent moves every line, a first-line indent the first from it; \\pard ends both",
         "{\\plain\\li500 A\\par\\fi300 B\\par\\pard C\\par}",
         {"paragraph \"A\" @1940,720 Arial 12", "paragraph \"B\" @2240,960 Arial 12",
          "paragraph \"C\" @1440,1200 Arial 12"}},
        {"a hanging indent starts its label at the margin and its stop takes the value",
         "{\\plain\\li2000\\fi-2000\\tx2000 Label\\tab Value\\par}",
         {"text \"Label\" @1440,720 Arial 12", "paragraph \"Value\" @3440,720 Arial 12"}},
        {"a parameter beyond 32 bits is ignored",
         "{\\plain\\fs99999999999 A\\par}",
         {"paragraph \"A\" @1440,720 Arial 12"}},
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_THAT(Drawn(testCase.text), ElementsAreArray(testCase.drawn));
    }
}

// The width of a run is measured in the run's own font, so that its underline spans it as drawn.
TEST(DrawRTF, MeasuresEachRunInItsOwnFont) {
    EXPECT_THAT(Drawn("{\\plain\\fs20 A\\fs40\\ul B\\par}"),
                ElementsAre("text \"A\" @1440,720 Arial 10", "line 1540,1200-1740,1200",
                            "paragraph \"B\" @1540,720 Arial 20"));
    // A right-aligned amount after a change of size ends on its stop.
    EXPECT_THAT(
        Drawn("{\\plain\\fs40\\tqr\\tx5000 A\\fs20\\tab 12\\par}"),
        ElementsAre("text \"A\" @1440,720 Arial 20", "paragraph \"12\" @6240,720 Arial 10"));
}

TEST(DrawRTF, SetsTheAlignmentOfEachParagraph) {
    RecordingSurface surface;
    ASSERT_EQ(DrawRTF(surface, "{\\qc A\\par\\qr B\\par\\qj C\\par\\pard D\\par\\ql E\\par}"),
              std::nullopt);
    EXPECT_THAT(surface.alignments, ElementsAre("centre", "right", "justified", "left", "left"));
}

TEST(DrawRTF, MarginWordsSetTheDocumentsMargins) {
    RecordingSurface surface;
    ASSERT_EQ(DrawRTF(surface, "{\\margl100\\margr200\\margt300\\margb400 }"), std::nullopt);
    EXPECT_EQ(surface.Margin(PageMargin::Left), 100);
    EXPECT_EQ(surface.Margin(PageMargin::Right), 200);
    EXPECT_EQ(surface.Margin(PageMargin::Top), 300);
    EXPECT_EQ(surface.Margin(PageMargin::Bottom), 400);
}

TEST(DrawRTF, RefusesGroupsNestedTooDeep) {
    const auto nested = [](int depth) {
        return std::string(depth, '{') + "\\plain A\\par" + std::string(depth, '}');
    };
    EXPECT_THAT(Drawn(nested(kMaxGroupDepth)), ElementsAre("paragraph \"A\" @1440,720 Arial 12"));

    RecordingSurface surface;
    const std::optional<std::string> error = DrawRTF(surface, nested(kMaxGroupDepth + 1));
    ASSERT_TRUE(error.has_value());
    EXPECT_THAT(*error, ::testing::HasSubstr("256"));
    EXPECT_TRUE(surface.drawn.empty());
}

TEST(DrawRTF, KeepsAtMostTheTabStopLimit) {
    std::string text = "{\\plain";
    for (int stop = 1; stop <= kMaxTabStops + 1; ++stop) {
        text += "\\tx" + std::to_string(stop * 100);
    }
    // Past the last kept stop, the tab goes to the right edge, not to the 65th stop.
    text += " " + std::string(54, 'A') + "\\tab B\\par}";
    const std::vector<std::string> drawn = Drawn(text);
    ASSERT_EQ(drawn.size(), 2U);
    EXPECT_EQ(drawn[1], "paragraph \"B\" @10800,720 Arial 12");
}

} // namespace
