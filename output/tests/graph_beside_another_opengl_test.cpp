// The Output module's graph in a process that loaded the system's OpenGL dispatcher before the
// module, as the Qt program does: the scene must still be drawn by the module's own renderer.
// The test program links no OpenGL library; the dispatcher is opened with its symbols global
// before the module is loaded, so that plain gl* names would bind to it.
#include "output/tests/registered_module.h"

#include "platform/win32/testing/pixels.h"
#include "platform/win32/wingdi.h"

#include <dlfcn.h>

#include <functional>
#include <set>

namespace {

using namespace testing_output;

using automation::Variant;
using output::IGraph;

constexpr int kWidth = 400;
constexpr int kHeight = 300;

constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

class GraphBesideAnotherOpenGl : public RegisteredModule {};

using win32::testing::Pixels;
using win32::testing::PixelsOf;

// How many pixels pass `test` on their red, green and blue.
int Count(const Pixels& pixels, const std::function<bool(int red, int green, int blue)>& test) {
    int count = 0;
    for (const COLORREF color : pixels.colours) {
        count += test(GetRValue(color), GetGValue(color), GetBValue(color)) ? 1 : 0;
    }
    return count;
}

// Blue bars and a green line over three years, red labels, a grey base, on white.
HBITMAP DrawChart(IGraph& graph) {
    Variant error;
    EXPECT_EQ(graph.put_ColorOfMask(*Variant::FromInt(Rgb(111, 111, 111))), S_OK);
    EXPECT_EQ(graph.put_ColorOfBase(*Variant::FromInt(Rgb(128, 128, 128))), S_OK);
    EXPECT_EQ(graph.put_ColorOfLabel(*Variant::FromInt(Rgb(255, 0, 0))), S_OK);
    EXPECT_EQ(graph.BackdropSolid(*Variant::FromInt(Rgb(255, 255, 255))), S_OK);
    EXPECT_EQ(graph.put_RotateX(*Variant::FromInt(0)), S_OK);
    EXPECT_EQ(graph.put_RotateY(*Variant::FromInt(0)), S_OK);
    const struct {
        const char* id;
        std::int32_t color;
        std::int32_t type;
    } series[] = {{"Bars", Rgb(0, 0, 255), 2}, {"Line", Rgb(0, 255, 0), 3}};
    for (const auto& one : series) {
        EXPECT_EQ(graph.DataAdd(&error, *Variant::FromText(one.id), *Variant::FromInt(2030),
                                *Variant::FromInt(2032), *Variant::FromInt(one.color),
                                *Variant::FromInt(one.type)),
                  S_OK);
        for (int year = 2030; year <= 2032; ++year) {
            EXPECT_EQ(graph.SetValue(&error, *Variant::FromText(one.id), *Variant::FromInt(year),
                                     *Variant::FromDouble(100.0 * (year - 2029))),
                      S_OK);
        }
    }
    EXPECT_EQ(graph.AutoColumn(), S_OK);
    EXPECT_EQ(graph.AutoRow(), S_OK);
    Variant name;
    EXPECT_EQ(graph.Draw(&error, *Variant::FromInt(kWidth), *Variant::FromInt(kHeight), &name,
                         *Variant::FromInt(0)),
              S_OK);
    EXPECT_EQ(error->vt == VT_I4 ? error->lVal : -1, 0);
    return name->vt == VT_I4 ? reinterpret_cast<HBITMAP>(static_cast<std::intptr_t>(name->lVal))
                             : nullptr;
}

TEST_F(GraphBesideAnotherOpenGl, TheSceneIsDrawnByTheModulesRenderer) {
    ASSERT_NE(dlopen("libOpenGL.so.0", RTLD_NOW | RTLD_GLOBAL), nullptr) << dlerror();
    auto graph = Create<IGraph>(output::CLSID_Graph, output::IID_IGraph);
    ASSERT_NE(graph.Get(), nullptr);
    HBITMAP picture = DrawChart(*graph.Get());
    ASSERT_NE(picture, nullptr);
    const Pixels pixels = PixelsOf(picture);
    DeleteObject(picture);

    // Each part of the scene in its own colour, lit; the legend's two small swatches alone
    // would stay far below these counts.
    const int tenth = kWidth * kHeight / 10;
    const struct {
        const char* part;
        std::function<bool(int, int, int)> test;
        int atLeast;
    } parts[] = {
        {"the bars", [](int r, int g, int b) { return b > r + 64 && b > g + 64; }, tenth},
        {"the line's tubes and balls", [](int r, int g, int b) { return g > r + 64 && g > b + 64; },
         kWidth},
        {"the 3-D labels", [](int r, int g, int b) { return r > g + 64 && r > b + 64; }, 50},
    };
    for (const auto& part : parts) {
        SCOPED_TRACE(part.part);
        EXPECT_GE(Count(pixels, part.test), part.atLeast);
    }
    EXPECT_LT(Count(pixels, [](int r, int g, int b) { return r + g + b == 0; }), tenth)
        << "the scene is not left black";
    const std::set<COLORREF> distinct(pixels.colours.begin(), pixels.colours.end());
    EXPECT_GT(distinct.size(), 20u) << "more colours than the backdrop and the legend have";
}

} // namespace
