// The template's macros as the converter applies them word by word: fields, conditions, page
// numbers, tables, the caller's pictures and position markers (fixed metrics as in
// converter_fixture.h).
#include "family/print/tests/converter_fixture.h"

#include "platform/win32/windows.h"

#include <array>
#include <string>
#include <vector>

namespace {

using pressel_test::AnsweredMessageBoxes;
using pressel_test::Conversion;
using pressel_test::ConverterTest;
using Lines = std::vector<std::string>;

// Sorted by name in byte order, as the caller passes them.
const PrintField kFields[] = {{"$Age", "61"}, {"$Client", "Ann Lee"}};
const PrintFieldTable kFieldTable{2, kFields};

// Table 0: three rows of two cells, the second row 100 twips taller. Table 1: 60 rows of one.
const char* const kCells[] = {"a1", "b1", "a2", "b2", "a3", "b3"};
const std::int16_t kRowPlain[8] = {0};
const std::int16_t kRowTaller[8] = {100};
const std::int16_t* const kRowInfo[] = {kRowPlain, kRowTaller, kRowPlain};

struct LongTable {
    std::vector<std::string> texts;
    std::vector<const char*> cells;
    std::vector<const std::int16_t*> rows;

    explicit LongTable(int count) {
        for (int row = 0; row < count; ++row) {
            texts.push_back("r" + std::to_string(row));
        }
        for (const std::string& text : texts) {
            cells.push_back(text.c_str());
            rows.push_back(kRowPlain);
        }
    }
};

class ConverterMacroTest : public ConverterTest {
protected:
    ConverterMacroTest() : longTable_(60) {
        tables_[0] = PrintTable{3, 2, kCells, kRowInfo};
        tables_[1] = PrintTable{60, 1, longTable_.cells.data(), longTable_.rows.data()};
        tableList_ = PrintTableList{2, tables_.data()};
        job_.fields = &kFieldTable;
        job_.tables = &tableList_;
        job_.pictureCount = 2;
        job_.pictures[0] = CreateCompatibleBitmap(layoutDc_, 4, 4);
        job_.pictures[1] = CreateCompatibleBitmap(layoutDc_, 4, 4);
    }
    ~ConverterMacroTest() override {
        DeleteObject(job_.pictures[0]);
        DeleteObject(job_.pictures[1]);
    }

    Conversion ConvertJob(const std::string& body) {
        return Convert(body, {.fields = &kFieldTable, .job = &job_});
    }

    LongTable longTable_;
    std::array<PrintTable, 2> tables_{};
    PrintTableList tableList_{};
    PrintJob job_{};
};

struct MacroCase {
    const char* name;
    std::string body;
    Lines lines; // the body lines of the first page
};

TEST_F(ConverterMacroTest, WordsBecomeWhatTheirMacrosSay) {
    const MacroCase cases[] = {
        // Field words keep their punctuation; an unknown "$" word stays as written.
        {"fields",
         R"(\pard $Client. is $Age), $Other\par)",
         {"x=1800 a=240 d=60|Ann Lee. is 61), $Other|"}},
        // After a condition's name the next non-space character is looked at: a "|" ors in
        // another name, a "=" compares the last name's value, anything else is given back
        // with the spaces before it. A false condition drops its paragraph breaks too.
        {"conditions",
         R"(\pard $#if $Age A$#endif\line $#if $Nope B\par C$#endif\line )"
         R"($#if $Nope | $Age D$#endif\line $#if $Age = 61 E$#endif\line )"
         R"($#if $Age = 62 F$#endif\line $#if $Age $#if $Nope G$#endif  H$#endif\par)",
         {"x=1800 a=240 d=60| A|", "x=1800 a=240 d=60|", "x=1800 a=240 d=60| D|",
          "x=1800 a=240 d=60| E|", "x=1800 a=240 d=60|", "x=1800 a=240 d=60|   H|"}},
        // A drawing object inside a false condition is never drawn.
        {"condition and drawing",
         R"(\pard a$#if $Nope {\*\do\dpline\dpptx0\dppty0\dpptx9\dppty9}$#endif b\par)",
         {"x=1800 a=240 d=60|a b|"}},
        // An "$#endif" without "$#if" is text.
        {"stray endif", R"(\pard $#endif\par)", {"x=1800 a=240 d=60|$#endif|"}},
        // Each row of table 0 is laid out in turn; a line on which the row advanced takes the
        // new row's extra height. The text after "$#endtable" follows the last row.
        {"table",
         R"(\pard Head\par $#table 0$#tableentry$#TE0\tab $#TE1\par $#endtable\pard After\par)",
         {"x=1800 a=240 d=60|Head|", "x=1800 a=240 d=60|a1|<x:2520>|b1|",
          "x=1800 a=340 d=60|a2|<x:2520>|b2|", "x=1800 a=240 d=60|a3|<x:2520>|b3|",
          "x=1800 a=240 d=60|After|"}},
        // A table number out of range turns table mode off: cell words stay as written.
        {"missing table", R"(\pard $#table 7$#TE0\par)", {"x=1800 a=240 d=60|$#TE0|"}},
        // "$#graph" n w h places the caller's picture n at w x h; the line's ascent grows to
        // the picture's height and x advances by its width. Picture 5 does not exist. The
        // space that ended the last argument is text.
        {"pictures",
         R"(\pard a$#graph 1 600 500 b$#graph 5 600 500 c\par)",
         {"x=1800 a=500 d=60|a|<pic:1 600x500>| b c|"}},
        // A paragraph end where an argument should be ends the search: the macro is dropped
        // and the text after the break is kept.
        {"arguments cut short",
         R"(\pard a$#graph 1\par next word\par)",
         {"x=1800 a=240 d=60|a|", "x=1800 a=240 d=60|next word|"}},
    };
    for (const MacroCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertJob(c.body);
        EXPECT_EQ(conversion.result, 0);
        EXPECT_EQ(conversion.BodyLines(0), c.lines);
    }
}

TEST_F(ConverterMacroTest, PageNumbersCountFromTheLastReset) {
    const Conversion conversion =
        ConvertJob(R"(\pard $#Page\page $#Page $#ResetPage\page $#Page $#LastPageAdd 5 $#LastPage)"
                   R"(\page $#Page\par)");
    ASSERT_EQ(conversion.header.pageCount, 4);
    EXPECT_EQ(conversion.BodyLines(0), Lines{"x=1800 a=240 d=60|1|"});
    EXPECT_EQ(conversion.BodyLines(1), Lines{"x=1800 a=240 d=60|2 |"});
    // Reset on the second page: the third page is 2; "$#LastPage" counts the pages done so far
    // (2) less the base (1) plus 5.
    EXPECT_EQ(conversion.BodyLines(2), Lines{"x=1800 a=240 d=60|2  6|"});
    EXPECT_EQ(conversion.BodyLines(3), Lines{"x=1800 a=240 d=60|3|"});
}

TEST_F(ConverterMacroTest, ALongTableGoesOnBelowItsHeadingRepeated) {
    // 60 rows of table 1: the first page holds its heading and 42 rows (the 43rd would leave no
    // room for a line below it); the next page the other heading and the remaining 18 rows.
    const Conversion conversion = ConvertJob(
        R"(\pard $#table 1$#if $#FirstHeader First\par$#endif$#if $#NextHeader More\par$#endif)"
        R"($#tableentry$#TE0\par$#tablenote 0$#endtable\pard After\par)");
    ASSERT_EQ(conversion.header.pageCount, 2);
    Lines first{"x=1800 a=240 d=60| First|"};
    Lines second{"x=1800 a=240 d=60| More|"};
    for (int row = 0; row < 60; ++row) {
        (row < 42 ? first : second).push_back("x=1800 a=240 d=60|r" + std::to_string(row) + "|");
    }
    second.push_back("x=1800 a=240 d=60|After|");
    EXPECT_EQ(conversion.BodyLines(0), first);
    EXPECT_EQ(conversion.BodyLines(1), second);
}

TEST_F(ConverterMacroTest, MarkersReportWhereTheyStand) {
    const Conversion conversion = ConvertJob(
        R"(\pard a\par\pard\li240 ab$#mark2 cd\page x$#mark5 $#if $Nope $#mark1 $#endif\par)");
    EXPECT_EQ(conversion.result, 0);
    const auto mark = [](int marker, const char* key) {
        const std::string name = "Mark" + std::to_string(marker) + key;
        return static_cast<int>(GetPrivateProfileIntA("HuxPrint", name.c_str(), 999, "Hux.INI"));
    };
    // Marker 2 after "ab" on the second line of the first page: x 1800 + 240 + 240, y 1740.
    EXPECT_EQ((std::array{mark(2, "X"), mark(2, "Y"), mark(2, "Page")}),
              (std::array{2280, 1740, 0}));
    EXPECT_EQ((std::array{mark(5, "X"), mark(5, "Y"), mark(5, "Page")}),
              (std::array{2160, 1440, 1}));
    // A marker in a false condition, and one never named, keep the -1 written at the start.
    for (const int marker : {0, 1, 3, 4}) {
        EXPECT_EQ((std::array{mark(marker, "X"), mark(marker, "Y"), mark(marker, "Page")}),
                  (std::array{-1, -1, -1}));
    }
}

TEST_F(ConverterMacroTest, AFieldWithoutValueShowsQuestionMarksAndSaysSo) {
    const PrintField fields[] = {{"$Empty", nullptr}};
    const PrintFieldTable table{1, fields};
    const AnsweredMessageBoxes boxes;
    const Conversion conversion = Convert(R"(\pard $Empty.\par)", {.fields = &table});
    EXPECT_EQ(conversion.BodyLines(0), Lines{"x=1800 a=240 d=60|???|"});
    // The message names the field, without the punctuation that followed the word.
    EXPECT_EQ(boxes.Shown(),
              std::vector<std::string>{"File Error:\nThis field has no value: $Empty"});
}

} // namespace
