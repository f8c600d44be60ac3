// The program's binding of the factor library. The library is loaded by its file name at the
// first call into it, and each function is looked up by its exported name at its own first call;
// later calls go straight to the function found. A library that cannot be loaded raises the
// runtime's "File not found" error and a missing export its "entry point" error (453); both
// reach the caller, and the next call tries again.
//
// Arguments and results cross as the library defines them: ages and modes as 16-bit integers (the
// modes are enums here and converted at the call),
// dates as single-byte "MM/DD/YYYY" texts, factors as single-precision floats with result codes
// (101 and up) in band, ages with -1000 for a refused date. A text result is taken over and
// freed here.
#pragma once

#include "program/calc/factor_modes.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace calc {

class FactorLibrary {
public:
    // Binds the library of that file name, found as the dynamic loader finds libraries.
    explicit FactorLibrary(std::string fileName);
    ~FactorLibrary();
    FactorLibrary(const FactorLibrary&) = delete;
    FactorLibrary& operator=(const FactorLibrary&) = delete;

    // The program's binding of "libtallowmere.so".
    static FactorLibrary& Program();

    // The date on which a person born on `birthDate` reaches `years` and a half, "MM/DD/YYYY";
    // "00/00/0000" for a refused birth date.
    std::string CALCDATEHALFAGE(const std::string& birthDate, std::int16_t years);
    // Whole years from `birthDate` to `asOfDate`, or -1000.
    std::int16_t CALCULATEAGE(const std::string& birthDate, const std::string& asOfDate,
                              AgeMode mode);
    // Joint-and-last-survivor or Uniform Lifetime divisor, by mode.
    float RMDJOINTFACTOR(std::int16_t firstAge, std::int16_t secondAge, JointFactorMode mode);
    float RMDJOINTFACTOR2001(std::int16_t firstAge, std::int16_t secondAge, JointFactorMode mode);
    // Single Life divisor at the start age, less the years since, by mode.
    float RMDSINGLEFACTOR(SingleFactorMode mode, std::int16_t startAge, std::int16_t currentAge);
    float RMDSINGLEFACTOR2001(SingleFactorMode mode, std::int16_t startAge,
                              std::int16_t currentAge);

private:
    enum Export { kCalcDateHalfAge, kCalculateAge, kJoint, kJoint2001, kSingle, kSingle2001 };
    static constexpr int kExportCount = 6;

    // The address of an export, loading the library and looking the name up when needed.
    void* Function(Export which);
    template <typename Signature>
    Signature* Bound(Export which) {
        return reinterpret_cast<Signature*>(Function(which));
    }

    std::string fileName_;
    std::mutex binding_;
    std::atomic<void*> handle_{nullptr};
    std::array<std::atomic<void*>, kExportCount> functions_{};
};

} // namespace calc
