// Feeds arbitrary bytes to the runtime's readers of stored texts: numbers, dates, free-format
// fields and UTF-8. None may crash, and what they read must survive being written and read
// again.
#include "platform/runtime/date_format.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/input_fields.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/windows1252.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    try {
        // A double written with 15 digits reads back within the rounding of its last digit.
        const double value = runtime::Val(text);
        const double reread = runtime::Val(runtime::Str(value));
        Check(reread == value || std::abs(reread - value) <= std::abs(value) * 1e-14);
        runtime::Format(value, "##,###,##0.00");
        runtime::Format(text, "###,##0.#######");
    } catch (const runtime::RuntimeError& error) {
        Check(error.Number() == 6);
    }
    try {
        if (const auto number = runtime::ParseNumber(text)) {
            Check(runtime::ParseNumber(runtime::CStr(*number)).has_value());
        }
    } catch (const runtime::RuntimeError& error) {
        Check(error.Number() == 6);
    }

    if (const auto date = runtime::ParseDate(text)) {
        Check(runtime::ParseDate(runtime::FormatDate(*date, "MM/DD/YYYY")) == date);
        Check(runtime::ParseDate(runtime::FormatDate(*date, "mmmm d, yyyy")) == date);
    }

    try {
        runtime::InputIntegers(text, 4);
    } catch (const runtime::RuntimeError& error) {
        Check(error.Number() == 6 || error.Number() == 62);
    }

    const std::string bytes = runtime::Utf8ToWindows1252(text);
    Check(runtime::Utf8ToWindows1252(runtime::Windows1252ToUtf8(bytes)) == bytes);
    return 0;
}
