#include "family/print/src/preview/page_list.h"

#include "family/print/src/printfile/print_file_layout.h"

#include <algorithm>
#include <cstdio>

namespace pressel {

PicturePages PicturePagesOfJob(const PrintJob& job) {
    return {job.picturePagesBefore, job.picturePagesAfter};
}

PageList::PageList(PicturePages pictures, int documentPages)
    : pictures_{std::clamp(pictures.before, 0, kMaxPicturePages),
                std::clamp(pictures.after, 0, kMaxPicturePages)},
      documentPages_(std::clamp(documentPages, 0, kMaxPages)) {}

int PageList::Size() const {
    return pictures_.before + documentPages_ + pictures_.after;
}

PageEntry PageList::At(int position) const {
    if (position < pictures_.before) {
        return {PageKind::kPictureBefore, position};
    }
    const int inDocument = position - pictures_.before;
    if (inDocument < documentPages_) {
        return {PageKind::kDocument, inDocument};
    }
    return {PageKind::kPictureAfter, inDocument - documentPages_};
}

std::string PicturePageFile(PageEntry entry) {
    char name[32];
    std::snprintf(name, sizeof name,
                  entry.kind == PageKind::kPictureBefore ? "VPre%02d.BMP" : "VPost%02d.BMP",
                  entry.index);
    return name;
}

} // namespace pressel
