#include "program/report/compose/src/report_pictures.h"

#include "program/report/report_error.h"

#include <cstddef>
#include <string_view>

namespace compose {

namespace {

// A placement file is a line of four numbers; anything longer is not one.
constexpr std::size_t kMaxPlacementBytes = 4096;

LogoPlacement ReadPlacement(std::string_view text, const std::string& fileName) {
    // A placement longer than a line of four numbers is read as none.
    if (text.size() > kMaxPlacementBytes) {
        text = {};
    }
    LogoPlacementRead read = ReadLogoPlacement(text);
    if (!read.placement) {
        throw report::ReportError("The logo placement file " + fileName +
                                  " in the resource archive is damaged: " + read.error + ".");
    }
    return *read.placement;
}

// The bytes of a member the archive holds with something in it; null otherwise.
std::shared_ptr<const std::string> Present(const report::ResourceMembers::Member& member) {
    return member.bytes != nullptr && !member.bytes->empty() ? member.bytes : nullptr;
}

} // namespace

void ReportPictures::Open(const std::filesystem::path& archive) {
    members_.Open(archive);
}

const printdoc::Picture* ReportPictures::Picture(const std::string& name) {
    const Bytes bytes = Present(members_.Read(name));
    KeptPicture& kept = pictures_[name];
    if (kept.bytes != bytes || (bytes != nullptr && !kept.picture)) {
        kept = {};
        if (bytes != nullptr) {
            kept.picture = printdoc::Picture::Decode(*bytes);
        }
        kept.bytes = bytes;
    }
    return kept.picture ? &*kept.picture : nullptr;
}

const ReportPictures::Logo* ReportPictures::LogoNamed(const std::string& name) {
    const std::string pictureName = name + ".gif";
    const std::string placementName = name + ".txt";
    const Bytes picture = Present(members_.Read(pictureName));
    const Bytes placement = Present(members_.Read(placementName));
    KeptLogo& kept = logos_[name];
    const bool present = picture != nullptr && placement != nullptr;
    if (kept.picture != picture || kept.placement != placement || (present && !kept.logo)) {
        kept = {};
        if (present) {
            kept.logo =
                Logo{printdoc::Picture::Decode(*picture), ReadPlacement(*placement, placementName)};
        }
        kept.picture = picture;
        kept.placement = placement;
    }
    return kept.logo ? &*kept.logo : nullptr;
}

const printdoc::Picture& ReportPictures::Graph(const report::GraphPicture& graph) {
    if (graph != graph_ || !decodedGraph_) {
        decodedGraph_.reset();
        graph_.reset();
        decodedGraph_ = printdoc::Picture::Decode(*graph);
        graph_ = graph;
    }
    return *decodedGraph_;
}

} // namespace compose
