#include "family/print/src/printfile/loaded_print_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <vector>

namespace pressel {
namespace {

// Up to `bytes.size()` bytes from the start of the file; the count actually read.
std::size_t ReadFromStart(int descriptor, std::vector<std::uint8_t>& bytes) {
    std::size_t count = 0;
    while (count < bytes.size()) {
        const ssize_t read = ::read(descriptor, bytes.data() + count, bytes.size() - count);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            break;
        }
        count += static_cast<std::size_t>(read);
    }
    return count;
}

} // namespace

LoadedPrintFile::~LoadedPrintFile() {
    ::close(descriptor_);
}

LoadResult LoadPrintFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return {nullptr, LoadFault::kCannotOpen};
    }
    try {
        std::vector<std::uint8_t> bytes(kPrintFileHeaderSize);
        bytes.resize(ReadFromStart(descriptor, bytes));
        return {std::make_unique<LoadedPrintFile>(descriptor, DecodePrintFileHeader(bytes)),
                LoadFault::kNone};
    } catch (const std::bad_alloc&) {
        ::close(descriptor);
        return {nullptr, LoadFault::kOutOfMemory};
    }
}

} // namespace pressel
