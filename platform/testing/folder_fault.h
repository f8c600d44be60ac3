// A folder gone read-only or full, as the tests of what a program says and keeps then make it
// (file_faults.h): in its own process a test arms it with ScopedFolderFault; a program it starts
// gets it from its environment, through a library preloaded into it.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

enum class FolderFault {
    ReadOnly, // no entry of the folder, or of one below it, can be made, removed or renamed
    Full,     // no byte can be written to a file in the folder or below it
};

// The text that names the fault on `folder` ("read-only:<folder>", "full:<folder>").
std::string FolderFaultSetting(FolderFault fault, const std::filesystem::path& folder);

// The variables to add to the environment of a program a test starts so that it runs with the
// fault: the preloaded library, its setting, and leave for the sanitizers' runtime to come
// after it.
std::vector<std::pair<std::string, std::string>>
FolderFaultEnvironment(FolderFault fault, const std::filesystem::path& folder);

} // namespace testkit
