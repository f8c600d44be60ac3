#include "platform/zip/zip_result.h"

namespace archive {

std::string ResultText(ZipResult result) {
    switch (result) {
    case ZipResult::Success:
        return "The operation completed successfully.";
    case ZipResult::MissingArchive:
        return "The archive file cannot be found or opened.";
    case ZipResult::DamagedArchive:
        return "The archive file is damaged.";
    case ZipResult::MissingMember:
        return "The file is not in the archive.";
    case ZipResult::WrongPassword:
        return "The password is missing or wrong.";
    case ZipResult::UnsupportedMethod:
        return "The file is compressed or encrypted by a method that cannot be read.";
    case ZipResult::MissingFolder:
        return "The folder to extract into does not exist.";
    case ZipResult::MissingFile:
        return "The file to add cannot be found or read.";
    case ZipResult::WriteFailure:
        return "The file could not be written.";
    }
    return "Unknown result code " + std::to_string(static_cast<int>(result)) + ".";
}

} // namespace archive
