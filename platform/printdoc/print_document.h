// The print document: the pages of the program's report, composed by text runs, lines and
// pictures, shown on the Report tab, printed, and exported as PDF.
//
// Units: positions, sizes and margins are twips (1440 per inch), measured from the page's top
// left corner; font sizes are points. Text is Windows-1252.
//
// Pages are kept as display lists, so a page finished by a new page or by closing the document
// can be opened again (OpenPage) and drawn over. Rendering (PDF, page images, printing) replays
// the lists with Cairo; text is measured with the faces of platform/fonts, the same faces the
// rendering uses, so a measured width is the drawn width.
//
// Text flow. WriteText places a run at the current position on the current line and moves the
// current position to the run's end; WriteParagraph does the same and ends the paragraph: the
// line is finished, the current position goes to the left margin on the next line. A run that
// passes the right margin is wrapped at a blank (or, for a word longer than the line, at the
// margin) onto further lines, each starting at the left margin. A line is as high as the
// tallest font written on it (the face's line spacing). A line that would pass the bottom margin
// starts a new page at the top margin. The alignment applies to each line when it is finished:
// Left leaves it where it was written, Centre and Right move it between the margins, Justified
// widens the blanks of every wrapped line but the paragraph's last. A line is also finished when
// the vertical position or the alignment is set, on a new page, and when a page is closed, so
// separately placed texts (a footer's left, centre and right parts) are each aligned alone.
// Setting the horizontal position (a tab) moves on within the pending line. A line end ("\n",
// with or without "\r") inside a written text ends the paragraph there; other control
// characters take no place.
//
// The members of the original print-document control that this class stands for are named by
// their dispatch id in each member's comment. Ids 126, 129, 164 and 91 (settings made before a
// document is opened) change nothing here and have no member; id 178, the state the composer
// waits for, is always ready here; id 77 is not needed, as aligned text is placed between the
// margins.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace printdoc {

// The values as dispatch id 108 takes them.
enum class Alignment : std::int32_t { Left = 3, Centre = 4, Right = 5, Justified = 10 };

struct PictureData;

// A decoded picture: BMP (1 to 32 bits), JPEG or GIF (its first frame). Cheap to copy; the
// pixels are shared.
class Picture {
public:
    // Reads the file and decodes it by its content (not its name). A missing file is run-time
    // error 53; a file that is not a picture these readers accept, or a picture wider or higher
    // than 16384 pixels, is 481 with a detail naming the fault.
    static Picture Load(const std::filesystem::path& file);
    // The same for bytes already read.
    static Picture Decode(std::string_view bytes);

    int PixelWidth() const;
    int PixelHeight() const;
    // The natural size, from the picture's resolution where it records one, else 96 per inch.
    std::int32_t WidthTwips() const;
    std::int32_t HeightTwips() const;
    // Pixels row by row from the top, each 0xAARRGGBB with premultiplied alpha.
    const std::vector<std::uint32_t>& Pixels() const;
    // Every pixel's alpha is full.
    bool Opaque() const;
    // The JPEG file the picture was read from, which a PDF file holds as it is instead of the
    // pixels compressed anew; empty for the other pictures (and for JPEG files of four
    // components).
    std::string_view JpegFile() const;

private:
    explicit Picture(std::shared_ptr<const PictureData> data);
    std::shared_ptr<const PictureData> data_;
};

// A page rendered as an image: 0xAARRGGBB pixels, row by row from the top.
struct PageImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class PrintDocument {
public:
    // A document with a US Letter page (12240 x 15840), one-inch margins, Arial 10 points,
    // left alignment, and no pages.
    PrintDocument();
    ~PrintDocument();
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;

    // Dispatch id 65: discards every page and begins page 1, the current position at the top
    // left margin corner.
    void StartDoc();
    // Dispatch id 66: finishes the pending line and closes the document; its pages stay, for
    // OpenPage, rendering, printing and export. Closing a closed document changes nothing.
    void EndDoc();
    bool IsOpen() const;

    // Dispatch id 68: finishes the current page and begins a new one; the current position goes
    // to the top left margin corner. Does nothing without an open document.
    void NewPage();
    // Dispatch id 90.
    int PageCount() const;
    // The page drawn on: the last page while the document is open, the opened page while one is
    // opened, 0 otherwise.
    int CurrentPage() const;

    // Dispatch ids 88 and 127: opens the finished page `page` (from 1) of a closed document to
    // draw over it; what is drawn is added to the page's list. The current position goes to the
    // top left margin corner. A page outside 1..PageCount, or an open document, is run-time
    // error 380.
    void OpenPage(int page);
    // Dispatch id 128: finishes the pending line and closes the opened page.
    void ClosePage();

    // Dispatch ids 31 and 32. Setting the size applies to pages begun afterwards; sizes outside
    // 720..172800 twips are run-time error 380.
    std::int32_t PageWidth() const;
    std::int32_t PageHeight() const;
    void SetPageSize(std::int32_t width, std::int32_t height);

    // Dispatch ids 49, 50, 51 and 52: left, top, right and bottom margin. A negative margin, or
    // one that leaves no room between the margins, is run-time error 380.
    std::int32_t MarginLeft() const;
    std::int32_t MarginTop() const;
    std::int32_t MarginRight() const;
    std::int32_t MarginBottom() const;
    void SetMarginLeft(std::int32_t twips);
    void SetMarginTop(std::int32_t twips);
    void SetMarginRight(std::int32_t twips);
    void SetMarginBottom(std::int32_t twips);

    // Dispatch ids 106 and 107: the current position. While a line is pending, the vertical
    // position is the top of that line; setting it finishes the line.
    std::int32_t CurrentX() const;
    std::int32_t CurrentY() const;
    void SetCurrentX(std::int32_t twips);
    void SetCurrentY(std::int32_t twips);

    // Dispatch ids 2, 3, 4 and 5: the font of the text written next. A size that is not a
    // finite number from 1 to 1638 points is run-time error 380.
    const std::string& FontName() const;
    float FontSize() const;
    bool FontBold() const;
    bool FontItalic() const;
    void SetFontName(std::string_view faceName);
    void SetFontSize(float points);
    void SetFontBold(bool bold);
    void SetFontItalic(bool italic);

    // Dispatch ids 135 and 139: the width of `text` in the current font, twips.
    std::int32_t MeasureText(std::string_view text) const;

    // Dispatch id 108: the alignment of the lines written next. Setting it finishes the
    // pending line.
    Alignment TextAlign() const;
    void SetTextAlign(Alignment alignment);

    // Dispatch id 105: writes `text` at the current position and stays on the line.
    void WriteText(std::string_view text);
    // Dispatch id 0 (the default member): writes `text` and ends the paragraph.
    void WriteParagraph(std::string_view text);
    // Dispatch id 83: a straight black line, 1/100 inch wide.
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // Dispatch id 87: `picture` with its top left corner at (left, top), at its natural size or
    // scaled to width x height. A width or height not above 0 draws nothing.
    void DrawPicture(const Picture& picture, std::int32_t left, std::int32_t top);
    void DrawPicture(const Picture& picture, std::int32_t left, std::int32_t top,
                     std::int32_t width, std::int32_t height);

    // Dispatch id 166: the document's name (the PDF title and the print job's name).
    const std::string& DocumentName() const;
    void SetDocumentName(std::string_view name);
    // Dispatch id 172: the status text that the Report tab shows while a document is composed.
    const std::string& StatusText() const;
    void SetStatusText(std::string_view text);

    // The pages, rendered. Each needs a closed document (run-time error 380 otherwise).
    //
    // Export to PDF (the PDF control's dispatch id 4): writes every page to `file`, replacing
    // it atomically; any failure is a run-time error and leaves the former file as it was, so
    // a return means the file was written.
    void ExportPdf(const std::filesystem::path& file) const;
    // `page` (from 1) at `dotsPerInch` (1 to 1200), on white.
    PageImage RenderPage(int page, double dotsPerInch) const;
    // Dispatch id 70: prints every page through platform/printing, as one PDF job named by the
    // document name, on `printer` (the user's default printer when empty). No such printer, no
    // default printer, or a failure to submit, is run-time error 482 (printer error).
    void Print(std::string_view printer = {}) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The name of the printer Print prints on by default: the user's default printer; empty when
// none is chosen.
std::string DefaultPrinterName();

} // namespace printdoc
