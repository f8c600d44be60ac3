// A process killed in the middle of its work, for the crash tests. The test executable that
// links kill_switch.cpp has its own write, pwrite, rename, linkat and unlink: they pass every call
// to the kernel until the process arms the switch, and once armed they let a set number of
// calls through and then kill the process outright (SIGKILL) instead of making the next one.
#pragma once

namespace dorrick_test {

// Kills this process just before its `callsBeforeKill`+1-th file-changing call.
void ArmKillSwitch(int callsBeforeKill);

} // namespace dorrick_test
