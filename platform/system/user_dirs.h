// The XDG user-dirs file ($XDG_CONFIG_HOME/user-dirs.dirs), which names the user's documents
// folder among others. Its lines read
//   XDG_DOCUMENTS_DIR="$HOME/Documents"
// with a path that is either absolute or begins with "$HOME/"; comments begin with "#".
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace sys {

// The folder a user-dirs text names for `name` ("XDG_DOCUMENTS_DIR"), with "$HOME" replaced by
// `home`; nothing when the text does not name it in a form the rules allow.
std::optional<std::filesystem::path> UserDirFromText(std::string_view text, std::string_view name,
                                                     const std::filesystem::path& home);

} // namespace sys
