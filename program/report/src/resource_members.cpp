#include "program/report/resource_members.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/zip/zip_archive.h"

#include <system_error>
#include <utility>

namespace report {

void ResourceMembers::Open(const std::filesystem::path& archivePath) {
    std::string bytes;
    std::error_code error;
    bool opened = std::filesystem::is_regular_file(archivePath, error);
    if (opened) {
        try {
            bytes = sys::ReadWholeFile(archivePath);
        } catch (const runtime::RuntimeError&) {
            opened = false;
        }
    }
    if (opened != opened_ || archivePath != archivePath_ || bytes != archiveBytes_) {
        archivePath_ = archivePath;
        opened_ = opened;
        archiveBytes_ = std::move(bytes);
        members_.clear();
    }
}

ResourceMembers::Member ResourceMembers::Read(const std::string& name) {
    if (!opened_) {
        return {archive::ZipResult::MissingArchive, nullptr};
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
