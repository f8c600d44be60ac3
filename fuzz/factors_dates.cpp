// The factor library's date texts, which arrive from the program's input fields: any bytes must
// give a valid answer or the in-band refusal, never a crash, an overflow or an age that no two
// valid dates can give. Input: birth date, '|', as-of date.
#include "factors/tallowmere.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto separator = input.find('|');
    const std::string birth = input.substr(0, separator);
    const std::string asOf = separator == std::string::npos ? "" : input.substr(separator + 1);
    const auto mode = static_cast<std::int16_t>(size % 3 == 0 ? 0 : 1);

    // Valid years run from 1000 to 2200 and the as-of year is after the birth year.
    const std::int16_t age = CALCULATEAGE(birth.c_str(), asOf.c_str(), mode);
    if (age != -1000 && (age < 0 || age > 1201)) {
        __builtin_trap();
    }
    const auto years = static_cast<std::int16_t>(size * 2654435761u);
    BSTR halfAge = CALCDATEHALFAGE(birth.c_str(), years);
    if (halfAge == nullptr || SysStringByteLen(halfAge) > 10) {
        __builtin_trap();
    }
    SysFreeString(halfAge);
    return 0;
}
