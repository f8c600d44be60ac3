#include "program/ui/pdf_file_name.h"

#include "program/ui/text_helpers.h"

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
    name.resize(std::min(name.size(), kMaxFileNameBytes - suffix.size()));
    return name.append(suffix);
}

} // namespace ui
