// Template.Canvas: a filled template laid out on a Canvas object, exported to PDF and read back
// by poppler's pdftotext (Debian poppler-utils).
#include "output/tests/registered_module.h"

#include "platform/testing/outside_tool.h"

#include <fstream>
#include <sstream>

namespace {

using namespace testing_output;

using automation::Variant;
using output::ICanvas;
using output::ITemplate;

std::string Words(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    std::string words;
    while (in >> word) {
        words += (words.empty() ? "" : " ") + word;
    }
    return words;
}

class TemplateCanvas : public RegisteredModule {
protected:
    void SetUp() override {
        RegisteredModule::SetUp();
        document = Create<ITemplate>(output::CLSID_Template, output::IID_ITemplate);
        canvas = Create<ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
        ASSERT_NE(document, nullptr);
        ASSERT_NE(canvas, nullptr);
    }

    // Reads `text` as the template's document and lays it out on the canvas; the Error.
    std::int32_t Render(const std::string& text) {
        const auto file = std::filesystem::current_path() / (FileName() + ".rtf");
        std::ofstream(file, std::ios::binary) << text;
        document->FileRead(&error, *Variant::FromText(file.string()));
        EXPECT_EQ(error->lVal, 0);
        return RenderOn(canvas.Get());
    }

    std::int32_t RenderOn(IUnknown* object) {
        Variant holder;
        holder->vt = VT_UNKNOWN;
        holder->punkVal = object;
        object->AddRef();
        document->Canvas(&error, *holder);
        return error->lVal;
    }

    // The words of the canvas as PDF: every page, or page `page` alone.
    std::string PdfWords(int page = 0) {
        const auto name = std::filesystem::current_path() / FileName();
        canvas->Export(&error, *Variant::FromText(name.string()), *Variant::FromInt(1));
        EXPECT_EQ(error->lVal, 0);
        std::vector<std::string> arguments{"pdftotext"};
        if (page > 0) {
            arguments.insert(arguments.end(),
                             {"-f", std::to_string(page), "-l", std::to_string(page)});
        }
        arguments.insert(arguments.end(), {name.string() + ".pdf", "-"});
        const testkit::ToolRun text = testkit::RunTool(arguments);
        EXPECT_EQ(text.exitStatus, 0);
        return Words(text.output);
    }

    // The tests run side by side in one folder: each names its files after itself.
    static std::string FileName() {
        return std::string("template-canvas-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    std::int32_t Get(HRESULT (ICanvas::*get)(VARIANT*)) {
        Variant value;
        (canvas.Get()->*get)(&value);
        return value->lVal;
    }

    automation::InterfacePointer<ITemplate> document;
    automation::InterfacePointer<ICanvas> canvas;
    Variant error;
};

TEST_F(TemplateCanvas, ReportPagesReadBackInOrder) {
    const std::string text =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;})"
        R"({\f2\fmodern Courier New;}}{\colortbl;\red255\green0\blue0;})"
        R"({\*\generator Generator 1.0;}{\info{\title Secret title}}{\header Header words\par})"
        R"(\margl1440\margr1440\pard\qc\f1\fs32\b Distribution Illustration\b0\par)"
        R"(\pard\f0\fs24 Prepared for Jo Lee\par)"
        R"({\v hidden words}\cf1 It\'92s \'93quoted\'94 \'96 caf\'e9\cf9  plain\par)"
        R"(\f2\tqr\tx8000 Year\tab Amount\par)"
        R"({\*\do\dprect\dpx0\dpy0\dpxsize1440\dpysize360\dplinew15\dpfillpat1})"
        R"({\*\do\dpline\dpptx0\dppty0\dpptx0\dppty720\dplinew10\dpaendsol})"
        R"(\page Second page\par})";
    ASSERT_EQ(Render(text), 0);
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 2);
    // The standard fonts show byte 39 as the right single quote.
    EXPECT_EQ(PdfWords(1),
              "Distribution Illustration Prepared for Jo Lee It\u2019s \"quoted\" - caf "
              "plain Year Amount");
    EXPECT_EQ(PdfWords(2), "Second page");
}

TEST_F(TemplateCanvas, MarginsReachTheCanvas) {
    ASSERT_EQ(Render(R"({\rtf1\margl1440\li720\margr1000\ri200\margt2000 x\par})"), 0);
    EXPECT_EQ(Get(&ICanvas::get_MarginLeft), 2160);
    EXPECT_EQ(Get(&ICanvas::get_MarginRight), 1200);
    EXPECT_EQ(Get(&ICanvas::get_MarginTop), 2000);
}

// A paragraph marked keep that would cross a page starts on the next page whole; without the
// mark its first line stays on the first page.
TEST_F(TemplateCanvas, KeptParagraphMovesToTheNextPage) {
    // Forty lines, then a paragraph of some ten lines: it starts near the foot of page 1.
    std::string filler = R"({\rtf1\fs24 )";
    for (int line = 1; line <= 40; ++line) {
        filler += "Line" + std::to_string(line) + R"(\par )";
    }
    std::string paragraph = "Start";
    for (int word = 1; word <= 150; ++word) {
        paragraph += " word" + std::to_string(word);
    }
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "keep" : "no keep");
        Variant reset;
        canvas->Reset(&reset, *Variant::FromInt(0));
        ASSERT_EQ(Render(filler + (keep ? R"(\keep )" : "") + paragraph + R"(\par})"), 0);
        const std::string second = PdfWords(2);
        EXPECT_EQ(second.rfind("Start", 0) == 0, keep) << second;
        EXPECT_NE(PdfWords(1).find("Line40"), std::string::npos);
        EXPECT_NE(second.find("word150"), std::string::npos);
    }
}

TEST_F(TemplateCanvas, NoDocumentOrNoCanvas) {
    EXPECT_EQ(RenderOn(canvas.Get()), 1001);
    const auto file = std::filesystem::current_path() / (FileName() + ".rtf");
    std::ofstream(file, std::ios::binary) << "{x\\par}";
    document->FileRead(&error, *Variant::FromText(file.string()));
    EXPECT_EQ(RenderOn(document.Get()), 1021);
    document->Canvas(&error, *Variant::FromText("not an object"));
    EXPECT_EQ(error->lVal, 1021);
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 0);
}

} // namespace
