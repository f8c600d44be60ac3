#include "platform/testing/file_faults.h"

#include "platform/testing/src/file_call_faults.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace testkit {

void ArmKillSwitch(int callsBeforeKill) {
    calls::callsLeft = callsBeforeKill;
}

bool RunKilledAt(int point, const std::function<void()>& operation) {
    const pid_t child = fork();
    if (child == 0) {
        ArmKillSwitch(point);
        operation();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), SIGKILL) << "at point " << point;
        return true;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "at point " << point;
    return false;
}

int KillAtEveryCall(const std::function<void()>& reset, const std::function<void()>& operation,
                    const std::function<void(bool killed)>& check, int mostCalls) {
    for (int point = 0; point <= mostCalls; ++point) {
        reset();
        const bool killed = RunKilledAt(point, operation);
        SCOPED_TRACE("killed before file-changing call " + std::to_string(point + 1));
        check(killed);
        if (!killed) {
            return point;
        }
    }
    ADD_FAILURE() << "the operation never finished";
    return mostCalls;
}

ScopedWriteFault::ScopedWriteFault(WriteFault fault, std::size_t bytesBeforeFault) {
    calls::writeFault = {true, false, fault == WriteFault::NoProgress, bytesBeforeFault};
}

ScopedWriteFault::~ScopedWriteFault() {
    calls::writeFault = {};
}

bool ScopedWriteFault::Struck() const {
    return calls::writeFault.struck;
}

ScopedReadFault::ScopedReadFault() {
    calls::readFault = {true, false};
}

ScopedReadFault::~ScopedReadFault() {
    calls::readFault = {};
}

bool ScopedReadFault::Struck() const {
    return calls::readFault.struck;
}

ScopedFolderFault::ScopedFolderFault(FolderFault fault, const std::filesystem::path& folder) {
    const bool armed = calls::ArmFolderFault(FolderFaultSetting(fault, folder));
    EXPECT_TRUE(armed) << "no folder fault for " << folder;
}

ScopedFolderFault::~ScopedFolderFault() {
    calls::folderFault = {};
}

int ScopedFolderFault::Struck() const {
    return calls::folderFault.struck;
}

} // namespace testkit
