#include "image_fixture.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"

#include <random>
#include <sstream>

namespace {

// For each file: writes the first image's RGB bytes to the file's name + ".rgb" and describes
// the file in a line of standard output.
constexpr const char* kPillowScript = R"(import sys
from PIL import Image
for name in sys.argv[1:]:
    image = Image.open(name)
    image.load()
    with open(name + '.rgb', 'wb') as out:
        out.write(image.convert('RGB').tobytes())
    print(image.format, image.mode, image.size[0], image.size[1], getattr(image, 'n_frames', 1))
)";

struct BitmapInfo {
    BITMAPINFO info{};
    RGBQUAD more[3]{}; // the second colour of a 1-bit table, or the three masks of 32 bits
};

BitmapInfo TopDownHeader(int width, int height, int bitCount) {
    BitmapInfo header;
    header.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.info.bmiHeader.biWidth = width;
    header.info.bmiHeader.biHeight = -height;
    header.info.bmiHeader.biPlanes = 1;
    header.info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    header.info.bmiHeader.biCompression = BI_RGB;
    return header;
}

RGBQUAD Quad(COLORREF colour) {
    return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

HBITMAP OneBitSection(int width, int height, COLORREF first, COLORREF second) {
    BitmapInfo header = TopDownHeader(width, height, 1);
    header.info.bmiColors[0] = Quad(first);
    header.more[0] = Quad(second);
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &header.info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

} // namespace

Picture Noise(int width, int height, const std::vector<COLORREF>& palette, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
    Picture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        picture.colours.push_back(palette[pick(random)]);
    }
    return picture;
}

std::vector<COLORREF> DistinctColours(int count) {
    std::vector<COLORREF> colours;
    for (int i = 0; i < count; ++i) {
        colours.push_back(RGB(static_cast<BYTE>(i * 37), static_cast<BYTE>(i * 101 / 7),
                              static_cast<BYTE>(255 - i)));
    }
    return colours;
}

const char* NameOf(BitmapKind kind) {
    switch (kind) {
    case BitmapKind::Monochrome:
        return "monochrome";
    case BitmapKind::ScreenColour:
        return "screen colour";
    case BitmapKind::Section32:
        return "32-bit section";
    case BitmapKind::WhiteBlackSection:
        return "white/black section";
    case BitmapKind::RedBlueSection:
        return "red/blue section";
    }
    return "?";
}

TestBitmap MakeBitmap(const Picture& picture, BitmapKind kind) {
    HBITMAP bitmap = nullptr;
    switch (kind) {
    case BitmapKind::Monochrome:
        bitmap = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
        break;
    case BitmapKind::ScreenColour:
        bitmap = CreateBitmap(picture.width, picture.height, 1, 24, nullptr);
        break;
    case BitmapKind::Section32: {
        BitmapInfo header = TopDownHeader(picture.width, picture.height, 32);
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &header.info, DIB_RGB_COLORS, &bits, nullptr, 0);
        break;
    }
    case BitmapKind::WhiteBlackSection:
        bitmap = OneBitSection(picture.width, picture.height, kWhite, kBlack);
        break;
    case BitmapKind::RedBlueSection:
        bitmap = OneBitSection(picture.width, picture.height, RGB(255, 0, 0), RGB(0, 0, 255));
        break;
    }
    EXPECT_NE(bitmap, nullptr);
    std::vector<std::uint8_t> bgrx;
    for (COLORREF colour : picture.colours) {
        bgrx.insert(bgrx.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
    }
    BitmapInfo header = TopDownHeader(picture.width, picture.height, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetDIBits(dc, bitmap, 0, static_cast<UINT>(picture.height), bgrx.data(), &header.info,
                        DIB_RGB_COLORS),
              picture.height);
    DeleteDC(dc);
    return TestBitmap(bitmap);
}

std::vector<Decoded> DecodeWithPillow(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> arguments{testkit::kSystemPython, "-c", kPillowScript};
    for (const std::filesystem::path& file : files) {
        arguments.push_back(file.string());
    }
    const testkit::ToolRun run = testkit::RunTool(arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    std::vector<Decoded> results;
    if (run.exitStatus != 0) {
        return results;
    }
    std::istringstream lines(run.output);
    for (const std::filesystem::path& file : files) {
        Decoded decoded;
        lines >> decoded.format >> decoded.mode >> decoded.picture.width >>
            decoded.picture.height >> decoded.frames;
        const std::string rgb = testkit::ReadFileBytes(file.string() + ".rgb");
        for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
            decoded.picture.colours.push_back(RGB(static_cast<BYTE>(rgb[i]),
                                                  static_cast<BYTE>(rgb[i + 1]),
                                                  static_cast<BYTE>(rgb[i + 2])));
        }
        results.push_back(std::move(decoded));
    }
    return results;
}

Decoded DecodeWithPillow(const std::filesystem::path& file) {
    std::vector<Decoded> results = DecodeWithPillow(std::vector<std::filesystem::path>{file});
    return results.empty() ? Decoded{} : std::move(results.front());
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file) {
    const std::string bytes = testkit::ReadFileBytes(file);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
