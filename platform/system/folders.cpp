#include "platform/system/folders.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/system/src/environment.h"
#include "platform/system/src/os_error.h"
#include "platform/system/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace sys {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
    if (auto home = EnvironmentValue("HOME")) {
        return *home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    throw runtime::RuntimeError(runtime::ErrorNumber::PathNotFound, "no home folder");
}

// An XDG base folder: the variable's value when it is an absolute path, else the default
// below the home folder.
fs::path XdgBaseFolder(const char* variable, const char* defaultBelowHome) {
    if (auto value = EnvironmentValue(variable); value && fs::path(*value).is_absolute()) {
        return *value;
    }
    return HomeFolder() / defaultBelowHome;
}

// The override variable's folder, else the default that `fallback` computes.
template <typename Fallback>
fs::path Overridable(const char* variable, Fallback fallback) {
    if (auto value = EnvironmentValue(variable)) {
        return *value;
    }
    return fallback();
}

fs::path XdgConfigHome() {
    return XdgBaseFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace

fs::path InstallFolder() {
    return Overridable("TALLOWMERE_INSTALL_DIR", [] {
        std::error_code error;
        const fs::path executable = fs::read_symlink("/proc/self/exe", error);
        if (error) {
            ThrowOsError(error.value(), "/proc/self/exe", runtime::ErrorNumber::PathNotFound);
        }
        return executable.parent_path();
    });
}

fs::path ProgramFolder() {
    return Overridable("TALLOWMERE_PROGRAM_DIR", [] {
        return XdgBaseFolder("XDG_STATE_HOME", ".local/state") / "tallowmere";
    });
}

fs::path DataFolder() {
    return Overridable("TALLOWMERE_DATA_DIR", [] {
        return XdgBaseFolder("XDG_DATA_HOME", ".local/share") / "tallowmere";
    });
}

fs::path DocumentsFolder() {
    return Overridable("TALLOWMERE_DOCUMENTS_DIR", [] {
        const fs::path home = UserProfileFolder();
        const fs::path userDirs = XdgConfigHome() / "user-dirs.dirs";
        if (FileExists(userDirs)) {
            try {
                if (auto folder =
                        UserDirFromText(ReadWholeFile(userDirs), "XDG_DOCUMENTS_DIR", home)) {
                    return *folder;
                }
            } catch (const runtime::RuntimeError&) {
                // An unreadable user-dirs file names no folder: the home folder serves.
            }
        }
        return home;
    });
}

fs::path WindowsFolder() {
    return Overridable("TALLOWMERE_WINDOWS_DIR", [] { return XdgConfigHome() / "hux"; });
}

fs::path ConfigFolder() {
    return Overridable("TALLOWMERE_CONFIG_DIR", [] { return XdgConfigHome() / "tallowmere"; });
}

fs::path UserProfileFolder() {
    return Overridable("TALLOWMERE_USER_PROFILE_DIR", [] { return HomeFolder(); });
}

void EnterProgramFolder() {
    const fs::path folder = ProgramFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        ThrowOsError(error.value(), folder, runtime::ErrorNumber::PathNotFound);
    }
    if (chdir(folder.c_str()) != 0) {
        ThrowOsError(errno, folder, runtime::ErrorNumber::PathNotFound);
    }
    // Failure here is left for the first operation in the data folder to report.
    fs::create_directories(DataFolder().parent_path(), error);
}

} // namespace sys
