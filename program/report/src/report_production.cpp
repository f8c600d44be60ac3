#include "program/report/report_production.h"

#include "program/report/pre_process_rtf.h"
#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"
#include "program/report/substitute_rtf.h"

#include <fstream>
#include <iterator>

namespace report {

namespace {

constexpr const char* kMissingTemplate = "Output file is missing or damaged.";

// The whole file; ReportError when it is missing, empty or cannot be read.
std::string ReadTemplate(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (!stream.good() && !stream.eof()) {
        throw ReportError(kMissingTemplate);
    }
    if (text.empty()) {
        throw ReportError(kMissingTemplate);
    }
    return text;
}

} // namespace

std::string ReportText(const ReportRequest& request, const illustration::IllustrationFields& fields,
                       const calc::StretchProjection& projection) {
    const std::string member = TemplateMember(request.type, request.spouseBirthDate);
    if (member.empty()) {
        throw ReportError("No illustration type is chosen, so there is no report.");
    }
    const ExtractedMembers extracted(request.resourceArchive, member, request.workFolder);
    if (extracted.Result() != archive::ZipResult::Success) {
        throw ExtractionError(
            ExtractionFailureText(extracted.Result(), request.resourceArchive.filename().string()));
    }
    const std::filesystem::path file = request.workFolder / member;
    if (request.type == illustration::IllustrationType::Stretch) {
        PreProcessRTF(request.stretch, projection, file, file);
    }
    return SubstituteRTF(ReadTemplate(file), fields);
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
