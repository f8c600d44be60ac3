#include "platform/runtime/input_fields.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/src/characters.h"

namespace runtime {
namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

std::vector<std::int32_t> InputIntegers(std::string_view text, std::size_t count) {
    std::vector<std::int32_t> numbers;
    std::size_t pos = 0;
    while (numbers.size() < count) {
        while (pos < text.size() && (IsBlankOrTab(text[pos]) || IsLineBreak(text[pos]))) {
            ++pos;
        }
        if (pos >= text.size()) {
            throw RuntimeError(ErrorNumber::InputPastEndOfFile);
        }
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != ',' && !IsBlankOrTab(text[pos]) &&
               !IsLineBreak(text[pos])) {
            ++pos;
        }
        numbers.push_back(ToInt32(Val(text.substr(start, pos - start))));

        while (pos < text.size() && IsBlankOrTab(text[pos])) {
            ++pos;
        }
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
        } else if (pos < text.size() && text[pos] == '\r') {
            pos += (pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        } else if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return numbers;
}

} // namespace runtime
