// The print document's pages and its text flow (the rules are in print_document.h).
#include "platform/printdoc/print_document.h"

#include "platform/printdoc/src/page_renderer.h"
#include "platform/printdoc/src/text_measure.h"
#include "platform/runtime/runtime_error.h"

#include <algorithm>
#include <cmath>

namespace printdoc {

namespace {

constexpr std::int32_t kLetterWidth = 12240;
constexpr std::int32_t kLetterHeight = 15840;
constexpr std::int32_t kOneInch = 1440;
constexpr std::int32_t kSmallestPage = 720;
constexpr std::int32_t kLargestPage = 172800;
constexpr float kLargestFontSize = 1638;
// MeasureText answers whole twips, so a run placed by its measured width (a right tab stop at
// the margin) may pass the margin by up to half a twip; that is no reason to wrap it.
constexpr double kMeasureRounding = 0.5;

[[noreturn]] void RefuseValue(const std::string& detail) {
    throw runtime::RuntimeError(runtime::ErrorNumber::InvalidPropertyValue, detail);
}

// Text as it is drawn: control characters (line ends and tabs among them) take no place.
std::string Printable(std::string_view text) {
    std::string printable;
    std::copy_if(text.begin(), text.end(), std::back_inserter(printable),
                 [](char c) { return static_cast<unsigned char>(c) >= 32; });
    return printable;
}

std::string TrimTrailingBlanks(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : text.substr(0, end + 1));
}

// A run placed on the pending line, before the line's alignment moves it.
struct Fragment {
    TextItem item;
    double inkWidth = 0;  // without trailing blanks
    int blanksBefore = 0; // blanks of the line before this fragment, for justification
};

} // namespace

struct PrintDocument::State {
    std::vector<Page> pages;
    bool open = false;
    int openedPage = 0; // a finished page opened for drawing over it, from 1
    std::int32_t pageWidth = kLetterWidth;
    std::int32_t pageHeight = kLetterHeight;
    std::int32_t marginLeft = kOneInch;
    std::int32_t marginTop = kOneInch;
    std::int32_t marginRight = kOneInch;
    std::int32_t marginBottom = kOneInch;
    double x = kOneInch;
    double y = kOneInch;
    FontChoice font;
    Alignment alignment = Alignment::Left;
    std::string documentName;
    std::string statusText;
    // The pending line.
    std::vector<Fragment> line;
    double lineAscent = 0;
    double lineHeight = 0;
    int lineBlanks = 0;

    Page* Target() {
        if (openedPage > 0) {
            return &pages[static_cast<std::size_t>(openedPage - 1)];
        }
        return open ? &pages.back() : nullptr;
    }

    Page& RequireTarget() {
        Page* page = Target();
        if (page == nullptr) {
            throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall,
                                        "no document or page is open for drawing");
        }
        return *page;
    }

    double RightEdge() const { return pageWidth - marginRight; }
    // The room left on the line for text.
    double Room() const { return RightEdge() - x + kMeasureRounding; }

    void BeginPage() {
        pages.push_back(Page{pageWidth, pageHeight, {}});
        x = marginLeft;
        y = marginTop;
    }

    void Place(std::string_view text, bool split) {
        FontMetricsTwips metrics = MetricsTwips(font);
        lineAscent = std::max(lineAscent, metrics.ascent);
        lineHeight = std::max(lineHeight, metrics.lineSpacing);
        // Justified lines keep each word apart, so that the blanks can be widened.
        std::size_t start = 0;
        while (start < text.size() || (start == 0 && text.empty())) {
            std::size_t end = text.size();
            if (split) {
                std::size_t wordEnd = text.find(' ', text.find_first_not_of(' ', start));
                std::size_t next = wordEnd == std::string_view::npos
                                       ? std::string_view::npos
                                       : text.find_first_not_of(' ', wordEnd);
                end = next == std::string_view::npos ? text.size() : next;
            }
            std::string_view piece = text.substr(start, end - start);
            Fragment fragment{TextItem{x, 0, font, std::string(piece)},
                              TextWidthTwips(font, TrimTrailingBlanks(piece)), lineBlanks};
            line.push_back(fragment);
            x += TextWidthTwips(font, piece);
            lineBlanks += static_cast<int>(std::count(piece.begin(), piece.end(), ' '));
            if (text.empty()) {
                break;
            }
            start = end;
        }
    }

    // Finishes the pending line: aligns it, moves to a new page when it does not fit, and puts
    // its runs on the page. `wrapped` marks a line that a paragraph goes on after.
    void FinishLine(bool wrapped) {
        if (line.empty()) {
            return;
        }
        double left = line.front().item.x;
        double inkRight = left;
        for (const Fragment& fragment : line) {
            inkRight = std::max(inkRight, fragment.item.x + fragment.inkWidth);
        }
        double room = RightEdge() - inkRight;
        double shift = 0;
        double perBlank = 0;
        if (alignment == Alignment::Centre) {
            shift = (marginLeft + RightEdge()) / 2 - (left + inkRight) / 2;
        } else if (alignment == Alignment::Right) {
            shift = room;
        } else if (alignment == Alignment::Justified && wrapped && room > 0) {
            int blanks = line.back().blanksBefore;
            perBlank = blanks > 0 ? room / blanks : 0;
        }
        double top = y;
        if (openedPage == 0 && top + lineHeight > pageHeight - marginBottom && top > marginTop) {
            BeginPage();
            top = y;
        }
        Page& page = RequireTarget();
        for (Fragment& fragment : line) {
            fragment.item.x += shift + perBlank * fragment.blanksBefore;
            fragment.item.baseline = top + lineAscent;
            if (!fragment.item.text.empty()) {
                page.items.emplace_back(std::move(fragment.item));
            }
        }
        line.clear();
        y = top + lineHeight;
        lineAscent = 0;
        lineHeight = 0;
        lineBlanks = 0;
    }

    void NewLine() {
        FinishLine(true);
        x = marginLeft;
    }

    // The longest start of `text` that fits in `room` twips: up to a blank when one allows it,
    // else (on an empty line) as many characters as fit, at least one.
    std::size_t FittingLength(std::string_view text, double room) const {
        std::size_t best = 0;
        for (std::size_t at = text.find(' '); at != std::string_view::npos;
             at = text.find(' ', at + 1)) {
            if (TextWidthTwips(font, TrimTrailingBlanks(text.substr(0, at))) > room) {
                break;
            }
            best = text.find_first_not_of(' ', at);
            best = best == std::string_view::npos ? text.size() : best;
        }
        if (best > 0 || !line.empty()) {
            return best;
        }
        std::size_t count = 1;
        while (count < text.size() && TextWidthTwips(font, text.substr(0, count + 1)) <= room) {
            ++count;
        }
        return count;
    }

    void Write(std::string_view raw, bool endParagraph) {
        RequireTarget();
        std::string text = Printable(raw);
        std::string_view rest = text;
        bool split = alignment == Alignment::Justified;
        while (TextWidthTwips(font, TrimTrailingBlanks(rest)) > Room()) {
            std::size_t length = FittingLength(rest, Room());
            if (length == 0 && line.empty()) {
                break; // no room at all beside the margins: the run goes past the edge
            }
            if (length > 0) {
                Place(rest.substr(0, length), split);
            }
            NewLine();
            rest.remove_prefix(length);
            rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(' ')));
        }
        if (!rest.empty() || line.empty()) {
            Place(rest, split);
        }
        if (endParagraph) {
            FinishLine(false);
            x = marginLeft;
        }
    }
};

PrintDocument::PrintDocument() : state_(std::make_unique<State>()) {}

PrintDocument::~PrintDocument() = default;

void PrintDocument::StartDoc() {
    state_->pages.clear();
    state_->line.clear();
    state_->openedPage = 0;
    state_->open = true;
    state_->BeginPage();
}

void PrintDocument::EndDoc() {
    if (!state_->open) {
        return;
    }
    state_->FinishLine(false);
    state_->open = false;
}

bool PrintDocument::IsOpen() const {
    return state_->open;
}

void PrintDocument::NewPage() {
    if (!state_->open) {
        return;
    }
    state_->FinishLine(false);
    state_->BeginPage();
}

int PrintDocument::PageCount() const {
    return static_cast<int>(state_->pages.size());
}

int PrintDocument::CurrentPage() const {
    if (state_->openedPage > 0) {
        return state_->openedPage;
    }
    return state_->open ? PageCount() : 0;
}

void PrintDocument::OpenPage(int page) {
    if (state_->open || page < 1 || page > PageCount()) {
        RefuseValue("page " + std::to_string(page) + " cannot be opened");
    }
    state_->FinishLine(false);
    state_->openedPage = page;
    state_->x = state_->marginLeft;
    state_->y = state_->marginTop;
}

void PrintDocument::ClosePage() {
    state_->FinishLine(false);
    state_->openedPage = 0;
}

std::int32_t PrintDocument::PageWidth() const {
    return state_->pageWidth;
}

std::int32_t PrintDocument::PageHeight() const {
    return state_->pageHeight;
}

void PrintDocument::SetPageSize(std::int32_t width, std::int32_t height) {
    if (width < kSmallestPage || width > kLargestPage || height < kSmallestPage ||
        height > kLargestPage) {
        RefuseValue("page size");
    }
    state_->pageWidth = width;
    state_->pageHeight = height;
}

std::int32_t PrintDocument::MarginLeft() const {
    return state_->marginLeft;
}

std::int32_t PrintDocument::MarginTop() const {
    return state_->marginTop;
}

std::int32_t PrintDocument::MarginRight() const {
    return state_->marginRight;
}

std::int32_t PrintDocument::MarginBottom() const {
    return state_->marginBottom;
}

namespace {

// A margin must be 0 or more and leave at least an inch between itself and the opposite one.
void SetMargin(std::int32_t& margin, std::int32_t twips, std::int32_t opposite,
               std::int32_t pageSide) {
    if (twips < 0 || static_cast<long long>(twips) + opposite + kOneInch > pageSide) {
        RefuseValue("margin " + std::to_string(twips));
    }
    margin = twips;
}

} // namespace

void PrintDocument::SetMarginLeft(std::int32_t twips) {
    SetMargin(state_->marginLeft, twips, state_->marginRight, state_->pageWidth);
}

void PrintDocument::SetMarginTop(std::int32_t twips) {
    SetMargin(state_->marginTop, twips, state_->marginBottom, state_->pageHeight);
}

void PrintDocument::SetMarginRight(std::int32_t twips) {
    SetMargin(state_->marginRight, twips, state_->marginLeft, state_->pageWidth);
}

void PrintDocument::SetMarginBottom(std::int32_t twips) {
    SetMargin(state_->marginBottom, twips, state_->marginTop, state_->pageHeight);
}

std::int32_t PrintDocument::CurrentX() const {
    return static_cast<std::int32_t>(std::lround(state_->x));
}

std::int32_t PrintDocument::CurrentY() const {
    return static_cast<std::int32_t>(std::lround(state_->y));
}

void PrintDocument::SetCurrentX(std::int32_t twips) {
    state_->x = twips;
}

void PrintDocument::SetCurrentY(std::int32_t twips) {
    state_->FinishLine(false);
    state_->y = twips;
}

const std::string& PrintDocument::FontName() const {
    return state_->font.name;
}

float PrintDocument::FontSize() const {
    return state_->font.size;
}

bool PrintDocument::FontBold() const {
    return state_->font.bold;
}

bool PrintDocument::FontItalic() const {
    return state_->font.italic;
}

void PrintDocument::SetFontName(std::string_view faceName) {
    state_->font.name = std::string(faceName);
}

void PrintDocument::SetFontSize(float points) {
    if (!std::isfinite(points) || points < 1 || points > kLargestFontSize) {
        RefuseValue("font size");
    }
    state_->font.size = points;
}

void PrintDocument::SetFontBold(bool bold) {
    state_->font.bold = bold;
}

void PrintDocument::SetFontItalic(bool italic) {
    state_->font.italic = italic;
}

std::int32_t PrintDocument::MeasureText(std::string_view text) const {
    return static_cast<std::int32_t>(std::lround(TextWidthTwips(state_->font, Printable(text))));
}

Alignment PrintDocument::TextAlign() const {
    return state_->alignment;
}

void PrintDocument::SetTextAlign(Alignment alignment) {
    state_->FinishLine(false);
    state_->alignment = alignment;
}

void PrintDocument::WriteText(std::string_view text) {
    // A line end inside the text ends the paragraph there.
    std::size_t end = text.find('\n');
    while (end != std::string_view::npos) {
        state_->Write(text.substr(0, end), true);
        text.remove_prefix(end + 1);
        end = text.find('\n');
    }
    if (!text.empty()) {
        state_->Write(text, false);
    }
}

void PrintDocument::WriteParagraph(std::string_view text) {
    state_->Write(text, true);
}

void PrintDocument::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    state_->RequireTarget().items.emplace_back(LineItem{x1, y1, x2, y2});
}

void PrintDocument::DrawPicture(const Picture& picture, std::int32_t left, std::int32_t top) {
    DrawPicture(picture, left, top, picture.WidthTwips(), picture.HeightTwips());
}

void PrintDocument::DrawPicture(const Picture& picture, std::int32_t left, std::int32_t top,
                                std::int32_t width, std::int32_t height) {
    Page& page = state_->RequireTarget();
    if (width > 0 && height > 0) {
        page.items.emplace_back(PictureItem{picture, left, top, width, height});
    }
}

const std::string& PrintDocument::DocumentName() const {
    return state_->documentName;
}

void PrintDocument::SetDocumentName(std::string_view name) {
    state_->documentName = std::string(name);
}

const std::string& PrintDocument::StatusText() const {
    return state_->statusText;
}

void PrintDocument::SetStatusText(std::string_view text) {
    state_->statusText = std::string(text);
}

namespace {

void RequireClosed(bool open) {
    if (open) {
        RefuseValue("the document is still open");
    }
}

const Page& PageAt(const std::vector<Page>& pages, int page) {
    if (page < 1 || page > static_cast<int>(pages.size())) {
        RefuseValue("no page " + std::to_string(page));
    }
    return pages[static_cast<std::size_t>(page - 1)];
}

} // namespace

void PrintDocument::ExportPdf(const std::filesystem::path& file) const {
    RequireClosed(state_->open);
    WritePdfFile(state_->pages, state_->documentName, file);
}

PageImage PrintDocument::RenderPage(int page, double dotsPerInch) const {
    RequireClosed(state_->open);
    return RenderPageImage(PageAt(state_->pages, page), dotsPerInch);
}

void PrintDocument::Print(std::string_view printer) const {
    RequireClosed(state_->open);
    PrintPages(state_->pages, state_->documentName, printer);
}

} // namespace printdoc
