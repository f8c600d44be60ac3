// The page renderer over arbitrary print files: every page the header counts, and one past, drawn
// into a small monochrome bitmap in both picture modes. Whatever indices, offsets and operands
// the file holds, drawing must end and stay within the renderer's and the layer's buffers.
#include "family/print/src/printfile/loaded_print_file.h"
#include "family/print/src/render/device_twips.h"
#include "family/print/src/render/page_renderer.h"

#include "platform/win32/font_provider.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const int descriptor = ::memfd_create("print-file", MFD_CLOEXEC);
    if (descriptor < 0 || ::write(descriptor, data, size) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    pressel::LoadResult loaded =
        pressel::LoadPrintFile("/proc/self/fd/" + std::to_string(descriptor));
    ::close(descriptor);
    if (loaded.file == nullptr) {
        return 0;
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(64, 80, 1, 1, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    pressel::SetupPrinterTwips(dc);
    const int pages = loaded.file->header.pageCount;
    for (int page = 0; page <= pages && page <= pressel::kMaxPages; ++page) {
        for (const pressel::PictureMode mode :
             {pressel::PictureMode::kBitmap, pressel::PictureMode::kPrinter}) {
            pressel::RenderPage(dc, *loaded.file, page, POINT{360, 360}, mode);
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
