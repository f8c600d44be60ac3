#include "output/template/template_document.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct Case {
    const char* label;
    std::vector<std::string> entries; // each given to TableEntry
    std::string document;
    std::string expected;
};

void ExpectTables(const std::vector<Case>& cases, std::string_view name = "T") {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        output::TemplateDocument document;
        for (const auto& entry : c.entries) {
            document.TableEntry(entry);
        }
        document.SetDocument(c.document);
        EXPECT_EQ(document.DoTable(name), output::TemplateError::OK);
        EXPECT_EQ(document.Document(), c.expected);
    }
}

// A block named T with head {h}, the row given and tail {t}, between X and Y.
std::string Block(const std::string& row, const std::string& parameter = "") {
    return "X$#table T {h}$#entry" + parameter + "{" + row + "}$#endentry{t}$#endtable Y";
}

TEST(TemplateTable, CellsFillTheRow) {
    ExpectTables({
        {"cells by number, missing cells empty",
         {"a~b|c~d"},
         Block("~0 ~1 ~2 ~3"),
         "X {h}{1 a b }{2 c d }{t} Y"},
        {"bare tilde is cell 0", {"a"}, Block("~:~1"), "X {h}{1:a}{t} Y"},
        {"empty cells kept, trailing tilde adds none",
         {"a~~b", "a~"},
         Block("~1,~2,~3,~4"),
         "X {h}{a,,b,}{a,,,}{t} Y"},
        {"empty entries", {"a|", ""}, Block("[~0:~1]"), "X {h}{[1:a]}{[2:]}{[3:]}{t} Y"},
        {"index beyond 32 bits", {"a"}, Block("~99999999999|"), "X {h}{|}{t} Y"},
        {"no entries: block gone, nothing inserted", {}, Block("~1"), "X Y"},
    });
}

TEST(TemplateTable, OnlyBlocksOfTheGivenNameExpand) {
    const std::string other = "$#table B {h}$#entry{~1}$#endentry$#endtable";
    const std::string twice = "$#table T{~1}$#entry{~1}$#endentry$#endtable|"
                              "$#table T{~1}$#entry{<~1>}$#endentry$#endtable";
    ExpectTables({
        {"other name untouched", {"a"}, other, other},
        {"name must match whole", {"a"}, "$#table TT{x}$#endtable", "$#table TT{x}$#endtable"},
        {"every block of the name, same entries", {"a", "b"}, twice, "{~1}{a}{b}|{~1}{<a>}{<b>}"},
        {"block without stop marker runs to the end", {"a"}, "$#table T $#entry{~1}", " {a}"},
    });
}

TEST(TemplateTable, StructureOfTheBlockStaysAndTheTableFollowsItsLastOuterBrace) {
    ExpectTables({
        // " h" is emptied by the "}" that closes the outer group; that "}" stays in the output
        // and the table goes after it.
        {"outer group closed inside the block",
         {"p"},
         "A{\\b $#table T h}{$#entry{~1}$#endentry t$#endtable}B",
         "A{\\b }{p} t{}B"},
        {"control words between parts stay",
         {"p"},
         "$#table T\\trowd {h}$#entry{~1}$#endentry\\page\\pard{t}$#endtable",
         "\\trowd {h}{p}\\page\\pard{t}\\trowd \\pard"},
        {"group open at a change of part is lost",
         {"p"},
         "$#table T{h}{open$#entry{~1}$#endentry$#endtable",
         "{h}{p}{"},
    });
}

TEST(TemplateTable, PageBreaksComeBeforeTheCountedEntries) {
    struct PageCase {
        const char* parameter;
        std::vector<int> breaksBefore; // entries counted from 0
    };
    const PageCase cases[] = {
        {" 10,20", {10, 30, 50}},
        {" 10", {10}},
        {"", {}},
        {" 0", {}},
        {" 0,5", {}},
        {" 3,0", {3}},
        {" -1,2", {}},
        {" 59", {59}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parameter);
        output::TemplateDocument document;
        for (int i = 0; i < 60; ++i) {
            document.TableEntry("");
        }
        document.SetDocument(Block("~0", c.parameter));
        ASSERT_EQ(document.DoTable("T"), output::TemplateError::OK);
        // Each break closes the table, turns the page and opens it again before the entry.
        std::vector<int> breaks;
        const std::regex pageBreak(R"(\{t\}\{\\page \} \{h\}\{(\d+)\})");
        const std::string& text = *document.Document();
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pageBreak);
             it != std::sregex_iterator(); ++it) {
            breaks.push_back(std::stoi((*it)[1]) - 1);
        }
        EXPECT_EQ(breaks, c.breaksBefore);
        EXPECT_TRUE(text.starts_with("X {h}{1}"));
        EXPECT_TRUE(text.ends_with("{60}{t} Y"));
    }
}

} // namespace
