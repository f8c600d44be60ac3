#include "program/store/tests/store_fixture.h"

#include "platform/system/program_identity.h"
#include "platform/testing/sandbox.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace store::testing {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolders[][2] = {
    {"TALLOWMERE_INSTALL_DIR", "install"},
    {"TALLOWMERE_PROGRAM_DIR", "program"},
    {"TALLOWMERE_DATA_DIR", "data"},
    {"TALLOWMERE_DOCUMENTS_DIR", "documents"},
    {"TALLOWMERE_WINDOWS_DIR", "windows"},
    {"TALLOWMERE_CONFIG_DIR", "config"},
    {"TALLOWMERE_USER_PROFILE_DIR", "home/ann"},
    {"TALLOWMERE_DRIVE_A", "floppy"},
};

} // namespace

StoreTest::StoreTest()
    : root_(testkit::SandboxFolderOfRunningTest()), previousFolder_(fs::current_path()) {
    fs::remove_all(root_);
    for (const auto& [variable, folder] : kFolders) {
        fs::create_directories(root_ / folder);
        SetEnvironment(variable, (root_ / folder).string());
    }
    SetEnvironment("HOME", (root_ / "home/ann").string());
    SetEnvironment("XDG_CONFIG_HOME", (root_ / "config").string());
    fs::current_path(root_ / "program");
}

StoreTest::~StoreTest() {
    std::error_code ignored;
    fs::current_path(previousFolder_, ignored);
    for (const auto& [name, value] : savedEnvironment_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
}

void StoreTest::SetEnvironment(const std::string& name, const std::string& value) {
    if (!savedEnvironment_.contains(name)) {
        const char* previous = std::getenv(name.c_str());
        savedEnvironment_[name] = previous ? std::optional<std::string>(previous) : std::nullopt;
    }
    setenv(name.c_str(), value.c_str(), 1);
}

fs::path StoreTest::DataFile() const {
    return Folder("data") / (std::string(sys::ExecutableBaseName()) + ".flt");
}

DiskFullAfter::DiskFullAfter(std::uintmax_t bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    previousLimit_ = limit.rlim_cur;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFullAfter::~DiskFullAfter() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previousLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler_);
}

int UnzipTest(const fs::path& archivePath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::string program = "unzip";
    std::string options = "-tq";
    std::string archiveName = archivePath.string();
    char* arguments[] = {program.data(), options.data(), archiveName.data(), nullptr};
    pid_t child = 0;
    const int started = posix_spawnp(&child, "unzip", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (started != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::string Padded(std::string_view text, std::size_t count) {
    std::string padded(text);
    padded.resize(count, ' ');
    return padded;
}

} // namespace store::testing
