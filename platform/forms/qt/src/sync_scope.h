// Marks the skin as bringing widgets in step with the model for the life of a scope, so that
// the Qt events this causes are not taken for user input.
#pragma once

namespace forms::qt {

class SyncScope {
public:
    explicit SyncScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~SyncScope() { flag_ = was_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

} // namespace forms::qt
