// The template engine: one rich-text document held as bytes and rewritten by a small template
// language.
//
//   tokens       any byte string given as a key; DoSub replaces each by its data, longest key
//                first, never rescanning what it inserted
//   $#if NAME    kept when NAME is a key (whatever its data), else dropped; "$#else" switches,
//   $#else       "$#endif" closes; blocks nest. A dropped stretch loses its text and the groups
//   $#endif      that lie wholly inside it, and keeps the control words and braces that hold
//                the rich text's structure together
//   $#table NAME a block repeated once per entry: head, then "$#entry FIRST,EVERY", the row
//   $#entry      (its cells written "~0", "~1", ...), "$#endentry", then the tail, up to
//   $#endentry   "$#endtable"; a page break with tail and head is made before entry FIRST and
//   $#endtable   every EVERY entries after it
//
// The seven markers can be changed. Every match is exact, byte for byte. Each rewrite builds a
// new document in one pass over the old. The engine knows nothing of COM: template_object.cpp
// serves it as the Template class.
#pragma once

#include "output/error_codes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace output {

enum class Marker {
    LogicIf,
    LogicElse,
    LogicEnd,
    TableStart,
    TableStop,
    EntryStart,
    EntryStop,
};

class TemplateDocument {
public:
    TemplateDocument();

    // Drops the document, restores the default markers, empties the tokens and the entries.
    void Reset();

    const std::string& MarkerText(Marker marker) const;
    // An empty text keeps the marker as it was: an empty marker would match everywhere.
    void SetMarker(Marker marker, std::string text);

    // Replaces the document with the whole file; ReadFailure, and no document, when the file
    // cannot be opened or read to its end, or when the name holds a NUL byte.
    TemplateError FileRead(const std::filesystem::path& name);
    // Replaces the file with the document's bytes, atomically (platform/system/atomic_file.h):
    // a failed write leaves the old file as it was. The file is a scratch file, not flushed to
    // disk: a filled template is read back at once by the one who filled it. NoData without a
    // document, WriteFailure when the file cannot be written or the name holds a NUL byte.
    TemplateError FileWrite(const std::filesystem::path& name) const;

    // The document itself, for callers that hold it in memory.
    void SetDocument(std::string bytes) { document_ = std::move(bytes); }
    const std::optional<std::string>& Document() const { return document_; }

    void SubClear() { tokens_.clear(); }
    // Sets the data of `key`, replacing the data it had.
    void SubToken(std::string key, std::string data);
    // Replaces the keys, in time linear in the document's length however many keys there are
    // and however much of their bytes they share (key_table.h).
    TemplateError DoSub();

    TemplateError DoLogic();

    void TableClear() { entries_.clear(); }
    // Appends one entry per piece of `entry` cut at "|", empty pieces included.
    void TableEntry(std::string_view entry);
    TemplateError DoTable(std::string_view name);

    // Removes the content of every "\info" group, keeping its braces.
    TemplateError KillInfo();

    // The CRC-16 of the document (platform/crc/crc16.h); NoData, and 0, without a document.
    TemplateError GetCRC(std::int32_t& crc) const;

private:
    std::array<std::string, 7> markers_;
    std::optional<std::string> document_;
    std::map<std::string, std::string, std::less<>> tokens_;
    std::vector<std::string> entries_;
};

} // namespace output
