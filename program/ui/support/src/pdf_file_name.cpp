#include "program/ui/support/src/pdf_file_name.h"

#include "program/ui/support/src/text_helpers.h"

#include "platform/runtime/windows1252.h"

#include <algorithm>

namespace ui {

namespace {

std::string_view Suffix(illustration::IllustrationType type) {
    using illustration::IllustrationType;
    switch (type) {
    case IllustrationType::PlanholderRmd:
        return "RMD.pdf";
    case IllustrationType::BeneficiaryRmd:
        return "RMBD.pdf";
    case IllustrationType::EqualPayments:
        return "Equal.pdf";
    case IllustrationType::Stretch:
        return "Stretch.pdf";
    case IllustrationType::None:
        break;
    }
    return ".pdf";
}

} // namespace

std::string PdfFileName(std::string_view clientName, illustration::IllustrationType type) {
    bool empty = false;
    std::string name = RemoveSpecialChars(clientName, empty);
    std::replace(name.begin(), name.end(), '\0', '_');
    const std::string_view suffix = Suffix(type);
    // The limit holds for the name on disk, where each character takes its UTF-8 bytes.
    std::size_t bytes = suffix.size();
    std::size_t kept = 0;
    for (; kept < name.size(); ++kept) {
        const std::size_t size = runtime::Windows1252ToUtf8(name.substr(kept, 1)).size();
        if (bytes + size > kMaxFileNameBytes) {
            break;
        }
        bytes += size;
    }
    name.resize(kept);
    return name.append(suffix);
}

} // namespace ui
