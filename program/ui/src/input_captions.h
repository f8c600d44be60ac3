// The caption labels of the main window's inputs, by field index; a trailing " *" marks a
// required field.
#pragma once

#include <span>
#include <string_view>

namespace ui {

struct InputCaption {
    int index;
    std::string_view caption;
};

// Every input that has a caption label, in index order.
std::span<const InputCaption> InputCaptions();

} // namespace ui
