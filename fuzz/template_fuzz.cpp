// The template engine over arbitrary documents, tokens and table entries: one report fill per
// input (kill info, conditions, substitution, table, CRC), all in memory.
//
// Input: [flags] tokens NUL entries NUL document
//   flags    bit 0: one-byte markers ("?", "!", ".", "[", "]", "<", ">") instead of the defaults
//   tokens   lines "key=data"; the first key also names the table
//   entries  given to TableEntry as they are ("|" between entries, "~" between cells)
#include "output/template/template_document.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string_view TakeUntilZero(std::string_view& input) {
    const std::size_t zero = input.find('\0');
    const std::string_view piece = input.substr(0, zero);
    input.remove_prefix(zero == std::string_view::npos ? input.size() : zero + 1);
    return piece;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Substitution and tables multiply the input; larger inputs only make each run slower.
    if (size == 0 || size > 8192) {
        return 0;
    }
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto flags = static_cast<unsigned char>(input.front());
    input.remove_prefix(1);
    std::string_view tokens = TakeUntilZero(input);
    const std::string_view entries = TakeUntilZero(input);

    output::TemplateDocument document;
    if ((flags & 1) != 0) {
        using output::Marker;
        document.SetMarker(Marker::LogicIf, "?");
        document.SetMarker(Marker::LogicElse, "!");
        document.SetMarker(Marker::LogicEnd, ".");
        document.SetMarker(Marker::TableStart, "[");
        document.SetMarker(Marker::TableStop, "]");
        document.SetMarker(Marker::EntryStart, "<");
        document.SetMarker(Marker::EntryStop, ">");
    }
    std::string tableName;
    while (!tokens.empty()) {
        const std::size_t end = tokens.find('\n');
        const std::string_view line = tokens.substr(0, end);
        tokens.remove_prefix(end == std::string_view::npos ? tokens.size() : end + 1);
        const std::size_t equals = line.find('=');
        const std::string_view key = line.substr(0, equals);
        if (tableName.empty()) {
            tableName = key;
        }
        document.SubToken(std::string(key), equals == std::string_view::npos
                                                ? std::string()
                                                : std::string(line.substr(equals + 1)));
    }
    document.TableEntry(entries);

    document.SetDocument(std::string(input));
    document.KillInfo();
    document.DoLogic();
    document.DoSub();
    document.DoTable(tableName);
    std::int32_t crc = 0;
    document.GetCRC(crc);
    if (crc < 0 || crc > 0xFFFF) {
        std::abort();
    }
    return 0;
}
