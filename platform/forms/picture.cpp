#include "platform/forms/picture.h"

#include "platform/bytes/byte_reader.h"
#include "platform/forms/errors.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace forms {

namespace {

using bytes::ByteReader;

// The largest side accepted; larger claims are taken as damage.
constexpr std::int64_t kMaxSide = 32768;

bool Plausible(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

// Takes the size when it is plausible.
bool SetSize(std::int64_t width, std::int64_t height, int& widthOut, int& heightOut) {
    if (!Plausible(width, height)) {
        return false;
    }
    widthOut = static_cast<int>(width);
    heightOut = static_cast<int>(height);
    return true;
}

// BMP: the 14-byte file header ("BM", file size, reserved, pixel offset), then the info
// header, whose first 4 bytes give its size: 12 for the old core header (16-bit width and
// height at 18 and 20), 40 or more for the later ones (32-bit width at 18, 32-bit height at 22,
// negative for top-down rows).
bool ReadBmpSize(std::string_view data, int& width, int& height) {
    ByteReader reader(data);
    if (reader.U8() != 'B' || reader.U8() != 'M') {
        return false;
    }
    reader.Seek(14);
    const std::uint32_t headerSize = reader.U32LE();
    std::int64_t w = 0;
    std::int64_t h = 0;
    if (headerSize == 12) {
        w = reader.U16LE();
        h = reader.U16LE();
    } else if (headerSize >= 40) {
        w = static_cast<std::int32_t>(reader.U32LE());
        h = static_cast<std::int32_t>(reader.U32LE());
        h = h < 0 ? -h : h;
    } else {
        return false;
    }
    return !reader.Failed() && SetSize(w, h, width, height);
}

// JPEG: the start-of-image marker FF D8, then segments of a marker FF xx (fill bytes FF may
// come first) and a 16-bit big-endian length that counts itself; the first start-of-frame
// segment (C0 to CF except the C4, C8 and CC tables) holds precision (1 byte), height and width
// (2 bytes each).
bool ReadJpegSize(std::string_view data, int& width, int& height) {
    ByteReader reader(data);
    if (reader.U8() != 0xFF || reader.U8() != 0xD8) {
        return false;
    }
    while (!reader.Failed()) {
        if (reader.U8() != 0xFF) {
            return false;
        }
        std::uint8_t marker = reader.U8();
        while (marker == 0xFF && !reader.Failed()) {
            marker = reader.U8();
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return false; // end of image or scan data before any frame header
        }
        const std::uint16_t length = reader.U16BE();
        if (reader.Failed() || length < 2) {
            return false;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            reader.Skip(1); // precision
            const std::int64_t h = reader.U16BE();
            const std::int64_t w = reader.U16BE();
            return length >= 7 && !reader.Failed() && SetSize(w, h, width, height);
        }
        reader.Skip(length - 2u);
    }
    return false;
}

// GIF: "GIF87a" or "GIF89a", the logical screen's width and height (16-bit little-endian),
// then the colour table, extensions and images that giflib decodes.
bool ReadGifScreenSize(std::string_view data, int& width, int& height) {
    ByteReader reader(data);
    const std::span<const std::uint8_t> signature = reader.Bytes(6);
    if (reader.Failed() || (std::memcmp(signature.data(), "GIF87a", 6) != 0 &&
                            std::memcmp(signature.data(), "GIF89a", 6) != 0)) {
        return false;
    }
    const std::int64_t w = reader.U16LE();
    const std::int64_t h = reader.U16LE();
    return !reader.Failed() && SetSize(w, h, width, height);
}

// giflib reads through this from the bytes in memory; a short read is its error.
struct GifSource {
    ByteReader reader;
};

int ReadGifBytes(GifFileType* gif, GifByteType* buffer, int count) {
    auto* source = static_cast<GifSource*>(gif->UserData);
    const std::size_t wanted = count < 0 ? 0 : static_cast<std::size_t>(count);
    const std::span<const std::uint8_t> taken =
        source->reader.Bytes(std::min(wanted, source->reader.Remaining()));
    std::copy(taken.begin(), taken.end(), buffer);
    return static_cast<int>(taken.size());
}

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

// Skips extensions up to the first image and decodes that image row by row. The rows are not
// kept: what is drawn decodes the bytes again.
bool DecodesFirstGifImage(std::string_view data) {
    GifSource source{ByteReader(data)};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadGifBytes, &error));
    if (!gif) {
        return false;
    }
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            return false;
        }
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) {
                return false;
            }
            while (block != nullptr) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) {
                    return false;
                }
            }
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
                return false;
            }
            const GifImageDesc& image = gif->Image;
            if (!Plausible(image.Width, image.Height)) {
                return false;
            }
            std::vector<GifPixelType> row(static_cast<std::size_t>(image.Width));
            for (int y = 0; y < image.Height; ++y) {
                if (DGifGetLine(gif.get(), row.data(), image.Width) == GIF_ERROR) {
                    return false;
                }
            }
            return true;
        } else {
            return false; // the trailer, or a record giflib does not know, before any image
        }
    }
}

bool ReadGifSize(std::string_view data, int& width, int& height) {
    return ReadGifScreenSize(data, width, height) && DecodesFirstGifImage(data);
}

// Icon: a 6-byte header (reserved 0, type 1, image count), then 16 bytes per image, whose first
// two bytes are its width and height (0 meaning 256).
bool ReadIconSize(std::string_view data, int& width, int& height) {
    ByteReader reader(data);
    const bool icon = reader.U16LE() == 0 && reader.U16LE() == 1 && reader.U16LE() != 0;
    const int w = reader.U8();
    const int h = reader.U8();
    reader.Skip(14); // the rest of the first image's entry
    if (!icon || reader.Failed()) {
        return false;
    }
    width = w == 0 ? 256 : w;
    height = h == 0 ? 256 : h;
    return true;
}

} // namespace

std::optional<Picture> Picture::FromBytes(std::string bytes) {
    Picture picture;
    if (ReadBmpSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Bmp;
    } else if (ReadJpegSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Jpeg;
    } else if (ReadGifSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Gif;
    } else if (ReadIconSize(bytes, picture.width_, picture.height_)) {
        picture.format_ = PictureFormat::Icon;
    } else {
        return std::nullopt;
    }
    picture.bytes_ = std::move(bytes);
    return picture;
}

Picture LoadPicture(const std::string& path) {
    std::string bytes;
    try {
        bytes = sys::ReadWholeFile(path);
    } catch (const runtime::RuntimeError&) {
        throw runtime::RuntimeError(runtime::ErrorNumber::FileNotFound, path);
    }
    auto picture = Picture::FromBytes(std::move(bytes));
    if (!picture) {
        RaiseInvalidPicture(path);
    }
    return *picture;
}

} // namespace forms
