// The text lists some members take: one text cut at a delimiter character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace output {

// Empties `list`; then, unless `text` is blank, cuts the trimmed `text` at every `delimiter` and
// appends each trimmed piece, empty pieces included ("a;;b" gives "a", "" and "b").
void SplitList(std::string_view text, std::vector<std::string>& list, char delimiter);

// The trimmed elements of `list` joined by `delimiter`; an empty list gives the empty text.
std::string JoinList(const std::vector<std::string>& list, char delimiter);

} // namespace output
