#include "family/print/tests/print_file_fixture.h"

#include "family/print/src/printfile/print_file_buffer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace pressel_test {

using pressel::PrintFileBuffer;

Descriptor::~Descriptor() {
    if (value_ >= 0) {
        ::close(value_);
    }
}

Descriptor OpenForReading(const std::filesystem::path& path) {
    return Descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

Stream& Stream::Text(std::string_view text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
}

Stream& Stream::Byte(int code, std::uint8_t operand) {
    bytes_.insert(bytes_.end(), {0, static_cast<std::uint8_t>(code), operand});
    return *this;
}

Stream& Stream::Word(int code, std::uint16_t operand) {
    bytes_.insert(bytes_.end(),
                  {0, static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(operand),
                   static_cast<std::uint8_t>(operand >> 8)});
    return *this;
}

Stream& Stream::Block(int code, std::vector<std::uint8_t> operand) {
    bytes_.insert(bytes_.end(), {0, static_cast<std::uint8_t>(code)});
    bytes_.insert(bytes_.end(), operand.begin(), operand.end());
    return *this;
}

Stream& Stream::EndOfLine() {
    bytes_.insert(bytes_.end(), {0, static_cast<std::uint8_t>(pressel::kEndOfLine)});
    return *this;
}

std::int32_t Stream::Offset() const {
    return static_cast<std::int32_t>(pressel::kPrintFileHeaderSize + bytes_.size());
}

void WritePrintFile(const std::filesystem::path& path, const pressel::PrintFileHeader& header,
                    const Stream& stream) {
    const Descriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    ASSERT_GE(file.Get(), 0) << path;
    PrintFileBuffer buffer(file.Get());
    buffer.Seek(pressel::kPrintFileHeaderSize, PrintFileBuffer::Origin::kStart);
    ASSERT_TRUE(buffer.PutBytes(stream.Bytes()));
    buffer.Seek(0, PrintFileBuffer::Origin::kStart);
    ASSERT_TRUE(buffer.PutBytes(pressel::EncodePrintFileHeader(header)));
    buffer.Seek(0, PrintFileBuffer::Origin::kEnd);
}

SoundFile MakeSoundFile() {
    using namespace pressel;
    SoundFile file;
    PrintFileHeader& header = file.header;
    Stream& stream = file.stream;
    header.fonts[0].faceName = "Arial";
    header.fonts[1].faceName = "Times New Roman";
    header.colours[1] = 0x0000FF;
    header.pageCount = 1;
    header.pictureCount = 1;
    header.pictures[0] = 7;

    const auto addLine = [&](int index) {
        header.lines[index].streamOffset = stream.Offset();
        header.lines[index].ascent = 200;
        header.lines[index].descent = 40;
    };
    addLine(0);
    stream.Byte(kBold, 1).Text("Title").Byte(kBold, 0).EndOfLine();
    addLine(1);
    stream.Byte(kFont, 1).Word(kFontHeight, static_cast<std::uint16_t>(-240)).Text("Body ");
    header.lines[1].justifyFrom = stream.Offset();
    header.lines[1].breakCount = 1;
    header.lines[1].breakExtra = 30;
    stream.Word(kMoveToX, 1440).Text("text").Byte(kTextColour, 1);
    stream.Block(kPicture, {0, 100, 0, 50, 0});
    stream.Block(kLine, std::vector<std::uint8_t>(kLineOperandSize, 1));
    stream.Block(kRectangle, std::vector<std::uint8_t>(kRectangleOperandSize, 2));
    stream.EndOfLine();
    addLine(kFirstHeaderFooterLine);
    stream.Byte(kItalic, 1).Text("Header").EndOfLine();
    addLine(kFirstHeaderFooterLine + 1);
    stream.Byte(kUnderline, 1).Text("Page 1").EndOfLine();

    header.pages[0] = PageRecord{
        kFirstHeaderFooterLine + 1, 15000, kFirstHeaderFooterLine, 720, 0, 1440, 1440, 12240};
    header.pages[1].firstHeaderLine = kFirstHeaderFooterLine + 2;
    header.pages[1].firstFooterLine = kFirstHeaderFooterLine + 2;
    header.pages[1].firstBodyLine = 2;
    return file;
}

SoundFile MakeNumberedPages(int pages) {
    using namespace pressel;
    constexpr int kInch = 1440;
    SoundFile file;
    PrintFileHeader& header = file.header;
    Stream& stream = file.stream;
    header.fonts[0].faceName = "Arial";
    header.pageCount = static_cast<std::int16_t>(pages);

    const auto addLine = [&](std::size_t index, std::string_view text) {
        LineRecord& line = header.lines[index];
        line.streamOffset = stream.Offset();
        line.ascent = 240;
        line.descent = 60;
        line.x = kInch;
        line.style.height = -240;
        stream.Text(text).EndOfLine();
    };
    for (int page = 0; page < pages; ++page) {
        const auto body = static_cast<std::size_t>(2 * page);
        const auto top = static_cast<std::size_t>(kFirstHeaderFooterLine + page);
        addLine(body, "Page " + std::to_string(page + 1));
        addLine(body + 1, std::string(static_cast<std::size_t>(page) + 1, '#'));
        addLine(top, "Numbered pages");
        PageRecord& record = header.pages[static_cast<std::size_t>(page)];
        record.firstHeaderLine = static_cast<std::int16_t>(top);
        record.firstFooterLine = static_cast<std::int16_t>(top + 1);
        record.headerTop = kInch / 2;
        record.firstBodyLine = static_cast<std::int16_t>(body);
        record.bodyTop = kInch;
    }
    PageRecord& end = header.pages[static_cast<std::size_t>(pages)];
    end.firstBodyLine = static_cast<std::int16_t>(2 * pages);
    end.firstHeaderLine = static_cast<std::int16_t>(kFirstHeaderFooterLine + pages);
    return file;
}

} // namespace pressel_test
