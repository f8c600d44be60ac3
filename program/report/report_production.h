// One report from a calculated illustration: its template chosen, extracted and filled, the
// Stretch graph drawn when its section is on, and the pages composed. A step that fails
// abandons the report with its message (ReportError); the illustration is left as it was.
// Report production lasts for the run and keeps what one report can hand to the next: the
// templates read from the resource archive (resource_members.h) and the Stretch graphs drawn
// (graph_production.h).
#pragma once

#include "program/calc/stretch_projection.h"
#include "program/illustration/illustration_fields.h"
#include "program/report/composer.h"
#include "program/report/graph_production.h"
#include "program/report/resource_members.h"
#include "program/report/stretch_report.h"

#include <filesystem>
#include <optional>
#include <string>

namespace report {

struct ReportRequest {
    illustration::IllustrationType type = illustration::IllustrationType::None;
    // The spouse's date of birth as input validation took it (RMD: chooses the template).
    std::string spouseBirthDate;
    std::filesystem::path resourceArchive;
    std::filesystem::path workFolder;
    // Stretch only: what the template fill reads, and the graph when its section is on.
    StretchReportInputs stretch;
    std::optional<GraphRequest> graph;
};

class ReportProduction {
public:
    // The filled rich text of the report: the template read from the archive into memory,
    // filled there as text for the Stretch type, and its blocks and report fields substituted;
    // no file is written. Throws ExtractionError when the archive cannot give the template, and
    // ReportError when it is empty or cannot be filled.
    std::string ReportText(const ReportRequest& request,
                           const illustration::IllustrationFields& fields,
                           const calc::StretchProjection& projection);

    // ReportText, then the graph, then the composition on `composer` with `composition`'s
    // footer and archive (its text, type, sections and graph are set here).
    void ProduceReport(const ReportRequest& request, const illustration::IllustrationFields& fields,
                       const calc::StretchProjection& projection, Composition composition,
                       Composer& composer);

    // The Stretch graph of `request`, drawn once for its inputs.
    GraphPicture Graph(const GraphRequest& request, const calc::StretchProjection& projection);

private:
    ResourceMembers templates_;
    StretchGraphs graphs_;
};

} // namespace report
