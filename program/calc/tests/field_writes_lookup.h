// Reading back what a calculation writes, for the tests.
#pragma once

#include "program/calc/field_writes.h"

#include <string>

namespace calc {

// The value written for `tag`, or "(not written)".
inline std::string Written(const FieldWrites& writes, const std::string& tag) {
    for (const FieldWrite& write : writes) {
        if (write.tag == tag) {
            return write.value;
        }
    }
    return "(not written)";
}

} // namespace calc
