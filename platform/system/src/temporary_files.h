// Internal to platform/system: the temporary files the atomic writer puts beside its targets.
// Each is named ".tmp-<process id>-<counter>", short whatever the target's name, so that a target
// name as long as the file system allows still leaves room for it.
#pragma once

#include <filesystem>

namespace sys {

// A name no temporary file of this process has had yet, in `folder`.
std::filesystem::path TemporaryFileIn(const std::filesystem::path& folder);

// Removes the temporary files in `folder` that processes which no longer run left behind (a
// writer killed between creating its temporary file and renaming it). Those of running
// processes, this one included, are theirs to finish; anything else is left alone, and a file
// that cannot be removed stays. Never throws.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) noexcept;

} // namespace sys
