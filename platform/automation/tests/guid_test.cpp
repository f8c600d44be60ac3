#include "platform/automation/guid.h"

#include <gtest/gtest.h>

namespace {

TEST(Guid, ReadsAndWritesTheTextForm) {
    constexpr GUID kTemplateClass = automation::GuidLiteral("8F12DD4E-08FB-11D6-9EFA-00105AE53874");
    EXPECT_EQ(kTemplateClass.Data1, 0x8F12DD4Eu);
    EXPECT_EQ(kTemplateClass.Data2, 0x08FB);
    EXPECT_EQ(kTemplateClass.Data3, 0x11D6);
    EXPECT_EQ(kTemplateClass.Data4[0], 0x9E);
    EXPECT_EQ(kTemplateClass.Data4[7], 0x74);
    EXPECT_EQ(automation::GuidText(kTemplateClass), "{8F12DD4E-08FB-11D6-9EFA-00105AE53874}");

    const auto lower = automation::ParseGuid("{8f12dd4e-08fb-11d6-9efa-00105ae53874}");
    ASSERT_TRUE(lower.has_value());
    EXPECT_EQ(*lower, kTemplateClass);
    EXPECT_FALSE(*lower == automation::GuidLiteral("8F12DD4E-08FB-11D6-9EFA-00105AE53875"));
}

TEST(Guid, RejectsMalformedText) {
    const char* const cases[] = {
        "",
        "{}",
        "8F12DD4E-08FB-11D6-9EFA-00105AE5387",    // one digit short
        "8F12DD4E-08FB-11D6-9EFA-00105AE538745",  // one digit long
        "8F12DD4E_08FB-11D6-9EFA-00105AE53874",   // wrong separator
        "8F12DD4G-08FB-11D6-9EFA-00105AE53874",   // not a hexadecimal digit
        "{8F12DD4E-08FB-11D6-9EFA-00105AE53874",  // unclosed brace
        "(8F12DD4E-08FB-11D6-9EFA-00105AE53874)", // wrong brackets
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(automation::ParseGuid(text).has_value());
    }
}

} // namespace
