// Progress of a long operation as the host's callback hears it: whole percents of done over
// total, worked out in 64 bits so that large files cannot overflow them.
#pragma once

#include "family/data/dorrick.h"

#include <cstdint>

namespace dorrick {

class Progress {
public:
    Progress(void* argument, DataProgressCallback callback)
        : argument_(argument), callback_(callback) {}

    // A total of 0 or less (a damaged count) reports 100.
    void Report(std::int64_t done, std::int64_t total) const;

private:
    void* argument_;
    DataProgressCallback callback_;
};

} // namespace dorrick
