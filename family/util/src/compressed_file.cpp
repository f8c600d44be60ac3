// _UtilCompressFile and _UtilExpandFile: one file into a container file and back.
//
// The target is written through an atomic replacement, so that a reader never meets it half
// written. What a failed compression has written still replaces it, as hosts expect of that
// call; a failed expansion (a damaged stream, a wrong CRC) leaves the target as it was, so that
// an expansion never destroys a good file for a bad one. The header of a file to be expanded is
// checked before the target is touched. A target that is the source itself, or that exists and
// is not a file (a folder), cannot be created.
#include "family/util/src/container_file.h"
#include "family/util/src/explode.h"
#include "family/util/src/implode.h"
#include "family/util/umbrant.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/drives.h"

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string_view>

namespace {

using umbrant::kContainerHeaderSize;

enum CompressResult {
    kCompressed = 0,
    kCompressNoSource,
    kCompressNoTarget,
    kCompressNoMemory,
    kCompressFailed
};
enum ExpandResult {
    kExpanded = 0,
    kExpandNoSource,
    kExpandNoTarget,
    kExpandNoMemory,
    kNotCompressed,
    kExpandFailed,
    kCrcMismatch
};

constexpr std::size_t kCrcBlock = 4096;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::optional<std::filesystem::path> PathOf(const char* path) {
    if (path == nullptr || *path == '\0') {
        return std::nullopt;
    }
    try {
        return sys::ResolvePath(path);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

// The source opened for reading; only a regular file is read.
File OpenSource(const std::optional<std::filesystem::path>& path) {
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) {
        return nullptr;
    }
    return File(std::fopen(path->c_str(), "rb"));
}

bool SameFile(const std::filesystem::path& source, const std::filesystem::path& target) {
    std::error_code error;
    return std::filesystem::equivalent(source, target, error);
}

// Whether something other than a file (after links) stands under the target's name.
bool IsNoFile(const std::filesystem::path& target) {
    std::error_code error;
    const auto status = std::filesystem::status(target, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

// The replacement of the target; nothing when it cannot be started, is the source or is no file.
std::unique_ptr<sys::AtomicFile> StartTarget(const std::filesystem::path& source,
                                             const std::optional<std::filesystem::path>& target) {
    if (!target || SameFile(source, *target) || IsNoFile(*target)) {
        return nullptr;
    }
    try {
        return std::make_unique<sys::AtomicFile>(*target);
    } catch (const runtime::RuntimeError&) {
        return nullptr;
    }
}

std::uint32_t UpdateCrc(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint32_t>(crc32_z(crc, data, size));
}

// The CRC-32 of the whole source, which is left at its start; nothing after a read error.
std::optional<std::uint32_t> CrcOfFile(std::FILE* file) {
    std::uint32_t crc = 0;
    std::uint8_t block[kCrcBlock];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, file)) > 0) {
        crc = UpdateCrc(crc, block, read);
    }
    if (std::ferror(file) != 0) {
        return std::nullopt;
    }
    std::rewind(file);
    return crc;
}

umbrant::ReadBytes ReaderOf(std::FILE* file) {
    return [file](std::uint8_t* buffer, std::size_t size) {
        return std::fread(buffer, 1, size, file);
    };
}

unsigned DictionarySizeOf(int code) {
    switch (code) {
    case 0:
        return 1024;
    case 1:
        return 4096;
    case 2:
        return 2048;
    default:
        return 0;
    }
}

int Compress(const char* sourcePath, const char* targetPath, int dictionary, int coding) {
    const auto source = PathOf(sourcePath);
    const File input = OpenSource(source);
    if (!input) {
        return kCompressNoSource;
    }
    const auto target = StartTarget(*source, PathOf(targetPath));
    if (!target) {
        return kCompressNoTarget;
    }
    const auto crc = CrcOfFile(input.get());
    if (!crc) {
        return kCompressNoSource;
    }
    // The header goes first, with the stream's first bytes, so that a refused dictionary or
    // coding leaves the target empty.
    bool headerWritten = false;
    const auto write = [&](const std::uint8_t* data, std::size_t size) {
        if (!headerWritten) {
            const auto header = umbrant::ContainerHeader(*crc);
            target->Write({reinterpret_cast<const char*>(header.data()), header.size()});
            headerWritten = true;
        }
        target->Write({reinterpret_cast<const char*>(data), size});
    };
    const int codingValue = (coding & 0xFF) == 1 ? 1 : 0;
    const auto result = umbrant::Implode(ReaderOf(input.get()), write, codingValue,
                                         DictionarySizeOf(dictionary & 0xFF));
    target->Commit();
    if (result != umbrant::ImplodeResult::Done || std::ferror(input.get()) != 0) {
        return kCompressFailed;
    }
    return kCompressed;
}

int Expand(const char* sourcePath, const char* targetPath) {
    const auto source = PathOf(sourcePath);
    const File input = OpenSource(source);
    if (!input) {
        return kExpandNoSource;
    }
    std::array<std::uint8_t, kContainerHeaderSize> header{};
    if (std::fread(header.data(), 1, header.size(), input.get()) != header.size()) {
        return kNotCompressed;
    }
    const auto expectedCrc = umbrant::ReadContainerHeader(header);
    if (!expectedCrc) {
        return kNotCompressed;
    }
    const auto target = StartTarget(*source, PathOf(targetPath));
    if (!target) {
        return kExpandNoTarget;
    }
    std::uint32_t crc = 0;
    const auto write = [&](const std::uint8_t* data, std::size_t size) {
        crc = UpdateCrc(crc, data, size);
        target->Write({reinterpret_cast<const char*>(data), size});
    };
    const auto result = umbrant::Explode(ReaderOf(input.get()), write);
    if (result != umbrant::ExplodeResult::Done) {
        return kExpandFailed;
    }
    if (crc != *expectedCrc) {
        return kCrcMismatch;
    }
    target->Commit();
    return kExpanded;
}

} // namespace

int _UtilCompressFile(const char* source, const char* target, int dictionary, int coding) {
    try {
        return Compress(source, target, dictionary, coding);
    } catch (const std::bad_alloc&) {
        return kCompressNoMemory;
    } catch (const runtime::RuntimeError&) {
        // Writing the target failed (disk full, device error).
        return kCompressFailed;
    }
}

int _UtilExpandFile(const char* source, const char* target) {
    try {
        return Expand(source, target);
    } catch (const std::bad_alloc&) {
        return kExpandNoMemory;
    } catch (const runtime::RuntimeError&) {
        return kExpandFailed;
    }
}
