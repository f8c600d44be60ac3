// What survives of a stretch of rich text that is being dropped: its control words (but
// "\page"), and the braces that open or close a group reaching outside the stretch. Its text,
// its control symbols ("\{", "\'") and every group lying wholly inside it are lost, so that the
// group nesting and the formatting state after the stretch stay as they were.
//
// The keeper writes into the output of the pass that drops; the caller hands it the stretch byte
// by byte and tests its own markers only where no control word is open.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace output {

class StructureKeeper {
public:
    explicit StructureKeeper(std::string& output) : output_(output) {}

    // True while a control word is being read.
    bool InWord() const { return inWord_; }

    // Offers a byte to the open control word. True when the word took it; false when the byte
    // ended the word, which has been written, and the byte is still to be handled.
    bool ContinueWord(char byte);

    // Handles a byte outside a control word: "\" opens one, "{" is written and remembered, "}"
    // cuts the output back to its own "{" or, closing a group opened before the stretch, is
    // written; anything else is dropped. True when a "}" of an outer group was written.
    bool Structure(char byte);

    // Both of the above for one byte. True when a "}" of an outer group was written.
    bool Feed(char byte);

    // Writes a control word still open at the end of the stretch.
    void Finish();

private:
    void EndWord();

    std::string& output_;
    std::vector<std::size_t> groups_; // output positions of the "{" opened in the stretch
    bool inWord_ = false;
    std::string word_;      // "\" and the letters
    std::string parameter_; // "-" and digits
    bool delimited_ = false;
};

} // namespace output
