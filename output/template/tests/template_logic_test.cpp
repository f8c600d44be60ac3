#include "output/template/template_document.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* label;
    std::string document;
    std::string expected;
};

// Runs DoLogic over each case with the keys A (data "yes") and E (empty data) given.
void ExpectLogic(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        output::TemplateDocument document;
        document.SubToken("A", "yes");
        document.SubToken("E", "");
        document.SetDocument(c.document);
        EXPECT_EQ(document.DoLogic(), output::TemplateError::OK);
        EXPECT_EQ(document.Document(), c.expected);
    }
}

TEST(TemplateLogic, KeepsExactlyOneBranch) {
    ExpectLogic({
        {"given key keeps the if branch", "[$#if A x$#else y$#endif]", "[ x]"},
        {"missing key keeps the else branch", "[$#if N x$#else y$#endif]", "[ y]"},
        {"key with empty data is given", "[$#if E x$#else y$#endif]", "[ x]"},
        {"no name is false", "[$#if\\par x$#endif]", "[\\par ]"},
        {"name ends at a brace", "[$#if A{x}$#endif]", "[{x}]"},
        {"blanks before the name", "[$#if   A{x}$#endif]", "[{x}]"},
        {"name runs to a blank or brace", "[$#if A!$#endif]", "["},
        {"without else", "[$#if N x$#endif]", "[]"},
        {"marker cut by the end", "ab$#endi", "ab$#endi"},
    });
}

TEST(TemplateLogic, NestedBlocks) {
    const std::string nested = "[$#if A a$#if N b$#else c$#endif d$#else e$#endif]";
    const std::string insideDropped = "[$#if N a$#if A b$#else c$#endif d$#else e$#endif]";
    ExpectLogic({
        {"inner else kept", nested, "[ a c d]"},
        {"nested block inside a dropped branch dropped whole", insideDropped, "[ e]"},
    });

    // Blocks nest to any depth without exhausting the stack.
    std::string deep;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        deep += "$#if A{}";
        expected += "{}";
    }
    for (int i = 0; i < 100000; ++i) {
        deep += "$#endif";
    }
    ExpectLogic({{"deep nesting", deep + "x", expected + "x"}});
}

TEST(TemplateLogic, DroppedStretchKeepsTheStructure) {
    ExpectLogic({
        {"group gone, control word and delimiter kept", "[$#if N{\\b x}\\par y$#endif]",
         "[\\par ]"},
        {"page break dropped", "[$#if N\\page x$#endif]", "[]"},
        {"page with a parameter is another word", "[$#if N\\page2 x$#endif]", "[\\page2 ]"},
        {"closing brace of an outer group kept", "{\\b bold $#if N x} y$#endif z}",
         "{\\b bold } z}"},
        {"control symbols vanish", "[$#if N\\{x\\'e9\\\\$#endif]", "[]"},
        {"parameters, negative ones too", "[$#if N\\li-720\\fs24 x$#endif]", "[\\li-720\\fs24 ]"},
        {"letter after digits ends the word", "[$#if N\\f1b$#endif]", "[\\f1]"},
        {"word open at the end is written", "[$#if N x\\par", "[\\par"},
        {"group opened inside and left open stays", "[$#if N{\\i x$#endif]", "[{\\i ]"},
    });
}

TEST(TemplateLogic, StrayMarkersOutsideEveryBlock) {
    ExpectLogic({
        {"stray end-if is dropped and copying goes on", "a$#endif b", "a b"},
        {"stray else drops up to its end-if", "a$#else b{\\i c}\\par$#endif d", "a\\par d"},
        {"stray else with a second else keeps that branch", "a$#else b$#else c$#endif d", "a c d"},
        {"stray else without end-if drops the rest", "a$#else b", "a"},
    });
}

TEST(TemplateLogic, ChangedMarkers) {
    output::TemplateDocument document;
    document.SetMarker(output::Marker::LogicIf, "<?");
    document.SetMarker(output::Marker::LogicElse, "<:>");
    document.SetMarker(output::Marker::LogicEnd, "</>");
    document.SubToken("A", "");
    document.SetDocument("$#if A<? A 1<:>2</><? B 3<:>4</>");
    EXPECT_EQ(document.DoLogic(), output::TemplateError::OK);
    EXPECT_EQ(document.Document(), "$#if A 14");
}

} // namespace
