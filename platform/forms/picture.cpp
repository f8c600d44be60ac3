#include "platform/forms/picture.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include "platform/forms/errors.h"
#include "platform/runtime/runtime_error.h"

namespace forms {

namespace {

// The largest side accepted; larger claims are taken as damage.
constexpr std::int64_t kMaxSide = 32768;

std::uint32_t ReadLittle(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value =
            value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::uint32_t ReadBig16(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset])) << 8 |
           static_cast<unsigned char>(bytes[offset + 1]);
}

bool Plausible(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

// BMP: the 14-byte file header ("BM", file size, reserved, pixel offset), then the info
// header, whose first 4 bytes give its size: 12 for the old core header (16-bit width and
// height at 18 and 20), 40 or more for the later ones (32-bit width at 18, 32-bit height at 22,
// negative for top-down rows).
bool ReadBmpSize(std::string_view bytes, int& width, int& height) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const std::uint32_t headerSize = ReadLittle(bytes, 14, 4);
    std::int64_t w = 0;
    std::int64_t h = 0;
    if (headerSize == 12) {
        w = ReadLittle(bytes, 18, 2);
        h = ReadLittle(bytes, 20, 2);
    } else if (headerSize >= 40 && bytes.size() >= 26) {
        w = static_cast<std::int32_t>(ReadLittle(bytes, 18, 4));
        h = static_cast<std::int32_t>(ReadLittle(bytes, 22, 4));
        h = h < 0 ? -h : h;
    } else {
        return false;
    }
    if (!Plausible(w, h)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// JPEG: the start-of-image marker FF D8, then segments of a marker FF xx and a 16-bit
// big-endian length that counts itself; the first start-of-frame segment (C0 to CF except the
// C4, C8 and CC tables) holds precision (1 byte), height and width (2 bytes each).
bool ReadJpegSize(std::string_view bytes, int& width, int& height) {
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8) {
        return false;
    }
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) != 0xFF) {
            return false;
        }
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return false; // end of image or scan data before any frame header
        }
        const std::uint32_t length = ReadBig16(bytes, at + 2);
        if (length < 2) {
            return false;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 9 > bytes.size()) {
                return false;
            }
            const std::int64_t h = ReadBig16(bytes, at + 5);
            const std::int64_t w = ReadBig16(bytes, at + 7);
            if (!Plausible(w, h)) {
                return false;
            }
            width = static_cast<int>(w);
            height = static_cast<int>(h);
            return true;
        }
        at += 2 + length;
    }
    return false;
}

// Icon: a 6-byte header (reserved 0, type 1, image count), then 16 bytes per image, whose first
// two bytes are its width and height (0 meaning 256).
bool ReadIconSize(std::string_view bytes, int& width, int& height) {
    if (bytes.size() < 22 || ReadLittle(bytes, 0, 2) != 0 || ReadLittle(bytes, 2, 2) != 1 ||
        ReadLittle(bytes, 4, 2) == 0) {
        return false;
    }
    const auto side = [&bytes](std::size_t offset) {
        const auto value = static_cast<unsigned char>(bytes[offset]);
        return value == 0 ? 256 : static_cast<int>(value);
    };
    width = side(6);
    height = side(7);
    return true;
}

} // namespace

std::optional<Picture> Picture::FromBytes(std::string bytes) {
    Picture picture;
    if (ReadBmpSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Bmp;
    } else if (ReadJpegSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Jpeg;
    } else if (ReadIconSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Icon;
    } else {
        return std::nullopt;
    }
    picture.bytes_ = std::move(bytes);
    return picture;
}

Picture LoadPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw runtime::RuntimeError(runtime::ErrorNumber::FileNotFound, path);
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw runtime::RuntimeError(runtime::ErrorNumber::DeviceIOError, path);
    }
    auto picture = Picture::FromBytes(std::move(bytes));
    if (!picture) {
        RaiseInvalidPicture(path);
    }
    return *picture;
}

} // namespace forms
