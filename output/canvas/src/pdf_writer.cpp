// The PDF file of a canvas. Objects, in the order written: 1 the information dictionary, one
// font per standard font in use, one image per image item, the resources, the catalog, the page
// tree, then per page its content stream and its page object; the cross-reference table and the
// trailer close the file. Every line ends with CR LF.
#include "output/canvas/dib_info.h"
#include "output/canvas/pdf_export.h"
#include "output/canvas/src/pdf_lzw.h"
#include "output/canvas/src/pdf_syntax.h"
#include "output/image/caller_path.h"

#include "platform/system/atomic_file.h"
#include "platform/system/clock.h"

#include <array>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace output {

namespace {

constexpr const char* kEol = "\r\n";
constexpr std::int64_t kTwipsPerPoint = 20;
// Standard fonts are a little wider than the fonts the canvas measures with.
constexpr double kPdfFontScale = 0.935;
constexpr const char* kProducer = "Tallowmere Output module";
constexpr const char* kCreatorClass = "Output.Canvas";
constexpr const char* kCreatorVersion = "2003.02";
constexpr std::size_t kBaseFontCount = std::size(kPdfBaseFonts);

// Twips to whole points, rounding down so that positions keep their order across zero.
std::int64_t Points(std::int64_t twips) {
    return twips >= 0 ? twips / kTwipsPerPoint : -((-twips + kTwipsPerPoint - 1) / kTwipsPerPoint);
}

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string Colour(COLORREF colour, const char* op) {
    return " " + PdfDecimal(GetRValue(colour) / 255.0, 2) + " " +
           PdfDecimal(GetGValue(colour) / 255.0, 2) + " " +
           PdfDecimal(GetBValue(colour) / 255.0, 2) + " " + op;
}

// The pixels of a bitmap as red, green, blue bytes, rows from the top.
std::vector<std::uint8_t> RgbPixels(const ImageItem& image) {
    const int width = image.pixelWidth;
    const int height = image.pixelHeight;
    std::vector<std::uint8_t> rgb;
    if (width <= 0 || height <= 0) {
        return rgb;
    }
    DibInfo dib = TopDown32(width, height);
    std::vector<std::uint8_t> bgrx(static_cast<std::size_t>(width) * height * 4);
    HDC dc = CreateCompatibleDC(nullptr);
    int rows = GetDIBits(dc, image.bitmap.Get(), 0, static_cast<UINT>(height), bgrx.data(),
                         &dib.info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != height) {
        // Unreadable pixels are written white rather than left out, so that the image object
        // still has the size it declares.
        bgrx.assign(bgrx.size(), 0xFF);
    }
    rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < bgrx.size(); i += 4) {
        rgb.push_back(bgrx[i + 2]);
        rgb.push_back(bgrx[i + 1]);
        rgb.push_back(bgrx[i]);
    }
    return rgb;
}

class PdfFile {
public:
    // Starts an object: records its offset and answers its number.
    int BeginObject() {
        offsets_.push_back(bytes_.size());
        int number = static_cast<int>(offsets_.size());
        Line(Number(number) + " 0 obj");
        return number;
    }
    void Line(const std::string& text) {
        bytes_ += text;
        bytes_ += kEol;
    }
    void Raw(const std::string& text) { bytes_ += text; }
    void Stream(const std::string& header, const std::string& data) {
        Line(header);
        Line("stream");
        Raw(data);
        Raw(kEol);
        Line("endstream");
        Line("endobj");
    }
    void Finish(int catalog) {
        std::size_t xref = bytes_.size();
        Line("xref");
        Line("0 " + Number(static_cast<std::int64_t>(offsets_.size()) + 1));
        Line("0000000000 65535 f");
        for (std::size_t offset : offsets_) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n", offset);
            Line(entry);
        }
        Line("trailer");
        Line("<<");
        Line("  /Size " + Number(static_cast<std::int64_t>(offsets_.size()) + 1));
        Line("  /Info 1 0 R");
        Line("  /Root " + Number(catalog) + " 0 R");
        Line(">>");
        Line("startxref");
        Line(Number(static_cast<std::int64_t>(xref)));
        Line("%%EOF");
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::vector<std::size_t> offsets_;
};

class PageContent {
public:
    PageContent(const Canvas& canvas, std::int32_t page, std::int64_t pageHeight)
        : canvas_(canvas), page_(page), height_(pageHeight) {}

    std::string Build() {
        const CanvasItems& items = canvas_.Items();
        for (std::size_t i = 0; i < items.images.size(); ++i) {
            if (items.images[i].page == page_) {
                Image(items.images[i], i);
            }
        }
        for (const PolygonItem& polygon : items.polygons) {
            if (polygon.page == page_) {
                Polygon(polygon);
            }
        }
        for (const LineItem& line : items.lines) {
            if (line.page == page_) {
                Line(line);
            }
        }
        Text(items);
        return out_;
    }

private:
    // Path coordinates stand one point lower, where the page bitmap's pixel rows put them.
    std::int64_t PathY(std::int64_t y) const { return height_ - Points(y) - 1; }

    void Stroke(COLORREF colour) {
        if (stroke_ != colour) {
            out_ += Colour(colour, "RG");
            stroke_ = colour;
        }
    }
    void Fill(COLORREF colour) {
        if (fill_ != colour) {
            out_ += Colour(colour, "rg");
            fill_ = colour;
        }
    }
    static std::string Width(std::int32_t twips) {
        return " " + Number(std::max<std::int64_t>(1, Points(twips))) + ".0 w";
    }

    void Image(const ImageItem& image, std::size_t index) {
        std::int64_t width = Points(image.width);
        std::int64_t height = Points(image.height);
        out_ += "q" + std::string(kEol) + "  " + Number(width) + " 0 0 " + Number(height) + " " +
                Number(Points(image.x)) + " " + Number(height_ - Points(image.y) - height) + " cm" +
                kEol + "  /I" + Number(static_cast<std::int64_t>(index)) + " Do" + kEol + "Q" +
                kEol;
    }

    void Polygon(const PolygonItem& polygon) {
        if (polygon.outline) {
            Stroke(polygon.lineColour);
        }
        if (polygon.fill) {
            Fill(polygon.fillColour);
        }
        out_ += Width(polygon.width);
        for (std::size_t i = 0; i < polygon.points.size(); ++i) {
            const CanvasPoint& point = polygon.points[i];
            out_ += " " + Number(Points(point.x)) + " " + Number(PathY(point.y)) +
                    (i == 0 ? " m" : " l");
        }
        out_ += " h";
        out_ += polygon.fill ? (polygon.outline ? " B" : " f") : " S";
        out_ += kEol;
    }

    void Line(const LineItem& line) {
        Stroke(line.colour);
        out_ += Width(line.width) + " " + Number(Points(line.xFrom)) + " " +
                Number(PathY(line.yFrom)) + " m " + Number(Points(line.xTo)) + " " +
                Number(PathY(line.yTo)) + " l S" + kEol;
    }

    void Text(const CanvasItems& items) {
        out_ += "BT";
        std::optional<std::size_t> font;
        std::int64_t x = 0;
        std::int64_t y = 0;
        for (const WordItem& word : items.words) {
            if (word.page != page_) {
                continue;
            }
            const FontRecord& record = items.fonts[word.font];
            Fill(word.colour);
            if (font != word.font) {
                out_ += " /F" + Number(PdfBaseFontIndex(record.choice)) + " " +
                        PdfDecimal(record.choice.size * kPdfFontScale, 1) + " Tf";
                font = word.font;
            }
            std::int64_t wordX = Points(word.x);
            std::int64_t wordY = height_ - Points(std::int64_t{word.y} + record.ascent);
            if (y != 0 && wordY != y) {
                out_ += kEol;
            }
            out_ += " " + Number(wordX - x) + " " + Number(wordY - y) + " Td (" +
                    PdfEscape(word.text) + ") Tj";
            x = wordX;
            y = wordY;
        }
        out_ += " ET";
        out_ += kEol;
    }

    const Canvas& canvas_;
    std::int32_t page_;
    std::int64_t height_;
    std::string out_;
    // Unknown at the start of every page, so that each page sets its own colours.
    std::optional<COLORREF> stroke_;
    std::optional<COLORREF> fill_;
};

std::string CreationDate() {
    sys::LocalDateTime now = sys::Now();
    char text[32];
    std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return text;
}

std::string Build(const Canvas& canvas, const std::string& title) {
    const CanvasItems& items = canvas.Items();
    const PageSet& pages = canvas.State().pages;
    const std::int64_t width = Points(pages.width);
    const std::int64_t height = Points(pages.height);

    std::array<bool, kBaseFontCount> used{};
    for (const FontRecord& font : items.fonts) {
        used[static_cast<std::size_t>(PdfBaseFontIndex(font.choice))] = true;
    }

    PdfFile pdf;
    pdf.Line("%PDF-1.1");
    pdf.BeginObject();
    pdf.Line("<<");
    pdf.Line("  /Title (" + PdfEscape(title) + ")");
    pdf.Line("  /Creator (" +
             PdfEscape(std::string("\"") + kCreatorClass + "\" Version " + kCreatorVersion) + ")");
    pdf.Line("  /Producer (" + PdfEscape(kProducer) + ")");
    pdf.Line("  /CreationDate (" + CreationDate() + ")");
    pdf.Line(">>");
    pdf.Line("endobj");

    std::array<int, kBaseFontCount> fontObjects{};
    for (std::size_t i = 0; i < kBaseFontCount; ++i) {
        if (!used[i]) {
            continue;
        }
        fontObjects[i] = pdf.BeginObject();
        pdf.Line("<<");
        pdf.Line("  /Type /Font");
        pdf.Line("  /Subtype /Type1");
        pdf.Line(std::string("  /BaseFont /") + kPdfBaseFonts[i]);
        pdf.Line(">>");
        pdf.Line("endobj");
    }

    std::vector<int> imageObjects;
    for (const ImageItem& image : items.images) {
        std::vector<std::uint8_t> rgb = RgbPixels(image);
        std::string data = PdfLzwEncode(rgb);
        imageObjects.push_back(pdf.BeginObject());
        pdf.Stream("<<" + std::string(kEol) + "  /Type /XObject" + kEol + "  /Subtype /Image" +
                       kEol + "  /Width " + Number(image.pixelWidth) + kEol + "  /Height " +
                       Number(image.pixelHeight) + kEol + "  /BitsPerComponent 8" + kEol +
                       "  /ColorSpace /DeviceRGB" + kEol + "  /Length " +
                       Number(static_cast<std::int64_t>(data.size())) + kEol +
                       "  /Filter /LZWDecode" + kEol + ">>",
                   data);
    }

    const int resources = pdf.BeginObject();
    pdf.Line("<<");
    pdf.Line("  /Font");
    pdf.Line("  <<");
    for (std::size_t i = 0; i < kBaseFontCount; ++i) {
        if (used[i]) {
            pdf.Line("    /F" + Number(static_cast<std::int64_t>(i)) + " " +
                     Number(fontObjects[i]) + " 0 R");
        }
    }
    pdf.Line("  >>");
    if (!imageObjects.empty()) {
        pdf.Line("  /XObject");
        pdf.Line("  <<");
        for (std::size_t i = 0; i < imageObjects.size(); ++i) {
            pdf.Line("    /I" + Number(static_cast<std::int64_t>(i)) + " " +
                     Number(imageObjects[i]) + " 0 R");
        }
        pdf.Line("  >>");
    }
    pdf.Line(">>");
    pdf.Line("endobj");

    const int catalog = pdf.BeginObject();
    const int pageTree = catalog + 1;
    pdf.Line("<<");
    pdf.Line("  /Type /Catalog");
    pdf.Line("  /Pages " + Number(pageTree) + " 0 R");
    pdf.Line(">>");
    pdf.Line("endobj");

    pdf.BeginObject();
    pdf.Line("<<");
    pdf.Line("  /Type /Pages");
    pdf.Line("  /Kids");
    pdf.Line("  [");
    for (std::int32_t page = 1; page <= pages.total; ++page) {
        pdf.Line("    " + Number(pageTree + 2 * std::int64_t{page}) + " 0 R");
    }
    pdf.Line("  ]");
    pdf.Line("  /Count " + Number(pages.total));
    pdf.Line("  /Resources " + Number(resources) + " 0 R");
    pdf.Line("  /MediaBox [ 0 0 " + Number(width) + " " + Number(height) + " ]");
    pdf.Line(">>");
    pdf.Line("endobj");

    for (std::int32_t page = 1; page <= pages.total; ++page) {
        std::string content = PageContent(canvas, page, height).Build();
        const int contents = pdf.BeginObject();
        pdf.Stream("  << /Length " + Number(static_cast<std::int64_t>(content.size())) + " >>",
                   content);
        pdf.BeginObject();
        pdf.Line("<<");
        pdf.Line("  /Type /Page");
        pdf.Line("  /Parent " + Number(pageTree) + " 0 R");
        pdf.Line("  /Contents " + Number(contents) + " 0 R");
        pdf.Line(">>");
        pdf.Line("endobj");
    }
    pdf.Finish(catalog);
    return pdf.Bytes();
}

} // namespace

int PdfBaseFontIndex(const FontChoice& font) {
    int group = 0;
    if (font.type == static_cast<std::int32_t>(FontFamily::SansSerif)) {
        group = 8;
    } else if (font.type == static_cast<std::int32_t>(FontFamily::FixedPitch)) {
        group = 4;
    }
    return group + (font.bold ? 1 : 0) + (font.italic ? 2 : 0);
}

CanvasError WritePdf(const Canvas& canvas, std::string_view name) {
    const std::filesystem::path path = CallerFilePath(name, ".pdf");
    try {
        sys::ReplaceFileAtomically(path, Build(canvas, path.filename().string()));
    } catch (const std::exception&) {
        return CanvasError::CannotAccessFile;
    }
    return CanvasError::OK;
}

} // namespace output
