#include "program/report/compose/src/print_document_surface.h"

#include "platform/runtime/runtime_error.h"

namespace compose {

namespace {

// Carries out a setting unless the document refuses its value as invalid.
template <class Setting>
void SetUnlessRefused(Setting setting) {
    try {
        setting();
    } catch (const runtime::RuntimeError& error) {
        if (error.Number() != static_cast<int>(runtime::ErrorNumber::InvalidPropertyValue)) {
            throw;
        }
    }
}

} // namespace

std::int32_t PrintDocumentSurface::Margin(PageMargin margin) {
    switch (margin) {
    case PageMargin::Left:
        return document_.MarginLeft();
    case PageMargin::Top:
        return document_.MarginTop();
    case PageMargin::Right:
        return document_.MarginRight();
    case PageMargin::Bottom:
        return document_.MarginBottom();
    }
    return 0;
}

void PrintDocumentSurface::SetMargin(PageMargin margin, std::int32_t twips) {
    SetUnlessRefused([&] {
        switch (margin) {
        case PageMargin::Left:
            document_.SetMarginLeft(twips);
            break;
        case PageMargin::Top:
            document_.SetMarginTop(twips);
            break;
        case PageMargin::Right:
            document_.SetMarginRight(twips);
            break;
        case PageMargin::Bottom:
            document_.SetMarginBottom(twips);
            break;
        }
    });
}

void PrintDocumentSurface::SetAlignment(TextAlignment alignment) {
    constexpr printdoc::Alignment kAlignments[] = {
        printdoc::Alignment::Left, printdoc::Alignment::Centre, printdoc::Alignment::Right,
        printdoc::Alignment::Justified};
    document_.SetTextAlign(kAlignments[static_cast<int>(alignment)]);
}

void PrintDocumentSurface::SetFontSize(float points) {
    SetUnlessRefused([&] { document_.SetFontSize(points); });
}

} // namespace compose
