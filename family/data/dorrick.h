// libdorrick.so: a store of hierarchical named entries in one file, addressed by dotted paths
// (".Clients.C12.Notes"), with backup to and restore from the floppy drive and compaction.
//
// A host opens a database under a handle 1-9, moves a working entry around the tree like a
// current folder, and adds, finds, reads, writes, locks and deletes entries. Every function
// answers one of the result codes below. Out-parameters are emptied on entry, so they are
// defined after a failure too. Names and data are bytes; texts are Windows-1252. One thread at
// a time.
#pragma once

#include "platform/win32/windef.h"

#define DORRICK_EXPORT extern "C" __attribute__((visibility("default")))

enum DataResult : unsigned char {
    kDataSuccess = 0,
    kDataBadHandle = 1,       // not 1-9, or the handle is not open
    kDataNotADatabase = 2,    // not a database, a bad backup file, or a damaged one
    kDataEntryExists = 3,     // the entry already exists
    kDataEntryLocked = 4,     // the entry is locked
    kDataNoSuchEntry = 5,     // the entry does not exist (the root "." takes no data or locks)
    kDataEntryNotLocked = 6,  // the entry is not locked
    kDataPathTooLong = 7,     // the full path would pass 257 characters
    kDataFileExists = 8,      // the file already exists
    kDataNoSuchFile = 9,      // the file does not exist
    kDataNoMoreEntries = 10,  // no (more) entries
    kDataNoFreeHandle = 11,   // all 9 handles are in use
    kDataCannotOpenFile = 12, // the file cannot be opened or created, or is open elsewhere
    kDataCompactFailed = 13,  // compaction met a damaged tree; the old copy keeps everything
    kDataWriteFailed = 14,    // a write fell short (disk full), or more than 65,535 bytes
};

// The longest path and name a caller's buffer must hold, terminator included.
constexpr unsigned kDataPathBufferSize = 257;
constexpr unsigned kDataNameBufferSize = 257;

// Progress of backup, restore and compaction: the caller's argument and a percent; the answer
// is the caller's request to stop, which is recorded but not honoured.
using DataProgressCallback = int (*)(void* argument, int percent);

// Copies "99.01" into `buffer` as strncpy would (no terminator when `length` is 5 or less) and
// answers 0x9901.
DORRICK_EXPORT unsigned _DataVersion(char* buffer, unsigned length);

DORRICK_EXPORT unsigned char _DataCreate(const char* fileName, int* handle);
DORRICK_EXPORT unsigned char _DataOpen(const char* fileName, int* handle);
DORRICK_EXPORT unsigned char _DataClose(int handle);

DORRICK_EXPORT unsigned char _DataAddEntry(int handle, const char* path);
DORRICK_EXPORT unsigned char _DataDeleteEntry(int handle, const char* path);
// `name` holds kDataNameBufferSize bytes.
DORRICK_EXPORT unsigned char _DataFindFirstEntry(int handle, const char* path, char* name);
DORRICK_EXPORT unsigned char _DataFindNextEntry(int handle, char* name);
// `path` holds kDataPathBufferSize bytes.
DORRICK_EXPORT unsigned char _DataGetCurrentWorkingEntry(int handle, char* path);
DORRICK_EXPORT unsigned char _DataSetCurrentWorkingEntry(int handle, const char* path);

DORRICK_EXPORT unsigned char _DataGetEntrySize(int handle, const char* path, int* size);
DORRICK_EXPORT unsigned char _DataRead(int handle, const char* path, void* buffer, unsigned size,
                                       int* reserved);
DORRICK_EXPORT unsigned char _DataWrite(int handle, const char* path, const void* data,
                                        unsigned length, int* reserved);
DORRICK_EXPORT unsigned char _DataLockEntry(int handle, const char* path);
DORRICK_EXPORT unsigned char _DataUnlockEntry(int handle, const char* path);
// kDataEntryLocked, kDataEntryNotLocked, or a failure.
DORRICK_EXPORT unsigned char _DataIsEntryLocked(int handle, const char* path);
DORRICK_EXPORT unsigned char _DataGetPercentGarbage(int handle, int* percent, int* bytes);
// Stores nothing; answers 0.
DORRICK_EXPORT unsigned char _DataSetNotificationFunction(void* notification);

// Backup (restore 0) copies the database to "a:\backup.hxd"; restore (non-zero) replaces the
// database with that file. Both replace their target whole or not at all; the handle stays open,
// at the root after a restore. Restore and compaction refuse a file that another handle has open.
DORRICK_EXPORT unsigned char _DataBackup(int handle, void* argument, DataProgressCallback progress,
                                         int restore);
// Rebuilds the database without its garbage; the file before is kept beside it with the
// extension "hx$". The handle stays open, at the root. kDataCompactFailed: the database was
// damaged and the copy holds what could be read, or a damaged database already stands under the
// old-copy name and nothing was done; either way the "hx$" file is the whole one to save.
DORRICK_EXPORT unsigned char _DataCompact(int handle, void* argument,
                                          DataProgressCallback progress);

// The operations run under a progress dialog that tells the user the outcome.
DORRICK_EXPORT unsigned char _DataBackupDlg(HWND owner, int handle, int restore);
DORRICK_EXPORT unsigned char _DataCompactDlg(HWND owner, int handle);
DORRICK_EXPORT LRESULT BackupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
DORRICK_EXPORT LRESULT CompactDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Process attach (1) keeps the instance; process detach (0) closes every handle. Answers 1.
DORRICK_EXPORT BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);
