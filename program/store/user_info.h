// The current user's folders and name (UserInfo). Nothing is kept: every call answers afresh, so
// a change (such as "dataloc.txt" appearing) applies to the next operation.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace store {

// The shared payroll folder, "DropBox\Payroll" in the application-data folder (the folder that
// holds the data folder), as a Windows path whose folders are parted by backslashes
// (sys::ResolvePath gives it as a path of this system). A path through a folder named "owner"
// is "c:\documents and settings\owner\my documents\DropBox\Payroll" instead; otherwise a
// path through "AppData\Roaming" puts the payroll folder beside "AppData". Both names match as
// written, case included. Nothing in the program reads it, and no folder is made.
std::string TimeClockDir();

// The data folder, which holds the illustration file and the representative record. The first
// line of "dataloc.txt" in the install folder names it when that line is not blank (a Windows
// path is mapped as drive letters are; the folder is used as named, unchecked); otherwise it is
// the platform's data folder, whose last level is created when missing.
//
// A folder named on a drive letter that is not mapped cannot be reached: the answer is then
// error 68, device unavailable, which each operation on the data reports as its own failure,
// as the same operation on a missing drive would.
std::filesystem::path StoreDir();

// The data file `file` as the data folder is named, before drive letters are mapped: in the
// folder "dataloc.txt" names as it names it ("C:\Data\Quenbrook\RepInfo.flt"), or in the
// platform's data folder. Messages name the file so where StoreDir cannot answer.
std::string StoreFileName(std::string_view file);

// The folder PDF exports go to: "PDF" in the documents folder, created when missing.
std::filesystem::path PDFDir();

// The last component of the user's profile folder; "Init" when it has none or there is no
// profile folder. It names the per-user section of the settings store.
std::string UserName();

} // namespace store
