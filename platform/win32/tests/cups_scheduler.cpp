#include "platform/win32/tests/cups_scheduler.h"

#include "platform/testing/outside_tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace win32_test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kStartDeadline = std::chrono::seconds(15);
constexpr auto kStopDeadline = std::chrono::seconds(5);
constexpr auto kPollInterval = std::chrono::milliseconds(50);

std::string ReadText(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts `arguments` with standard output and error going to `output`; -1 when it cannot start.
pid_t Spawn(const std::vector<std::string>& arguments, const fs::path& output) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

bool Accepts(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    std::strcpy(address.sun_path, socketPath.c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

std::string DescribeExit(int status) {
    if (WIFEXITED(status)) {
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    }
    return "stopped";
}

} // namespace

CupsScheduler::CupsScheduler() {
    std::string pattern = (fs::temp_directory_path() / "tallowmere-cups-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        Fail(std::string("cannot create a temporary folder: ") + std::strerror(errno));
        return;
    }
    folder_ = pattern;
    // A scheduler run by root runs its filters as an unprivileged user, who must reach the
    // spooled documents below this folder.
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    for (const char* sub : {"conf", "spool", "log", "state", "cache", "tmp"}) {
        fs::create_directory(folder_ / sub);
    }
}

CupsScheduler::~CupsScheduler() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        Clock::time_point deadline = Clock::now() + kStopDeadline;
        while (waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

bool CupsScheduler::Fail(const std::string& message) {
    error_ = message;
    return false;
}

std::string CupsScheduler::LogTail() const {
    std::string log = ReadText(folder_ / "log" / "error_log");
    constexpr std::size_t kTail = 4000;
    return log.size() > kTail ? log.substr(log.size() - kTail) : log;
}

void CupsScheduler::WriteConfiguration() const {
    std::ofstream scheduler(folder_ / "conf" / "cupsd.conf");
    scheduler << "Listen " << SocketPath() << "\n"
              << "Browsing No\n"
              << "BrowseLocalProtocols none\n"
              << "DefaultShared No\n"
              << "WebInterface No\n"
              << "LogLevel info\n"
              // A job that fails ends as aborted instead of stopping the queue.
              << "ErrorPolicy abort-job\n"
              // Every operation is open to every client: the test administers its queue
              // without credentials, and the scheduler only ever prints into its own folder.
              << "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n";
    std::ofstream files(folder_ / "conf" / "cups-files.conf");
    files << "FileDevice Yes\n"
          << "ServerRoot " << (folder_ / "conf").string() << "\n"
          << "RequestRoot " << (folder_ / "spool").string() << "\n"
          << "TempDir " << (folder_ / "tmp").string() << "\n"
          << "StateDir " << (folder_ / "state").string() << "\n"
          << "CacheDir " << (folder_ / "cache").string() << "\n"
          << "ErrorLog " << (folder_ / "log" / "error_log").string() << "\n"
          << "AccessLog " << (folder_ / "log" / "access_log").string() << "\n"
          << "PageLog " << (folder_ / "log" / "page_log").string() << "\n"
          << "Printcap " << (folder_ / "state" / "printcap").string() << "\n";
}

bool CupsScheduler::Start() {
    if (folder_.empty()) {
        return false;
    }
    if (std::strlen(TALLOWMERE_CUPSD) == 0) {
        return Fail("cupsd was not found when the build was configured; install the Debian "
                    "packages of scripts/debian-packages (cups-daemon)");
    }
    WriteConfiguration();
    fs::path output = folder_ / "log" / "cupsd-output.txt";
    pid_ = Spawn({TALLOWMERE_CUPSD, "-f", "-c", (folder_ / "conf" / "cupsd.conf").string(), "-s",
                  (folder_ / "conf" / "cups-files.conf").string()},
                 output);
    if (pid_ < 0) {
        return Fail(std::string("cannot run ") + TALLOWMERE_CUPSD);
    }
    Clock::time_point deadline = Clock::now() + kStartDeadline;
    while (!Accepts(SocketPath())) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return Fail("cupsd " + DescribeExit(status) + " before accepting connections:\n" +
                        ReadText(output) + LogTail());
        }
        if (Clock::now() > deadline) {
            return Fail("cupsd did not accept connections on " + SocketPath() + " in time:\n" +
                        LogTail());
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

bool CupsScheduler::Administer(const char* program, std::vector<std::string> arguments) {
    std::string name = fs::path(program).filename().string();
    if (name.empty()) {
        return Fail("a CUPS administration program was not found when the build was configured; "
                    "install the Debian packages of scripts/debian-packages (cups-client)");
    }
    arguments.insert(arguments.begin(), {program, "-h", SocketPath()});
    const testkit::ToolRun run = testkit::RunTool(arguments);
    if (run.exitStatus != 0) {
        return Fail(name + " ended with status " + std::to_string(run.exitStatus) + ":\n" +
                    run.output + run.errors + LogTail());
    }
    return true;
}

bool CupsScheduler::AddFileQueue(const std::string& queue, const fs::path& device) {
    return Administer(TALLOWMERE_LPADMIN,
                      {"-p", queue, "-E", "-v", "file://" + device.string(), "-m", "raw"});
}

bool CupsScheduler::RejectJobs(const std::string& queue) {
    return Administer(TALLOWMERE_CUPSREJECT, {queue});
}

bool CupsScheduler::SetDefaultQueue(const std::string& queue) {
    return Administer(TALLOWMERE_LPADMIN, {"-d", queue});
}

} // namespace win32_test
