#include "output/template/structure_keeper.h"

namespace output {

namespace {

bool IsLetter(char byte) {
    return byte >= 'a' && byte <= 'z';
}

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

} // namespace

bool StructureKeeper::ContinueWord(char byte) {
    if (word_.size() == 1) {
        // Right after the backslash: a letter begins a control word; anything else is a control
        // symbol, which vanishes with its backslash.
        if (IsLetter(byte)) {
            word_ += byte;
        } else {
            inWord_ = false;
            word_.clear();
        }
        return true;
    }
    if (!delimited_) {
        if (IsLetter(byte) && parameter_.empty()) {
            word_ += byte;
            return true;
        }
        if (IsDigit(byte) || (byte == '-' && parameter_.empty())) {
            parameter_ += byte;
            return true;
        }
        if (byte == ' ') {
            delimited_ = true;
            return true;
        }
    }
    EndWord();
    return false;
}

bool StructureKeeper::Structure(char byte) {
    switch (byte) {
    case '\\':
        inWord_ = true;
        word_.assign(1, '\\');
        return false;
    case '{':
        groups_.push_back(output_.size());
        output_ += '{';
        return false;
    case '}':
        if (!groups_.empty()) {
            output_.resize(groups_.back());
            groups_.pop_back();
            return false;
        }
        output_ += '}';
        return true;
    default:
        return false;
    }
}

bool StructureKeeper::Feed(char byte) {
    if (inWord_ && ContinueWord(byte)) {
        return false;
    }
    return Structure(byte);
}

void StructureKeeper::Finish() {
    if (inWord_) {
        EndWord();
    }
}

void StructureKeeper::EndWord() {
    if (word_.size() > 1 && !(word_ == "\\page" && parameter_.empty())) {
        output_ += word_;
        output_ += parameter_;
        if (delimited_) {
            output_ += ' ';
        }
    }
    inWord_ = false;
    word_.clear();
    parameter_.clear();
    delimited_ = false;
}

} // namespace output
