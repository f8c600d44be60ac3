// The resource archive's members as the reports read them: each member is read (decrypted and
// inflated) once and kept, for as long as the archive stays the same. A report opens the archive
// once: its file, small, is read whole and compared with the one the members came from, so that
// an archive replaced while the program runs is read anew; one open and one read of a few
// kilobytes is all a report costs after its first.
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

    // Reads the archive `archivePath` for the members asked for next; the members kept are
    // dropped when it is another archive, or the same one changed.
    void Open(const std::filesystem::path& archivePath);

    // Member `name` of the archive opened last, matched as archive::ReadMember matches it and
    // read with the resource archive's password. A failure is kept as well, as the archive
    // would give it again; without an archive (missing, or unreadable) it is MissingArchive.
    Member Read(const std::string& name);

private:
    std::filesystem::path archivePath_;
    bool opened_ = false;
    std::string archiveBytes_;
    std::map<std::string, Member> members_;
};

} // namespace report
