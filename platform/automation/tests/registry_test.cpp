#include "platform/automation/registry.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

std::filesystem::path TestFile(const char* name) {
    const auto folder = testkit::SandboxFolderOfRunningTest();
    std::filesystem::create_directories(folder);
    const auto file = folder / name;
    std::filesystem::remove(file);
    return file;
}

TEST(Registry, KeepsKeysAndValuesAcrossSaveAndLoad) {
    const auto file = TestFile("round-trip.ini");
    automation::Registry registry;
    ASSERT_TRUE(registry.SetValue("Output.Graph", "", "Graph Class"));
    ASSERT_TRUE(registry.SetValue("CLSID\\{X}\\InprocServer32", "", "/lib/liboutput.so"));
    ASSERT_TRUE(registry.SetValue("CLSID\\{X}\\InprocServer32", "ThreadingModel", "Apartment"));
    ASSERT_TRUE(registry.CreateKey("CLSID\\{X}\\Programmable"));
    ASSERT_TRUE(registry.SetValue("Odd", "", "a=b [c]"));
    ASSERT_TRUE(registry.Save(file));

    const auto loaded = *automation::Registry::Load(file);
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
    // Their lines would read back as a key and as a comment.
    EXPECT_FALSE(registry.SetValue("Key", "[Other]", "value"));
    EXPECT_FALSE(registry.SetValue("Key", ";note", "value"));
    EXPECT_FALSE(registry.HasKey("Key"));
    EXPECT_TRUE(registry.SetValue("Key", "a[b];", "value")); // only the first byte matters
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
    const auto registry = *automation::Registry::Load(file);
    EXPECT_EQ(registry.Value("Good"), "kept");
    EXPECT_EQ(registry.Value("Also", "other"), "fine");
    EXPECT_FALSE(registry.Value("Also", "name").has_value());
    EXPECT_FALSE(registry.HasKey("orphan"));
}

TEST(Registry, AStoreThatCannotBeReadIsNotAnEmptyOne) {
    const auto missing = automation::Registry::Load(TestFile("missing.ini"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(*missing, automation::Registry());
    EXPECT_TRUE(automation::Registry::Load(TestFile("no-folder") / "registry.ini").has_value());

    // A folder where the file should be: what any store that cannot be read looks like here.
    const auto folder = TestFile("folder.ini");
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(automation::Registry::Load(folder).has_value());
    bool changed = false;
    EXPECT_FALSE(automation::Registry::Update(folder, [&](automation::Registry&) {
        changed = true;
        return true;
    }));
    EXPECT_FALSE(changed);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(Registry, UpdateChangesTheStoreAndSavesOnlyWhatTheChangeAccepts) {
    const auto file = TestFile("update.ini");
    automation::Registry first;
    first.SetValue("Other.Server", "", "kept");
    ASSERT_TRUE(first.Save(file));

    EXPECT_TRUE(automation::Registry::Update(
        file, [](automation::Registry& registry) { return registry.SetValue("Mine", "", "1"); }));
    EXPECT_FALSE(automation::Registry::Update(file, [](automation::Registry& registry) {
        registry.DeleteKey("Other.Server");
        return false;
    }));
    const auto after = automation::Registry::Load(file);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->Value("Other.Server"), "kept");
    EXPECT_EQ(after->Value("Mine"), "1");
}

TEST(Registry, UpdateWaitsForTheLockHeldByAnotherWriter) {
    const auto file = TestFile("locked.ini");
    const std::filesystem::path lockFile = file.string() + ".lock";
    std::filesystem::create_directories(file.parent_path());
    const int held = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    std::thread writer([&] {
        automation::Registry::Update(file, [](automation::Registry& registry) {
            return registry.SetValue("Mine", "", "1");
        });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(std::filesystem::exists(file)); // still waiting for the lock
    close(held);
    writer.join();
    EXPECT_EQ(automation::Registry::Load(file)->Value("Mine"), "1");
}

TEST(Registry, TextReadsBackAsTheSameRegistry) {
    automation::Registry registry;
    ASSERT_TRUE(registry.SetValue("CLSID\\{X}\\InprocServer32", "", "/lib/liboutput.so"));
    ASSERT_TRUE(registry.SetValue("[Bracketed]", "a;b", "=[x]"));
    ASSERT_TRUE(registry.CreateKey("Empty"));
    EXPECT_EQ(automation::Registry::Parse(registry.Text()), registry);
    EXPECT_NE(automation::Registry::Parse(""), registry);
}

TEST(Registry, FileIsNamedByTheEnvironment) {
    testkit::Sandbox sandbox;
    sandbox.SetEnvironment("TALLOWMERE_REGISTRY", "/tmp/elsewhere.ini");
    EXPECT_EQ(automation::RegistryFile(), "/tmp/elsewhere.ini");
    sandbox.SetEnvironment("TALLOWMERE_REGISTRY", std::nullopt);
    sandbox.SetEnvironment("XDG_CONFIG_HOME", "/home/rep/.cfg");
    EXPECT_EQ(automation::RegistryFile(), "/home/rep/.cfg/tallowmere/registry.ini");
}

} // namespace
