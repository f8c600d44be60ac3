#include "output/list.h"

namespace output {

namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

void SplitList(std::string_view text, std::vector<std::string>& list, char delimiter) {
    list.clear();
    text = Trimmed(text);
    if (text.empty()) {
        return;
    }
    for (;;) {
        const std::size_t cut = text.find(delimiter);
        list.emplace_back(Trimmed(text.substr(0, cut)));
        if (cut == std::string_view::npos) {
            return;
        }
        text.remove_prefix(cut + 1);
    }
}

std::string JoinList(const std::vector<std::string>& list, char delimiter) {
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            joined += delimiter;
        }
        joined += Trimmed(list[i]);
    }
    return joined;
}

} // namespace output
