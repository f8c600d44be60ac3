#include "program/ui/support/src/illustration_type_names.h"

namespace ui {

std::string IllustrationTypeCaption(illustration::IllustrationType type) {
    using illustration::IllustrationType;
    switch (type) {
    case IllustrationType::PlanholderRmd:
        return "Planholder Required Minimum Distribution Calculator";
    case IllustrationType::BeneficiaryRmd:
        return "Required Minimum Beneficiary Distribution Calculator";
    case IllustrationType::EqualPayments:
        return "Substantially Equal Periodic Payments";
    case IllustrationType::Stretch:
        return "Stretch Projection";
    case IllustrationType::None:
        break;
    }
    return {};
}

} // namespace ui
