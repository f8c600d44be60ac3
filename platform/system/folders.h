// The folders the program uses, as its Windows folders map onto a Linux desktop.
//
// Every folder can be moved with an environment variable, so that tests and unusual
// installations never touch the user's own files. An unset or empty variable means the default.
//
//   variable                    folder                                   default
//   TALLOWMERE_INSTALL_DIR      install folder: shipped files, read only  folder of the executable
//   TALLOWMERE_PROGRAM_DIR      program (work) folder, writable $XDG_STATE_HOME/tallowmere
//   TALLOWMERE_DATA_DIR         data folder default                       $XDG_DATA_HOME/tallowmere
//   TALLOWMERE_DOCUMENTS_DIR    documents folder                          XDG documents folder
//   TALLOWMERE_WINDOWS_DIR      shared profile folder ("Hux.INI")         $XDG_CONFIG_HOME/hux
//   TALLOWMERE_CONFIG_DIR       user configuration folder $XDG_CONFIG_HOME/tallowmere
//   TALLOWMERE_USER_PROFILE_DIR the user's profile (home) folder          $HOME
//
// The XDG base folders default to ~/.local/state, ~/.local/share and ~/.config; a relative value
// of an XDG variable is ignored, as the XDG rules say. The documents folder is the one named
// by XDG_DOCUMENTS_DIR in the user-dirs file, else the home folder.
//
// These functions only compute paths; none creates a folder except EnterProgramFolder.
// A folder that cannot be found at all (no home folder) is error 76, path not found.
#pragma once

#include <filesystem>

namespace sys {

std::filesystem::path InstallFolder();
std::filesystem::path ProgramFolder();
std::filesystem::path DataFolder();
std::filesystem::path DocumentsFolder();
std::filesystem::path WindowsFolder();
std::filesystem::path ConfigFolder();
std::filesystem::path UserProfileFolder();

// Run once at start: creates the program folder (every missing level) and makes it the current
// folder, since the program addresses the files it extracts and writes there by bare name.
// It also creates the base folder that holds the data folder default, which on Windows always
// exists, so that the program's own one-level creation of its data folder succeeds on a fresh
// account.
void EnterProgramFolder();

} // namespace sys
