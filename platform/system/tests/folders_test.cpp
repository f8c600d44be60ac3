#include "platform/system/folders.h"

#include "platform/system/user_dirs.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

namespace {

namespace fs = std::filesystem;

using testkit::Sandbox;

TEST(Folders, DefaultsFollowTheXdgBaseFolders) {
    Sandbox sandbox;
    const fs::path home = sandbox.Root() / "home";
    struct Case {
        const char* name;
        std::function<fs::path()> folder;
        fs::path expected;
    };
    const Case cases[] = {
        {"program", sys::ProgramFolder, home / ".local/state/tallowmere"},
        {"data", sys::DataFolder, home / ".local/share/tallowmere"},
        {"windows", sys::WindowsFolder, home / ".config/hux"},
        {"config", sys::ConfigFolder, home / ".config/tallowmere"},
        {"documents", sys::DocumentsFolder, home},
        {"profile", sys::UserProfileFolder, home},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.folder(), c.expected);
    }
}

TEST(Folders, UnsetOrRelativeXdgVariablesFallBackBelowHome) {
    Sandbox sandbox;
    const fs::path home = sandbox.Root() / "home";
    sandbox.SetEnvironment("XDG_STATE_HOME", std::nullopt);
    sandbox.SetEnvironment("XDG_DATA_HOME", "relative/share");
    sandbox.SetEnvironment("XDG_CONFIG_HOME", "");
    EXPECT_EQ(sys::ProgramFolder(), home / ".local/state/tallowmere");
    EXPECT_EQ(sys::DataFolder(), home / ".local/share/tallowmere");
    EXPECT_EQ(sys::ConfigFolder(), home / ".config/tallowmere");
}

TEST(Folders, EnvironmentOverridesWin) {
    Sandbox sandbox;
    struct Case {
        const char* variable;
        std::function<fs::path()> folder;
    };
    const Case cases[] = {
        {"TALLOWMERE_INSTALL_DIR", sys::InstallFolder},
        {"TALLOWMERE_PROGRAM_DIR", sys::ProgramFolder},
        {"TALLOWMERE_DATA_DIR", sys::DataFolder},
        {"TALLOWMERE_DOCUMENTS_DIR", sys::DocumentsFolder},
        {"TALLOWMERE_WINDOWS_DIR", sys::WindowsFolder},
        {"TALLOWMERE_CONFIG_DIR", sys::ConfigFolder},
        {"TALLOWMERE_USER_PROFILE_DIR", sys::UserProfileFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable);
        const fs::path moved = sandbox.Root() / c.variable;
        sandbox.SetEnvironment(c.variable, moved.string());
        EXPECT_EQ(c.folder(), moved);
    }
}

TEST(Folders, InstallFolderDefaultsToTheExecutablesFolder) {
    Sandbox sandbox;
    EXPECT_EQ(sys::InstallFolder(), fs::read_symlink("/proc/self/exe").parent_path());
}

TEST(Folders, DocumentsFolderComesFromTheUserDirsFile) {
    Sandbox sandbox;
    sandbox.WriteFile("home/.config/user-dirs.dirs",
                      "# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(sys::DocumentsFolder(), sandbox.Root() / "home/Papers");
}

TEST(Folders, UserDirsText) {
    const fs::path home = "/home/ann";
    struct Case {
        const char* text;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", home / "Documents"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\r\nXDG_DOCUMENTS_DIR=\"/srv/docs\"\r\n", "/srv/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"", home},
        {"  XDG_DOCUMENTS_DIR=\"$HOME/Doc Files\"  ", home / "Doc Files"},
        {"#XDG_DOCUMENTS_DIR=\"$HOME/Old\"\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=\"relative/path\"\n", std::nullopt},
        {"XDG_DOCUMENTS_DIR=$HOME/Unquoted\n", std::nullopt},
        {"XDG_DOCUMENTS_DIRECTORY=\"/elsewhere\"\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(sys::UserDirFromText(c.text, "XDG_DOCUMENTS_DIR", home), c.expected);
    }
}

TEST(Folders, EnterProgramFolderCreatesItAndMakesItCurrent) {
    Sandbox sandbox;
    sys::EnterProgramFolder();
    const fs::path program = sandbox.Root() / "home/.local/state/tallowmere";
    EXPECT_TRUE(fs::is_directory(program));
    EXPECT_EQ(fs::current_path(), program);
    EXPECT_TRUE(fs::is_directory(sandbox.Root() / "home/.local/share"));
    EXPECT_FALSE(fs::exists(sandbox.Root() / "home/.local/share/tallowmere"));
}

} // namespace
