// Replacing a file atomically: the new content goes into a temporary file in the same folder,
// is flushed to disk, and is then renamed over the target, so that a reader sees either the old
// file whole or the new one whole, never a mixture, whatever happens in between. The replaced
// file keeps its permission bits; a symbolic link is followed, and the file it points to is
// replaced while the link stays a link. The temporary file's name is short, so that a target
// name as long as the file system allows works.
//
// A writer killed before its rename leaves its temporary file behind; the next writer of the
// folder removes the temporary files of processes that no longer run.
//
// Scratch files (what the program writes only to read it back within the same operation: an
// extracted member, the graph bitmap) are replaced the same way but not flushed: a reader still
// sees the old file or the new one whole, but after a crash either may be lost, which costs
// nothing for a file that is made again at the next use. The user's data files are flushed with
// their folder. An exported document (a PDF file the user asked for) is flushed once, its content
// before the rename: it is never found half-written, but a crash right after the replacement may
// leave the document it replaced, which the user can export again.
#pragma once

#include <filesystem>
#include <string_view>

namespace sys {

enum class Durability {
    Flushed,  // the content and the rename are on disk when Commit returns
    Document, // the content is on disk before the rename, which is left to the kernel
    Scratch,  // left to the kernel to write when it will
};

class AtomicFile {
public:
    // Starts the replacement of `target` (which need not exist yet). A missing folder is 76.
    // Every writer of data files replaces them through this class.
    explicit AtomicFile(const std::filesystem::path& target,
                        Durability durability = Durability::Flushed);
    // Without Commit the temporary file is removed and the target is left untouched.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes);
    // Flushes the content to disk (unless it is scratch), renames it over the target and, for a
    // flushed file, flushes the folder.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int descriptor_;
    Durability durability_;
};

// Writes `contents` as the whole new content of `target`, atomically.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view contents);

// The same for an exported document: one flush, of its content.
void WriteDocumentFile(const std::filesystem::path& target, std::string_view contents);

// The same for a scratch file: replaced whole, never flushed.
void WriteScratchFile(const std::filesystem::path& target, std::string_view contents);

} // namespace sys
