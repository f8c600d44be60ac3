// Profile round trips with names from anywhere. The input is a section name, a key and a
// profile text, the names each preceded by their length in one byte. Whatever the text holds,
// a key that may be written reads back as written, and the rest of the text reads as before.
#include "platform/runtime/runtime_error.h"
#include "platform/system/profile_text.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Takes a name of the length its first byte gives from the front of `input`.
std::string_view TakeName(std::string_view& input) {
    if (input.empty()) {
        return {};
    }
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(input[0]), input.size() - 1);
    const std::string_view name = input.substr(1, length);
    input.remove_prefix(1 + length);
    return name;
}

// A name the probe below shares with the written one, once blanks and letter case are set aside.
bool SameProbe(std::string_view a, std::string_view b) {
    return sys::FindProfileValue("[" + std::string(a) + "]\nk=1\n", b, "k") == "1";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view section = TakeName(input);
    const std::string_view key = TakeName(input);
    const std::string_view text = input;
    constexpr std::string_view kValue = "Value 1200";

    std::string written;
    try {
        written = sys::SetProfileValue(text, section, key, kValue);
    } catch (const runtime::RuntimeError&) {
        return 0; // a name the format cannot hold
    }
    if (sys::FindProfileValue(written, section, key) != kValue) {
        std::abort();
    }
    // Another key of the text is as it was, unless it is the one just written.
    const bool probeWritten = SameProbe(section, "Program") && SameProbe(key, "Top");
    if (!probeWritten && sys::FindProfileValue(written, "Program", "Top") !=
                             sys::FindProfileValue(text, "Program", "Top")) {
        std::abort();
    }
    if (sys::FindProfileValue(sys::RemoveProfileKey(written, section, key), section, key)) {
        std::abort();
    }
    return 0;
}
