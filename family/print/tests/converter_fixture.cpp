#include "family/print/tests/converter_fixture.h"

#include "family/print/src/convert/report_converter.h"
#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_validator.h"
#include "family/print/src/printfile/print_token_reader.h"
#include "family/print/tests/print_file_fixture.h"

#include "platform/printing/printers.h"
#include "platform/testing/file_contents.h"
#include "platform/win32/font_provider.h"
#include "platform/win32/window_host.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace pressel_test {
namespace {

std::int32_t Int32At(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[i]);
    }
    return static_cast<std::int32_t>(value);
}

std::int16_t Int16At(const char* bytes) {
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[0]) |
                                     static_cast<std::uint8_t>(bytes[1]) << 8);
}

std::string TokenText(int code, std::int32_t operand, const char* text) {
    switch (code) {
    case pressel::kTextRun:
        return text;
    case pressel::kMoveToX:
        return "<x:" + std::to_string(operand) + ">";
    case pressel::kBold:
        return "<b:" + std::to_string(operand) + ">";
    case pressel::kItalic:
        return "<i:" + std::to_string(operand) + ">";
    case pressel::kUnderline:
        return "<u:" + std::to_string(operand) + ">";
    case pressel::kFont:
        return "<f:" + std::to_string(operand) + ">";
    case pressel::kTextColour:
        return "<cf:" + std::to_string(operand) + ">";
    case pressel::kBackgroundColour:
        return "<cb:" + std::to_string(operand) + ">";
    case pressel::kFontHeight:
        return "<h:" + std::to_string(static_cast<std::int16_t>(operand)) + ">";
    case pressel::kPicture:
        return "<pic:" + std::to_string(static_cast<std::uint8_t>(text[0])) + " " +
               std::to_string(Int16At(text + 1)) + "x" + std::to_string(Int16At(text + 3)) + ">";
    case pressel::kLine:
        return "<line:" + std::to_string(Int32At(text)) + "," + std::to_string(Int32At(text + 4)) +
               "-" + std::to_string(Int32At(text + 8)) + "," + std::to_string(Int32At(text + 12)) +
               " w" + std::to_string(Int16At(text + 16)) + " c" +
               std::to_string(Int32At(text + 18)) + ">";
    case pressel::kRectangle:
        return "<rect:" + std::to_string(Int32At(text)) + "," + std::to_string(Int32At(text + 4)) +
               "-" + std::to_string(Int32At(text + 8)) + "," + std::to_string(Int32At(text + 12)) +
               " w" + std::to_string(Int16At(text + 16)) + " o" + std::to_string(text[18]) + " p" +
               std::to_string(text[19]) + " c" + std::to_string(Int32At(text + 20)) + "/" +
               std::to_string(Int32At(text + 24)) + "/" + std::to_string(Int32At(text + 28)) + ">";
    default:
        return "<" + std::to_string(code) + ">";
    }
}

std::vector<std::string> Lines(const Conversion& conversion, int first, int end) {
    std::vector<std::string> lines;
    for (int index = first; index < end; ++index) {
        lines.push_back(conversion.Line(index));
    }
    return lines;
}

} // namespace

AnsweredMessageBoxes::AnsweredMessageBoxes() {
    win32::SetMessageWait([this](int) {
        const HWND box = win32::VisibleTopLevelWindows().back();
        std::array<char, 128> caption{};
        std::array<char, 128> text{};
        GetWindowTextA(box, caption.data(), caption.size());
        GetDlgItemTextA(box, 202, text.data(), text.size()); // the box's message
        shown_.push_back(std::string(caption.data()) + ":" + text.data());
        win32::PostKeyInput(WM_KEYDOWN, VK_RETURN);
        win32::PostKeyInput(WM_KEYUP, VK_RETURN);
        return true;
    });
}

AnsweredMessageBoxes::~AnsweredMessageBoxes() {
    win32::SetMessageWait(nullptr);
}

std::string Conversion::Line(int index) const {
    const pressel::LineRecord& record = header.lines.at(static_cast<std::size_t>(index));
    std::string summary = "x=" + std::to_string(record.x) + " a=" + std::to_string(record.ascent) +
                          " d=" + std::to_string(record.descent);
    if (record.breakCount != 0) {
        summary +=
            " j=" + std::to_string(record.breakCount) + "/" + std::to_string(record.breakExtra);
    }
    const Descriptor file = OpenForReading(path);
    pressel::PrintFileBuffer buffer(file.Get());
    buffer.Seek(record.streamOffset, pressel::PrintFileBuffer::Origin::kStart);
    std::array<char, 200> text{};
    summary += "|";
    for (;;) {
        std::int32_t operand = 0;
        const int code = pressel::ReadPrintToken(buffer, text, operand);
        if (code == pressel::kEndOfLine || code == pressel::kEndOfData) {
            break;
        }
        summary += TokenText(code, operand, text.data()) + "|";
    }
    return summary;
}

std::vector<std::string> Conversion::BodyLines(int page) const {
    const auto& pages = header.pages;
    return Lines(*this, pages.at(page).firstBodyLine, pages.at(page + 1).firstBodyLine);
}

std::vector<std::string> Conversion::HeaderLines(int page) const {
    const auto& pages = header.pages;
    return Lines(*this, pages.at(page).firstHeaderLine, pages.at(page).firstFooterLine);
}

std::vector<std::string> Conversion::FooterLines(int page) const {
    const auto& pages = header.pages;
    return Lines(*this, pages.at(page).firstFooterLine, pages.at(page + 1).firstHeaderLine);
}

HBITMAP Conversion::PictureAt(int index) const {
    return reinterpret_cast<HBITMAP>(
        static_cast<std::uintptr_t>(header.pictures.at(static_cast<std::size_t>(index))));
}

void ConverterTest::SetUp() {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    layoutDc_ = CreateCompatibleDC(nullptr);
}

void ConverterTest::TearDown() {
    DeleteDC(layoutDc_);
    win32::UseFontSource(win32::FontSource::System);
}

Conversion ConverterTest::Convert(const std::string& body, const ConvertOptions& options) {
    return ConvertTemplate(std::string(kPreamble) + body + "}", options);
}

std::pair<std::filesystem::path, std::filesystem::path>
ConverterTest::NextFiles(const std::string& rtf) {
    static int count = 0;
    const std::string name = "report" + std::to_string(++count);
    return {sandbox_.WriteFile(name + ".rtf", rtf), sandbox_.Root() / (name + ".prt")};
}

Conversion ConverterTest::Read(const std::filesystem::path& path, int result,
                               const std::string& rtf) const {
    Conversion conversion;
    conversion.result = result;
    conversion.path = path;
    const std::string bytes = testkit::ReadFileBytes(path);
    conversion.header = pressel::DecodePrintFileHeader(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!bytes.empty()) {
        conversion.faults = pressel::ValidatePrintFile(path);
        EXPECT_EQ(conversion.faults, std::vector<std::string>{}) << rtf;
    }
    return conversion;
}

Conversion ConverterTest::ConvertTemplate(const std::string& rtf, const ConvertOptions& options) {
    const auto [templatePath, printPath] = NextFiles(rtf);
    const Descriptor input = OpenForReading(templatePath);
    const Descriptor output(
        ::open(printPath.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    const int result =
        pressel::ConvertDocument(input.Get(), output.Get(), layoutDc_, options.fields,
                                 options.dialog, options.printer, options.job)
            .result;
    return Read(printPath, result, rtf);
}

Conversion ConverterTest::ConvertAsHost(const std::string& body, PrintJob job) {
    return ConvertTemplateAsHost(std::string(kPreamble) + body + "}", job);
}

Conversion ConverterTest::ConvertTemplateAsHost(const std::string& rtf, PrintJob job) {
    const auto [templatePath, printPath] = NextFiles(rtf);
    std::strcpy(job.templatePath, templatePath.c_str());
    std::strcpy(job.printFilePath, printPath.c_str());
    std::strcpy(job.defaultDriver, "winspool");
    std::strcpy(job.defaultDevice, printing::kFilePrinterName);
    const int result = _PrintConvertDlg(nullptr, &job);
    return Read(printPath, result, rtf);
}

} // namespace pressel_test
