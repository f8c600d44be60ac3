// DoLogic: conditional blocks.
//
// One pass copies the document through two modes. Keep mode copies bytes; at an if-marker it
// reads the condition name and enters keep mode (the name is a key) or drop mode (it is not) for
// the branch; at an else-marker it drops the rest of its block; at an end-if marker its block
// ends. Drop mode keeps only the structure of the rich text (structure_keeper.h) and counts the
// blocks nested inside it; at its own else-marker the rest of its block is kept, at its own
// end-if marker the block ends.
//
// Blocks nest to any depth, so the modes live on an explicit stack rather than the call stack.
// A mode that ends its block on a marker and hands the rest of the block to the other mode is
// replaced by it. Outside every block, a stray end-if marker is dropped and a stray else-marker
// drops what follows up to its own end-if marker; copying then goes on.
#include "output/template/structure_keeper.h"
#include "output/template/template_document.h"
#include "output/template/template_scan.h"

#include <memory>

namespace output {

namespace {

struct Mode {
    bool keep;
    std::unique_ptr<StructureKeeper> keeper; // drop mode only
    int nesting = 0;                         // drop mode: blocks opened inside the stretch
};

Mode KeepMode() {
    return Mode{true, nullptr};
}

Mode DropMode(std::string& output) {
    return Mode{false, std::make_unique<StructureKeeper>(output)};
}

} // namespace

TemplateError TemplateDocument::DoLogic() {
    if (!document_) {
        return TemplateError::NoData;
    }
    const std::string_view document = *document_;
    const std::string& ifMarker = MarkerText(Marker::LogicIf);
    const std::string& elseMarker = MarkerText(Marker::LogicElse);
    const std::string& endMarker = MarkerText(Marker::LogicEnd);

    std::string output;
    output.reserve(document.size());
    std::vector<Mode> modes;
    modes.push_back(KeepMode());
    std::size_t position = 0;
    while (position < document.size()) {
        Mode& mode = modes.back();
        const bool outermost = modes.size() == 1;
        if (mode.keep) {
            if (MarkerAt(document, position, ifMarker)) {
                position += ifMarker.size();
                const std::string_view name = ReadName(document, position);
                const bool given = !name.empty() && tokens_.find(name) != tokens_.end();
                modes.push_back(given ? KeepMode() : DropMode(output));
            } else if (MarkerAt(document, position, elseMarker)) {
                position += elseMarker.size();
                if (outermost) {
                    modes.push_back(DropMode(output));
                } else {
                    mode = DropMode(output);
                }
            } else if (MarkerAt(document, position, endMarker)) {
                position += endMarker.size();
                if (!outermost) {
                    modes.pop_back();
                }
            } else {
                output += document[position++];
            }
            continue;
        }

        const char byte = document[position];
        if (mode.keeper->InWord() && mode.keeper->ContinueWord(byte)) {
            ++position;
        } else if (byte == '\\') {
            mode.keeper->Structure(byte);
            ++position;
        } else if (MarkerAt(document, position, ifMarker)) {
            position += ifMarker.size();
            ++mode.nesting;
        } else if (MarkerAt(document, position, elseMarker)) {
            position += elseMarker.size();
            if (mode.nesting == 0) {
                mode = KeepMode();
            }
        } else if (MarkerAt(document, position, endMarker)) {
            position += endMarker.size();
            if (mode.nesting == 0) {
                modes.pop_back();
            } else {
                --mode.nesting;
            }
        } else {
            mode.keeper->Structure(byte);
            ++position;
        }
    }
    // Only the innermost mode can be inside a control word when the document ends.
    if (!modes.back().keep) {
        modes.back().keeper->Finish();
    }
    document_ = std::move(output);
    return TemplateError::OK;
}

} // namespace output
