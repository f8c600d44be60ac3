#include "family/comdlg/src/client_names.h"

#include "family/comdlg/src/fixed_text.h"

#include <cstring>
#include <iterator>

namespace caddow {

namespace {

bool HasInitial(const ClientRecord& record) {
    return record.middleInitial != '\0' && record.middleInitial != ' ';
}

} // namespace

std::string SuffixText(std::int16_t suffix) {
    if (suffix <= 0 || suffix >= static_cast<int>(std::size(_Rank))) {
        return "";
    }
    return _Rank[suffix];
}

std::string PickerLine(const ClientRecord& record) {
    std::string line = TextOf(record.lastName) + ", " + TextOf(record.firstName);
    if (HasInitial(record)) {
        line += std::string(" ") + record.middleInitial + ".";
    }
    const std::string suffix = SuffixText(record.suffix);
    if (!suffix.empty()) {
        line += " " + suffix;
    }
    const std::string text = TextOf(record.text);
    if (!text.empty()) {
        line += " (" + text + ")";
    }
    return line;
}

std::string FullName(const ClientRecord& record) {
    std::string name = TextOf(record.firstName) + " ";
    if (HasInitial(record)) {
        name += std::string(1, record.middleInitial) + ". ";
    }
    name += TextOf(record.lastName);
    const std::string suffix = SuffixText(record.suffix);
    if (!suffix.empty()) {
        name += " " + suffix;
    }
    return name;
}

} // namespace caddow

void _ComMakeFullName(char* out, const ClientRecord* record) {
    if (out == nullptr || record == nullptr) {
        return;
    }
    const std::string name = caddow::FullName(*record);
    std::memcpy(out, name.c_str(), name.size() + 1);
}
