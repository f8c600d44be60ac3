#include "program/store/backup.h"

#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/store/src/messages.h"
#include "program/store/user_info.h"

#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/drives.h"
#include "platform/system/files.h"
#include "platform/system/program_identity.h"
#include "platform/zip/zip_archive.h"

#include <filesystem>
#include <string>

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLocalArchive = "RMDData.zip";
constexpr const char* kBackupDiskArchive = "A:\\RMDData.zip";
constexpr const char* kRestoreDiskArchive = "a:\\RMDData.zip";

void CopyArchiveToDisk(forms::MessageBoxService& messages) {
    if (ShowMessage(messages, "Insert a disk into your floppy drive.",
                    forms::vbOKCancel + forms::vbInformation,
                    "Backup Client Data") != forms::vbOK) {
        return;
    }
    sys::FileCopy(kLocalArchive, sys::ResolvePath(kBackupDiskArchive));
    if (sys::FileExists(kLocalArchive)) {
        sys::RemoveFile(kLocalArchive);
    }
    ShowMessage(messages,
                std::string("Your client data was successfully archived to") + kNewLine +
                    "the disk in your floppy drive." + kNewLine + kNewLine +
                    "Label this disk and store it in a safe place.",
                forms::vbInformation, "Successful Backup");
}

void ShowNotRestored(forms::MessageBoxService& messages, const std::string& reason) {
    ShowMessage(messages, std::string("Your client data was NOT restored.") + kNewLine + reason,
                forms::vbExclamation, "Error Reading Archive File");
}

// Asks for the disk until its archive is not empty; false when the user cancels.
bool DiskInserted(forms::MessageBoxService& messages) {
    for (;;) {
        if (ShowMessage(messages, "Insert the client backup disk into your floppy drive.",
                        forms::vbOKCancel + forms::vbInformation,
                        "Restore Client Data") != forms::vbOK) {
            return false;
        }
        if (sys::FileLength(sys::ResolvePath(kRestoreDiskArchive)) != 0) {
            return true;
        }
    }
}

} // namespace

void BackupClientData(BackupKind kind, forms::MessageBoxService& messages) {
    try {
        const archive::ZipResult result =
            archive::AddFile(kLocalArchive, IllustrationFilePath(), "");
        if (result != archive::ZipResult::Success) {
            ShowMessage(messages, archive::ResultText(result), forms::vbExclamation,
                        "Error creating Zip File");
            return;
        }
        if (kind == BackupKind::Disk) {
            CopyArchiveToDisk(messages);
        }
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages, error.Number(), "Client Data Backup Failure",
                      std::string(kNewLine) + "Your data was not backed up. Please try again.");
    }
}

void RestoreClientData(BackupKind kind, CurrentIllustration& current,
                       forms::MessageBoxService& messages) {
    if (kind != BackupKind::Disk) {
        return;
    }
    try {
        if (!DiskInserted(messages)) {
            return;
        }
        const std::string member = std::string(sys::ExecutableBaseName()) + ".flt";
        std::string file;
        const archive::ZipResult result =
            archive::ReadMember(sys::ResolvePath(kRestoreDiskArchive), member, "", file);
        if (result != archive::ZipResult::Success) {
            ShowNotRestored(messages, archive::ResultText(result) + " Result code =" +
                                          runtime::Str(static_cast<int>(result)) + ".");
            return;
        }
        // Only a file the illustration file's reader takes replaces the saved illustrations.
        if (!IsIllustrationFile(file)) {
            ShowNotRestored(messages, "The archived file holds no saved illustrations.");
            return;
        }
        sys::ReplaceFileAtomically(IllustrationFilePath(), file);
        MakeIllustrationNew(current);
        ShowMessage(messages, "Your client data was successfully restored.", forms::vbInformation,
                    "Successful Data Restore");
    } catch (const runtime::RuntimeError& error) {
        ShowFileError(messages, error.Number(), "Client Data Restore Failure",
                      std::string(kNewLine) +
                          "Your client data was not restored. Please try again.");
    }
}

} // namespace store
