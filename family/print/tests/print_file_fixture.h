// Print files for the tests: a token stream built byte by byte and written behind a header the
// way the converter writes it, through the buffered writer.
#pragma once

#include "family/print/src/printfile/print_file_layout.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

namespace pressel_test {

// An open file descriptor, closed at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(int value) : value_(value) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return value_; }
    // Hands the descriptor over; this object no longer closes it.
    int Release() { return std::exchange(value_, -1); }

private:
    int value_;
};

Descriptor OpenForReading(const std::filesystem::path& path);

// A token stream; offsets count from the start of the file, after the header.
class Stream {
public:
    Stream& Text(std::string_view text);
    Stream& Byte(int code, std::uint8_t operand);
    Stream& Word(int code, std::uint16_t operand);
    Stream& Block(int code, std::vector<std::uint8_t> operand);
    Stream& EndOfLine();
    std::int32_t Offset() const;
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Writes the stream after the header block, then the header, as the converter does.
void WritePrintFile(const std::filesystem::path& path, const pressel::PrintFileHeader& header,
                    const Stream& stream);

// A sound one-page file: a header line, two body lines (the second with a picture, a line and
// a rectangle) and a footer line.
struct SoundFile {
    pressel::PrintFileHeader header;
    Stream stream;
};
SoundFile MakeSoundFile();

// A sound file of `pages` pages (at most kMaxPages), each with the header line "Numbered pages"
// and, an inch from the left and the top, the body lines "Page <n>" and a bar of n "#" signs.
SoundFile MakeNumberedPages(int pages);

} // namespace pressel_test
