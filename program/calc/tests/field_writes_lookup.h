// Reading back what a calculation writes, for the tests.
#pragma once

#include "program/illustration/field_writes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace calc {

// The value written for `tag`, or "(not written)".
inline std::string Written(const illustration::FieldWrites& writes, const std::string& tag) {
    for (const illustration::FieldWrite& write : writes) {
        if (write.tag == tag) {
            return write.value;
        }
    }
    return "(not written)";
}

using ExpectedFields = std::map<std::string, std::string>;

// Each tag's written value, checked to the character.
inline void ExpectWritten(const illustration::FieldWrites& writes, const ExpectedFields& expected) {
    for (const auto& [tag, value] : expected) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(Written(writes, tag), value);
    }
}

} // namespace calc
