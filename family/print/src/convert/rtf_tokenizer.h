// Cutting a rich-text template into tokens: words of text, group braces and control words with
// their numeric parameter. The template is read through the same buffered reader as the print
// file, so that the converter's frequent questions for the position cost no system call, with
// one character of push-back on top.
#pragma once

#include "family/print/src/printfile/print_file_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pressel {

struct RtfToken {
    int code = 0;               // an RtfCode
    std::string text;           // the word of text, or the control word's name
    std::int32_t parameter = 0; // 1 when a control word has none; 0 for text and groups
};

class RtfTokenizer {
public:
    // Reads the open template `descriptor`, which the caller owns.
    explicit RtfTokenizer(int descriptor) : file_(descriptor) {}

    // The next token; its text holds at most bufferLength - 1 characters, as the template's
    // words were cut into a buffer of that length.
    RtfToken Next(std::size_t bufferLength);

    // The next raw character, after a pushed-back one; false at end of input.
    bool ReadChar(char& character);
    // Skips `count` raw bytes.
    void SkipBytes(std::int64_t count);
    // The offset of the next character handed out.
    std::int64_t Tell() const { return file_.Tell() - (pushedBack_ != 0 ? 1 : 0); }
    // The template's size in bytes; the position stays where it is.
    std::int64_t Size();
    // Moves to an absolute offset, dropping the pushed-back character.
    void SeekTo(std::int64_t offset);

private:
    void PushBack(char character) { pushedBack_ = character; }
    RtfToken ControlWord(std::size_t bufferLength);
    RtfToken Text(char first, std::size_t bufferLength);
    void ReadParameter(RtfToken& token);

    PrintFileBuffer file_;
    char pushedBack_ = 0;
};

} // namespace pressel
