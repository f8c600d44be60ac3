#include "program/report/compose/src/rich_text_lexer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace compose;

// The tokens of `text`, one per blank-separated item: \word(parameter), 'c' for a text
// character (#n for a control character), { and } for groups, * for \*.
std::string Tokens(std::string_view text) {
    RichTextLexer lexer(text);
    std::string tokens;
    while (const std::optional<RichTextToken> token = lexer.Next()) {
        if (!tokens.empty()) {
            tokens += ' ';
        }
        switch (token->kind) {
        case RichTextToken::Kind::ControlWord:
            tokens += "\\" + std::string(token->word) + "(" + std::string(token->parameter) + ")";
            break;
        case RichTextToken::Kind::Text:
            if (static_cast<unsigned char>(token->character) < 32) {
                tokens += "#" + std::to_string(token->character);
            } else {
                tokens += std::string("'") + token->character + "'";
            }
            break;
        case RichTextToken::Kind::GroupOpen:
            tokens += "{";
            break;
        case RichTextToken::Kind::GroupClose:
            tokens += "}";
            break;
        case RichTextToken::Kind::IgnorableDestination:
            tokens += "*";
            break;
        }
    }
    return tokens;
}

TEST(RichTextLexer, ReadsWordsParametersEscapesAndGroups) {
    struct Case {
        const char* text;
        const char* tokens;
    };
    // clang-format off
    const Case kCases[] = {
        // Words, parameters and the one blank that belongs to a word.
        {"{\\b x}",          "{ \\b() 'x' }"},
        {"\\b0  due",        "\\b(0) ' ' 'd' 'u' 'e'"},
        {"\\fs24Hi",         "\\fs(24) 'H' 'i'"},
        {"\\f0ab",           "\\f(0) 'a' 'b'"},
        {"\\li-12-3",        "\\li(-12) '-' '3'"},
        {"\\b--1",           "\\b(-) '-' '1'"},
        {"\\par\\b x",       "\\par() \\b() 'x'"},
        {"\\parA",           "\\par() 'A'"},
        {"\\par\r\n",        "\\par() #13 #10"},
        // Escapes: the character itself, an apostrophe for any code, a blank for the tilde.
        {"\\{\\}\\\\",       "'{' '}' '\\'"},
        {"\\'e9x",           "''' 'x'"},
        {"\\'{}x",           "''' 'x'"},
        {"\\~x",             "' ' 'x'"},
        {"\\*x",             "* 'x'"},
        // A backslash before anything else is dropped with it; capitals never start a word.
        {"\\-x",             "'x'"},
        {"\\Bx",             "'x'"},
        {"\\1x",             "'x'"},
        // What the end of the text cuts short.
        {"x\\par",           "'x'"},
        {"x\\par ",          "'x'"},
        {"x\\b0",            "'x'"},
        {"x\\",              "'x'"},
        {"x\\'4",            "'x' '''"},
        {"",                 ""},
    };
    // clang-format on
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(Tokens(testCase.text), testCase.tokens);
    }
}

} // namespace
