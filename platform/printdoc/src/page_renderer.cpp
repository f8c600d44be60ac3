// Cairo draws in its own units: points for PDF (1/20 twip), pixels for images; every list is
// drawn in twips under a scale. Text goes to Cairo as UTF-8, with unhinted metrics, so that the
// widths drawn are the widths measured (text_measure.h).
#include "platform/printdoc/src/page_renderer.h"

#include "platform/printdoc/src/fast_deflate.h"
#include "platform/printdoc/src/text_measure.h"
#include "platform/printing/print_job.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/windows1252.h"
#include "platform/system/atomic_file.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace printdoc {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerInch = 1440;
constexpr double kLineWidthTwips = 14.4; // 1/100 inch
constexpr double kLargestDotsPerInch = 1200;
constexpr int kPrinterError = 482;

[[noreturn]] void Fail(runtime::ErrorNumber number, const std::string& detail) {
    throw runtime::RuntimeError(number, detail);
}

// Font faces for Cairo, made from the face file that measuring chose, kept for the process.
cairo_font_face_t* CairoFaceOf(const FontChoice& font) {
    static std::map<std::pair<std::string, int>, cairo_font_face_t*> faces;
    const FaceFile& face = FaceFileOf(font);
    auto key = std::make_pair(face.file, face.index);
    auto found = faces.find(key);
    if (found != faces.end()) {
        return found->second;
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(face.file.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, face.index);
    cairo_font_face_t* made = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    faces[key] = made;
    return made;
}

void DrawText(cairo_t* cairo, const TextItem& text) {
    const FontChoice& font = text.font;
    if (FaceFileOf(font).file.empty()) {
        return; // no face installed at all: nothing can be drawn
    }
    cairo_set_font_face(cairo, CairoFaceOf(font));
    cairo_set_font_size(cairo, font.size * kTwipsPerPoint);
    cairo_move_to(cairo, text.x, text.baseline);
    cairo_show_text(cairo, runtime::Windows1252ToUtf8(text.text).c_str());
}

void DrawLineItem(cairo_t* cairo, const LineItem& line) {
    cairo_move_to(cairo, line.x1, line.y1);
    cairo_line_to(cairo, line.x2, line.y2);
    cairo_set_line_width(cairo, kLineWidthTwips);
    cairo_stroke(cairo);
}

// The Cairo surfaces of the pictures one rendering draws, one for each decoded picture however
// many pages show it: a PDF file then holds the picture once, compressed once, and every page
// that shows it refers to it. A picture drawn more than once on one page takes a surface of its
// own for each further use there (shared in turn with the other pages), because Cairo would name
// one image twice in the page's resources, which a PDF file must not.
class PictureSurfaces {
public:
    PictureSurfaces() = default;
    ~PictureSurfaces() {
        for (const auto& [pixels, surfaces] : surfaces_) {
            for (cairo_surface_t* surface : surfaces) {
                cairo_surface_destroy(surface);
            }
        }
    }
    PictureSurfaces(const PictureSurfaces&) = delete;
    PictureSurfaces& operator=(const PictureSurfaces&) = delete;

    void StartPage() { usesOnPage_.clear(); }

    // Pictures that share their pixels (copies of one decoded picture) share surfaces.
    cairo_surface_t* SurfaceOf(const Picture& picture) {
        const std::vector<std::uint32_t>* pixels = &picture.Pixels();
        std::vector<cairo_surface_t*>& surfaces = surfaces_[pixels];
        const std::size_t use = usesOnPage_[pixels]++;
        if (use < surfaces.size()) {
            return surfaces[use];
        }
        // An opaque picture goes to Cairo as such (the same pixels, their alpha byte unused),
        // which spares Cairo a look at every pixel's alpha when it writes the picture.
        const bool opaque = picture.Opaque();
        // Cairo reads the picture's own pixels, which outlive the surface and are never drawn
        // on: a row of 32-bit pixels is a stride Cairo takes.
        cairo_surface_t* image = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(pixels->data())),
            opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, picture.PixelWidth(),
            picture.PixelHeight(), picture.PixelWidth() * 4);
        // A PDF file takes a JPEG file as it is; the pictures outlive their surfaces.
        const std::string_view jpeg = picture.JpegFile();
        if (!jpeg.empty()) {
            cairo_surface_set_mime_data(image, CAIRO_MIME_TYPE_JPEG,
                                        reinterpret_cast<const unsigned char*>(jpeg.data()),
                                        jpeg.size(), nullptr, nullptr);
        }
        surfaces.push_back(image);
        return image;
    }

private:
    std::map<const std::vector<std::uint32_t>*, std::vector<cairo_surface_t*>> surfaces_;
    std::map<const std::vector<std::uint32_t>*, std::size_t> usesOnPage_;
};

void DrawPictureItem(cairo_t* cairo, const PictureItem& item, PictureSurfaces& surfaces) {
    const Picture& picture = item.picture;
    cairo_save(cairo);
    cairo_translate(cairo, item.left, item.top);
    cairo_scale(cairo, static_cast<double>(item.width) / picture.PixelWidth(),
                static_cast<double>(item.height) / picture.PixelHeight());
    cairo_set_source_surface(cairo, surfaces.SurfaceOf(picture), 0, 0);
    cairo_paint(cairo);
    cairo_restore(cairo);
}

// Draws a page's list in twips, scaled by `scale` (device units per twip). The picture surfaces
// must live until the surface drawn on is finished.
void DrawPage(cairo_t* cairo, const Page& page, double scale, PictureSurfaces& pictures) {
    pictures.StartPage();
    cairo_save(cairo);
    cairo_scale(cairo, scale, scale);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cairo, options);
    cairo_font_options_destroy(options);
    cairo_set_source_rgb(cairo, 0, 0, 0);
    for (const Item& item : page.items) {
        if (const auto* text = std::get_if<TextItem>(&item)) {
            DrawText(cairo, *text);
        } else if (const auto* line = std::get_if<LineItem>(&item)) {
            DrawLineItem(cairo, *line);
        } else {
            DrawPictureItem(cairo, std::get<PictureItem>(item), pictures);
        }
    }
    cairo_restore(cairo);
}

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

using SurfacePointer = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPointer = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

} // namespace

std::string DefaultPrinterName() {
    const std::optional<printing::PrinterInfo> printer = printing::DefaultPrinter();
    return printer ? printer->name : std::string();
}

std::string RenderPdfBytes(const std::vector<Page>& pages, const std::string& title) {
    const FastDeflate fast;
    std::string bytes;
    PictureSurfaces pictures;
    SurfacePointer surface(cairo_pdf_surface_create_for_stream(AppendTo, &bytes, 612, 792),
                           cairo_surface_destroy);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                   runtime::Windows1252ToUtf8(title).c_str());
    {
        ContextPointer cairo(cairo_create(surface.get()), cairo_destroy);
        for (const Page& page : pages) {
            cairo_pdf_surface_set_size(surface.get(), page.width / kTwipsPerPoint,
                                       page.height / kTwipsPerPoint);
            DrawPage(cairo.get(), page, 1 / kTwipsPerPoint, pictures);
            cairo_show_page(cairo.get());
        }
        if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
            Fail(runtime::ErrorNumber::DeviceIOError,
                 std::string("PDF: ") + cairo_status_to_string(cairo_status(cairo.get())));
        }
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS || bytes.empty()) {
        Fail(runtime::ErrorNumber::DeviceIOError, "PDF: nothing was written");
    }
    return bytes;
}

void WritePdfFile(const std::vector<Page>& pages, const std::string& title,
                  const std::filesystem::path& file) {
    if (pages.empty()) {
        Fail(runtime::ErrorNumber::InvalidProcedureCall, "the document has no pages");
    }
    sys::WriteDocumentFile(file, RenderPdfBytes(pages, title));
}

// The page at `dotsPerInch` on white, drawn straight into the image's own pixels: a row of
// 32-bit pixels is a stride Cairo takes.
PageImage RenderPageImage(const Page& page, double dotsPerInch) {
    if (!std::isfinite(dotsPerInch) || dotsPerInch < 1 || dotsPerInch > kLargestDotsPerInch) {
        Fail(runtime::ErrorNumber::InvalidPropertyValue, "resolution");
    }
    PageImage image;
    image.width =
        std::max(1, static_cast<int>(std::lround(page.width * dotsPerInch / kTwipsPerInch)));
    image.height =
        std::max(1, static_cast<int>(std::lround(page.height * dotsPerInch / kTwipsPerInch)));
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    SurfacePointer surface(cairo_image_surface_create_for_data(
                               reinterpret_cast<unsigned char*>(image.pixels.data()),
                               CAIRO_FORMAT_ARGB32, image.width, image.height, image.width * 4),
                           cairo_surface_destroy);
    ContextPointer cairo(cairo_create(surface.get()), cairo_destroy);
    cairo_set_source_rgb(cairo.get(), 1, 1, 1);
    cairo_paint(cairo.get());
    PictureSurfaces pictures;
    DrawPage(cairo.get(), page, dotsPerInch / kTwipsPerInch, pictures);
    cairo_surface_flush(surface.get());
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS) {
        Fail(runtime::ErrorNumber::DeviceIOError,
             std::string("page image: ") + cairo_status_to_string(cairo_status(cairo.get())));
    }
    return image;
}

void PrintPages(const std::vector<Page>& pages, const std::string& title,
                std::string_view printer) {
    const std::optional<printing::PrinterInfo> chosen =
        printer.empty() ? printing::DefaultPrinter() : printing::FindPrinter(std::string(printer));
    auto printerError = static_cast<runtime::ErrorNumber>(kPrinterError);
    if (!chosen) {
        Fail(printerError, printer.empty() ? "no default printer is chosen"
                                           : "no printer " + std::string(printer));
    }
    std::string pdf = RenderPdfBytes(pages, title);
    std::unique_ptr<printing::PrintJob> job = printing::StartPrintJob(*chosen, title);
    if (!job) {
        Fail(printerError, "the print job could not be started");
    }
    if (!job->AddDocument(pdf, printing::DocumentFormat::Pdf) || !job->Finish()) {
        Fail(printerError, "the document did not reach the printer");
    }
}

} // namespace printdoc
