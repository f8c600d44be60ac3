// The illustration the main window holds, as the store's operations see it: its type, its
// fields and whether they match what is stored. The window passes its own state here; the
// operations read it and change it in place.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/illustration/illustration_type.h"

#include <cstdint>

namespace store {

struct CurrentIllustration {
    illustration::IllustrationType& type;
    illustration::IllustrationFields& fields;
    // True while the fields match what is stored (or nothing is worth storing yet).
    bool& saved;
};

// The element of the field array that holds the illustration's record number, "3-DatabaseIndex".
inline constexpr int kDatabaseIndexField = 18;

// The record number the fields hold: the numeric value of "3-DatabaseIndex", rounded to a whole
// number. A number below 1 marks an illustration that has no record yet.
std::int64_t RecordNumber(const illustration::IllustrationFields& fields);

// Makes the current illustration one that has no record: its number becomes 0, so that its
// next save appends it, and it is no longer saved, so that it is offered for saving.
void MakeIllustrationNew(CurrentIllustration& current);

} // namespace store
