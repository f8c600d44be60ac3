#include "platform/system/settings_store.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;

using testkit::ErrorNumberOf;
using testkit::ReadFileBytes;
using testkit::Sandbox;

TEST(SettingsStore, LivesInTheConfigurationFolder) {
    Sandbox sandbox;
    EXPECT_EQ(sys::SettingsFile(), sandbox.Root() / "home/.config/tallowmere/settings.ini");
    sandbox.SetEnvironment("TALLOWMERE_CONFIG_DIR", (sandbox.Root() / "cfg").string());
    sys::SaveSetting("Tallowmere", "ann", "ReportCover", "True");
    EXPECT_EQ(ReadFileBytes(sandbox.Root() / "cfg/settings.ini"),
              "[Tallowmere\\ann]\nReportCover=True\n");
}

TEST(SettingsStore, SavesGetsAndDeletes) {
    Sandbox sandbox;
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Top", "1"), "1");
    sys::SaveSetting("Tallowmere", "ann", "Top", "1200");
    sys::SaveSetting("Tallowmere", "bob", "Top", "300");
    sys::SaveSetting("Other", "ann", "Top", "7");
    sys::SaveSetting("Tallowmere", "ann", "ReportGraph", "False");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Top"), "1200");
    EXPECT_EQ(sys::GetSetting("TALLOWMERE", "Ann", "top"), "1200");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "bob", "Top"), "300");
    EXPECT_EQ(sys::GetSetting("Other", "ann", "Top"), "7");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "ReportGraph"), "False");

    sys::DeleteSetting("Tallowmere", "ann", "Top");
    sys::DeleteSetting("Tallowmere", "ann", "NeverSaved");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Top", "gone"), "gone");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "bob", "Top"), "300");
}

TEST(SettingsStore, ValuesComeBackExactly) {
    Sandbox sandbox;
    const char* const values[] = {
        "",          "True",  "  padded  ", "\"quoted\"",      "'single'", "\"",
        "a \"b\" c", "tab\t", "=x=",        "; not a comment", "Caf\xE9",
    };
    for (const char* value : values) {
        SCOPED_TRACE(value);
        sys::SaveSetting("Tallowmere", "ann", "Value", value);
        EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Value", "<none>"), value);
    }
}

TEST(SettingsStore, RefusesNamesAndValuesTheFileCannotHold) {
    Sandbox sandbox;
    EXPECT_EQ(ErrorNumberOf([] { sys::SaveSetting("Tallow\\mere", "ann", "k", "v"); }), 52);
    EXPECT_EQ(ErrorNumberOf([] { sys::SaveSetting("Tallowmere", "an]n", "k", "v"); }), 52);
    EXPECT_EQ(ErrorNumberOf([] { sys::SaveSetting("Tallowmere", "ann", "k=1", "v"); }), 52);
    EXPECT_EQ(ErrorNumberOf([] { sys::SaveSetting("Tallowmere", "ann", "k", "two\nlines"); }), 52);
    EXPECT_FALSE(fs::exists(sys::SettingsFile()));
}

// Several settings in one write: all of them, or none when one is refused.
TEST(SettingsStore, SavesSeveralAtOnceOrNone) {
    Sandbox sandbox;
    const sys::ProfileEntry placement[] = {{"Top", "1"}, {"Left", " 2 "}, {"Width", "8370"}};
    sys::SaveSettings("Tallowmere", "ann", placement);
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Top"), "1");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Left"), " 2 ");
    EXPECT_EQ(sys::GetSetting("Tallowmere", "ann", "Width"), "8370");
    const std::string before = ReadFileBytes(sys::SettingsFile());
    const sys::ProfileEntry refused[] = {{"Top", "500"}, {"Height=1", "9000"}};
    EXPECT_EQ(ErrorNumberOf([&] { sys::SaveSettings("Tallowmere", "ann", refused); }), 52);
    EXPECT_EQ(ReadFileBytes(sys::SettingsFile()), before);
}

// Blanks at the ends of the names do not make another section or key: the value is found again
// and later saves change it in place.
TEST(SettingsStore, NamesWithEdgeBlanksAreOneName) {
    Sandbox sandbox;
    struct Case {
        const char* application;
        const char* section;
        const char* key;
    };
    const Case cases[] = {
        {"Tallowmere", " App", "Top"},
        {"Tallowmere", "App ", "Top"},
        {" Tallowmere", "App", " Top "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.application) + "\\" + c.section + "/" + c.key);
        sys::SaveSetting(c.application, c.section, c.key, "first");
        sys::SaveSetting(c.application, c.section, c.key, "second");
        EXPECT_EQ(sys::GetSetting(c.application, c.section, c.key), "second");
        const std::string text = ReadFileBytes(sys::SettingsFile());
        EXPECT_EQ(std::count(text.begin(), text.end(), '['), 1) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '='), 1) << text;
        fs::remove(sys::SettingsFile());
    }
}

} // namespace
