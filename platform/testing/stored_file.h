// The switch that turns the comparisons with stored files (images, databases) into rewriting
// them: TALLOWMERE_REGENERATE set to anything but the empty text while the test runs.
#pragma once

namespace testkit {

// Whether the running tests rewrite their stored files instead of comparing with them.
bool RegeneratingStoredFiles();

// What a failure says when a stored file is missing or differs.
inline constexpr const char* kRegenerateAdvice =
    "run with TALLOWMERE_REGENERATE=1 to store this rendering";

} // namespace testkit
