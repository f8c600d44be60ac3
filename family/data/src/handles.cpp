// Opening and closing databases, the version and the garbage figure.
#include "family/data/dorrick.h"
#include "family/data/src/file_names.h"
#include "family/data/src/slots.h"

#include "platform/system/atomic_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <string_view>
#include <utility>

namespace {

using namespace dorrick;

constexpr std::string_view kVersionText = "99.01";
constexpr unsigned kVersionNumber = 0x9901;

template <typename T>
void Empty(T* out) {
    if (out != nullptr) {
        *out = 0;
    }
}

// Whether anything answers to `name`: a file that cannot even be looked at counts as there.
bool NameTaken(const std::filesystem::path& name) {
    struct stat status {};
    return stat(name.c_str(), &status) == 0 || errno != ENOENT;
}

} // namespace

unsigned _DataVersion(char* buffer, unsigned length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, kVersionText.data(), length);
    }
    return kVersionNumber;
}

unsigned char _DataCreate(const char* fileName, int* handle) {
    Empty(handle);
    const int free = FreeHandle();
    if (free == 0) {
        return kDataNoFreeHandle;
    }
    const auto name = DatabaseFileName(fileName);
    if (!name) {
        return kDataCannotOpenFile;
    }
    if (NameTaken(*name)) {
        return kDataFileExists;
    }
    // The header is written whole before the name appears, so no empty file is ever left.
    try {
        const auto header = EncodeHeader({});
        sys::ReplaceFileAtomically(
            *name, std::string_view(reinterpret_cast<const char*>(header.data()), header.size()));
    } catch (const std::exception&) {
        return kDataCannotOpenFile;
    }
    int error = 0;
    auto file = OpenDatabaseFile(*name, error);
    if (!file) {
        return kDataCannotOpenFile;
    }
    SlotOf(free).Reset(std::move(*file), *name, 0);
    *handle = free;
    return kDataSuccess;
}

unsigned char _DataOpen(const char* fileName, int* handle) {
    Empty(handle);
    const int free = FreeHandle();
    if (free == 0) {
        return kDataNoFreeHandle;
    }
    const auto name = DatabaseFileName(fileName);
    if (!name) {
        return kDataCannotOpenFile;
    }
    int error = 0;
    auto file = OpenDatabaseFile(*name, error);
    if (!file) {
        return error == ENOENT || error == ENOTDIR ? kDataNoSuchFile : kDataCannotOpenFile;
    }
    const auto header = file->ReadHeader();
    if (!header) {
        file->Close();
        return kDataNotADatabase;
    }
    SlotOf(free).Reset(std::move(*file), *name, header->firstEntry);
    *handle = free;
    return kDataSuccess;
}

unsigned char _DataClose(int handle) {
    DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    slot->Clear();
    return kDataSuccess;
}

unsigned char _DataGetPercentGarbage(int handle, int* percent, int* bytes) {
    Empty(percent);
    Empty(bytes);
    const DatabaseSlot* slot = OpenSlot(handle);
    if (slot == nullptr) {
        return kDataBadHandle;
    }
    const std::int64_t garbage = slot->file.ReadHeader().value_or(DatabaseHeader{}).garbage;
    const std::int64_t size = slot->file.Size();
    if (percent != nullptr && size > 0) {
        *percent = static_cast<int>(garbage * 100 / size);
    }
    if (bytes != nullptr) {
        *bytes = static_cast<int>(garbage);
    }
    return kDataSuccess;
}

unsigned char _DataSetNotificationFunction(void* /*notification*/) {
    return kDataSuccess;
}
