#include "platform/printdoc/src/page_png.h"

#include "platform/runtime/runtime_error.h"

#include <png.h>

#include <vector>

namespace printdoc {

namespace {

void AppendTo(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), length);
}

void NoFlush(png_structp /*png*/) {}

// libpng reports its errors by a long jump back into the setjmp of the caller.
[[noreturn]] void Refuse(png_structp png, png_const_charp /*message*/) {
    png_longjmp(png, 1);
}

// True when the whole file was written. libpng's errors come back here through its long jump,
// so nothing in this function may need destroying.
bool Encode(png_structp png, png_infop info, const PageImage& image, png_byte* row,
            std::string* bytes) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_write_fn(png, bytes, AppendTo, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* pixels =
            image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) {
            row[3 * x] = static_cast<png_byte>(pixels[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    return true;
}

} // namespace

std::string EncodePagePng(const PageImage& image) {
    std::string bytes;
    std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Refuse, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    const bool encoded = info != nullptr && Encode(png, info, image, row.data(), &bytes);
    png_destroy_write_struct(png != nullptr ? &png : nullptr, info != nullptr ? &info : nullptr);
    if (!encoded) {
        throw runtime::RuntimeError(runtime::ErrorNumber::DeviceIOError,
                                    "PNG: the page could not be encoded");
    }
    return bytes;
}

} // namespace printdoc
