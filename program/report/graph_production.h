// The Stretch graph: one phase of the projection (annual income, total income and account value
// by age) drawn by the Output module's Graph object into "RMDGraph.bmp" in the work folder, and
// handed on as that file's bytes. A graph is drawn once for its inputs: the Graph tab, the report
// page and the Report tab's pages show the one picture while the inputs stay the same.
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/report/composer.h"
#include "program/report/stretch_report.h"

#include <cstdint>
#include <filesystem>
#include <list>
#include <memory>
#include <string>
#include <vector>

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

    bool operator==(const GraphRequest&) const = default;
};

// Draws the graph of `request.phase` into kGraphFileName in the work folder and answers the
// picture. The old file is removed first, so that a failed drawing never leaves a stale graph to
// be shown. A phase without a balance draws an empty chart. Throws ReportError when the Graph
// object cannot be created or cannot write the picture.
GraphPicture DrawStretchGraph(const GraphRequest& request,
                              const calc::StretchProjection& projection);

// The graphs of a run, each drawn once for its inputs: a request that asks again for a graph
// drawn before, with the same projection, gets the same picture without a drawing. The last
// kKeptGraphs graphs are kept, so that the Graph tab's phases and views are drawn once each
// while the user goes back and forth between them. The file in the work folder holds the graph
// drawn last.
class StretchGraphs {
public:
    static constexpr std::size_t kKeptGraphs = 8;

    // The graph of `request` for `projection`: the one kept for the same inputs, or a new
    // drawing (DrawStretchGraph, whose errors it throws; a failed drawing is not kept).
    GraphPicture Picture(const GraphRequest& request, const calc::StretchProjection& projection);

private:
    struct Drawn {
        GraphRequest request;
        std::vector<std::int64_t> cells; // what the drawing reads of the projection
        GraphPicture picture;
    };
    std::list<Drawn> kept_; // the latest first
};

} // namespace report
