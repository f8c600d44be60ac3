// The result of an archive operation: 0 for success, and one code for each way it can fail, so
// that a caller can show the code and its text to the user.
#pragma once

#include <string>

namespace archive {

enum class ZipResult : int {
    Success = 0,
    MissingArchive = 1,    // the archive does not exist or cannot be opened
    DamagedArchive = 2,    // the archive's bytes are not a well-formed zip archive
    MissingMember = 3,     // no member of the archive has the name asked for
    WrongPassword = 4,     // the member is encrypted and the password is missing or wrong
    UnsupportedMethod = 5, // the member's compression or encryption method cannot be read
    MissingFolder = 6,     // the folder to extract into does not exist
    MissingFile = 7,       // the file to add does not exist or cannot be read
    WriteFailure = 8,      // the extracted member or the new archive could not be written
};

// The text for a result, in Windows-1252; a value outside the list has a text that names it.
std::string ResultText(ZipResult result);

} // namespace archive
