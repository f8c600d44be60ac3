#include "family/comdlg/tests/agent_record.h"

#include <cstring>

namespace caddow_test {

AgentInfo CompleteAgent() {
    AgentInfo agent{};
    Set(agent.name, "Pat Quinn");
    Set(agent.number, "R-1001");
    Set(agent.agency, "Quinn Financial");
    Set(agent.workPhone, "303-555-0100");
    Set(agent.homePhone, "303-555-0101");
    Set(agent.fax, "303-555-0102");
    Set(agent.streetAddress, "1 Main Street");
    Set(agent.city, "Denver");
    agent.state = 5;
    Set(agent.zip, "80202");
    Set(agent.licenseNumber, "L-77");
    return agent;
}

bool SameRecord(const AgentInfo& a, const AgentInfo& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace caddow_test
