#include "output/template/template_document.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string_view>

namespace {

using output::Marker;
using output::TemplateDocument;
using output::TemplateError;

std::filesystem::path Scratch(const std::string& name) {
    const auto folder = testkit::SandboxFolderOfRunningTest();
    std::filesystem::create_directories(folder);
    const auto file = folder / name;
    std::filesystem::remove_all(file);
    return file;
}

TEST(TemplateDocument, DoSubReplacesTheLongestKeyAndNeverRescans) {
    struct Token {
        std::string key;
        std::string data;
    };
    struct Case {
        const char* label;
        std::string document;
        std::vector<Token> tokens;
        std::string expected;
    };
    const Case cases[] = {
        {"longest key wins", "xABCx", {{"AB", "1"}, {"ABC", "2"}}, "x2x"},
        {"shorter key where the longer fails", "xABx", {{"AB", "1"}, {"ABC", "2"}}, "x1x"},
        {"inserted data is not scanned", "AB", {{"AB", "ABAB"}}, "ABAB"},
        {"empty data goes on at the same byte", "AAB", {{"A", ""}, {"AB", "z"}}, "z"},
        {"key past the end does not match", "xA", {{"AB", "1"}}, "xA"},
        {"empty key is ignored", "ab", {{"", "q"}}, "ab"},
        {"case matters", "r-phname R-PHName", {{"R-PHName", "Ann Lee"}}, "r-phname Ann Lee"},
        {"bytes above 127", "\x80 5", {{"\x80", "EUR"}}, "EUR 5"},
        {"later data replaces earlier", "K", {{"K", "old"}, {"K", "new"}}, "new"},
        {"no tokens", "{\\rtf1 R-PHName}", {}, "{\\rtf1 R-PHName}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TemplateDocument document;
        document.SetDocument(c.document);
        for (const auto& token : c.tokens) {
            document.SubToken(token.key, token.data);
        }
        EXPECT_EQ(document.DoSub(), TemplateError::OK);
        EXPECT_EQ(document.Document(), c.expected);
    }
}

// The table that finds the keys against the plain rule: at each byte the longest key that begins
// there, tried key by key. Small alphabets make keys that share their first bytes, end inside
// one another and overlap, the cases where a table of keys can go wrong.
TEST(TemplateDocument, DoSubTakesTheLongestKeyAtEachByteAsTryingEveryKeyDoes) {
    std::mt19937 random(35);
    const auto text = [&](std::string_view alphabet, int longest) {
        std::string bytes(static_cast<std::size_t>(random() % static_cast<unsigned>(longest + 1)),
                          ' ');
        for (char& byte : bytes) {
            byte = alphabet[random() % alphabet.size()];
        }
        return bytes;
    };
    for (int round = 0; round < 3000; ++round) {
        std::map<std::string, std::string> tokens;
        const int keyCount = 1 + static_cast<int>(random() % 8);
        for (int key = 0; key < keyCount; ++key) {
            tokens[text("ab\x80", 6)] = text("abz", 3);
        }
        const std::string original = text("ab\x80"
                                          "c",
                                          80);
        std::string expected;
        for (std::size_t position = 0; position < original.size();) {
            const std::pair<const std::string, std::string>* best = nullptr;
            for (const auto& token : tokens) {
                if (!token.first.empty() &&
                    original.compare(position, token.first.size(), token.first) == 0 &&
                    (best == nullptr || token.first.size() > best->first.size())) {
                    best = &token;
                }
            }
            if (best == nullptr) {
                expected += original[position++];
            } else {
                expected += best->second;
                position += best->first.size();
            }
        }
        TemplateDocument document;
        document.SetDocument(original);
        for (const auto& [key, data] : tokens) {
            document.SubToken(key, data);
        }
        ASSERT_EQ(document.DoSub(), TemplateError::OK);
        ASSERT_EQ(document.Document(), expected) << "round " << round << ": " << original;
    }
}

TEST(TemplateDocument, KillInfoEmptiesEveryInformationGroup) {
    struct Case {
        std::string document;
        std::string expected;
    };
    const Case cases[] = {
        {"{\\info{\\title x}}{\\rtf text}", "{}{\\rtf text}"},
        {"{\\infox}", "{\\infox}"}, // another control word
        {"{\\info}", "{}"},         // "}" right after it
        {"{\\info", "{\\info"},     // nothing after it
        {"{\\info {\\author a}{\\title b}} rest", "{} rest"},
        {"a{\\info{x}}b{\\info\\title y}c", "a{}b{}c"}, // every occurrence
        {"{\\rtf1{\\info{never closes", "{\\rtf1{"},    // takes the rest with it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        TemplateDocument document;
        document.SetDocument(c.document);
        EXPECT_EQ(document.KillInfo(), TemplateError::OK);
        EXPECT_EQ(document.Document(), c.expected);
    }
}

TEST(TemplateDocument, EveryRewriteNeedsADocument) {
    TemplateDocument document;
    std::int32_t crc = -1;
    const std::pair<const char*, std::function<TemplateError()>> operations[] = {
        {"FileWrite", [&] { return document.FileWrite(Scratch("never-written.rtf")); }},
        {"DoSub", [&] { return document.DoSub(); }},
        {"DoLogic", [&] { return document.DoLogic(); }},
        {"DoTable", [&] { return document.DoTable("T"); }},
        {"KillInfo", [&] { return document.KillInfo(); }},
        {"GetCRC", [&] { return document.GetCRC(crc); }},
    };
    document.SubToken("K", "v");
    document.TableEntry("a");
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        EXPECT_EQ(operation(), TemplateError::NoData);
    }
    EXPECT_EQ(crc, 0);
    EXPECT_FALSE(std::filesystem::exists(Scratch("never-written.rtf")));
}

TEST(TemplateDocument, FilesAreReadAndWrittenWhole) {
    const auto source = Scratch("source.rtf");
    const std::string bytes("{\\rtf1 a\0b\x93}", 12);
    std::ofstream(source, std::ios::binary) << bytes;

    TemplateDocument document;
    ASSERT_EQ(document.FileRead(source), TemplateError::OK);
    EXPECT_EQ(document.Document(), bytes);

    const auto target = Scratch("target.rtf");
    std::ofstream(target, std::ios::binary) << "an older and longer report that is replaced";
    EXPECT_EQ(document.FileWrite(target), TemplateError::OK);
    EXPECT_EQ(testkit::ReadFileBytes(target), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target.parent_path()),
                            std::filesystem::directory_iterator()),
              2); // no temporary file left behind
}

TEST(TemplateDocument, FailedFilesReportTheirErrors) {
    TemplateDocument document;
    document.SetDocument("kept");
    EXPECT_EQ(document.FileRead(Scratch("missing.rtf")), TemplateError::ReadFailure);
    EXPECT_FALSE(document.Document().has_value()); // the old document is gone too

    const auto folder = Scratch("a-folder");
    std::filesystem::create_directories(folder);
    EXPECT_EQ(document.FileRead(folder), TemplateError::ReadFailure);
    EXPECT_FALSE(document.Document().has_value());

    document.SetDocument("text");
    EXPECT_EQ(document.FileWrite(Scratch("no-such-folder") / "out.rtf"),
              TemplateError::WriteFailure);
    EXPECT_EQ(document.FileWrite(folder), TemplateError::WriteFailure);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::is_empty(folder.parent_path() / "a-folder"));

    // A name cut short at its NUL would name another file, which must be neither written nor
    // read.
    const std::string cut = Scratch("cut.rtf").string();
    const std::string withNul = cut + std::string("\0.bak", 5);
    EXPECT_EQ(document.FileWrite(withNul), TemplateError::WriteFailure);
    EXPECT_FALSE(std::filesystem::exists(cut));
    std::ofstream(cut, std::ios::binary) << "another file";
    EXPECT_EQ(document.FileRead(withNul), TemplateError::ReadFailure);
    EXPECT_FALSE(document.Document().has_value());
}

TEST(TemplateDocument, CrcFollowsTheDocument) {
    TemplateDocument document;
    std::int32_t crc = -1;
    document.SetDocument("123456789");
    EXPECT_EQ(document.GetCRC(crc), TemplateError::OK);
    EXPECT_EQ(crc, 0x4ED6);

    const auto empty = Scratch("empty.rtf");
    std::ofstream(empty, std::ios::binary).flush();
    ASSERT_EQ(document.FileRead(empty), TemplateError::OK);
    EXPECT_EQ(document.GetCRC(crc), TemplateError::OK);
    EXPECT_EQ(crc, 0);

    TemplateDocument changed;
    TemplateDocument same;
    changed.SetDocument("R-PHName owes R-Amount");
    same.SetDocument("R-PHName owes R-Amount");
    std::int32_t before = 0;
    std::int32_t sameCrc = 0;
    changed.GetCRC(before);
    same.GetCRC(sameCrc);
    EXPECT_EQ(before, sameCrc);
    changed.SubToken("R-Amount", "$1,000.00");
    changed.DoSub();
    std::int32_t after = 0;
    changed.GetCRC(after);
    EXPECT_NE(after, before);
    EXPECT_GE(after, 0);
    EXPECT_LE(after, 0xFFFF);
}

TEST(TemplateDocument, MarkersKeepTheirLastNonEmptyTextUntilReset) {
    TemplateDocument document;
    EXPECT_EQ(document.MarkerText(Marker::LogicIf), "$#if");
    EXPECT_EQ(document.MarkerText(Marker::EntryStop), "$#endentry");
    document.SetMarker(Marker::LogicIf, "<<if");
    document.SetMarker(Marker::LogicIf, "");
    EXPECT_EQ(document.MarkerText(Marker::LogicIf), "<<if");

    document.SetDocument("<<if A x>>");
    document.SetMarker(Marker::LogicEnd, ">>");
    EXPECT_EQ(document.DoLogic(), TemplateError::OK);
    EXPECT_EQ(document.Document(), "");

    document.SubToken("A", "1");
    document.Reset();
    EXPECT_EQ(document.MarkerText(Marker::LogicIf), "$#if");
    EXPECT_EQ(document.MarkerText(Marker::LogicEnd), "$#endif");
    EXPECT_FALSE(document.Document().has_value());
    document.SetDocument("A");
    document.DoSub();
    EXPECT_EQ(document.Document(), "A"); // tokens went with the reset
}

} // namespace
