#include "output/template/key_table.h"

#include <algorithm>
#include <deque>

namespace output {

KeyTable::KeyTable(const std::map<std::string, std::string, std::less<>>& tokens) {
    states_.emplace_back();
    // The trie of the keys written backwards.
    for (const Token& token : tokens) {
        if (token.first.empty()) {
            continue;
        }
        std::uint32_t state = kRoot;
        for (auto byte = token.first.rbegin(); byte != token.first.rend(); ++byte) {
            const auto value = static_cast<unsigned char>(*byte);
            std::uint32_t next = Next(state, value);
            if (next == kNone) {
                next = static_cast<std::uint32_t>(states_.size());
                std::vector<Edge>& edges = states_[state].edges;
                const auto at = std::lower_bound(
                    edges.begin(), edges.end(), value,
                    [](const Edge& edge, unsigned char wanted) { return edge.byte < wanted; });
                edges.insert(at, Edge{value, next});
                states_.emplace_back();
            }
            state = next;
        }
        states_[state].longestKey = &token;
    }
    // Failure links breadth first, so that the state a link leads to, which is shorter, has its
    // own link and longest key already.
    std::deque<std::uint32_t> queue{kRoot};
    while (!queue.empty()) {
        const std::uint32_t from = queue.front();
        queue.pop_front();
        for (const Edge& edge : states_[from].edges) {
            State& reached = states_[edge.to];
            reached.fail = from == kRoot ? kRoot : Step(states_[from].fail, edge.byte);
            if (reached.longestKey == nullptr) {
                reached.longestKey = states_[reached.fail].longestKey;
            }
            queue.push_back(edge.to);
        }
    }
}

std::uint32_t KeyTable::Next(std::uint32_t from, unsigned char byte) const {
    const std::vector<Edge>& edges = states_[from].edges;
    const auto at =
        std::lower_bound(edges.begin(), edges.end(), byte,
                         [](const Edge& edge, unsigned char wanted) { return edge.byte < wanted; });
    return at != edges.end() && at->byte == byte ? at->to : kNone;
}

std::uint32_t KeyTable::Step(std::uint32_t from, unsigned char byte) const {
    for (;;) {
        const std::uint32_t next = Next(from, byte);
        if (next != kNone) {
            return next;
        }
        if (from == kRoot) {
            return kRoot;
        }
        from = states_[from].fail;
    }
}

std::vector<const KeyTable::Token*> KeyTable::LongestKeysAt(std::string_view document) const {
    // Read from the end, the state after a byte stands for the longest run of bytes from there
    // on that ends some key, and its longest key is the longest key that begins there.
    std::vector<const Token*> longest(document.size(), nullptr);
    std::uint32_t state = kRoot;
    for (std::size_t position = document.size(); position-- > 0;) {
        state = Step(state, static_cast<unsigned char>(document[position]));
        longest[position] = states_[state].longestKey;
    }
    return longest;
}

} // namespace output
