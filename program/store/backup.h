// Backup of the illustration file to the zip archive "RMDData.zip" and its restore from drive
// A: (BackupClientData, RestoreClientData). The local archive lies in the current folder; drive
// A: is the folder the platform maps that letter to.
//
// Nothing is ever half-written: the archive and its copy on the disk are written beside their
// targets and renamed into place, and a restore reads the archived illustration file whole and
// checks it as the file's reader would before it replaces the file through a temporary file in
// the data folder. An archived file that is not one (a few bytes of text, an empty member)
// replaces nothing.
#pragma once

#include "program/store/current_illustration.h"

#include "platform/forms/message_box.h"

#include <cstdint>

namespace store {

// The menu item that asks: Backup and Restore work with the disk in drive A:, Internet Backup
// only makes the local archive, Internet Restore does nothing.
enum class BackupKind : std::int16_t {
    Disk = 1,
    Internet = 2,
};

// Makes the local archive of the illustration file; for the disk, then asks for the disk,
// copies the archive to it and removes the local one.
void BackupClientData(BackupKind kind, forms::MessageBoxService& messages);

// Asks for the disk (again while the archive there is empty) and extracts the illustration
// file from it into the data folder. After a restore the current illustration is not in the
// file any more: it has no number and is not saved, so that it is offered for saving.
void RestoreClientData(BackupKind kind, CurrentIllustration& current,
                       forms::MessageBoxService& messages);

} // namespace store
