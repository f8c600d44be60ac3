#include "family/print/src/preview/page_bitmaps.h"

#include "family/print/src/job/print_job.h"
#include "family/print/src/preview/bitmap_file.h"
#include "family/print/src/render/page_drawer.h"

#include <vector>

namespace pressel {

HBITMAP PreviewPageBitmap(LoadedPrintFile& file, PageEntry entry) {
    if (entry.kind != PageKind::kDocument) {
        return LoadBitmapFile(PicturePageFile(entry));
    }
    return PageDrawer(file.header, PageColours::kLikeScreen).Draw(file, entry.index);
}

bool RenderPagesToBitmaps(PrintJob& job, LoadedPrintFile& file) {
    const PicturePages pictures = PicturePagesOfJob(job);
    if (pictures.before < 0 || pictures.after < 0) {
        return false;
    }
    // The list takes at most kMaxPicturePages a side, more than the job's field holds anyway.
    const PageList list(pictures, file.header.pageCount);
    if (list.Size() > kMaxPageBitmaps) {
        return false;
    }
    PageDrawer drawer(file.header, PageColours::kMonochrome);
    std::vector<HBITMAP> bitmaps;
    for (int position = 0; position < list.Size(); ++position) {
        const PageEntry entry = list.At(position);
        bitmaps.push_back(entry.kind == PageKind::kDocument
                              ? drawer.Draw(file, entry.index)
                              : LoadBitmapFile(PicturePageFile(entry)));
    }
    return StorePageBitmaps(job, bitmaps);
}

} // namespace pressel
