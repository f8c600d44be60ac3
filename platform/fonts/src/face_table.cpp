#include "platform/fonts/face_table.h"

#include <algorithm>
#include <cctype>

namespace fonts {

namespace {

struct Substitution {
    const char* name;
    Generic generic;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", Generic::Sans},
    {"Helvetica", Generic::Sans},
    {"MS Sans Serif", Generic::Sans},
    {"Microsoft Sans Serif", Generic::Sans},
    {"MS Shell Dlg", Generic::Sans},
    {"System", Generic::Sans},
    {"Times New Roman", Generic::Serif},
    {"Times", Generic::Serif},
    {"MS Serif", Generic::Serif},
    {"Courier New", Generic::Mono},
    {"Courier", Generic::Mono},
};

// By Generic: the Liberation family that stands for it, and fontconfig's generic name.
struct GenericFamilies {
    const char* liberation;
    const char* fallback;
};
constexpr GenericFamilies kGenericFamilies[] = {
    {"Liberation Sans", "sans-serif"},
    {"Liberation Serif", "serif"},
    {"Liberation Mono", "monospace"},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<Generic> GenericOfFaceName(std::string_view name) {
    for (const Substitution& substitution : kSubstitutions) {
        if (SameIgnoringCase(substitution.name, name)) {
            return substitution.generic;
        }
    }
    return std::nullopt;
}

const char* LiberationFamily(Generic generic) {
    return kGenericFamilies[static_cast<int>(generic)].liberation;
}

const char* GenericFamilyName(Generic generic) {
    return kGenericFamilies[static_cast<int>(generic)].fallback;
}

} // namespace fonts
