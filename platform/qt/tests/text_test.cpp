// Windows-1252 text at the Qt edge.
#include "platform/qt/text.h"

#include <gtest/gtest.h>

namespace {

using namespace qtkit;

TEST(TextTest, Windows1252RoundTripsThroughQt) {
    struct Case {
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"\x80 100", QString::fromUtf8("\u20AC 100")},
        {"caf\xE9", QString::fromUtf8("caf\u00E9")},
        {"\x93quoted\x94", QString::fromUtf8("\u201Cquoted\u201D")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(FromWindows1252(c.bytes), c.text);
        EXPECT_EQ(ToWindows1252(c.text), c.bytes);
    }
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("\u4E2D")), "?");
}

TEST(TextTest, TheTextsWindows1252HoldsAndTheOnesItDoesNot) {
    const std::pair<const char*, bool> cases[] = {
        {"José Müller", true}, {"Ø ß € © “quoted”", true}, {"?", true},  {"", true},
        {"李", false},         {"Wei 王", false},          {"😀", false}, {"ą", false},
        {"", true}, // the bytes Windows-1252 leaves undefined come back as these
    };
    for (const auto& [text, holds] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(HoldsInWindows1252(QString::fromUtf8(text)), holds);
    }
}

TEST(TextTest, AccessKeysAreDroppedForPlainLabels) {
    EXPECT_EQ(WithoutAccessKeys("&Report"), "Report");
    EXPECT_EQ(WithoutAccessKeys("S&&EPP"), "S&EPP");
}

} // namespace
