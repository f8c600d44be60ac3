// BMP files: round trips checked by an independent decoder and encoder (Pillow), hand-made
// fixtures, and malformed files that must be refused without reading past the buffer.
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using win32::BmpReadResult;
using win32::EncodeBmp;
using win32::ReadBmp;
using win32::ReadBmpFile;

// Runs a Python script with the system's interpreter and answers what it printed.
std::string RunPython(const std::string& script) {
    const testkit::ToolRun run = testkit::RunTool({testkit::kSystemPython, "-c", script});
    EXPECT_EQ(run.exitStatus, 0) << script << run.errors;
    return run.output;
}

// Every pixel of an image file as Pillow decodes it: "width height" and the RGB bytes in hex.
std::string PillowPixels(const fs::path& file) {
    return RunPython("from PIL import Image\n"
                     "im = Image.open('" +
                     file.string() +
                     "').convert('RGB')\n"
                     "print(im.size[0], im.size[1], im.tobytes().hex())\n");
}

// The same from the bitmap of a context.
std::string OurPixels(HDC dc) {
    BITMAP info{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
    std::ostringstream out;
    out << info.bmWidth << " " << info.bmHeight << " " << std::hex;
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            char hex[7];
            std::snprintf(hex, sizeof hex, "%02x%02x%02x", GetRValue(c), GetGValue(c),
                          GetBValue(c));
            out << hex;
        }
    }
    out << "\n";
    return out.str();
}

// And from a bitmap that no context holds.
std::string OurPixels(HBITMAP bitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::string pixels = OurPixels(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

void WriteFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

class BmpTest : public ::testing::Test {
protected:
    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root();
};

// An odd-sized picture, so that every row is padded.
void Paint(TestCanvas& canvas, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            SetPixel(canvas.dc(), x, y,
                     (x + y) % 3 == 0 ? RGB(0, 0, 0) : RGB(x * 5, y * 7, (x * y) % 256));
        }
    }
}

TEST_F(BmpTest, WrittenFilesReadTheSameInPillow) {
    struct Case {
        const char* name;
        bool monochrome;
        std::size_t gap;
        std::uint32_t pixelOffset; // 14 + 40 + colour table + gap
    };
    const Case cases[] = {
        {"colour", false, 0, 54},
        {"monochrome", true, 0, 62},
        {"with a gap", false, 4, 58},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(47, 33, c.monochrome);
        Paint(canvas, 47, 33);
        std::vector<std::uint8_t> bytes = EncodeBmp(canvas.bitmap(), c.gap);
        ASSERT_GT(bytes.size(), 14u);
        EXPECT_EQ(bytes[10] | (bytes[11] << 8) | (bytes[12] << 16) | (bytes[13] << 24),
                  int(c.pixelOffset));
        fs::path file = folder_ / "written.bmp";
        WriteFile(file, bytes);
        EXPECT_EQ(PillowPixels(file), OurPixels(canvas.dc()));
        // And read back by our own reader.
        BmpReadResult read = ReadBmp(bytes);
        ASSERT_NE(read.bitmap, nullptr) << read.error;
        EXPECT_EQ(OurPixels(read.bitmap), OurPixels(canvas.dc()));
        DeleteObject(read.bitmap);
    }
}

TEST_F(BmpTest, FilesWrittenByPillowReadTheSame) {
    // Pillow writes 1 bit for mode "1", 8 bits with a table for "P" and "L", 24 for "RGB" and
    // 32 for "RGBA".
    RunPython("from PIL import Image\n"
              "rgb = Image.new('RGB', (13, 7))\n"
              "for y in range(7):\n"
              "    for x in range(13):\n"
              "        rgb.putpixel((x, y), (x * 19 % 256, y * 37 % 256, (x ^ y) * 11 % 256))\n"
              "folder = '" +
              folder_.string() +
              "/'\n"
              "rgb.save(folder + 'rgb.bmp')\n"
              "rgb.convert('RGBA').save(folder + 'rgba.bmp')\n"
              "rgb.convert('P', palette=Image.ADAPTIVE, colors=16).save(folder + 'p.bmp')\n"
              "rgb.convert('L').save(folder + 'l.bmp')\n"
              "rgb.convert('1').save(folder + 'one.bmp')\n");
    for (const char* name : {"rgb.bmp", "rgba.bmp", "p.bmp", "l.bmp", "one.bmp"}) {
        SCOPED_TRACE(name);
        BmpReadResult read = ReadBmpFile(folder_ / name);
        ASSERT_NE(read.bitmap, nullptr) << read.error;
        EXPECT_EQ(OurPixels(read.bitmap), PillowPixels(folder_ / name));
        DeleteObject(read.bitmap);
    }
    // A missing file, and a folder, which opens but cannot be read.
    for (const fs::path& unreadable : {folder_ / "missing.bmp", folder_}) {
        SCOPED_TRACE(unreadable);
        BmpReadResult read = ReadBmpFile(unreadable);
        EXPECT_EQ(read.fault, win32::BmpFault::CannotOpen);
        EXPECT_EQ(read.bitmap, nullptr);
    }
}

// A 2 x 2 picture of 16 bits per pixel with 5-6-5 masks, top-down, by hand.
std::vector<std::uint8_t> SixteenBitFile() {
    std::vector<std::uint8_t> b;
    auto u16 = [&](unsigned v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    // File header (offset 0): signature, file size, reserved, pixel offset.
    b.push_back('B');
    b.push_back('M');
    u32(74);
    u32(0);
    u32(66);
    // Info header (offset 14): size, width 2, height -2 (top-down), planes, bits, compression,
    // image size, resolution, colours used and important.
    u32(40);
    u32(2);
    u32(static_cast<std::uint32_t>(-2));
    u16(1);
    u16(16);
    u32(BI_BITFIELDS);
    u32(8);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    // Masks (offset 54): red, green, blue.
    u32(0xF800);
    u32(0x07E0);
    u32(0x001F);
    // Pixels (offset 66), top row first: red, green; blue, white.
    u16(0xF800);
    u16(0x07E0);
    u16(0x001F);
    u16(0xFFFF);
    return b;
}

TEST_F(BmpTest, ReadsColourMasks) {
    BmpReadResult read = ReadBmp(SixteenBitFile());
    ASSERT_NE(read.bitmap, nullptr) << read.error;
    EXPECT_EQ(OurPixels(read.bitmap), "2 2 ff000000ff000000ffffffff\n");
    DeleteObject(read.bitmap);
}

TEST_F(BmpTest, MalformedFilesAreRefused) {
    using Bytes = std::vector<std::uint8_t>;
    auto put32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    struct Case {
        const char* name;
        std::function<void(Bytes&)> spoil;
    };
    // Each case spoils the valid 16-bit file above; offsets are those of its layout.
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"file header truncated", [](Bytes& b) { b.resize(10); }},
        {"info header truncated", [](Bytes& b) { b.resize(30); }},
        {"info header size 0", [&](Bytes& b) { put32(b, 14, 0); }},
        {"info header larger than the file", [&](Bytes& b) { put32(b, 14, 1000); }},
        {"width 0", [&](Bytes& b) { put32(b, 18, 0); }},
        {"height 0", [&](Bytes& b) { put32(b, 22, 0); }},
        {"absurd width", [&](Bytes& b) { put32(b, 18, 100000); }},
        {"absurd area",
         [&](Bytes& b) {
             put32(b, 18, 30000);
             put32(b, 22, 30000);
         }},
        {"bits per pixel 7", [](Bytes& b) { b[28] = 7; }},
        {"run-length compression", [&](Bytes& b) { put32(b, 30, BI_RLE8); }},
        {"masks on 24 bits", [](Bytes& b) { b[28] = 24; }},
        {"mask with a hole", [&](Bytes& b) { put32(b, 54, 0x0F0F); }},
        {"pixel offset past the end", [&](Bytes& b) { put32(b, 10, 5000); }},
        {"pixel offset inside the headers", [&](Bytes& b) { put32(b, 10, 40); }},
        {"pixels one byte short", [](Bytes& b) { b.pop_back(); }},
        {"more rows than bytes", [&](Bytes& b) { put32(b, 22, static_cast<std::uint32_t>(-3)); }},
        {"colour table past the end",
         [&](Bytes& b) {
             b[28] = 8;
             put32(b, 30, BI_RGB);
             put32(b, 46, 256);
         }},
        {"colour table larger than the depth allows",
         [&](Bytes& b) {
             b[28] = 1;
             put32(b, 30, BI_RGB);
             put32(b, 46, 3);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = SixteenBitFile();
        c.spoil(bytes);
        // An exact-size copy, so that a read past the end is caught by the address sanitizer.
        std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
        std::copy(bytes.begin(), bytes.end(), exact.get());
        BmpReadResult read = ReadBmp(std::span<const std::uint8_t>(exact.get(), bytes.size()));
        EXPECT_EQ(read.bitmap, nullptr);
        EXPECT_EQ(read.fault, win32::BmpFault::Malformed);
        EXPECT_FALSE(read.error.empty());
    }
}

} // namespace
