// A print file opened for drawing: its header held in memory, and the buffered reader through
// which the lines' tokens are read. The file stays open while the object lives.
#pragma once

#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_layout.h"

#include <filesystem>
#include <memory>
#include <utility>

namespace pressel {

class LoadedPrintFile {
public:
    LoadedPrintFile(int descriptor, PrintFileHeader header)
        : header(std::move(header)), buffer(descriptor), descriptor_(descriptor) {}
    ~LoadedPrintFile();
    LoadedPrintFile(const LoadedPrintFile&) = delete;
    LoadedPrintFile& operator=(const LoadedPrintFile&) = delete;

    PrintFileHeader header;
    PrintFileBuffer buffer;

private:
    int descriptor_;
};

enum class LoadFault { kNone, kCannotOpen, kOutOfMemory };

struct LoadResult {
    std::unique_ptr<LoadedPrintFile> file; // null on failure
    LoadFault fault = LoadFault::kNone;
};

// Opens the file read-only and reads its header; a file shorter than the header reads as the
// header with zeros for what is missing, as a zero-filled header block would hold it.
LoadResult LoadPrintFile(const std::filesystem::path& path);

} // namespace pressel
