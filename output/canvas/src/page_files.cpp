#include "output/canvas/page_files.h"

#include "output/canvas/page_bitmap.h"
#include "output/image/bmp_writer.h"
#include "output/image/gif_writer.h"
#include "output/image/tiff_writer.h"

#include <string>

namespace output {

namespace {

bool WritePageFile(const Canvas& canvas, std::int32_t page, std::string_view name,
                   PageFileFormat format) {
    const OwnedBitmap bitmap = RenderPage(canvas, page);
    if (!bitmap) {
        return false;
    }
    switch (format) {
    case PageFileFormat::Bmp:
        return WriteBmpFile(name, bitmap.Get()) == BmpWriteResult::OK;
    case PageFileFormat::Gif:
        return GifWriter().Write(name, bitmap.Get()) == GifWriteResult::OK;
    case PageFileFormat::Tiff:
        return WriteTiffFile(name, bitmap.Get(), canvas.DrawScale()) == TiffWriteResult::OK;
    }
    return false;
}

} // namespace

CanvasError WritePageFiles(const Canvas& canvas, std::int32_t page, std::string_view name,
                           PageFileFormat format) {
    // An empty name would otherwise make "_1" and the like out of nothing.
    if (name.empty()) {
        return CanvasError::CannotAccessFile;
    }
    if (page != 0) {
        return WritePageFile(canvas, page, name, format) ? CanvasError::OK
                                                         : CanvasError::CannotAccessFile;
    }
    for (std::int32_t each = 1; each <= canvas.PageTotal(); ++each) {
        const std::string pageName = std::string(name) + "_" + std::to_string(each);
        if (!WritePageFile(canvas, each, pageName, format)) {
            return CanvasError::CannotAccessFile;
        }
    }
    return CanvasError::OK;
}

} // namespace output
