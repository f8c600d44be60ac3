// Replacing a file atomically: the new content goes into a temporary file in the same folder,
// is flushed to disk, and is then renamed over the target, so that a reader sees either the old
// file whole or the new one whole, never a mixture, whatever happens in between. The replaced
// file keeps its permission bits; a symbolic link is followed, and the file it points to is
// replaced while the link stays a link. The temporary file's name is short, so that a target
// name as long as the file system allows works.
//
// A writer killed before its rename leaves its temporary file behind; the next writer of the
// folder removes the temporary files of processes that no longer run.
#pragma once

#include <filesystem>
#include <string_view>

namespace sys {

class AtomicFile {
public:
    // Starts the replacement of `target` (which need not exist yet). A missing folder is 76.
    // Every writer of data files replaces them through this class.
    explicit AtomicFile(const std::filesystem::path& target);
    // Without Commit the temporary file is removed and the target is left untouched.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    // Flushes the content to disk and renames it over the target.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int descriptor_;
};

// Writes `contents` as the whole new content of `target`, atomically.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace sys
