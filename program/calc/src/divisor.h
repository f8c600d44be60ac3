// Factors from the factor library used as divisors.
#pragma once

namespace calc {

// Results of 101 and up are codes of the factor library, never factors.
inline constexpr float kFirstFactorCode = 101.0f;

// A factor as the divisor the calculations divide by: a result code, which would divide the
// balance by a hundred or more, and a factor below 1.0 count as 1.0, so the whole balance is due.
inline float DivisorOf(float factor) {
    return factor < 1.0f || factor >= kFirstFactorCode ? 1.0f : factor;
}

} // namespace calc
