#include "program/ui/support/field_suggestions.h"

#include <utility>

namespace ui {

void FieldSuggestions::Suggest(int index, std::string typed) {
    typed_[index] = std::move(typed);
}

void FieldSuggestions::Forget(int index) {
    typed_.erase(index);
}

const std::string& FieldSuggestions::Input(int index, const std::string& shown) const {
    const auto found = typed_.find(index);
    return found == typed_.end() ? shown : found->second;
}

std::map<int, std::string> FieldSuggestions::TakeAll() {
    return std::exchange(typed_, {});
}

void FieldSuggestions::FieldChanged(int index) {
    if (reshaping_ == 0) {
        Forget(index);
    }
}

} // namespace ui
