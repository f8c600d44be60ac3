// The print file check: a sound file passes, and each kind of damage is reported.
#include "family/print/src/printfile/print_file_validator.h"

#include "family/print/tests/print_file_fixture.h"

#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using namespace pressel;
using pressel_test::SoundFile;

std::string Joined(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& fault : faults) {
        text += fault + "\n";
    }
    return text;
}

TEST(PrintFileValidator, SoundFilePasses) {
    testkit::Sandbox sandbox;
    const SoundFile file = pressel_test::MakeSoundFile();
    pressel_test::WritePrintFile(sandbox.Root() / "sound.prt", file.header, file.stream);
    const std::vector<std::string> faults = ValidatePrintFile(sandbox.Root() / "sound.prt");
    EXPECT_TRUE(faults.empty()) << Joined(faults);
}

TEST(PrintFileValidator, FullDocumentKeepsItsEndMarkerOutOfTheLines) {
    testkit::Sandbox sandbox;
    SoundFile file = pressel_test::MakeSoundFile();
    PrintFileHeader& header = file.header;
    header.pageCount = kMaxPages;
    for (int page = 0; page <= kMaxPages; ++page) {
        header.pages[page] = header.pages[page == 0 ? 0 : 1];
        header.pages[page].firstBodyLine = static_cast<std::int16_t>(page == 0 ? 0 : 2);
    }
    header.pages[1] =
        PageRecord{kFirstHeaderFooterLine + 2, 0, kFirstHeaderFooterLine + 2, 0, 2, 0, 0, 0};
    pressel_test::WritePrintFile(sandbox.Root() / "full.prt", header, file.stream);
    const std::vector<std::string> faults = ValidatePrintFile(sandbox.Root() / "full.prt");
    EXPECT_TRUE(faults.empty()) << Joined(faults);
    EXPECT_EQ(DecodePrintFileHeader(EncodePrintFileHeader(header)).lines[0], header.lines[0]);
}

struct Damage {
    const char* name;
    std::function<void(SoundFile&)> apply;
    const char* fault; // a part of the expected fault's text
};

class PrintFileValidatorDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(PrintFileValidatorDamage, IsReported) {
    testkit::Sandbox sandbox;
    SoundFile file = pressel_test::MakeSoundFile();
    GetParam().apply(file);
    const std::filesystem::path path = sandbox.Root() / "damaged.prt";
    pressel_test::WritePrintFile(path, file.header, file.stream);
    const std::string faults = Joined(ValidatePrintFile(path));
    EXPECT_NE(faults.find(GetParam().fault), std::string::npos) << faults;
}

const Damage kDamages[] = {
    {"PageCount", [](SoundFile& f) { f.header.pageCount = 26; }, "page count 26"},
    {"PictureCount", [](SoundFile& f) { f.header.pictureCount = -1; }, "picture count -1"},
    {"DefaultFont", [](SoundFile& f) { f.header.defaultFont = 10; }, "default font"},
    {"BodyOutsideItsRegion",
     [](SoundFile& f) { f.header.pages[1].firstBodyLine = kFirstHeaderFooterLine + 1; },
     "page record 1 starts its body"},
    {"HeaderOutsideItsRegion", [](SoundFile& f) { f.header.pages[0].firstHeaderLine = 5; },
     "page record 0 starts its header"},
    {"FooterBeforeHeader",
     [](SoundFile& f) { f.header.pages[0].firstFooterLine = kFirstHeaderFooterLine + 3; },
     "header and footer lines out of order"},
    {"BodyBackwards", [](SoundFile& f) { f.header.pages[0].firstBodyLine = 3; },
     "body lines out of order"},
    {"LinePointsIntoTheHeader", [](SoundFile& f) { f.header.lines[1].streamOffset = 100; },
     "line record 1 points outside"},
    {"LinePointsPastTheEnd",
     [](SoundFile& f) { f.header.lines[0].streamOffset = f.stream.Offset(); },
     "line record 0 points outside"},
    {"NoEndOfLine",
     [](SoundFile& f) {
         f.stream.Text("tail");
         f.header.lines[1].streamOffset = f.stream.Offset() - 4;
         f.header.pages[1].firstBodyLine = 2;
     },
     "without an end of line"},
    {"LineStyleFont", [](SoundFile& f) { f.header.lines[0].style.font = 10; }, "names font 10"},
    {"LineStyleColour", [](SoundFile& f) { f.header.lines[0].style.backgroundColour = 20; },
     "names a colour"},
    {"NegativeBreaks", [](SoundFile& f) { f.header.lines[1].breakCount = -1; },
     "negative break count"},
    {"JustifyStartInsideAToken", [](SoundFile& f) { ++f.header.lines[1].justifyFrom; },
     "justifies from an offset"},
    {"FontToken",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Byte(kFont, 12).EndOfLine();
     },
     "switches to font 12"},
    {"ColourToken",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Byte(kTextColour, 20).EndOfLine();
     },
     "switches to colour 20"},
    {"PictureToken",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Block(kPicture, {1, 0, 0, 0, 0}).EndOfLine();
     },
     "draws picture 1"},
    // "ab", a 0 byte, "AAcd": the 0 byte starts a move to x whose operand is "Ac", and a
    // stream that lost its step so parses without a fault of its own.
    {"ZeroByteInsideText",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Text("ab").Word(kMoveToX, 'A' | 'c' << 8).Text("d").EndOfLine();
     },
     "justifies from an offset"},
    {"StyleSwitchedToTwo",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Byte(kItalic, 2).EndOfLine();
     },
     "switches a style to 2"},
    {"UnwrittenCode",
     [](SoundFile& f) {
         f.header.lines[0].streamOffset = f.stream.Offset();
         f.stream.Word(90, 0).EndOfLine();
     },
     "holds code 90"},
};

INSTANTIATE_TEST_SUITE_P(Faults, PrintFileValidatorDamage, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintFileValidator, ShortAndMissingFilesAreReported) {
    testkit::Sandbox sandbox;
    EXPECT_EQ(Joined(ValidatePrintFile(sandbox.WriteFile("short.prt", "HuxF"))),
              "the file is shorter than its header\n");
    EXPECT_EQ(Joined(ValidatePrintFile(sandbox.Root() / "missing.prt")),
              "the file cannot be opened\n");
}

} // namespace
