#include "program/report/resource_members.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/zip/zip_archive.h"

#include <system_error>
#include <utility>

namespace report {

ResourceMembers::Member ResourceMembers::Read(const std::filesystem::path& archivePath,
                                              const std::string& name) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(archivePath, error)) {
        return {archive::ZipResult::MissingArchive, nullptr};
    }
    std::string bytes;
    try {
        bytes = sys::ReadWholeFile(archivePath);
    } catch (const runtime::RuntimeError&) {
        return {archive::ZipResult::MissingArchive, nullptr};
    }
    if (archivePath != archivePath_ || bytes != archiveBytes_) {
        archivePath_ = archivePath;
        archiveBytes_ = std::move(bytes);
        members_.clear();
    }
    const auto kept = members_.find(name);
    if (kept != members_.end()) {
        return kept->second;
    }
    Member member;
    std::string contents;
    member.result =
        archive::ReadMemberFromBytes(archiveBytes_, name, archive::kResourcePassword, contents);
    if (member.result == archive::ZipResult::Success) {
        member.bytes = std::make_shared<const std::string>(std::move(contents));
    }
    return members_.emplace(name, std::move(member)).first->second;
}

} // namespace report
