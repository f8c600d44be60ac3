// Representative records for the tests.
#pragma once

#include "family/comdlg/caddow.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace caddow_test {

// Fills a text field of the record.
template <std::size_t N>
void Set(char (&field)[N], const std::string& text) {
    std::fill(std::begin(field), std::end(field), '\0');
    text.copy(field, N - 1);
}

// A complete record in Colorado (state 5) with every field given.
AgentInfo CompleteAgent();

bool SameRecord(const AgentInfo& a, const AgentInfo& b);

} // namespace caddow_test
