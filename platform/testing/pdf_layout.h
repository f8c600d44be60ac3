// The words and pictures of a PDF file's pages, as independent readers see them: each word
// with its box as pdftotext -bbox reads it, and each picture with the box that the drawing
// matrices of the page's content (decoded by qpdf) give the image it draws. Boxes are in points
// (1/72 inch) from the page's top left corner, so a test can check where things landed without
// trusting the code that put them there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testkit {

struct PdfBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    // Whether the two boxes share more than an edge.
    bool Overlaps(const PdfBox& other) const;
    // Whether this box lies wholly in `area`.
    bool Inside(const PdfBox& area) const;
};

struct PdfWord {
    std::string text; // UTF-8
    PdfBox box;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;
    std::vector<PdfBox> pictures; // in the order the page draws them
};

// Every page of `pdf`, page 1 first. A file the tools cannot read fails the test and gives no
// pages.
std::vector<PdfPage> ReadPdfLayout(const std::filesystem::path& pdf);

} // namespace testkit
