#include "program/report/compose/src/logo_placement.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"

#include <array>

namespace compose {

namespace {

constexpr std::size_t kNumbers = 4;

bool IsSeparator(char character) {
    return character == ',' || character == ' ' || character == '\t' || character == '\r' ||
           character == '\n';
}

} // namespace

LogoPlacementRead ReadLogoPlacement(std::string_view text) {
    std::array<std::int32_t, kNumbers> numbers{};
    std::size_t count = 0;
    std::size_t position = 0;
    while (count < kNumbers) {
        while (position < text.size() && IsSeparator(text[position])) {
            ++position;
        }
        if (position >= text.size()) {
            return {std::nullopt, "it holds " + std::to_string(count) + " of its 4 numbers"};
        }
        std::size_t end = position;
        while (end < text.size() && !IsSeparator(text[end])) {
            ++end;
        }
        const std::string_view field = text.substr(position, end - position);
        try {
            numbers[count] = runtime::ToInt32(runtime::Val(field));
        } catch (const runtime::RuntimeError&) {
            return {std::nullopt, "its number " + std::to_string(count + 1) + " is out of range"};
        }
        ++count;
        position = end;
    }
    return {LogoPlacement{numbers[1], numbers[2], numbers[3]}, {}};
}

} // namespace compose
