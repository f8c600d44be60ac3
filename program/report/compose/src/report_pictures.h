// The pictures and logos of the reports, read from the resource archive and decoded once for the
// run: each is kept with the member's bytes it was decoded from and decoded again only when the
// archive's member changed, so that every report and every page draws the one decoded copy (and
// a PDF file holds it once). The Stretch graph is decoded once for each graph drawn.
//
// Only a member the archive does not hold is left out. One that it holds but that cannot be read
// (its check fails, the archive around it is damaged, or there is no archive), or that is no
// picture the readers accept, is a damaged installation: report::ExtractionError names it.
#pragma once

#include "program/report/compose/src/logo_placement.h"
#include "program/report/composer.h"
#include "program/report/resource_members.h"

#include "platform/printdoc/print_document.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace compose {

class ReportPictures {
public:
    struct Logo {
        printdoc::Picture picture;
        LogoPlacement placement;
    };

    // Opens the resource archive for the pictures and logos asked for next (one report's).
    void Open(const std::filesystem::path& archive);
    // The picture of the archive's member `name`; null when the archive does not hold it.
    const printdoc::Picture* Picture(const std::string& name);
    // The logo "<name>.gif" with its placement file "<name>.txt"; null when either is missing.
    // A damaged placement file is a report::ReportError.
    const Logo* LogoNamed(const std::string& name);
    // The drawn Stretch graph, decoded.
    const printdoc::Picture& Graph(const report::GraphPicture& graph);

private:
    using Bytes = std::shared_ptr<const std::string>;

    // The bytes of member `name`; null when the archive does not hold it.
    Bytes MemberBytes(const std::string& name);
    printdoc::Picture Decode(const std::string& bytes, const std::string& name) const;
    [[noreturn]] void RefuseDamaged(const std::string& name, const std::string& what) const;
    struct KeptPicture {
        Bytes bytes;
        std::optional<printdoc::Picture> picture;
    };
    struct KeptLogo {
        Bytes picture;
        Bytes placement;
        std::optional<Logo> logo;
    };

    std::filesystem::path archive_;
    report::ResourceMembers members_;
    std::map<std::string, KeptPicture> pictures_;
    std::map<std::string, KeptLogo> logos_;
    report::GraphPicture graph_;
    std::optional<printdoc::Picture> decodedGraph_;
};

} // namespace compose
