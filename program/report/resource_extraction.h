// Members of the resource archive extracted into the work folder for one use. The members land
// in the folder under their own names, replacing older copies; when the extraction ends, exactly
// the files it extracted are deleted again (never other files that merely share a name's
// pattern), unless the caller keeps them.
#pragma once

#include "program/report/report_error.h"

#include "platform/zip/zip_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace report {

class ExtractedMembers {
public:
    // Extracts `memberName` (or every member a pattern such as "RMDLogo.*" matches) from
    // `archive` into `workFolder`. Result() tells whether it worked; on a failure nothing new
    // lies in the folder.
    ExtractedMembers(const std::filesystem::path& archive, std::string_view memberName,
                     const std::filesystem::path& workFolder);
    ~ExtractedMembers();
    ExtractedMembers(const ExtractedMembers&) = delete;
    ExtractedMembers& operator=(const ExtractedMembers&) = delete;

    archive::ZipResult Result() const { return result_; }
    // The files extracted, in the work folder.
    const std::vector<std::filesystem::path>& Files() const { return files_; }
    // Leaves the extracted files in place when the extraction ends.
    void Keep() { files_.clear(); }

private:
    archive::ZipResult result_;
    std::vector<std::filesystem::path> files_;
};

// The message shown when a report's template cannot be extracted from the archive: the result
// code, and that the archive is damaged.
std::string ExtractionFailureText(archive::ZipResult result, std::string_view archiveName);

// A report abandoned because its template could not be extracted: the program's installation is
// damaged, which its message box says under the program's own name.
class ExtractionError : public ReportError {
public:
    using ReportError::ReportError;
};

} // namespace report
