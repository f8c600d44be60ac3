// The resource archive's members as the reports read them: each member is read (decrypted and
// inflated) once and kept, for as long as the archive stays the same. The archive, a small file,
// is read whole at each use and compared with the one the members came from, so that an archive
// replaced while the program runs is read anew; one open and one read of a few kilobytes is all
// a report costs after its first.
#pragma once

#include "platform/zip/zip_result.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace report {

class ResourceMembers {
public:
    struct Member {
        archive::ZipResult result = archive::ZipResult::MissingArchive;
        // The member's bytes on success, shared by every read of the same member while the
        // archive stays the same; null otherwise.
        std::shared_ptr<const std::string> bytes;
    };

    // Member `name` of the archive `archivePath`, matched as archive::ReadMember matches it,
    // read with the resource archive's password. A failure is kept as well, as the archive
    // would give it again.
    Member Read(const std::filesystem::path& archivePath, const std::string& name);

private:
    std::filesystem::path archivePath_;
    std::string archiveBytes_;
    std::map<std::string, Member> members_;
};

} // namespace report
