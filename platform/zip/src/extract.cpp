#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/zip/src/libzip_errors.h"
#include "platform/zip/src/member_name.h"
#include "platform/zip/src/zip_handles.h"
#include "platform/zip/zip_archive.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace archive {

namespace fs = std::filesystem;

namespace {

// A member that declares more than this is taken for damage: the program's members are
// pictures, templates and its illustration file, all far smaller, and the limit keeps a
// crafted archive from filling the disk.
constexpr zip_uint64_t kLargestMember = 256u << 20;

constexpr std::size_t kChunkBytes = 64u << 10;

// Opens member `index` for reading; `size` is the size it declares.
ZipResult OpenEntry(zip_t* zip, zip_uint64_t index, std::string_view password, MemberHandle& member,
                    zip_uint64_t& size) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0) {
        return ResultOfReadError(zip_error_code_zip(zip_get_error(zip)));
    }
    if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > kLargestMember) {
        return ZipResult::DamagedArchive;
    }
    // Asked first: libzip's own refusal of such a member leaks what it set up for reading it.
    if (((stat.valid & ZIP_STAT_COMP_METHOD) != 0 &&
         !zip_compression_method_supported(stat.comp_method, 0)) ||
        ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE &&
         !zip_encryption_method_supported(stat.encryption_method, 0))) {
        return ZipResult::UnsupportedMethod;
    }
    const std::string passwordText(password);
    member.reset(zip_fopen_index_encrypted(zip, index, 0,
                                           passwordText.empty() ? nullptr : passwordText.c_str()));
    if (!member) {
        return ResultOfReadError(zip_error_code_zip(zip_get_error(zip)));
    }
    size = stat.size;
    return ZipResult::Success;
}

// Reads an open member chunk by chunk into `take`. Its bytes are counted against the `size` it
// declares, and libzip checks its CRC at the end of the data, so a member that decrypts with a
// wrong password that passed the one-byte check, or whose compressed data was altered, is
// refused before the caller keeps any of it.
ZipResult ReadEntry(MemberHandle& member, zip_uint64_t size,
                    const std::function<void(std::string_view chunk)>& take) {
    std::array<char, kChunkBytes> chunk;
    zip_uint64_t total = 0;
    for (;;) {
        const zip_int64_t count = zip_fread(member.get(), chunk.data(), chunk.size());
        if (count < 0) {
            return ResultOfReadError(zip_error_code_zip(zip_file_get_error(member.get())));
        }
        if (count == 0) {
            break;
        }
        total += static_cast<zip_uint64_t>(count);
        if (total > size) {
            return ZipResult::DamagedArchive;
        }
        take(std::string_view(chunk.data(), static_cast<std::size_t>(count)));
    }
    return total == size ? ZipResult::Success : ZipResult::DamagedArchive;
}

// Writes member `index` to `target` through a temporary file beside it, renamed over the target
// only once the member was read whole.
ZipResult ExtractEntry(zip_t* zip, zip_uint64_t index, const fs::path& target,
                       std::string_view password, sys::Durability durability) {
    MemberHandle member;
    zip_uint64_t size = 0;
    if (const ZipResult opened = OpenEntry(zip, index, password, member, size);
        opened != ZipResult::Success) {
        return opened;
    }
    try {
        sys::AtomicFile file(target, durability);
        const ZipResult result =
            ReadEntry(member, size, [&file](std::string_view chunk) { file.Write(chunk); });
        if (result == ZipResult::Success) {
            file.Commit();
        }
        return result;
    } catch (const runtime::RuntimeError&) {
        return ZipResult::WriteFailure;
    }
}

ZipResult OpenArchive(const fs::path& archivePath, ArchiveHandle& zip) {
    std::error_code error;
    if (!fs::is_regular_file(archivePath, error)) {
        return ZipResult::MissingArchive;
    }
    int openError = ZIP_ER_OK;
    zip.reset(zip_open(archivePath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &openError));
    return zip ? ZipResult::Success : ResultOfReadError(openError);
}

// The members whose bare name matches `memberName`, in archive order, each with its bare name;
// MissingMember when there is none.
ZipResult MatchingMembers(zip_t* zip, std::string_view memberName,
                          std::vector<std::pair<zip_uint64_t, std::string>>& matches) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const auto entry = static_cast<zip_uint64_t>(index);
        const char* storedName = zip_get_name(zip, entry, ZIP_FL_ENC_RAW);
        if (storedName == nullptr) {
            return ZipResult::DamagedArchive;
        }
        const std::string_view bareName = BareMemberName(storedName);
        if (MemberNameMatches(bareName, memberName)) {
            matches.emplace_back(entry, bareName);
        }
    }
    return matches.empty() ? ZipResult::MissingMember : ZipResult::Success;
}

// The first member matching `memberName`, read whole into `contents`.
ZipResult ReadFirstMatch(zip_t* zip, std::string_view memberName, std::string_view password,
                         std::string& contents) {
    std::vector<std::pair<zip_uint64_t, std::string>> matches;
    if (const ZipResult listed = MatchingMembers(zip, memberName, matches);
        listed != ZipResult::Success) {
        return listed;
    }
    MemberHandle member;
    zip_uint64_t size = 0;
    ZipResult result = OpenEntry(zip, matches.front().first, password, member, size);
    if (result == ZipResult::Success) {
        result = ReadEntry(member, size,
                           [&contents](std::string_view chunk) { contents.append(chunk); });
    }
    if (result != ZipResult::Success) {
        contents.clear();
    }
    return result;
}

} // namespace

ZipResult ExtractMember(const fs::path& archivePath, std::string_view memberName,
                        const fs::path& targetFolder, std::string_view password,
                        sys::Durability durability, std::vector<fs::path>* written) {
    ArchiveHandle zip;
    if (const ZipResult opened = OpenArchive(archivePath, zip); opened != ZipResult::Success) {
        return opened;
    }
    std::error_code error;
    if (!fs::is_directory(targetFolder, error)) {
        return ZipResult::MissingFolder;
    }

    std::vector<std::pair<zip_uint64_t, std::string>> matches;
    if (const ZipResult listed = MatchingMembers(zip.get(), memberName, matches);
        listed != ZipResult::Success) {
        return listed;
    }
    const bool pattern = HasWildcards(memberName);
    for (const auto& [entry, bareName] : matches) {
        // A plain name is written as the caller spelled it, who opens it by that name next.
        const fs::path target = pattern ? targetFolder / bareName : targetFolder / memberName;
        const ZipResult result = ExtractEntry(zip.get(), entry, target, password, durability);
        if (result == ZipResult::Success && written != nullptr) {
            written->push_back(target);
        }
        if (result != ZipResult::Success || !pattern) {
            return result;
        }
    }
    return ZipResult::Success;
}

ZipResult ReadMember(const fs::path& archivePath, std::string_view memberName,
                     std::string_view password, std::string& contents) {
    contents.clear();
    ArchiveHandle zip;
    if (const ZipResult opened = OpenArchive(archivePath, zip); opened != ZipResult::Success) {
        return opened;
    }
    return ReadFirstMatch(zip.get(), memberName, password, contents);
}

ZipResult ReadMemberFromBytes(std::string_view archiveBytes, std::string_view memberName,
                              std::string_view password, std::string& contents) {
    contents.clear();
    // No bytes are no archive, as an empty file is none; libzip would read them as an empty one.
    if (archiveBytes.empty()) {
        return ZipResult::DamagedArchive;
    }
    zip_error_t error;
    zip_error_init(&error);
    // libzip reads the caller's bytes where they are; it owns the source once the archive is
    // open.
    SourceHandle source(
        zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error));
    ArchiveHandle zip;
    if (source) {
        zip.reset(zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    }
    const int openError = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!zip) {
        return ResultOfReadError(openError);
    }
    static_cast<void>(source.release());
    return ReadFirstMatch(zip.get(), memberName, password, contents);
}

} // namespace archive
