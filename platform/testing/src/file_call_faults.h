// The faults that the file calls of file_call_faults.cpp carry out, armed by file_faults.cpp in
// a test program and by folder_fault_preload.cpp in a program a test starts. Nothing here uses
// GoogleTest, so that the calls can be preloaded into any program.
#pragma once

#include <cstddef>
#include <string>

namespace testkit::calls {

// -1: disarmed; else the file-changing calls left before the process is killed.
extern int callsLeft;

struct WriteFaultState {
    bool armed = false;
    bool struck = false;
    bool noProgress = false; // the write answers 0 rather than failing with ENOSPC
    std::size_t bytesLeft = 0;
};
extern WriteFaultState writeFault;

struct ReadFaultState {
    bool armed = false;
    bool struck = false;
};
extern ReadFaultState readFault;

// A folder, with everything below it, whose calls fail: read-only, its entries can be neither
// made, removed nor renamed (EACCES), as in a folder without write permission; full, no byte
// can be written to a file in it (ENOSPC). Empty `folder`: disarmed.
struct FolderFaultState {
    bool readOnly = false;
    std::string folder; // absolute and without a trailing "/"
    int struck = 0;     // the calls refused so far
};
extern FolderFaultState folderFault;

// Arms the folder fault from a setting "read-only:<folder>" or "full:<folder>"; false, and
// nothing armed, for any other text.
bool ArmFolderFault(const std::string& setting);

} // namespace testkit::calls
