// Printing canvas pages on the file printer: the page files read back by Pillow, the ink where
// the canvas put it, and failures answered with the canvas's errors.
#include "output/canvas/page_printer.h"

#include "canvas_fixture.h"

#include "platform/printing/printers.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

namespace {

using namespace output;
namespace fs = std::filesystem;

// The file printer: 300 pixels per inch, a page of 2550 x 3300 pixels.
constexpr int kPrinterDpi = 300;

// A page file's size, resolution and the red value at each of `points` (x, y), as Pillow reads
// them: "2550 3300 300 0 255 ...".
std::string ReadBack(const fs::path& file, const std::vector<std::pair<int, int>>& points) {
    std::string script = "import sys\nfrom PIL import Image\n"
                         "im = Image.open(sys.argv[1]).convert('RGB')\n"
                         "out = [im.width, im.height, round(im.info['dpi'][0])]\n";
    for (const auto& [x, y] : points) {
        script +=
            "out.append(im.getpixel((" + std::to_string(x) + ", " + std::to_string(y) + "))[0])\n";
    }
    script += "print(' '.join(map(str, out)))\n";
    const testkit::ToolRun run =
        testkit::RunTool({testkit::kSystemPython, "-c", script, file.string()});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    return run.output;
}

class PagePrinter : public FixedFontCanvas {
protected:
    void SetUp() override {
        FixedFontCanvas::SetUp();
        sandbox.SetEnvironment(printing::kFilePrinterVariable, folder.string());
        printer = std::make_unique<Canvas>();
        ASSERT_EQ(printer->Reset(1), CanvasError::OK);
    }
    void TearDown() override {
        printer.reset();
        FixedFontCanvas::TearDown();
    }
    std::string Log() const { return testkit::ReadFileBytes(folder / printing::kFilePrinterLog); }

    const fs::path folder = sandbox.Root() / "printed";
    std::unique_ptr<Canvas> printer;
};

// Limits the size of files this process writes, so that a page file cannot be written whole.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(PagePrinter, PagesPrintAtThePrintersResolutionWithTheInkWhereTheCanvasPutIt) {
    // One inch from the top-left corner of the paper, a tenth of an inch wide: at 300 pixels per
    // inch, from x 300 to 600 about y 300, 30 pixels thick. The printer cannot print its outer
    // quarter inch, so its context starts 75 pixels in; the page file is the whole paper.
    printer->PutLine(1440, 1440, 2880, 1440, 144);
    printer->NewPage();
    printer->PutLine(1440, 2880, 2880, 2880, 144);
    ASSERT_EQ(printer->PageTotal(), 2);

    EXPECT_EQ(PrintPages(*printer, 0, "Two pages"), CanvasError::OK);
    EXPECT_EQ(Log(), "job 1 start \"Two pages\"\n"
                     "job 1 page 1 job1-page1.png\n"
                     "job 1 page 2 job1-page2.png\n"
                     "job 1 end 2 pages\n");
    const std::vector<std::pair<int, int>> points = {
        {310, 300}, {590, 300}, {450, 288}, {450, 312}, // the line's ends and edges: ink
        {450, 270}, {450, 330}, {280, 300}, {620, 300}, // just outside: paper
        {450, 600},                                     // page 2's line: on page 1, paper
    };
    EXPECT_EQ(ReadBack(folder / "job1-page1.png", points),
              "2550 3300 300 0 0 0 0 255 255 255 255 255\n");
    EXPECT_EQ(ReadBack(folder / "job1-page2.png", {{450, 300}, {450, kPrinterDpi * 2}}),
              "2550 3300 300 255 0\n");

    // One page of the canvas prints alone.
    EXPECT_EQ(PrintPages(*printer, 2, "Page two"), CanvasError::OK);
    EXPECT_TRUE(fs::exists(folder / "job2-page1.png"));
    EXPECT_FALSE(fs::exists(folder / "job2-page2.png"));
}

TEST_F(PagePrinter, FailuresAreAnsweredNeverSuccess) {
    printer->PutLine(1440, 1440, 2880, 1440, 144);

    // A page file that cannot be written: the job is dropped.
    {
        const FileSizeLimit limit(4096);
        EXPECT_EQ(PrintPages(*printer, 1, "Too big"), CanvasError::CannotAccessFile);
    }
    EXPECT_FALSE(fs::exists(folder / "job1-page1.png"));
    EXPECT_EQ(Log(), "job 1 start \"Too big\"\njob 1 aborted\n");

    // No job can be started: the printer's log cannot be read.
    fs::remove(folder / printing::kFilePrinterLog);
    fs::create_directory(folder / printing::kFilePrinterLog);
    EXPECT_EQ(PrintPages(*printer, 1, "No job"), CanvasError::InvalidDevice);

    // The printer has gone from the list: no context can be made for it.
    sandbox.SetEnvironment(printing::kFilePrinterVariable, std::nullopt);
    sandbox.SetEnvironment("CUPS_SERVER", (sandbox.Root() / "no-scheduler").string());
    EXPECT_EQ(PrintPages(*printer, 1, "Gone"), CanvasError::InvalidDevice);

    // A canvas on the screen has no printer.
    canvas->PutLine(0, 0, 10, 10, 1);
    EXPECT_EQ(PrintPages(*canvas, 1, "Screen"), CanvasError::InvalidDevice);
}

} // namespace
