// The preview's page list: the host's picture pages before the document, the document's pages,
// and the host's picture pages after it, numbered from 1 in that order. Picture pages are bitmap
// files "VPre%02d.BMP" and "VPost%02d.BMP" named without a folder, so the current folder's.
#pragma once

#include "family/print/pressel.h"

#include <string>

namespace pressel {

// How many picture pages the host puts before and after the document; they belong to the job,
// so every preview keeps its own.
struct PicturePages {
    int before = 0;
    int after = 0;
};

PicturePages PicturePagesOfJob(const PrintJob& job);

enum class PageKind { kPictureBefore, kDocument, kPictureAfter };

// One entry of the list: what it shows and its number among pages of its kind (from 0).
struct PageEntry {
    PageKind kind = PageKind::kDocument;
    int index = 0;

    bool operator==(const PageEntry&) const = default;
};

// The picture pages a list takes on each side: the names' two digits count 00 to 99.
inline constexpr int kMaxPicturePages = 100;

class PageList {
public:
    // Negative counts read as none, counts above kMaxPicturePages as that many.
    PageList(PicturePages pictures, int documentPages);

    int Size() const;
    // Entry `position` (from 0, below Size()).
    PageEntry At(int position) const;

private:
    PicturePages pictures_;
    int documentPages_;
};

// The file of a picture page: "VPre00.BMP", "VPost01.BMP", ...
std::string PicturePageFile(PageEntry entry);

} // namespace pressel
