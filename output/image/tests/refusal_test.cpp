// What every writer does with a bitmap it cannot read or a file it cannot make: its failure
// code, no file, and an earlier file of the name left as it was. And where the file goes.
#include "image_fixture.h"
#include "output/image/bmp_writer.h"
#include "output/image/gif_writer.h"
#include "output/image/tiff_writer.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/sandbox.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string_view>

namespace {

using namespace output;

struct Writer {
    const char* extension;
    std::int32_t failure;
    std::function<std::int32_t(std::string_view, HBITMAP)> write;
};

const Writer kWriters[] = {
    {".bmp", 1,
     [](std::string_view name, HBITMAP bitmap) {
         return static_cast<std::int32_t>(WriteBmpFile(name, bitmap));
     }},
    {".gif", 10,
     [](std::string_view name, HBITMAP bitmap) {
         return static_cast<std::int32_t>(GifWriter().Write(name, bitmap));
     }},
    {".tif", 1,
     [](std::string_view name, HBITMAP bitmap) {
         return static_cast<std::int32_t>(WriteTiffFile(name, bitmap));
     }},
};

TEST(ImageWriters, RefuseBitmapsTheyCannotReadAndFilesTheyCannotMake) {
    testkit::Sandbox sandbox;
    const TestBitmap good = MakeBitmap(Noise(4, 4, {kBlack, kWhite}, 1), BitmapKind::Monochrome);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HBITMAP deleted = CreateBitmap(4, 4, 1, 1, nullptr);
    ASSERT_TRUE(DeleteObject(deleted));
    struct Case {
        const char* what;
        const char* name;
        HBITMAP bitmap;
    };
    const Case cases[] = {
        {"a null bitmap", "out\\kept", nullptr},
        {"a handle never made", "out\\kept", reinterpret_cast<HBITMAP>(std::uintptr_t{0x7FFFFFF0})},
        {"a pen's handle", "out\\kept", reinterpret_cast<HBITMAP>(pen)},
        {"a deleted bitmap", "out\\kept", deleted},
        {"a folder that does not exist", "out\\missing\\kept", good.get()},
        {"an empty name", "", good.get()},
    };
    std::filesystem::create_directory("out");
    for (const Writer& writer : kWriters) {
        const std::string kept = std::string("out/kept") + writer.extension;
        std::ofstream(kept) << "earlier";
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(writer.extension) + ": " + c.what);
            EXPECT_EQ(writer.write(c.name, c.bitmap), writer.failure);
            EXPECT_EQ(testkit::ReadFileBytes(kept), "earlier");
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("out"),
                                std::filesystem::directory_iterator()),
                  1)
            << "files left beside " << kept;
        EXPECT_FALSE(std::filesystem::exists(writer.extension));
        std::filesystem::remove(kept);
    }
    DeleteObject(pen);
}

TEST(ImageWriters, ABackslashSeparatesFoldersAndTheExtensionIsLowerCase) {
    testkit::Sandbox sandbox;
    const TestBitmap bitmap = MakeBitmap(Noise(4, 4, {kBlack, kWhite}, 1), BitmapKind::Monochrome);
    std::filesystem::create_directory("pages");
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.extension);
        EXPECT_EQ(writer.write("pages\\Page_1", bitmap.get()), 0);
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::string("pages/Page_1") + writer.extension));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("pages"),
                            std::filesystem::directory_iterator()),
              3);
}

} // namespace
