#include "family/print/src/convert/report_conditions.h"

namespace pressel {

void ReportConditions::Open(bool value) {
    if (!CanOpen()) {
        return;
    }
    const bool enclosing = Current();
    flags_[++depth_] = enclosing && value;
}

bool ReportConditions::Close() {
    if (!CanClose()) {
        return false;
    }
    return !flags_[depth_--];
}

} // namespace pressel
