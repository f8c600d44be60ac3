// Cutting the print file's token stream into tokens. A byte other than 0 starts a text run up to
// the next 0 byte; a 0 byte starts a control token, a code byte whose value fixes the size of
// the operand that follows, so that even codes with no meaning keep the stream in step.
#pragma once

#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_layout.h"

#include <cstdint>
#include <span>

namespace pressel {

// The next token: kTextRun with the run NUL-terminated in `text` (a run longer than
// text.size() - 1 arrives in pieces), kEndOfData at the end, otherwise the control code. Codes
// 32..111 and 115..127 leave their operand in `operand` (0 for the others); the picture, line
// and rectangle codes leave their operand bytes at the start of `text`, which must hold
// kRectangleOperandSize bytes. End of data inside an operand answers the code with what was
// read.
int ReadPrintToken(PrintFileBuffer& file, std::span<char> text, std::int32_t& operand);

// Reads on, applying every style code to `style`, up to the next token a renderer draws or
// acts on: a text run, end of data or of line, code 4, move-to-x, picture, line or rectangle.
int NextDrawToken(PrintFileBuffer& file, std::span<char> text, RunStyle& style,
                  std::int32_t& operand);

} // namespace pressel
