#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/zip/src/libzip_errors.h"
#include "platform/zip/src/member_name.h"
#include "platform/zip/src/zip_handles.h"
#include "platform/zip/zip_archive.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace archive {

namespace fs = std::filesystem;

namespace {

// The whole content of a regular file; nothing when it cannot be read.
std::optional<std::string> ReadRegularFile(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    try {
        return sys::ReadWholeFile(path);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

// Removes every member whose bare name is `name`, wherever it is stored, so that an extraction
// by that name can only find the member about to be added.
ZipResult RemoveMembersNamed(zip_t* zip, std::string_view name) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const auto entry = static_cast<zip_uint64_t>(index);
        const char* storedName = zip_get_name(zip, entry, ZIP_FL_ENC_RAW);
        if (storedName == nullptr) {
            return ZipResult::DamagedArchive;
        }
        if (SameBareName(BareMemberName(storedName), name) && zip_delete(zip, entry) != 0) {
            return ResultOfReadError(zip_error_code_zip(zip_get_error(zip)));
        }
    }
    return ZipResult::Success;
}

// Adds `contents` as member `name`, encrypted when there is a password. The member is dated when
// it is added: libzip derives the encryption header's check byte from that time, and a date set
// on the member afterwards would no longer agree with it. `contents` must stay alive until the
// archive is closed.
ZipResult AddMember(zip_t* zip, const std::string& name, const std::string& contents,
                    std::string_view password) {
    zip_source_t* data = zip_source_buffer(zip, contents.data(), contents.size(), 0);
    if (data == nullptr) {
        return ZipResult::WriteFailure;
    }
    const zip_int64_t index = zip_file_add(zip, name.c_str(), data, ZIP_FL_ENC_GUESS);
    if (index < 0) {
        zip_source_free(data);
        return ZipResult::WriteFailure;
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    const std::string passwordText(password);
    if (!passwordText.empty() &&
        zip_file_set_encryption(zip, entry, ZIP_EM_TRAD_PKWARE, passwordText.c_str()) != 0) {
        return ZipResult::UnsupportedMethod;
    }
    return ZipResult::Success;
}

// The bytes a buffer source holds once the archive written into it was closed.
std::optional<std::string> SourceBytes(zip_source_t* source) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) != 0) {
        return std::nullopt;
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t count = zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (count < 0 || static_cast<zip_uint64_t>(count) != stat.size) {
        return std::nullopt;
    }
    return bytes;
}

// A buffer source holding a copy of `bytes` that libzip owns. Writing a changed archive into a
// buffer source may hand the buffer's first block to the new content, which then frees it
// whatever the source was told, so the block must be libzip's own to free.
zip_source_t* CreateArchiveBuffer(const std::string& bytes, zip_error_t* error) {
    void* copy = nullptr;
    if (!bytes.empty()) {
        copy = std::malloc(bytes.size());
        if (copy == nullptr) {
            zip_error_set(error, ZIP_ER_MEMORY, 0);
            return nullptr;
        }
        std::memcpy(copy, bytes.data(), bytes.size());
    }
    zip_source_t* source = zip_source_buffer_create(copy, bytes.size(), 1, error);
    if (source == nullptr) {
        std::free(copy);
    }
    return source;
}

} // namespace

// The archive is read whole and rewritten in memory, then replaces the old file in one rename;
// libzip never writes beside the archive itself.
ZipResult AddFile(const fs::path& archivePath, const fs::path& file, std::string_view password) {
    const std::string name = file.filename().string();
    const std::optional<std::string> contents = ReadRegularFile(file);
    if (name.empty() || !contents) {
        return ZipResult::MissingFile;
    }
    std::string existing;
    std::error_code error;
    if (fs::exists(archivePath, error)) {
        std::optional<std::string> bytes = ReadRegularFile(archivePath);
        if (!bytes) {
            return ZipResult::MissingArchive;
        }
        existing = std::move(*bytes);
    }

    zip_error_t sourceError;
    zip_error_init(&sourceError);
    SourceHandle buffer(CreateArchiveBuffer(existing, &sourceError));
    if (!buffer) {
        zip_error_fini(&sourceError);
        return ZipResult::WriteFailure;
    }
    ArchiveHandle zip(zip_open_from_source(buffer.get(), ZIP_CREATE | ZIP_CHECKCONS, &sourceError));
    const int openError = zip_error_code_zip(&sourceError);
    zip_error_fini(&sourceError);
    if (!zip) {
        return ResultOfReadError(openError);
    }
    // The open archive now holds the buffer too; keep our own reference to read it back.
    zip_source_keep(buffer.get());

    ZipResult result = RemoveMembersNamed(zip.get(), name);
    if (result == ZipResult::Success) {
        result = AddMember(zip.get(), name, *contents, password);
    }
    if (result != ZipResult::Success) {
        return result;
    }
    if (zip_close(zip.get()) != 0) {
        return ResultOfWriteError(zip_error_code_zip(zip_get_error(zip.get())));
    }
    zip.release();

    const std::optional<std::string> written = SourceBytes(buffer.get());
    if (!written) {
        return ZipResult::WriteFailure;
    }
    try {
        sys::ReplaceFileAtomically(archivePath, *written);
    } catch (const runtime::RuntimeError&) {
        return ZipResult::WriteFailure;
    }
    return ZipResult::Success;
}

} // namespace archive
