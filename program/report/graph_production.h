// The Stretch graph: one phase of the projection (annual income, total income and account value
// by age) drawn by the Output module's Graph object into "RMDGraph.bmp" in the work folder.
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/report/stretch_report.h"

#include <filesystem>
#include <string>

namespace report {

inline constexpr const char* kGraphFileName = "RMDGraph.bmp";

// The phase an item of the graph list names by its first letter: "P" planholder, "S" spouse,
// "N" non-spouse beneficiary, anything else all years.
calc::StretchProjection::Phase GraphPhase(std::string_view listItem);

// The chart's title, lines joined by CR LF: the owner's name, the plan and the rate.
std::string GraphTitle(calc::StretchProjection::Phase phase, const StretchState& state,
                       std::string_view rateOfReturn);

// The ages the graph's scroll bar runs over: from one above the phase's first age with a
// balance to its last age. A phase without a balance gives 0 for both ends.
struct AgeRange {
    int min = 0;
    int max = 0;
};
AgeRange GraphScrollRange(const calc::StretchProjection& projection,
                          calc::StretchProjection::Phase phase);

struct GraphRequest {
    calc::StretchProjection::Phase phase = calc::StretchProjection::kAllYears;
    std::string title;
    std::string accountValue; // "6-StretchAcctValue" as entered
    std::string contribution; // "6-StretchAcctCont" as entered
    int scrollAge = 0;        // the scroll bar's age: the graph ends there
    bool background = false;  // the wallpaper picture behind the chart
    bool topView = false;     // seen from above, rather than from the front
    bool grayScale = false;
    int width = 624; // pixels
    int height = 468;
    std::filesystem::path resourceArchive;
    std::filesystem::path workFolder;
};

// Draws the graph of `request.phase` into kGraphFileName in the work folder and answers its
// path. The old file is removed first, so that a failed drawing never leaves a stale graph to
// be shown. A phase without a balance draws an empty chart. Throws ReportError when the Graph
// object cannot be created or cannot write the picture.
std::filesystem::path DrawStretchGraph(const GraphRequest& request,
                                       const calc::StretchProjection& projection);

} // namespace report
