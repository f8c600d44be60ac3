#include "family/print/src/printfile/print_file_validator.h"

#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_layout.h"
#include "family/print/src/printfile/print_token_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace pressel {
namespace {

constexpr std::size_t kTextBufferSize = 100;

class Validator {
public:
    Validator(int descriptor, std::int64_t fileSize) : file_(descriptor), fileSize_(fileSize) {}

    std::vector<std::string> Run() {
        std::vector<std::uint8_t> block(kPrintFileHeaderSize);
        const std::int64_t got = ReadHeaderBlock(block);
        if (got < static_cast<std::int64_t>(kPrintFileHeaderSize)) {
            Fault("the file is shorter than its header");
            return faults_;
        }
        if (std::memcmp(block.data(), "HuxF", 4) != 0) {
            Fault("the header does not start with HuxF");
        }
        header_ = DecodePrintFileHeader(block);
        if (header_.pageCount < 0 || header_.pageCount > kMaxPages) {
            Fault("page count " + std::to_string(header_.pageCount) + " is outside 0..25");
            return faults_;
        }
        if (header_.pictureCount < 0 || header_.pictureCount > kMaxPictures) {
            Fault("picture count " + std::to_string(header_.pictureCount) + " is outside 0..50");
        }
        if (header_.defaultFont < 0 || header_.defaultFont >= kMaxFonts) {
            Fault("the default font is outside the font table");
        }
        CheckPageRecord(header_.pageCount);
        for (int page = 0; page < header_.pageCount; ++page) {
            CheckPage(page);
        }
        return faults_;
    }

private:
    std::int64_t ReadHeaderBlock(std::vector<std::uint8_t>& block) {
        std::size_t count = 0;
        std::uint8_t byte = 0;
        while (count < block.size() && file_.GetByte(byte)) {
            block[count++] = byte;
        }
        return static_cast<std::int64_t>(count);
    }

    void Fault(const std::string& text) { faults_.push_back(text); }

    bool CheckPageRecord(int index) {
        const PageRecord& record = header_.pages[index];
        const std::string name = "page record " + std::to_string(index);
        bool sound = true;
        if (record.firstBodyLine < 0 || record.firstBodyLine > kFirstHeaderFooterLine) {
            Fault(name + " starts its body outside the body lines");
            sound = false;
        }
        for (const std::int16_t line : {record.firstHeaderLine, record.firstFooterLine}) {
            if (line < kFirstHeaderFooterLine || line > kLineRecords) {
                Fault(name + " starts its header or footer outside their lines");
                sound = false;
            }
        }
        return sound;
    }

    void CheckPage(int page) {
        if (!CheckPageRecord(page)) {
            return;
        }
        const PageRecord& record = header_.pages[page];
        const PageRecord& next = header_.pages[page + 1];
        const std::string name = "page " + std::to_string(page + 1);
        if (record.firstHeaderLine > record.firstFooterLine ||
            record.firstFooterLine > next.firstHeaderLine) {
            Fault(name + " has its header and footer lines out of order");
        } else {
            CheckLines(name, record.firstHeaderLine, next.firstHeaderLine);
        }
        if (record.firstBodyLine > next.firstBodyLine) {
            Fault(name + " has its body lines out of order");
        } else {
            CheckLines(name, record.firstBodyLine, next.firstBodyLine);
        }
    }

    void CheckLines(const std::string& page, int first, int end) {
        for (int index = first; index < end && index < kLineRecords; ++index) {
            CheckLine(page + ", line record " + std::to_string(index), header_.lines[index]);
        }
    }

    void CheckStyle(const std::string& where, const RunStyle& style) {
        if (style.font >= kMaxFonts) {
            Fault(where + " names font " + std::to_string(style.font));
        }
        if (style.textColour >= kMaxColours || style.backgroundColour >= kMaxColours) {
            Fault(where + " names a colour outside the colour table");
        }
    }

    void CheckLine(const std::string& name, const LineRecord& line) {
        CheckStyle(name, line.style);
        if (line.breakCount < 0) {
            Fault(name + " has a negative break count");
        }
        if (line.streamOffset < static_cast<std::int64_t>(kPrintFileHeaderSize) ||
            line.streamOffset >= fileSize_) {
            Fault(name + " points outside the token stream");
            return;
        }
        file_.Seek(line.streamOffset, PrintFileBuffer::Origin::kStart);
        std::array<char, kRectangleOperandSize + kTextBufferSize> text{};
        std::int32_t operand = 0;
        // A writer justifies a line from its last move to x, which is a tab: a move that is not
        // there is a stream that lost its step (a 0 byte inside a text run starts a token).
        std::int64_t lastMove = 0;
        for (;;) {
            const std::int64_t offset = file_.NextTokenOffset();
            const int code = ReadPrintToken(file_, text, operand);
            if (code == kEndOfLine) {
                break;
            }
            if (code == kEndOfData) {
                Fault(name + " runs to the end of the file without an end of line");
                return;
            }
            if (code == kMoveToX) {
                lastMove = offset;
            }
            CheckToken(name, code, operand, text);
        }
        if (line.justifyFrom != lastMove) {
            Fault(name + " justifies from an offset that is not its last move to x");
        }
    }

    void CheckToken(const std::string& name, int code, std::int32_t operand,
                    std::span<const char> text) {
        switch (code) {
        case kBold:
        case kItalic:
        case kUnderline:
            if (operand != 0 && operand != 1) {
                Fault(name + " switches a style to " + std::to_string(operand));
            }
            break;
        case kTextRun:
        case kFontHeight:
        case kMoveToX:
        case kLine:
        case kRectangle:
            break;
        case kFont:
            if (operand >= kMaxFonts) {
                Fault(name + " switches to font " + std::to_string(operand));
            }
            break;
        case kTextColour:
        case kBackgroundColour:
            if (operand >= kMaxColours) {
                Fault(name + " switches to colour " + std::to_string(operand));
            }
            break;
        case kPicture: {
            const int picture = static_cast<std::int8_t>(text[0]);
            if (picture < 0 || picture >= header_.pictureCount) {
                Fault(name + " draws picture " + std::to_string(picture));
            }
            break;
        }
        default:
            Fault(name + " holds code " + std::to_string(code) + ", which no writer writes");
            break;
        }
    }

    PrintFileBuffer file_;
    std::int64_t fileSize_;
    PrintFileHeader header_;
    std::vector<std::string> faults_;
};

} // namespace

std::vector<std::string> ValidatePrintFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return {"the file cannot be opened"};
    }
    const off_t size = ::lseek(descriptor, 0, SEEK_END);
    ::lseek(descriptor, 0, SEEK_SET);
    std::vector<std::string> faults = Validator(descriptor, size).Run();
    ::close(descriptor);
    return faults;
}

} // namespace pressel
