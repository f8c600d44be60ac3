#include "platform/automation/registry.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::filesystem::path TestFile(const char* name) {
    const auto folder = testkit::SandboxFolderOfRunningTest();
    std::filesystem::create_directories(folder);
    const auto file = folder / name;
    std::filesystem::remove(file);
    return file;
}

} // namespace

TEST(Registry, KeepsKeysAndValuesAcrossSaveAndLoad) {
    const auto file = TestFile("round-trip.ini");
    automation::Registry registry;
    ASSERT_TRUE(registry.SetValue("Output.Graph", "", "Graph Class"));
    ASSERT_TRUE(registry.SetValue("CLSID\\{X}\\InprocServer32", "", "/lib/liboutput.so"));
    ASSERT_TRUE(registry.SetValue("CLSID\\{X}\\InprocServer32", "ThreadingModel", "Apartment"));
    ASSERT_TRUE(registry.CreateKey("CLSID\\{X}\\Programmable"));
    ASSERT_TRUE(registry.SetValue("Odd", "", "a=b [c]"));
    ASSERT_TRUE(registry.Save(file));

    const auto loaded = automation::Registry::Load(file);
    EXPECT_EQ(loaded.Value("output.graph"), "Graph Class"); // keys ignore case
    EXPECT_EQ(loaded.Value("CLSID\\{X}\\InprocServer32"), "/lib/liboutput.so");
    EXPECT_EQ(loaded.Value("CLSID\\{X}\\InprocServer32", "threadingmodel"), "Apartment");
    EXPECT_EQ(loaded.Value("Odd"), "a=b [c]");
    EXPECT_TRUE(loaded.HasKey("CLSID\\{X}\\Programmable"));
    EXPECT_FALSE(loaded.Value("CLSID\\{X}\\Programmable").has_value());
    EXPECT_FALSE(loaded.Value("Output.Graph", "CurVer").has_value());
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));
}

TEST(Registry, DeletingAKeyRemovesWhatLiesBelowItOnly) {
    automation::Registry registry;
    registry.SetValue("CLSID\\{A}", "", "a");
    registry.SetValue("CLSID\\{A}\\ProgID", "", "x");
    registry.SetValue("CLSID\\{A} B", "", "sorts between {A} and its subkeys");
    registry.SetValue("CLSID\\{A}B", "", "same prefix, other key");
    registry.SetValue("CLSID\\{B}", "", "b");

    registry.DeleteKey("clsid\\{a}");
    EXPECT_FALSE(registry.HasKey("CLSID\\{A}"));
    EXPECT_FALSE(registry.Value("CLSID\\{A}\\ProgID").has_value());
    EXPECT_TRUE(registry.Value("CLSID\\{A} B").has_value());
    EXPECT_TRUE(registry.Value("CLSID\\{A}B").has_value());
    EXPECT_TRUE(registry.HasKey("CLSID"));
    EXPECT_EQ(registry.Value("CLSID\\{B}"), "b");
}

TEST(Registry, RefusesWhatTheStoreCannotHold) {
    automation::Registry registry;
    EXPECT_FALSE(registry.SetValue("Key", "", "two\nlines"));
    EXPECT_FALSE(registry.SetValue("Key", "a=b", "value"));
    EXPECT_FALSE(registry.SetValue("Key", "@", "value"));
    EXPECT_FALSE(registry.SetValue("", "", "value"));
    EXPECT_FALSE(registry.SetValue("Key\\", "", "value"));
    EXPECT_FALSE(registry.HasKey("Key"));
}

TEST(Registry, ReadsAMalformedStoreWithoutTrustingIt) {
    const auto file = TestFile("malformed.ini");
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << "orphan=before any key\n"
                                             "[Good]\r\n"
                                             "@=kept\r\n"
                                             "no equals sign\n"
                                             "[\n"
                                             "[]\n"
                                             "[Also]\n"
                                             "name=\x01control\n"
                                             "other=fine";
    const auto registry = automation::Registry::Load(file);
    EXPECT_EQ(registry.Value("Good"), "kept");
    EXPECT_EQ(registry.Value("Also", "other"), "fine");
    EXPECT_FALSE(registry.Value("Also", "name").has_value());
    EXPECT_FALSE(registry.HasKey("orphan"));
    EXPECT_FALSE(automation::Registry::Load(TestFile("missing.ini")).HasKey("Good"));
}

TEST(Registry, FileIsNamedByTheEnvironment) {
    testkit::Sandbox sandbox;
    sandbox.SetEnvironment("TALLOWMERE_REGISTRY", "/tmp/elsewhere.ini");
    EXPECT_EQ(automation::RegistryFile(), "/tmp/elsewhere.ini");
    sandbox.SetEnvironment("TALLOWMERE_REGISTRY", std::nullopt);
    sandbox.SetEnvironment("XDG_CONFIG_HOME", "/home/rep/.cfg");
    EXPECT_EQ(automation::RegistryFile(), "/home/rep/.cfg/tallowmere/registry.ini");
}
