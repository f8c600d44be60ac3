// Canvas.Draw to image files through the Canvas interface: every page of a three-page canvas in
// each format, read back by Pillow and (TIFF) libtiff's tiffinfo, and draws that cannot write
// answering 2041 with no file left behind; Canvas.Preview handing every page to a Preview object.
#include "output/tests/registered_module.h"

#include "platform/testing/outside_tool.h"
#include "platform/win32/wingdi.h"

#include <filesystem>
#include <sstream>

namespace {

using namespace testing_output;

using automation::Variant;
using output::ICanvas;
using output::IPreview;

// Pixels per inch of the pages drawn here: a letter page is then 612 x 792 pixels.
constexpr std::int32_t kScale = 72;
constexpr int kPageWidth = 612;
constexpr int kPageHeight = 792;

// The square each page fills, 1 to 2 inches from the top-left corner, and a pixel inside it.
constexpr const char* kSquare = "1440:1440|2880:1440|2880:2880|1440:2880";
constexpr int kInside = 108;

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << "(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

struct ImageRead {
    std::string format;
    int width = 0;
    int height = 0;
    Rgb inside{};
    Rgb corner{};
};

// Pillow opens each file and answers its format, size and the colours inside the square and at
// the top-left corner.
std::vector<ImageRead> ReadBack(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> arguments = {
        testkit::kSystemPython, "-c",
        "import sys\nfrom PIL import Image\n"
        "for name in sys.argv[2:]:\n"
        "    image = Image.open(name)\n"
        "    rgb = image.convert('RGB')\n"
        "    inside = int(sys.argv[1])\n"
        "    print(image.format, *image.size, *rgb.getpixel((inside, inside)),\n"
        "          *rgb.getpixel((0, 0)))\n",
        std::to_string(kInside)};
    for (const auto& file : files) {
        arguments.push_back(file.string());
    }
    const testkit::ToolRun run = testkit::RunTool(arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    std::istringstream lines(run.output);
    std::vector<ImageRead> reads;
    ImageRead read;
    while (lines >> read.format >> read.width >> read.height >> read.inside.red >>
           read.inside.green >> read.inside.blue >> read.corner.red >> read.corner.green >>
           read.corner.blue) {
        reads.push_back(read);
    }
    EXPECT_EQ(reads.size(), files.size()) << run.output;
    reads.resize(files.size());
    return reads;
}

// The image files anywhere in the sandbox.
std::vector<std::string> ImageFilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".bmp" || extension == ".gif" || extension == ".tif") {
            found.push_back(entry.path().lexically_relative(folder).string());
        }
    }
    return found;
}

// A canvas of three pages at kScale: page 1 a black square (a monochrome page), page 2 a red
// square (a colour page), page 3 only a word of black text.
class CanvasDraw : public RegisteredModule {
protected:
    void SetUp() override {
        RegisteredModule::SetUp();
        canvas = Create<ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
        ASSERT_NE(canvas, nullptr);
        canvas->put_DrawScale(*Variant::FromInt(kScale));
        FillSquare(0x000000);
        canvas->NewPage();
        FillSquare(0x0000FF);
        canvas->NewPage();
        canvas->PutText(*Variant::FromText("three"));
        Variant pages;
        canvas->get_PageTotal(&pages);
        ASSERT_EQ(pages->lVal, 3);
    }

    void FillSquare(std::int32_t colour) {
        canvas->put_ColorOfFill(*Variant::FromInt(colour));
        canvas->PutPolygon(&error, *Variant::FromText(kSquare), *Variant::FromInt(1),
                           *Variant::FromBool(false), *Variant::FromBool(true));
        ASSERT_EQ(error->lVal, 0);
    }

    // Draw's Error for `page` in `format` to the file name `name`, which Draw leaves as it was.
    std::int32_t Draw(std::int32_t page, const std::string& name, std::int32_t format) {
        Variant nameInOut = Variant::FromText(name);
        error = Variant::FromInt(-1);
        EXPECT_EQ(
            canvas->Draw(&error, *Variant::FromInt(page), &nameInOut, *Variant::FromInt(format)),
            S_OK);
        EXPECT_EQ(TextOf(*nameInOut), name);
        return error->lVal;
    }

    const std::filesystem::path root = testkit::SandboxFolderOfRunningTest();
    automation::InterfacePointer<ICanvas> canvas;
    Variant error;
};

TEST_F(CanvasDraw, EveryPageAndOnePageInEachFormatReadBackByPillow) {
    struct Format {
        std::int32_t format;
        const char* extension;
        const char* pillowName;
    } const formats[] = {
        {1, ".bmp", "BMP"},
        {2, ".gif", "GIF"},
        {3, ".tif", "TIFF"},
    };
    for (const Format& f : formats) {
        SCOPED_TRACE(f.pillowName);
        // "\" separates folders in the names callers give.
        ASSERT_EQ(Draw(0, root.string() + "\\pages", f.format), 0);
        ASSERT_EQ(Draw(2, root.string() + "\\second", f.format), 0);
        const std::vector<std::filesystem::path> files = {
            root / (std::string("pages_1") + f.extension),
            root / (std::string("pages_2") + f.extension),
            root / (std::string("pages_3") + f.extension),
            root / (std::string("second") + f.extension),
        };
        const Rgb expectedInside[] = {kBlack, kRed, kWhite, kRed};
        const std::vector<ImageRead> reads = ReadBack(files);
        for (std::size_t i = 0; i < files.size(); ++i) {
            SCOPED_TRACE(files[i].filename().string());
            EXPECT_EQ(reads[i].format, f.pillowName);
            EXPECT_EQ(reads[i].width, kPageWidth);
            EXPECT_EQ(reads[i].height, kPageHeight);
            EXPECT_EQ(reads[i].inside, expectedInside[i]);
            EXPECT_EQ(reads[i].corner, kWhite);
        }
    }

    // The TIFF records the draw scale as its resolution, and libtiff reads every page without
    // a warning.
    for (const char* page : {"pages_1.tif", "pages_2.tif", "pages_3.tif"}) {
        SCOPED_TRACE(page);
        const testkit::ToolRun info = testkit::RunTool({"tiffinfo", (root / page).string()});
        EXPECT_EQ(info.exitStatus, 0);
        EXPECT_EQ(info.errors, "");
        EXPECT_NE(info.output.find("Resolution: 72, 72 pixels/inch"), std::string::npos)
            << info.output;
    }
}

TEST_F(CanvasDraw, DrawsThatCannotWriteAnswer2041AndLeaveNoFile) {
    struct Case {
        const char* label;
        std::int32_t page;
        std::string name;
    };
    const Case cases[] = {
        {"every page, folder missing", 0, root.string() + "\\missing\\page"},
        {"one page, folder missing", 3, root.string() + "\\missing\\page"},
        {"every page, no name", 0, ""},
        {"one page, no name", 1, ""},
    };
    for (const Case& c : cases) {
        for (const std::int32_t format : {1, 2, 3}) {
            SCOPED_TRACE(std::string(c.label) + ", format " + std::to_string(format));
            EXPECT_EQ(Draw(c.page, c.name, format), 2041);
        }
    }
    EXPECT_EQ(ImageFilesIn(root), std::vector<std::string>{});
}

// Each way an object reaches Preview hands the three pages over, at the draw scale and with the
// depth each page asks for; the preview owns them and frees them when it drops them. A value
// that is no object is ignored.
TEST_F(CanvasDraw, PreviewIsHandedEveryPageAndOwnsThem) {
    const struct {
        const char* label;
        VARTYPE type;
        std::int32_t pages;
    } cases[] = {
        {"dispatch", VT_DISPATCH, 3},
        {"unknown", VT_UNKNOWN, 3},
        {"no object", VT_I4, 0},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.label);
        auto preview = Create<IPreview>(output::CLSID_Preview, output::IID_IPreview);
        ASSERT_NE(preview, nullptr);
        VARIANT object{};
        object.vt = each.type;
        if (each.type == VT_I4) {
            object.lVal = 5;
        } else {
            object.pdispVal = preview.Get();
        }
        EXPECT_EQ(canvas->Preview(object), S_OK);
        Variant count;
        preview->get_Count(&count);
        ASSERT_EQ(count->lVal, each.pages);

        std::vector<HBITMAP> handed;
        for (std::int32_t index = 0; index < each.pages; ++index) {
            Variant handle;
            preview->Get(&error, *Variant::FromInt(index), &handle);
            ASSERT_EQ(error->lVal, 0);
            const auto bitmap = reinterpret_cast<HBITMAP>(
                static_cast<std::uintptr_t>(static_cast<std::uint32_t>(handle->lVal)));
            BITMAP info{};
            ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
            EXPECT_EQ(info.bmWidth, kPageWidth);
            EXPECT_EQ(info.bmHeight, kPageHeight);
            EXPECT_EQ(info.bmBitsPixel == 1, index != 1) << "page " << index + 1;
            handed.push_back(bitmap);
        }
        preview->Reset();
        for (const HBITMAP bitmap : handed) {
            BITMAP info{};
            EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), 0) << "freed with the preview's list";
        }
    }
}

} // namespace
