// What is drawn over the finished pages of a report: pictures and logos from the resource
// archive, and the footer line of every page.
#pragma once

#include "program/report/compose/src/report_pictures.h"
#include "program/report/composer.h"

#include "platform/printdoc/print_document.h"

namespace compose {

// The Stretch report's pictures and logos by section, or the default logo on page 1 of the
// other types, taken from `pictures`. A member the archive does not hold is left out; one that it
// holds but that cannot be read or does not decode refuses the report with
// report::ExtractionError, which names it.
void DecoratePages(printdoc::PrintDocument& document, const report::Composition& composition,
                   ReportPictures& pictures);

// On every page, 0.7 inch above the bottom edge in 6-point Arial: the illustration date on the
// left, "Page n of m" in the centre, the program's label and version on the right.
void DrawPageHeadersFooters(printdoc::PrintDocument& document,
                            const report::Composition& composition);

} // namespace compose
