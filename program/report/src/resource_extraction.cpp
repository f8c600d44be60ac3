#include "program/report/resource_extraction.h"

#include "platform/runtime/number_text.h"
#include "platform/zip/zip_archive.h"

#include <system_error>
#include <unistd.h>

namespace report {

namespace {

// A folder of its own inside the work folder, so that what one extraction wrote can be told
// apart from the files already there; removed with whatever is left in it.
class StagingFolder {
public:
    explicit StagingFolder(const std::filesystem::path& workFolder) {
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = workFolder / (".extract-" + std::to_string(::getpid()) + "-" +
                                                 std::to_string(attempt));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate;
            }
        }
    }
    ~StagingFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace

ExtractedMembers::ExtractedMembers(const std::filesystem::path& archive,
                                   std::string_view memberName,
                                   const std::filesystem::path& workFolder) {
    const StagingFolder staging(workFolder);
    if (staging.Path().empty()) {
        result_ = archive::ZipResult::MissingFolder;
        return;
    }
    // The members are read back within the report and deleted after it: scratch files.
    result_ = archive::ExtractMember(archive, memberName, staging.Path(),
                                     archive::kResourcePassword, sys::Durability::Scratch);
    if (result_ != archive::ZipResult::Success) {
        return;
    }
    // Each member moves into the work folder by a rename, which replaces an older copy whole.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(staging.Path(), error)) {
        const auto target = workFolder / entry.path().filename();
        std::filesystem::rename(entry.path(), target, error);
        if (error) {
            result_ = archive::ZipResult::WriteFailure;
            break;
        }
        files_.push_back(target);
    }
    if (result_ != archive::ZipResult::Success) {
        for (const auto& file : files_) {
            std::filesystem::remove(file, error);
        }
        files_.clear();
    }
}

ExtractedMembers::~ExtractedMembers() {
    for (const auto& file : files_) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

std::string ExtractionFailureText(archive::ZipResult result, std::string_view archiveName) {
    return "Critical Error Type" + runtime::Str(static_cast<int>(result)) +
           "\r\n\r\nThe required file " + std::string(archiveName) +
           " is damaged.\r\nPlease reinstall your software, then try again.";
}

} // namespace report
