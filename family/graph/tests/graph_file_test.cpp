// "GRAPH.BMP": written in the current folder on request, read back by Pillow.
#include "family/graph/tests/graph_images.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes[offset]) |
           static_cast<std::uint8_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint8_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + 3])) << 24;
}

TEST(GraphFileTest, SavedWithTheGapBeforeTheBitsAndReadBackByPillow) {
    const testkit::Sandbox sandbox;
    // 47 x 33 pixels: rows of 141 bytes padded to 144.
    const OwnedBitmap bitmap(DrawRecord(SampleRecord(1), 47, 33, kGraphOptionSave));
    const std::string file = testkit::ReadFileBytes(sandbox.Root() / "GRAPH.BMP");
    ASSERT_EQ(file.size(), 58u + 144u * 33u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(U32At(file, 2), file.size());
    EXPECT_EQ(U32At(file, 10), 58u) << "the bits of a 24-bit bitmap";
    EXPECT_EQ(U32At(file, 14), 40u);
    EXPECT_EQ(file.substr(54, 4), std::string(4, '\0'));

    const Pixels pixels = PixelsOf(bitmap.get());
    const testkit::ToolRun run = testkit::RunTool(
        {testkit::kSystemPython, "-c",
         "import sys\nfrom PIL import Image\nimage = Image.open(sys.argv[1]).convert('RGB')\n"
         "print(image.size, list(image.getdata()) == [tuple(int(v) for v in p.split(',')) "
         "for p in sys.argv[2].split(';')])",
         (sandbox.Root() / "GRAPH.BMP").string(), [&] {
             std::string list;
             for (COLORREF colour : pixels.colours) {
                 list += (list.empty() ? "" : ";") + std::to_string(GetRValue(colour)) + "," +
                         std::to_string(GetGValue(colour)) + "," +
                         std::to_string(GetBValue(colour));
             }
             return list;
         }()});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "(47, 33) True\n");
}

TEST(GraphFileTest, WrittenOnlyOnRequestAndFailuresLeaveTheBitmap) {
    const testkit::Sandbox sandbox;
    const OwnedBitmap unsaved(DrawRecord(SampleRecord(1), 40, 30, 0));
    EXPECT_FALSE(std::filesystem::exists(sandbox.Root() / "GRAPH.BMP"));

    // A folder of that name stands in the way: the file cannot be written, nothing is said.
    std::filesystem::create_directory(sandbox.Root() / "GRAPH.BMP");
    const OwnedBitmap saved(DrawRecord(SampleRecord(1), 40, 30, kGraphOptionSave));
    EXPECT_NE(saved.get(), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(sandbox.Root() / "GRAPH.BMP"));
}

} // namespace
