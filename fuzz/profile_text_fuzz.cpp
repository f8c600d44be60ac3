// Profile texts from anywhere: reading never fails, and a written key always reads back.
#include "platform/system/profile_text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sys::FindProfileValue(text, "Agent Information", "First");
    const std::string written = sys::SetProfileValue(text, "Program", "Top", "1200");
    if (sys::FindProfileValue(written, "program", "TOP") != "1200") {
        std::abort();
    }
    if (sys::FindProfileValue(sys::RemoveProfileKey(written, "Program", "Top"), "Program", "Top")) {
        std::abort();
    }
    return 0;
}
