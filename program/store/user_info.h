// The current user's folders and name (UserInfo). Nothing is kept: every call answers afresh, so
// a change (such as "dataloc.txt" appearing) applies to the next operation.
#pragma once

#include <filesystem>
#include <string>

namespace store {

// The data folder, which holds the illustration file and the representative record. The first
// line of "dataloc.txt" in the install folder names it when that line is not blank (a Windows
// path is mapped as drive letters are; the folder is used as named, unchecked); otherwise it is
// the platform's data folder, whose last level is created when missing.
std::filesystem::path StoreDir();

// The folder PDF exports go to: "PDF" in the documents folder, created when missing.
std::filesystem::path PDFDir();

// The last component of the user's profile folder; "Init" when it has none. It names the
// per-user section of the settings store.
std::string UserName();

} // namespace store
