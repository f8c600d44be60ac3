// Conversions of small templates for the tests: the template written into the sandbox, converted
// on a memory device context with fixed-metrics fonts, the print file checked by the validator
// and read back as page, line and token summaries.
//
// Fixed metrics on any device (platform/win32/font_provider.h): a font of 12 points (the
// default 24 half-points, lfHeight -240 twips) has ascent 240, descent 60 and advances 120
// twips a character, the blank included; 24 points doubles each. The default page is 12240 wide
// with margins of 1800, so a line runs from x 1800 to the right limit 10440: 72 characters.
#pragma once

#include "family/print/pressel.h"
#include "family/print/src/printfile/print_file_layout.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace pressel_test {

// While it lives, every message box the code under test shows is answered with Enter, and kept
// as "caption:text".
class AnsweredMessageBoxes {
public:
    AnsweredMessageBoxes();
    ~AnsweredMessageBoxes();
    AnsweredMessageBoxes(const AnsweredMessageBoxes&) = delete;
    AnsweredMessageBoxes& operator=(const AnsweredMessageBoxes&) = delete;

    const std::vector<std::string>& Shown() const { return shown_; }

private:
    std::vector<std::string> shown_;
};

// The document before the body: default font 0, fonts 0 (Arial) and 1 (Courier New), colours
// 0 (black, the empty entry) and 1 (red).
inline constexpr const char kPreamble[] =
    R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
    R"({\colortbl;\red255\green0\blue0;})";

struct Conversion {
    int result = -1;
    std::filesystem::path path;
    pressel::PrintFileHeader header;
    std::vector<std::string> faults; // the validator's

    // "x=1800 a=240 d=60|Hello| |world|" with " j=<count>/<extra>" after d for a justified
    // line; tokens as text, or <code:operand> (<x:2520>, <b:1>, <pic:0 300x200>, ...).
    std::string Line(int index) const;
    std::vector<std::string> BodyLines(int page) const;
    std::vector<std::string> HeaderLines(int page) const;
    std::vector<std::string> FooterLines(int page) const;
    // The bitmap of the header's picture table at `index`.
    HBITMAP PictureAt(int index) const;
};

struct ConvertOptions {
    const PrintFieldTable* fields = nullptr;
    const PrintJob* job = nullptr;
    HDC printer = nullptr;
    HWND dialog = nullptr;
};

class ConverterTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Converts kPreamble + body + "}"; every print file written is checked by the validator,
    // which must find no fault.
    Conversion Convert(const std::string& body, const ConvertOptions& options = {});
    // Converts a whole template as given.
    Conversion ConvertTemplate(const std::string& rtf, const ConvertOptions& options = {});
    // Converts kPreamble + body + "}" as a host does: `job`, its template and print file paths
    // set here, through _PrintConvertDlg without an owner, laid out on the file printer (or the
    // screen, as the job's flags ask). The print file is checked as above.
    Conversion ConvertAsHost(const std::string& body, PrintJob job = {});
    Conversion ConvertTemplateAsHost(const std::string& rtf, PrintJob job = {});

    testkit::Sandbox sandbox_;
    HDC layoutDc_ = nullptr;

private:
    // A template file of its own for the next conversion, and the print file's path beside it.
    std::pair<std::filesystem::path, std::filesystem::path> NextFiles(const std::string& rtf);
    // The print file at `path` read back and checked.
    Conversion Read(const std::filesystem::path& path, int result, const std::string& rtf) const;
};

} // namespace pressel_test
