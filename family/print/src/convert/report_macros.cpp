#include "family/print/src/convert/report_macros.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pressel {
namespace {

constexpr std::size_t kMaxCellText = 99;
constexpr std::string_view kCellMacro = "$#TE";

} // namespace

std::int32_t MacroArgument(std::string_view token) {
    std::size_t at = 0;
    while (at < token.size() && (token[at] == ' ' || token[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < token.size() && (token[at] == '-' || token[at] == '+')) {
        negative = token[at] == '-';
        ++at;
    }
    std::int64_t value = 0;
    for (; at < token.size() && token[at] >= '0' && token[at] <= '9'; ++at) {
        value = std::min<std::int64_t>(value * 10 + (token[at] - '0'), INT32_MAX);
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<int> MacroIndex(std::string_view token, int count) {
    const std::int32_t value = MacroArgument(token);
    if (value < 0 || value >= count) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> TableCellText(const PrintTable& table, int row, std::string_view token) {
    if (!token.starts_with(kCellMacro) || table.cells == nullptr || row < 0 || row >= table.rows) {
        return std::nullopt;
    }
    const std::optional<int> column = MacroIndex(token.substr(kCellMacro.size()), table.columns);
    if (!column) {
        return std::nullopt;
    }
    const char* cell = table.cells[static_cast<std::size_t>(row) * table.columns + *column];
    if (cell == nullptr) {
        return std::nullopt;
    }
    return std::string(cell, strnlen(cell, kMaxCellText));
}

std::optional<MacroPicture> GraphMacroPicture(int pictureCount, std::string_view index,
                                              std::string_view width, std::string_view height) {
    const std::optional<int> picture = MacroIndex(index, pictureCount);
    const std::int32_t w = MacroArgument(width);
    const std::int32_t h = MacroArgument(height);
    if (!picture || w < 1 || h < 1 || w > INT16_MAX || h > INT16_MAX) {
        return std::nullopt;
    }
    return MacroPicture{*picture, static_cast<std::int16_t>(w), static_cast<std::int16_t>(h)};
}

} // namespace pressel
