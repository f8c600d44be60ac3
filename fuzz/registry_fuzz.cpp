// Class registry stores from anywhere: reading never fails, and what is read is written as a
// store that reads back as the same registry and is written again byte for byte.
#include "platform/automation/registry.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const automation::Registry loaded = automation::Registry::Parse(text);
    const std::string saved = loaded.Text();
    const automation::Registry reloaded = automation::Registry::Parse(saved);
    if (!(reloaded == loaded) || reloaded.Text() != saved) {
        std::abort();
    }
    return 0;
}
