// The Canvas class through its interface and through IDispatch::Invoke: property rules, the
// Error codes of its members, and transactions.
#include "output/canvas/dib_info.h"
#include "output/tests/registered_module.h"

#include "platform/testing/file_contents.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <vector>

namespace {

using namespace testing_output;

using automation::Variant;
using output::ICanvas;

using Getter = HRESULT (ICanvas::*)(VARIANT*);
using Putter = HRESULT (ICanvas::*)(VARIANT);

constexpr double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

class CanvasObject : public RegisteredModule {
protected:
    void SetUp() override {
        RegisteredModule::SetUp();
        canvas = Create<ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
        ASSERT_NE(canvas, nullptr);
    }

    std::int32_t Get(Getter get) {
        Variant value;
        EXPECT_EQ((canvas.Get()->*get)(&value), S_OK);
        EXPECT_TRUE(value->vt == VT_I4 || value->vt == VT_BOOL) << value->vt;
        return value->vt == VT_BOOL ? value->boolVal : value->lVal;
    }

    // The number of devices the canvas found.
    std::int32_t DeviceCount() {
        Variant list;
        canvas->get_DeviceList(&list);
        const std::string names = TextOf(*list);
        return names.empty()
                   ? 0
                   : static_cast<std::int32_t>(std::count(names.begin(), names.end(), ',')) + 1;
    }

    automation::InterfacePointer<ICanvas> canvas;
    Variant error;
};

TEST_F(CanvasObject, FreshCanvasAndPropertyPuts) {
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 0);
    EXPECT_EQ(Get(&ICanvas::get_Page), 1);
    EXPECT_EQ(Get(&ICanvas::get_PageX), 12240);
    EXPECT_EQ(Get(&ICanvas::get_PageY), 15840);
    EXPECT_EQ(Get(&ICanvas::get_CursorX), 1440);
    EXPECT_EQ(Get(&ICanvas::get_CursorY), 1440);

    struct Put {
        const char* label;
        Putter put;
        Getter get;
        std::function<Variant()> value;
        std::int32_t expected; // read back after this put and every put before it
    };
    const Put puts[] = {
        {"font size below", &ICanvas::put_FontSize, &ICanvas::get_FontSize,
         [] { return Variant::FromInt(4); }, 8},
        {"font size above", &ICanvas::put_FontSize, &ICanvas::get_FontSize,
         [] { return Variant::FromInt(100); }, 72},
        {"font size as text", &ICanvas::put_FontSize, &ICanvas::get_FontSize,
         [] { return Variant::FromText(" 14pt"); }, 14},
        {"font size infinite", &ICanvas::put_FontSize, &ICanvas::get_FontSize,
         [] { return Variant::FromDouble(kInfinity); }, 14},
        {"font size huge text", &ICanvas::put_FontSize, &ICanvas::get_FontSize,
         [] { return Variant::FromText("1e999"); }, 14},
        {"scale below", &ICanvas::put_DrawScale, &ICanvas::get_DrawScale,
         [] { return Variant::FromInt(20); }, 48},
        {"scale above", &ICanvas::put_DrawScale, &ICanvas::get_DrawScale,
         [] { return Variant::FromDouble(300.9); }, 192},
        {"scale not a number", &ICanvas::put_DrawScale, &ICanvas::get_DrawScale,
         [] { return Variant::FromDouble(kNaN); }, 192},
        {"justify", &ICanvas::put_Justify, &ICanvas::get_Justify,
         [] { return Variant::FromInt(2); }, 2},
        {"justify out of range", &ICanvas::put_Justify, &ICanvas::get_Justify,
         [] { return Variant::FromInt(4); }, 2},
        {"page zero ignored", &ICanvas::put_Page, &ICanvas::get_Page,
         [] { return Variant::FromInt(0); }, 1},
        {"page", &ICanvas::put_Page, &ICanvas::get_Page, [] { return Variant::FromInt(5); }, 5},
        {"page past the cap", &ICanvas::put_Page, &ICanvas::get_Page,
         [] { return Variant::FromInt(32768); }, 5},
        {"cursor", &ICanvas::put_CursorX, &ICanvas::get_CursorX,
         [] { return Variant::FromDouble(-2.7); }, -2},
        {"cursor infinite", &ICanvas::put_CursorX, &ICanvas::get_CursorX,
         [] { return Variant::FromDouble(-kInfinity); }, -2},
        {"bottom margin", &ICanvas::put_MarginBottom, &ICanvas::get_MarginBottom,
         [] { return Variant::FromInt(720); }, 720},
        {"colour", &ICanvas::put_ColorOfFill, &ICanvas::get_ColorOfFill,
         [] { return Variant::FromText("255"); }, 255},
        {"colour not a number", &ICanvas::put_ColorOfFill, &ICanvas::get_ColorOfFill,
         [] { return Variant::FromDouble(kNaN); }, 255},
        {"bold as text", &ICanvas::put_FontBold, &ICanvas::get_FontBold,
         [] { return Variant::FromText("tRUE"); }, VARIANT_TRUE},
        {"bold off by a digit text", &ICanvas::put_FontBold, &ICanvas::get_FontBold,
         [] { return Variant::FromText("1"); }, VARIANT_FALSE},
    };
    for (const Put& p : puts) {
        SCOPED_TRACE(p.label);
        Variant value = p.value();
        EXPECT_EQ((canvas.Get()->*p.put)(*value), S_OK);
        EXPECT_EQ(Get(p.get), p.expected);
    }
    Variant name;
    canvas->put_FontName(*Variant::FromText("Arial"));
    canvas->get_FontName(&name);
    EXPECT_EQ(TextOf(*name), "Arial");
}

// Each row runs after the rows before it on one canvas; the canvas is empty until "text".
TEST_F(CanvasObject, ErrorCodesOfTheMembers) {
    const std::int32_t pastTheDevices = DeviceCount() + 1;
    Variant name = Variant::FromText("ignored");
    Variant handle;
    const auto draw = [&](Variant page, Variant format) {
        canvas->Draw(&error, *page, &handle, *format);
    };
    const auto image = [&](Variant x, const char* file, std::int32_t format) {
        canvas->PutImage(&error, *x, *Variant::FromInt(0), *Variant::FromInt(0),
                         *Variant::FromInt(0), *Variant::FromText(file), *Variant::FromInt(format));
    };
    const auto polygon = [&](const char* points, Variant wide, bool line) {
        canvas->PutPolygon(&error, *Variant::FromText(points), *wide, *Variant::FromBool(line),
                           *Variant::FromBool(false));
    };
    const auto i = [](std::int32_t n) { return Variant::FromInt(n); };
    const auto d = [](double n) { return Variant::FromDouble(n); };
    struct Row {
        const char* label;
        std::function<void()> call;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"stop without start", [&] { canvas->TransStop(&error, *Variant::FromBool(true)); }, 2061},
        {"export empty", [&] { canvas->Export(&error, *name, *i(1)); }, 2011},
        {"draw empty", [&] { draw(i(1), i(0)); }, 2011},
        {"print on the screen", [&] { canvas->Printer(&error, *i(0), *name); }, 2001},
        {"two points", [&] { polygon("0:0|100:100", i(1), true); }, 2051},
        {"nothing to draw", [&] { polygon("0:0", i(1), false); }, 0},
        {"polygon width infinite", [&] { polygon("0:0|9:9|0:9", d(kInfinity), true); }, 2031},
        {"image format", [&] { image(i(0), "x", 5); }, 2031},
        {"image file missing", [&] { image(i(0), "no-such-picture", 1); }, 2041},
        {"image position not a number", [&] { image(d(kNaN), "x", 0); }, 2031},
        {"reset device not a number", [&] { canvas->Reset(&error, *d(kNaN)); }, 2031},
        {"reset device huge text", [&] { canvas->Reset(&error, *Variant::FromText("1e999")); },
         2031},
        {"line not a number",
         [&] {
             canvas->PutLine(*d(kNaN), *i(0), *i(9), *i(9), *i(1));
             error = Variant::FromInt(Get(&ICanvas::get_PageTotal));
         },
         0},
        {"text",
         [&] {
             canvas->PutText(*Variant::FromText("hello"));
             error = Variant::FromInt(Get(&ICanvas::get_PageTotal));
         },
         1},
        {"draw past the pages", [&] { draw(i(2), i(0)); }, 2021},
        {"draw below 0", [&] { draw(i(-1), i(0)); }, 2021},
        {"draw page not a number", [&] { draw(d(kNaN), i(0)); }, 2031},
        {"every page as a handle", [&] { draw(i(0), i(0)); }, 2031},
        {"bitmap file without a name", [&] { draw(i(1), i(1)); }, 2041},
        {"GIF files without a name", [&] { draw(i(0), i(2)); }, 2041},
        {"TIFF file without a name", [&] { draw(i(1), i(3)); }, 2041},
        {"draw format", [&] { draw(i(1), i(4)); }, 2031},
        {"export format", [&] { canvas->Export(&error, *name, *i(2)); }, 2031},
        {"export format infinite", [&] { canvas->Export(&error, *name, *d(kInfinity)); }, 2031},
        {"print on the screen with pages", [&] { canvas->Printer(&error, *i(1), *name); }, 2001},
        {"page handle", [&] { draw(i(1), i(0)); }, 0},
        {"reset past the devices", [&] { canvas->Reset(&error, *i(pastTheDevices)); }, 2001},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        error = Variant::FromInt(-1);
        row.call();
        EXPECT_EQ(error->vt, VT_I4);
        EXPECT_EQ(error->lVal, row.expected);
    }
    EXPECT_EQ(handle->vt, VT_I4);
    EXPECT_NE(handle->lVal, 0);
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 0);
    EXPECT_EQ(Get(&ICanvas::get_FontSize), 12);
}

TEST_F(CanvasObject, RolledBackTransactionRestoresTheCanvas) {
    canvas->PutText(*Variant::FromText("first"));
    const std::int32_t x = Get(&ICanvas::get_CursorX);
    canvas->TransStart();
    canvas->PutText(*Variant::FromText("more words {NEWPAGE} and a second page"));
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 2);
    canvas->TransStop(&error, *Variant::FromBool(false));
    EXPECT_EQ(error->lVal, 0);
    EXPECT_EQ(Get(&ICanvas::get_PageTotal), 1);
    EXPECT_EQ(Get(&ICanvas::get_Page), 1);
    EXPECT_EQ(Get(&ICanvas::get_CursorX), x);
    canvas->TransStop(&error, *Variant::FromBool(false));
    EXPECT_EQ(error->lVal, 2061);
}

TEST_F(CanvasObject, MembersThroughInvoke) {
    auto object = Create<IDispatch>(output::CLSID_Canvas, IID_IDispatch);
    ASSERT_NE(object, nullptr);
    std::u16string member = u"margINLeft";
    OLECHAR* names[] = {member.data()};
    DISPID id = 0;
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, output::CanvasDispatchId::kMarginLeft);

    Invoker invoke(object.Get());
    auto left = Variant::FromText("2000");
    EXPECT_EQ(invoke.Call(output::CanvasDispatchId::kMarginLeft, DISPATCH_PROPERTYPUT, {&left}),
              S_OK);
    Variant value;
    EXPECT_EQ(invoke.Call(output::CanvasDispatchId::kCursorX, DISPATCH_PROPERTYGET, {}, &value),
              S_OK);
    EXPECT_EQ(value->lVal, 2000); // the cursor follows the margin of an empty line

    auto text = Variant::FromText("word");
    EXPECT_EQ(invoke.Call(output::CanvasDispatchId::kPutText, DISPATCH_METHOD, {&text}), S_OK);
    // Draw's Name is [in, out]: the page's bitmap handle comes back in it.
    VARIANT errorOut = automation::ReferenceTo(&error);
    Variant name = Variant::FromText("unused");
    VARIANT nameInOut = automation::ReferenceTo(&name);
    auto page = Variant::FromInt(1);
    auto format = Variant::FromInt(0);
    EXPECT_EQ(invoke.Call(output::CanvasDispatchId::kDraw, DISPATCH_METHOD,
                          {&errorOut, &page, &nameInOut, &format}),
              S_OK);
    EXPECT_EQ(error->lVal, 0);
    EXPECT_EQ(name->vt, VT_I4);
    EXPECT_NE(name->lVal, 0);
    auto code = Variant::FromInt(2051);
    Variant message;
    VARIANT messageOut = automation::ReferenceTo(&message);
    EXPECT_EQ(invoke.Call(output::dispidErrorText, DISPATCH_METHOD, {&code, &messageOut}), S_OK);
    EXPECT_EQ(TextOf(*message), "Polygon error.");
}

TEST_F(CanvasObject, PrinterPrintsThePagesAsADocumentOfTheGivenName) {
    ASSERT_EQ(DeviceCount(), 1);
    canvas->Reset(&error, *Variant::FromInt(1));
    ASSERT_EQ(error->lVal, 0);
    canvas->PutText(*Variant::FromText("hello"));
    canvas->NewPage();
    canvas->PutText(*Variant::FromText("again"));
    canvas->Printer(&error, *Variant::FromInt(0), *Variant::FromText("Client summary"));
    EXPECT_EQ(error->lVal, 0);
    canvas->Printer(&error, *Variant::FromInt(3), *Variant::FromText("Past the pages"));
    EXPECT_EQ(error->lVal, 2021);
    const std::filesystem::path log =
        std::filesystem::path(std::getenv("TALLOWMERE_FILE_PRINTER")) / "print-log.txt";
    EXPECT_EQ(testkit::ReadFileBytes(log), "job 1 start \"Client summary\"\n"
                                           "job 1 page 1 job1-page1.png\n"
                                           "job 1 page 2 job1-page2.png\n"
                                           "job 1 end 2 pages\n");
}

// What a host can see of a canvas: page 1 drawn as a bitmap, the page total and the cursor.
struct CanvasView {
    std::vector<std::uint32_t> page;
    std::int32_t pageTotal = 0;
    std::int32_t cursorX = 0;
    std::int32_t cursorY = 0;
};

CanvasView ViewOf(ICanvas& canvas) {
    CanvasView view;
    Variant error;
    Variant handle;
    canvas.Draw(&error, *Variant::FromInt(1), &handle, *Variant::FromInt(0));
    EXPECT_EQ(error->lVal, 0);
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<std::intptr_t>(handle->lVal));
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    output::DibInfo dib = output::TopDown32(info.bmWidth, info.bmHeight);
    view.page.resize(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), view.page.data(), &dib.info,
              DIB_RGB_COLORS);
    DeleteDC(dc);
    DeleteObject(bitmap);
    Variant value;
    canvas.get_PageTotal(&value);
    view.pageTotal = value->lVal;
    canvas.get_CursorX(&value);
    view.cursorX = value->lVal;
    canvas.get_CursorY(&value);
    view.cursorY = value->lVal;
    return view;
}

void Text(ICanvas& canvas, const char* text) {
    canvas.PutText(*Variant::FromText(text));
}

void RollBack(ICanvas& canvas) {
    Variant error;
    canvas.TransStop(&error, *Variant::FromBool(false));
    EXPECT_EQ(error->lVal, 0);
}

// Two ways of filling a canvas that must leave the same page: a rolled-back transaction leaves
// the page exactly as it found it, the words before it included, and a command whose keyword is
// unknown places nothing.
TEST_F(CanvasObject, CanvasesThatMustShowTheSamePage) {
    struct Case {
        const char* name;
        std::function<void(ICanvas&)> fill;
        std::function<void(ICanvas&)> same;
    };
    const Case cases[] = {
        {"words merged into the pending line's last word are taken back",
         [](ICanvas& c) {
             Text(c, "kept");
             c.TransStart();
             Text(c, "gone next");
             RollBack(c);
             Text(c, "next");
         },
         [](ICanvas& c) { Text(c, "kept next"); }},
        {"the pending line's justification is taken back",
         [](ICanvas& c) {
             c.put_Justify(*Variant::FromInt(2));
             Text(c, "right");
             c.TransStart();
             c.NewParagraph();
             RollBack(c);
             c.NewParagraph();
         },
         [](ICanvas& c) {
             c.put_Justify(*Variant::FromInt(2));
             Text(c, "right");
             c.NewParagraph();
         }},
        {"a larger font's lowering of the pending line is taken back",
         [](ICanvas& c) {
             Text(c, "low");
             c.TransStart();
             c.put_FontSize(*Variant::FromInt(40));
             Text(c, "big");
             RollBack(c);
             c.NewParagraph();
         },
         [](ICanvas& c) {
             Text(c, "low");
             c.NewParagraph();
         }},
        {"full justification of a wrapped line is taken back",
         [](ICanvas& c) {
             c.put_Justify(*Variant::FromInt(3));
             Text(c, "one two");
             c.TransStart();
             Text(c, std::string(100, 'W').c_str()); // wraps, spreading the line before it
             RollBack(c);
             Text(c, "three");
         },
         [](ICanvas& c) {
             c.put_Justify(*Variant::FromInt(3));
             Text(c, "one two three");
         }},
        {"unknown commands place nothing", [](ICanvas& c) { Text(c, "{FOO,1} x {} {NEWPAGES} y"); },
         [](ICanvas& c) { Text(c, "x y"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto filled = Create<ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
        auto same = Create<ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
        ASSERT_NE(filled, nullptr);
        ASSERT_NE(same, nullptr);
        for (ICanvas* each : {filled.Get(), same.Get()}) {
            each->put_DrawScale(*Variant::FromInt(48));
        }
        c.fill(*filled.Get());
        c.same(*same.Get());
        const CanvasView expected = ViewOf(*same.Get());
        const CanvasView seen = ViewOf(*filled.Get());
        EXPECT_EQ(seen.pageTotal, expected.pageTotal);
        EXPECT_EQ(seen.cursorX, expected.cursorX);
        EXPECT_EQ(seen.cursorY, expected.cursorY);
        EXPECT_TRUE(seen.page == expected.page) << "the pages differ";
    }
}

} // namespace
