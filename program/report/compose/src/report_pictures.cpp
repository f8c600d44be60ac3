#include "program/report/compose/src/report_pictures.h"

#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"

#include "platform/runtime/runtime_error.h"
#include "platform/zip/zip_result.h"

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

} // namespace

void ReportPictures::Open(const std::filesystem::path& archive) {
    archive_ = archive;
    members_.Open(archive);
}

ReportPictures::Bytes ReportPictures::MemberBytes(const std::string& name) {
    const report::ResourceMembers::Member member = members_.Read(name);
    if (member.result != archive::ZipResult::Success &&
        member.result != archive::ZipResult::MissingMember) {
        RefuseDamaged(name, "cannot be read.\r\n" + archive::ResultText(member.result));
    }
    return member.bytes;
}

printdoc::Picture ReportPictures::Decode(const std::string& bytes, const std::string& name) const {
    try {
        return printdoc::Picture::Decode(bytes);
    } catch (const runtime::RuntimeError&) {
        RefuseDamaged(name, "is not a picture that can be read.");
    }
}

void ReportPictures::RefuseDamaged(const std::string& name, const std::string& what) const {
    throw report::ExtractionError("The program's resource file is damaged: " + name + " in " +
                                  archive_.filename().string() + " " + what +
                                  "\r\nPlease reinstall your software, then try again.");
}

const printdoc::Picture* ReportPictures::Picture(const std::string& name) {
    const Bytes bytes = MemberBytes(name);
    KeptPicture& kept = pictures_[name];
    if (kept.bytes != bytes || (bytes != nullptr && !kept.picture)) {
        kept = {};
        if (bytes != nullptr) {
            kept.picture = Decode(*bytes, name);
        }
        kept.bytes = bytes;
    }
    return kept.picture ? &*kept.picture : nullptr;
}

const ReportPictures::Logo* ReportPictures::LogoNamed(const std::string& name) {
    const std::string pictureName = name + ".gif";
    const std::string placementName = name + ".txt";
    const Bytes picture = MemberBytes(pictureName);
    const Bytes placement = MemberBytes(placementName);
    KeptLogo& kept = logos_[name];
    const bool present = picture != nullptr && placement != nullptr;
    if (kept.picture != picture || kept.placement != placement || (present && !kept.logo)) {
        kept = {};
        if (present) {
            kept.logo =
                Logo{Decode(*picture, pictureName), ReadPlacement(*placement, placementName)};
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
