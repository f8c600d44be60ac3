// The caller's field table and the replacement of field words by their values. A field word is
// a name that begins with "$", possibly followed by punctuation ("$Client." or "$Age),"): the
// trailing run of characters that are neither letters nor digits is set aside for the lookup
// and kept after the value.
#pragma once

#include "family/print/pressel.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pressel {

// The entry whose name is the word without its trailing punctuation, or -1. A trailing run of
// ten characters or more finds nothing. An entry without a name counts as sorting before every
// word.
int FindField(std::span<const PrintField> fields, std::string_view word);

enum class FieldOutcome {
    kUnchanged,    // no field of that name (or too much punctuation): the word stays
    kReplaced,     // the word is now the value and its punctuation, at most 99 characters
    kMissingValue, // the field has no value: the word is now "???"
};

struct FieldSubstitution {
    FieldOutcome outcome = FieldOutcome::kUnchanged;
    // The search met an entry without a name, which the caller reports.
    bool metNamelessEntry = false;
    // For a field without value: its name, the word without its punctuation, which the caller
    // names in its message.
    std::string name;
};

// Replaces a field word in place by its value.
FieldSubstitution SubstituteField(std::span<const PrintField> fields, std::string& word);

} // namespace pressel
