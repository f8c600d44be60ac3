// Templates converted as a host converts them, through _PrintConvertDlg, and what the host finds
// afterwards: the print file's lines, the bitmaps left alive and the markers in the shared
// profile. The jobs lay out on the screen, measured on the file printer too, with fixed-metrics
// fonts (see converter_fixture.h: 120 twips a character, lines from x 1800 to 10440, 300 twips
// a line at 12 points).
#include "family/print/tests/converter_fixture.h"
#include "family/print/tests/template_picture.h"

#include "platform/system/folders.h"
#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

using pressel_test::Conversion;
using pressel_test::ConverterTest;
using Lines = std::vector<std::string>;

class HostConversion : public ConverterTest {
protected:
    void SetUp() override {
        ConverterTest::SetUp();
        job_.flags = 1;
        job_.pictureCount = 1;
        job_.pictures[0] = CreateCompatibleBitmap(layoutDc_, 4, 4);
    }
    void TearDown() override {
        DeleteObject(job_.pictures[0]);
        ConverterTest::TearDown();
    }

    // Deletes what the conversion left, as the host does at the end of a job.
    void DeleteJob(const Conversion& conversion) {
        PrintJob job = job_;
        std::strcpy(job.printFilePath, conversion.path.c_str());
        EXPECT_EQ(_PrintDelete(nullptr, &job), 0);
    }

    struct LinesCase {
        const char* name;
        std::string rtf;
        Lines lines; // the body lines of the first page
    };

    // Converts each case's template and compares the lines of its first page.
    void ExpectFirstPageLines(std::span<const LinesCase> cases) {
        for (const LinesCase& c : cases) {
            SCOPED_TRACE(c.name);
            const Conversion conversion = ConvertTemplateAsHost(c.rtf, job_);
            EXPECT_EQ(conversion.result, 0);
            EXPECT_EQ(conversion.BodyLines(0), c.lines);
            DeleteJob(conversion);
        }
    }

    PrintJob job_{};
};

TEST_F(HostConversion, PicturesInHiddenTextOrAFalseConditionAreDropped) {
    struct Case {
        const char* name;
        std::string body;
        Lines lines;
        int pictures; // in the print file's table, the host's one included
    };
    const Case cases[] = {
        // The host's picture is entry 0, so the template's own becomes entry 1.
        {"shown",
         R"(\pard a)" + pressel_test::RedPixelPicture() + R"(b\par)",
         {"x=1800 a=240 d=60|a|<pic:1 300x200>|b|"},
         2},
        {"hidden",
         R"(\pard a{\v )" + pressel_test::RedPixelPicture() + R"(}b\par)",
         {"x=1800 a=240 d=60|ab|"},
         1},
        {"false condition",
         R"(\pard a$#if $Nope )" + pressel_test::RedPixelPicture() + R"($#endif b\par)",
         {"x=1800 a=240 d=60|a b|"},
         1},
    };
    // The first conversion makes what lives on (stock objects, the dialog's shared button
    // bitmaps): done first, so that the counts of live objects see only what a conversion leaves.
    DeleteJob(ConvertAsHost(R"(\pard a\par)", job_));
    const std::size_t live = win32::LiveObjectCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Conversion conversion = ConvertAsHost(c.body, job_);
        EXPECT_EQ(conversion.result, 0);
        EXPECT_EQ(conversion.BodyLines(0), c.lines);
        EXPECT_EQ(conversion.header.pictureCount, c.pictures);
        // A dropped picture's bitmap is not kept either.
        EXPECT_EQ(win32::LiveObjectCount(), live + static_cast<std::size_t>(c.pictures - 1));
        DeleteJob(conversion);
        EXPECT_EQ(win32::LiveObjectCount(), live);
    }
}

// The template of `body`, after kPreamble.
std::string WithPreamble(const std::string& body) {
    return pressel_test::kPreamble + body + "}";
}

TEST_F(HostConversion, AZeroByteEscapeIsNoCharacter) {
    const LinesCase cases[] = {
        // The 0 byte would have begun a move to x 25409 out of "AAc", leaving "ab" and "d".
        {"inside a word", WithPreamble(R"(\pard ab\'00AAcd\par)"), {"x=1800 a=240 d=60|abAAcd|"}},
        // Digits that are no hexadecimal digits spell 0 too.
        {"no digits", WithPreamble(R"(\pard ab\'zzcd\par)"), {"x=1800 a=240 d=60|abcd|"}},
        // The escape cut off by the end of the template ends it; nothing is laid out.
        {"cut off", R"(\deff\fonttbl}\')", {}},
    };
    ExpectFirstPageLines(cases);
}

TEST_F(HostConversion, AWordThatDoesNotFitAfterATabGoesToTheNextLine) {
    const std::string word70(70, 'w'); // 8400 twips: from the tab at 2520 it would end at 10920
    const std::string word80(80, 'w'); // wider than any line
    const LinesCase cases[] = {
        {"fits", WithPreamble(R"(\pard\tab abc\par)"), {"x=1800 a=240 d=60|<x:2520>|abc|"}},
        {"does not fit",
         WithPreamble(R"(\pard\tab )" + word70 + R"(\par)"),
         {"x=1800 a=240 d=60|<x:2520>|", "x=1800 a=240 d=60|" + word70 + "|"}},
        // On its own line it still does not fit, and stands there alone.
        {"fits no line",
         WithPreamble(R"(\pard\tab )" + word80 + R"( ab\par)"),
         {"x=1800 a=240 d=60|<x:2520>|", "x=1800 a=240 d=60|" + word80 + "|",
          "x=1800 a=240 d=60|ab|"}},
        // After a word and a tab the same.
        {"after a word",
         WithPreamble(R"(\pard ab\tab )" + word70 + R"(\par)"),
         {"x=1800 a=240 d=60|ab|<x:2520>|", "x=1800 a=240 d=60|" + word70 + "|"}},
    };
    ExpectFirstPageLines(cases);
}

// The marker's three keys as the host reads them back.
std::array<int, 3> Mark(int marker) {
    std::array<int, 3> values{};
    const char* const keys[] = {"X", "Y", "Page"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string key = "Mark" + std::to_string(marker) + keys[i];
        values[i] =
            static_cast<int>(GetPrivateProfileIntA("HuxPrint", key.c_str(), 999, "Hux.INI"));
    }
    return values;
}

TEST_F(HostConversion, MarkersStandAtTheTopOfTheLinesAsThePagesShowThem) {
    // 44 lines on a page that holds 43 (y 1440 to 14400): the last moves to the second page.
    std::string body = R"({\header\pard Head$#mark0\par})"
                       R"({\footer\pard Foot\line ab$#mark1\line cd$#mark2\par}\pard )";
    for (int line = 0; line < 43; ++line) {
        body += "l" + std::to_string(line) + (line == 1 ? "$#mark3" : "") + R"(\line )";
    }
    body += R"(last$#mark4\par)";
    const Conversion conversion = ConvertAsHost(body, job_);
    ASSERT_EQ(conversion.result, 0);
    ASSERT_EQ(conversion.header.pageCount, 2);
    ASSERT_EQ(conversion.FooterLines(1).size(), 3u);
    // The footer's three lines end at 15840 - 720 = 15120, so they stand from 14220, 14520 and
    // 14820. The header line stands at the header distance, 720. A marker in a header or footer
    // gives the pages counted when it was laid out.
    const std::array<int, 3> expected[] = {
        {2280, 720, 2},
        {2040, 14520, 2},
        {2040, 14820, 2},
        {2040, 1740, 0},
        // The line that did not fit stands at the top of the second page.
        {2280, 1440, 1},
        // Never set.
        {-1, -1, -1}};
    for (int marker = 0; marker < 6; ++marker) {
        SCOPED_TRACE(marker);
        EXPECT_EQ(Mark(marker), expected[marker]);
    }
    DeleteJob(conversion);
}

TEST_F(HostConversion, TheProfileIsReplacedOncePerConversion) {
    const std::filesystem::path folder = sys::WindowsFolder();
    std::filesystem::create_directories(folder);
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    const Conversion conversion =
        ConvertAsHost(R"(\pard a$#mark0\par b$#mark1\page c$#mark2\par)", job_);
    EXPECT_EQ(conversion.result, 0);
    // Every replacement of the profile renames a new file onto "Hux.INI".
    int replacements = 0;
    alignas(inotify_event) std::array<char, 64 * 1024> events{};
    for (ssize_t count = 0; (count = ::read(watch, events.data(), events.size())) > 0;) {
        for (ssize_t at = 0; at < count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events.data() + at);
            replacements += (event->mask & IN_MOVED_TO) != 0 && event->len > 0 &&
                            std::strcmp(event->name, "Hux.INI") == 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(Mark(2), (std::array{1920, 1440, 1}));
    DeleteJob(conversion);
}

} // namespace
