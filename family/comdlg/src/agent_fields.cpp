#include "family/comdlg/src/agent_fields.h"

#include "family/comdlg/src/dialog_templates.h"

namespace caddow {

namespace {

template <auto Member>
std::span<char> FieldOf(AgentInfo& record) {
    return record.*Member;
}

constexpr AgentTextField kFields[] = {
    {"Name", kNameField, &FieldOf<&AgentInfo::name>},
    {"Number", kNumberField, &FieldOf<&AgentInfo::number>},
    {"Agency", kAgencyField, &FieldOf<&AgentInfo::agency>},
    {"Work", kWorkField, &FieldOf<&AgentInfo::workPhone>},
    {"Home", kHomeField, &FieldOf<&AgentInfo::homePhone>},
    {"Fax", kFaxField, &FieldOf<&AgentInfo::fax>},
    {"Address", kStreetField, &FieldOf<&AgentInfo::streetAddress>},
    {"City", kCityField, &FieldOf<&AgentInfo::city>},
    {"Zip", kZipField, &FieldOf<&AgentInfo::zip>},
    {"License", kLicenseField, &FieldOf<&AgentInfo::licenseNumber>},
};

} // namespace

std::span<const AgentTextField> AgentTextFields() {
    return kFields;
}

int ValidStateIndex(int state) {
    return state >= 0 && state <= kLastStateIndex ? state : 0;
}

} // namespace caddow
