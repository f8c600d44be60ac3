#include "program/report/resource_extraction.h"

#include "platform/runtime/number_text.h"
#include "platform/zip/zip_archive.h"

#include <system_error>

namespace report {

namespace {

void RemoveFiles(std::vector<std::filesystem::path>& files) {
    std::error_code ignored;
    for (const auto& file : files) {
        std::filesystem::remove(file, ignored);
    }
    files.clear();
}

} // namespace

ExtractedMembers::ExtractedMembers(const std::filesystem::path& archive,
                                   std::string_view memberName,
                                   const std::filesystem::path& workFolder) {
    // The members are read back within the report and deleted after it: scratch files. Each
    // lands in the work folder by a rename, which replaces an older copy whole; the extraction
    // names the files it wrote, so that exactly those are deleted again.
    result_ = archive::ExtractMember(archive, memberName, workFolder, archive::kResourcePassword,
                                     sys::Durability::Scratch, &files_);
    if (result_ != archive::ZipResult::Success) {
        RemoveFiles(files_);
    }
}

ExtractedMembers::~ExtractedMembers() {
    RemoveFiles(files_);
}

std::string ExtractionFailureText(archive::ZipResult result, std::string_view archiveName) {
    return "Critical Error Type" + runtime::Str(static_cast<int>(result)) +
           "\r\n\r\nThe required file " + std::string(archiveName) +
           " is damaged.\r\nPlease reinstall your software, then try again.";
}

} // namespace report
