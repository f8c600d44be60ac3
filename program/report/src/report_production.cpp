#include "program/report/report_production.h"

#include "program/report/pre_process_rtf.h"
#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"
#include "program/report/substitute_rtf.h"

#include <utility>

namespace report {

namespace {

constexpr const char* kMissingTemplate = "Output file is missing or damaged.";

} // namespace

std::string ReportProduction::ReportText(const ReportRequest& request,
                                         const illustration::IllustrationFields& fields,
                                         const calc::StretchProjection& projection) {
    const std::string member = TemplateMember(request.type, request.spouseBirthDate);
    if (member.empty()) {
        throw ReportError("No illustration type is chosen, so there is no report.");
    }
    templates_.Open(request.resourceArchive);
    const ResourceMembers::Member read = templates_.Read(member);
    if (read.result != archive::ZipResult::Success) {
        throw ExtractionError(
            ExtractionFailureText(read.result, request.resourceArchive.filename().string()));
    }
    std::string text = *read.bytes;
    if (!text.empty() && request.type == illustration::IllustrationType::Stretch) {
        text = PreProcessRTF(request.stretch, projection, text);
    }
    if (text.empty()) {
        throw ReportError(kMissingTemplate);
    }
    return SubstituteRTF(std::move(text), fields);
}

void ReportProduction::ProduceReport(const ReportRequest& request,
                                     const illustration::IllustrationFields& fields,
                                     const calc::StretchProjection& projection,
                                     Composition composition, Composer& composer) {
    composition.richText = ReportText(request, fields, projection);
    composition.type = request.type;
    composition.sections = request.stretch.sections;
    composition.taxPage = request.type == illustration::IllustrationType::Stretch &&
                          HasTaxPage(request.stretch, projection);
    if (request.type == illustration::IllustrationType::Stretch && request.graph) {
        composition.graph = Graph(*request.graph, projection);
    }
    composer.Compose(composition);
}

GraphPicture ReportProduction::Graph(const GraphRequest& request,
                                     const calc::StretchProjection& projection) {
    return graphs_.Picture(request, projection);
}

} // namespace report
