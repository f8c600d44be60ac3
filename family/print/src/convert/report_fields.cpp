#include "family/print/src/convert/report_fields.h"

#include <cstring>

namespace pressel {
namespace {

constexpr std::size_t kMaxFieldText = 99;
constexpr std::size_t kLookupPunctuationLimit = 10;
constexpr std::size_t kSubstitutePunctuationLimit = 100;

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The length of the word's name: the word without its trailing run of punctuation, whose
// first character always stays.
std::size_t NameLength(std::string_view word) {
    std::size_t length = word.size();
    while (length > 1 && !IsLetterOrDigit(word[length - 1])) {
        --length;
    }
    return length;
}

struct Search {
    int index = -1;
    bool metNamelessEntry = false;
};

Search BinarySearch(std::span<const PrintField> fields, std::string_view name) {
    Search search;
    const std::string key(name);
    int low = 0;
    int high = static_cast<int>(fields.size()) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const char* entry = fields[middle].name;
        int order = 1;
        if (entry == nullptr) {
            search.metNamelessEntry = true;
        } else {
            order = std::strcmp(key.c_str(), entry);
        }
        if (order == 0) {
            search.index = middle;
            return search;
        }
        if (order < 0) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return search;
}

} // namespace

int FindField(std::span<const PrintField> fields, std::string_view word) {
    const std::size_t length = NameLength(word);
    if (word.size() - length >= kLookupPunctuationLimit) {
        return -1;
    }
    return BinarySearch(fields, word.substr(0, length)).index;
}

FieldSubstitution SubstituteField(std::span<const PrintField> fields, std::string& word) {
    FieldSubstitution result;
    const std::size_t length = NameLength(word);
    if (word.size() - length >= kSubstitutePunctuationLimit) {
        return result;
    }
    const Search search = BinarySearch(fields, std::string_view{word}.substr(0, length));
    result.metNamelessEntry = search.metNamelessEntry;
    if (search.index < 0) {
        return result;
    }
    const char* value = fields[search.index].value;
    if (value == nullptr) {
        result.name = word.substr(0, length);
        word = "???";
        result.outcome = FieldOutcome::kMissingValue;
        return result;
    }
    word = (value + word.substr(length)).substr(0, kMaxFieldText);
    result.outcome = FieldOutcome::kReplaced;
    return result;
}

} // namespace pressel
