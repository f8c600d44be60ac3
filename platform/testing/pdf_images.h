// The images of a PDF file as pdfimages -list lists them: one row for each time a page draws an
// image, with the number of the object that holds the image, so that a test can tell which
// pages share one image and how each is encoded.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testkit {

struct PdfImageUse {
    int page = 0;
    int width = 0;
    int height = 0;
    std::string encoding; // "image" (compressed pixels), "jpeg", ...
    int object = 0;
};

// Every image use of `pdf`, in pdfimages' order (page by page). A file pdfimages cannot read
// fails the test and gives none.
std::vector<PdfImageUse> ReadPdfImages(const std::filesystem::path& pdf);

} // namespace testkit
