// The zip component: extracting members of an archive into a folder, and adding a file to an
// archive. Archives use the traditional PKWARE encryption when they have a password.
//
// Member names are matched on their bare name: any folder stored in front of it is ignored, and
// letters match either case, as Windows file names do. Names are compared as the bytes stored.
//
// Nothing is ever half-written: an extracted member is written to a temporary file in the target
// folder and renamed over any file of its name, and a changed archive is written whole beside
// the old one and renamed over it, so a failure leaves the earlier file as it was.
#pragma once

#include "platform/system/atomic_file.h"
#include "platform/zip/zip_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace archive {

// The password of the program's resource archive.
inline constexpr std::string_view kResourcePassword = "Brisel";

// Extracts the member `memberName` of the archive into `targetFolder`, replacing a file of that
// name there. A name with the wildcards "*" and "?" extracts every member it matches, each
// under its own bare name; "name.*" also matches "name" without an extension. An empty
// `password` reads only members that are not encrypted. A member found but not extracted
// gives its failure, and members extracted before it stay in the folder. A member the caller
// only reads back and deletes (the program's resources) is extracted as a scratch file, not
// flushed to disk (atomic_file.h). Each file written whole is added to `written` when it is
// given, so that a caller can delete exactly what the extraction wrote.
ZipResult ExtractMember(const std::filesystem::path& archivePath, std::string_view memberName,
                        const std::filesystem::path& targetFolder, std::string_view password,
                        sys::Durability durability = sys::Durability::Flushed,
                        std::vector<std::filesystem::path>* written = nullptr);

// Reads the member `memberName` of the archive (its first match, as ExtractMember matches
// names, wildcards included) whole into `contents`, which is empty unless the answer is success.
ZipResult ReadMember(const std::filesystem::path& archivePath, std::string_view memberName,
                     std::string_view password, std::string& contents);

// The same for an archive already read into memory: `archiveBytes` are the archive file's
// bytes, and a damaged archive gives the same results as the file would.
ZipResult ReadMemberFromBytes(std::string_view archiveBytes, std::string_view memberName,
                              std::string_view password, std::string& contents);

// Adds `file` to the archive under its bare name, creating the archive when it does not exist
// and replacing every member of the same bare name when it does. A non-empty `password`
// encrypts the new member; the members already there are kept as they are.
ZipResult AddFile(const std::filesystem::path& archivePath, const std::filesystem::path& file,
                  std::string_view password);

} // namespace archive
