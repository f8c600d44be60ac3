#include "family/data/src/progress.h"

namespace dorrick {

void Progress::Report(std::int64_t done, std::int64_t total) const {
    if (callback_ == nullptr) {
        return;
    }
    // The answer is the user's request to stop, which the operations record but do not honour:
    // they run to the end, so that they never leave a file half copied.
    callback_(argument_, total > 0 ? static_cast<int>(done * 100 / total) : 100);
}

} // namespace dorrick
