// GIF pictures through giflib: the first image of the file, placed on the logical screen, its
// transparent colour (if any) transparent.
#include "platform/printdoc/src/picture_data.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace printdoc {

namespace {

struct Source {
    std::string_view bytes;
    std::size_t at = 0;
};

int ReadFromMemory(GifFileType* file, GifByteType* into, int wanted) {
    auto* source = static_cast<Source*>(file->UserData);
    std::size_t count =
        std::min(static_cast<std::size_t>(std::max(wanted, 0)), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

// giflib's text for a fault; it has none for some of the faults it reports (0 among them).
std::string GifFault(int error) {
    const char* text = GifErrorString(error);
    return std::string("GIF: ") + (text ? text : "the file holds no readable image");
}

class OpenGif {
public:
    explicit OpenGif(Source& source) {
        int error = 0;
        file_ = DGifOpen(&source, ReadFromMemory, &error);
        if (file_ == nullptr) {
            RefusePicture(GifFault(error));
        }
    }
    ~OpenGif() { DGifCloseFile(file_, nullptr); }
    OpenGif(const OpenGif&) = delete;
    OpenGif& operator=(const OpenGif&) = delete;
    GifFileType* operator->() const { return file_; }
    GifFileType* Get() const { return file_; }

private:
    GifFileType* file_;
};

} // namespace

PictureData DecodeGif(std::string_view bytes) {
    Source source{bytes};
    OpenGif gif(source);
    // Screen sizes are 16-bit, so the limit is checked before anything is read into memory.
    CheckPictureSize(gif->SWidth, gif->SHeight);
    if (DGifSlurp(gif.Get()) != GIF_OK || gif->ImageCount < 1) {
        RefusePicture(GifFault(gif->Error));
    }
    const SavedImage& image = gif->SavedImages[0];
    const GifImageDesc& place = image.ImageDesc;
    const ColorMapObject* colours = place.ColorMap ? place.ColorMap : gif->SColorMap;
    if (colours == nullptr) {
        RefusePicture("GIF: no colour table");
    }
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.Get(), 0, &control);
    PictureData picture;
    picture.width = gif->SWidth;
    picture.height = gif->SHeight;
    // Outside the first image the screen shows its background: white here.
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0xFFFFFFFFu);
    for (int y = 0; y < place.Height; ++y) {
        for (int x = 0; x < place.Width; ++x) {
            int screenX = place.Left + x;
            int screenY = place.Top + y;
            if (screenX >= picture.width || screenY >= picture.height) {
                continue;
            }
            int index = image.RasterBits[static_cast<std::size_t>(y) * place.Width + x];
            std::uint32_t colour = 0; // transparent, and for an index past the table
            if (index != control.TransparentColor && index < colours->ColorCount) {
                const GifColorType& c = colours->Colors[index];
                colour = 0xFF000000u | (std::uint32_t{c.Red} << 16) |
                         (std::uint32_t{c.Green} << 8) | c.Blue;
            }
            picture.pixels[static_cast<std::size_t>(screenY) * picture.width + screenX] = colour;
        }
    }
    return picture;
}

} // namespace printdoc
