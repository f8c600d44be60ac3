#include "platform/automation/text.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FreeBstr {
    void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using OwnedBstr = std::unique_ptr<OLECHAR, FreeBstr>;

TEST(Text, WindowsCodePageMapsToUtf16AndBack) {
    struct Case {
        std::string text;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"", u""},
        {"R-PHName", u"R-PHName"},
        {"\x80 5", u"\u20AC 5"}, // euro sign
        {"\x93quoted\x94", u"\u201Cquoted\u201D"},
        {"caf\xE9", u"caf\u00E9"}, // Latin-1 half maps straight through
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"}, // unassigned bytes
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        OwnedBstr text(automation::BstrFromText(c.text));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::u16string(text.get(), SysStringLen(text.get())), c.utf16);
        EXPECT_EQ(automation::TextFromBstr(text.get()), c.text);
    }
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const std::u16string utf16 = u"\u0416x\U0001F600y"; // Cyrillic, then a surrogate pair
    OwnedBstr text(SysAllocStringLen(utf16.data(), static_cast<std::uint32_t>(utf16.size())));
    EXPECT_EQ(automation::TextFromBstr(text.get()), "?x?y");
    EXPECT_EQ(automation::TextFromBstr(nullptr), "");
}

} // namespace
