// JPEG pictures through libjpeg-turbo. The library reports a fatal fault through its error
// manager, which here jumps back to the reader; no C++ object with a destructor lives between
// the jump and its target.
#include "platform/printdoc/src/picture_data.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace printdoc {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnFatal(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->back, 1);
}

// Warnings (corrupt but decodable data) are not shown.
void OnMessage(j_common_ptr, int) {}

// Decodes into `picture`; false with `manager.message` set on a fault.
bool Decode(std::string_view bytes, PictureData& picture, ErrorManager& manager,
            jpeg_decompress_struct& info) {
    if (setjmp(manager.back) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width < 1 || info.image_height < 1 || info.image_width > kLargestPictureSide ||
        info.image_height > kLargestPictureSide) {
        std::snprintf(manager.message, sizeof manager.message, "picture size %u x %u",
                      info.image_width, info.image_height);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRA; // little-endian 0xAARRGGBB
    jpeg_start_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            picture.pixels.data() + static_cast<std::size_t>(info.output_scanline) * picture.width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    if (info.density_unit == 1 || info.density_unit == 2) {
        double perInch = info.density_unit == 1 ? 1 : 2.54;
        if (info.X_density > 0 && info.Y_density > 0) {
            picture.dotsPerInchX = info.X_density * perInch;
            picture.dotsPerInchY = info.Y_density * perInch;
        }
    }
    const bool keepsFile = info.num_components == 1 || info.num_components == 3;
    jpeg_finish_decompress(&info);
    if (keepsFile) {
        picture.jpegFile.assign(bytes);
    }
    return true;
}

} // namespace

PictureData DecodeJpeg(std::string_view bytes) {
    PictureData picture;
    ErrorManager manager{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnFatal;
    manager.base.emit_message = OnMessage;
    bool decoded = Decode(bytes, picture, manager, info);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        RefusePicture(std::string("JPEG: ") + manager.message);
    }
    return picture;
}

} // namespace printdoc
