// A private CUPS scheduler for tests: cupsd started in the foreground as a child of the test,
// with its configuration, spool, logs and state in a temporary folder, listening only on a Unix
// socket there. It has no network listener and does not browse, so it neither sees nor shows
// any printer of the machine. The destructor stops the scheduler and removes the folder.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace win32_test {

class CupsScheduler {
public:
    CupsScheduler();
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler&) = delete;
    CupsScheduler& operator=(const CupsScheduler&) = delete;

    // Starts cupsd and waits until its socket accepts connections. On failure the answer is
    // false and Error() says why, with the end of the scheduler's log.
    bool Start();
    // Adds an enabled raw queue whose device is the file `device`: the file receives the
    // documents of each job as they were submitted.
    bool AddFileQueue(const std::string& queue, const std::filesystem::path& device);
    // Makes the queue refuse new jobs.
    bool RejectJobs(const std::string& queue);
    // Makes the queue the scheduler's default destination.
    bool SetDefaultQueue(const std::string& queue);

    const std::filesystem::path& Folder() const { return folder_; }
    std::string SocketPath() const { return (folder_ / "cupsd.sock").string(); }
    const std::string& Error() const { return error_; }
    // The end of the scheduler's error log, to explain a failure.
    std::string LogTail() const;

private:
    bool Fail(const std::string& message);
    // Runs a CUPS administration program against this scheduler.
    bool Administer(const char* program, std::vector<std::string> arguments);
    void WriteConfiguration() const;

    std::filesystem::path folder_;
    pid_t pid_ = -1;
    std::string error_;
};

} // namespace win32_test
