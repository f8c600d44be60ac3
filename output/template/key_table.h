// The keys of a substitution as one table: for every byte of a document, the longest key that
// begins there. The table is an automaton of the keys written backwards (with the links from
// each state to the longest key that ends it), which reads the document once from its end: each
// byte costs a bounded number of steps whatever the number of keys and however much of their
// bytes they share, so the answer for a whole document takes time linear in its length.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace output {

class KeyTable {
public:
    using Token = std::pair<const std::string, std::string>;

    // The table of the tokens' keys; empty keys are left out. The tokens must outlive the
    // table.
    explicit KeyTable(const std::map<std::string, std::string, std::less<>>& tokens);

    // For each byte of `document`, the token whose key is the longest that begins there, or
    // null where none does.
    std::vector<const Token*> LongestKeysAt(std::string_view document) const;

private:
    struct Edge {
        unsigned char byte;
        std::uint32_t to;
    };
    struct State {
        std::vector<Edge> edges; // sorted by byte
        // A state stands for a run of a document's bytes that ends some key. Its failure link
        // leads to the state of the longest shorter run, cut at its front, that is a state.
        std::uint32_t fail = 0;
        // The token of the longest key that the state's run begins with, or null.
        const Token* longestKey = nullptr;
    };

    // The state that `byte` leads to from `from`, or kNone.
    std::uint32_t Next(std::uint32_t from, unsigned char byte) const;
    // The state that reading `byte` in `from` reaches, failure links followed.
    std::uint32_t Step(std::uint32_t from, unsigned char byte) const;

    static constexpr std::uint32_t kRoot = 0;
    static constexpr std::uint32_t kNone = UINT32_MAX;
    std::vector<State> states_;
};

} // namespace output
