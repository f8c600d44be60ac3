#include "program/report/compose/src/page_decoration.h"

#include "platform/runtime/conversions.h"

#include <algorithm>
#include <string>

namespace compose {

namespace {

constexpr float kTwipsPerInch = 1440;
// Every logo's top edge lies half an inch below the page's top.
constexpr std::int32_t kLogoTop = 720;
// The footer's line lies 0.7 inch above the page's bottom edge.
constexpr std::int32_t kFooterAboveBottom = 1008;
constexpr float kFooterPoints = 6;
// The graph's room on its page, under the logo and the page's title and above its text (the
// template leaves it free): the width between the side margins, at the 4:3 of the graph drawn
// for the report. A graph of another size (drawn while the Graph tab showed) is fitted into it.
constexpr std::int32_t kGraphLeft = 1440;
constexpr std::int32_t kGraphTop = 2160;
constexpr std::int32_t kGraphWidth = 9360;
constexpr std::int32_t kGraphHeight = 7020;

constexpr const char* kDefaultLogo = "RMDLogo";
constexpr const char* kStretchLogo = "StretchLogo";

// Draws over the finished page `page`. When the drawing fails, the page stays open; the failed
// composition's document is discarded whole.
template <class Drawing>
void DrawOnPage(printdoc::PrintDocument& document, int page, Drawing drawing) {
    document.OpenPage(page);
    drawing();
    document.ClosePage();
}

class Decorator {
public:
    Decorator(printdoc::PrintDocument& document, const report::Composition& composition,
              ReportPictures& pictures)
        : document_(document), composition_(composition), pictures_(pictures) {}

    // A picture from the archive at its natural size, its top left corner given in inches.
    void OverlayPicture(const std::string& fileName, float leftInches, float topInches, int page) {
        Overlay(fileName, page, [&](const printdoc::Picture& picture) {
            document_.DrawPicture(picture, runtime::ToInt32(leftInches * kTwipsPerInch),
                                  runtime::ToInt32(topInches * kTwipsPerInch));
        });
    }

    // The Stretch graph, as large as its room allows with its own proportions, centred in it.
    void OverlayGraph(int page) {
        if (!HasPage(page) || composition_.graph == nullptr) {
            return;
        }
        const printdoc::Picture& picture = pictures_.Graph(composition_.graph);
        const double scale = std::min(static_cast<double>(kGraphWidth) / picture.WidthTwips(),
                                      static_cast<double>(kGraphHeight) / picture.HeightTwips());
        const std::int32_t width = runtime::ToInt32(picture.WidthTwips() * scale);
        const std::int32_t height = runtime::ToInt32(picture.HeightTwips() * scale);
        DrawOnPage(document_, page, [&] {
            document_.DrawPicture(picture, kGraphLeft + (kGraphWidth - width) / 2, kGraphTop, width,
                                  height);
        });
    }

    // The logo "<name>.gif" placed by "<name>.txt" (logo_placement.h).
    void DrawReportLogo(const std::string& name, int page) {
        if (!HasPage(page)) {
            return;
        }
        const ReportPictures::Logo* logo = pictures_.LogoNamed(name);
        if (logo == nullptr) {
            return;
        }
        const printdoc::Picture& picture = logo->picture;
        const LogoPlacement& placement = logo->placement;
        std::int32_t width = placement.width;
        if (width == 0) {
            // The width follows the picture's proportions; without a height there is no logo.
            if (placement.height < 1) {
                return;
            }
            width =
                runtime::ToInt32(static_cast<double>(picture.WidthTwips()) /
                                 (static_cast<double>(picture.HeightTwips()) / placement.height));
        }
        std::int32_t left = placement.left;
        if (left == 0) {
            left = runtime::ToInt32((static_cast<double>(document_.PageWidth()) - width) / 2);
        }
        DrawOnPage(document_, page, [&] {
            document_.DrawPicture(picture, left, kLogoTop, width, placement.height);
        });
    }

    // The Stretch report's pages: the cover first, then the Wrenhall page, the tax page, the
    // ledger pages, and the graph page last; each present only when its section is on.
    void DecorateStretch() {
        const report::ReportSections& on = composition_.sections;
        const int cover = on.cover ? 1 : 0;
        const int wrenhall = on.wrenhall ? 1 : 0;
        const int taxes = composition_.taxPage ? 1 : 0;
        if (on.cover) {
            OverlayPicture("100side.bmp", 1.0F, 1.0F, 1);
        }
        if (on.wrenhall) {
            OverlayPicture("Wrenpic.jpg", 1.5F, 1.0F, 1 + cover);
        }
        if (composition_.taxPage) {
            const int taxPage = 1 + cover + wrenhall;
            OverlayPicture("PileofCashMed.jpg", 7.0F, 1.0F, taxPage);
            OverlayPicture("PileofCashMed.jpg", 7.0F, 4.5F, taxPage);
            OverlayPicture("PileofCashMed.jpg", 6.55F, 4.5F, taxPage);
        }
        if (on.graph) {
            const int lastPage = document_.PageCount();
            OverlayGraph(lastPage);
            DrawReportLogo(kStretchLogo, lastPage);
        }
        if (on.cover) {
            DrawReportLogo(kStretchLogo, 1);
            DrawReportLogo(kDefaultLogo, 1);
        }
        if (on.ledger) {
            DrawReportLogo(kStretchLogo, 1 + cover + wrenhall + taxes);
        }
    }

private:
    bool HasPage(int page) const { return page >= 1 && page <= document_.PageCount(); }

    // Draws the picture `fileName` from the archive on `page` with `draw`. Pages the document
    // does not have are left out.
    template <class Draw>
    void Overlay(const std::string& fileName, int page, Draw draw) {
        if (!HasPage(page)) {
            return;
        }
        if (const printdoc::Picture* picture = pictures_.Picture(fileName)) {
            DrawOnPage(document_, page, [&] { draw(*picture); });
        }
    }

    printdoc::PrintDocument& document_;
    const report::Composition& composition_;
    ReportPictures& pictures_;
};

} // namespace

void DecoratePages(printdoc::PrintDocument& document, const report::Composition& composition,
                   ReportPictures& pictures) {
    pictures.Open(composition.resourceArchive);
    Decorator decorator(document, composition, pictures);
    if (composition.type == illustration::IllustrationType::Stretch) {
        decorator.DecorateStretch();
    } else {
        decorator.DrawReportLogo(kDefaultLogo, 1);
    }
}

void DrawPageHeadersFooters(printdoc::PrintDocument& document,
                            const report::Composition& composition) {
    document.SetFontName("Arial");
    document.SetFontSize(kFooterPoints);
    document.SetFontBold(false);
    document.SetFontItalic(false);
    const std::int32_t footerY = document.PageHeight() - kFooterAboveBottom;
    const int pageCount = document.PageCount();
    const std::string version = composition.programLabel + " Version " +
                                std::to_string(composition.majorVersion) + "." +
                                std::to_string(composition.minorVersion);
    // Each part is placed alone on the footer's line, aligned between the margins.
    const auto place = [&](printdoc::Alignment alignment, const std::string& text) {
        document.SetCurrentY(footerY);
        document.SetCurrentX(document.MarginLeft());
        document.SetTextAlign(alignment);
        document.WriteText(text);
    };
    for (int page = 1; page <= pageCount; ++page) {
        DrawOnPage(document, page, [&] {
            place(printdoc::Alignment::Left, composition.illustrationDate);
            place(printdoc::Alignment::Centre,
                  "Page " + std::to_string(page) + " of " + std::to_string(pageCount));
            place(printdoc::Alignment::Right, version);
        });
    }
}

} // namespace compose
