// The nesting of the template's conditional stretches ("$#if" ... "$#endif"): up to nine
// conditions inside the document's own, which is always true. A stretch is included only when
// its condition and every enclosing one hold.
#pragma once

#include <array>

namespace pressel {

class ReportConditions {
public:
    static constexpr int kMaxDepth = 9;

    // Whether a further "$#if" is a macro; at the deepest level it is ordinary text.
    bool CanOpen() const { return depth_ < kMaxDepth; }
    // Whether "$#endif" is a macro; with no open condition it is ordinary text.
    bool CanClose() const { return depth_ > 0; }
    // Whether the stretch being read is included.
    bool Current() const { return flags_[depth_]; }

    // Opens a condition; inside an excluded stretch it is false whatever `value` says.
    void Open(bool value);
    // Closes the innermost condition, answering whether it was false.
    bool Close();
    // Back to the document's level alone.
    void Reset() { depth_ = 0; }

private:
    std::array<bool, kMaxDepth + 1> flags_{true};
    int depth_ = 0;
};

} // namespace pressel
