// How every member of the module reads its VARIANT arguments and writes its [out] values.
//
// Reading is lenient and never fails: integers, reals and Booleans are taken as they are, and any
// other value goes through its text (platform/automation/variant_text.h): a text of the digits 12
// where a number is expected is 12, a text of letters is 0.
#pragma once

#include "platform/automation/hresult.h"
#include "platform/automation/variant.h"

#include <cstdint>
#include <string>

namespace output {

// Integers and reals: not zero. Booleans: true unless VARIANT_FALSE. Anything else: its text is
// "TRUE" in any case.
bool VariantToBool(const VARIANT& value);

// Integers as they are; reals truncated toward zero and held to the 32-bit range; anything else
// read from its text (leading blanks, a sign, digits; no digits give 0).
std::int32_t VariantToInt(const VARIANT& value);

// Integers and reals as they are; anything else read from its text (no number gives 0.0).
double VariantToDouble(const VARIANT& value);

// Integers in decimal; reals in fixed point with the fewest decimals (up to 7 for a single, 16
// for a double) that read back as exactly the value, else with that many decimals; anything else
// as the platform writes it, with the empty text for a value that has none (null, an object).
std::string VariantToText(const VARIANT& value);

// Writers of [out] values: each clears the VARIANT first; a null target is left alone.
void SetBool(VARIANT* target, bool value);
void SetInt(VARIANT* target, std::int32_t value);
void SetDouble(VARIANT* target, double value);
void SetText(VARIANT* target, const std::string& value); // Windows-1252 text, as a BSTR

// Property getters: the value written into the [out] VARIANT, answering S_OK.
HRESULT GetBool(VARIANT* target, bool value);
HRESULT GetInt(VARIANT* target, std::int32_t value);
HRESULT GetDouble(VARIANT* target, double value);

// Members tell their outcome as a number in their Error argument and answer S_OK, so that a
// script reads the code rather than meeting an exception.
template <typename ErrorCode>
HRESULT Report(VARIANT* error, ErrorCode outcome) {
    return GetInt(error, static_cast<std::int32_t>(outcome));
}

} // namespace output
