#include "program/calc/factor_library.h"

#include "factors/tallowmere.h"

#include "platform/automation/bstr.h"
#include "platform/runtime/runtime_error.h"

#include <dlfcn.h>

#include <type_traits>

namespace calc {

namespace {

constexpr std::array<const char*, 6> kExportNames = {"CALCDATEHALFAGE", "CALCULATEAGE",
                                                     "RMDJOINTFACTOR",  "RMDJOINTFACTOR2001",
                                                     "RMDSINGLEFACTOR", "RMDSINGLEFACTOR2001"};

// The signatures of the exports.
using DateHalfAgeFunction = BSTR(const char* birthDate, std::int16_t years);
using AgeFunction = std::int16_t(const char* birthDate, const char* asOfDate, std::int16_t mode);
using JointFunction = float(std::int16_t firstAge, std::int16_t secondAge, std::int16_t mode);
using SingleFunction = float(std::int16_t mode, std::int16_t startAge, std::int16_t currentAge);

// The library's header declares the same signatures; it is read for that check only, never
// linked.
static_assert(std::is_same_v<decltype(::CALCDATEHALFAGE), DateHalfAgeFunction>);
static_assert(std::is_same_v<decltype(::CALCULATEAGE), AgeFunction>);
static_assert(std::is_same_v<decltype(::RMDJOINTFACTOR), JointFunction>);
static_assert(std::is_same_v<decltype(::RMDJOINTFACTOR2001), JointFunction>);
static_assert(std::is_same_v<decltype(::RMDSINGLEFACTOR), SingleFunction>);
static_assert(std::is_same_v<decltype(::RMDSINGLEFACTOR2001), SingleFunction>);

} // namespace

FactorLibrary::FactorLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

FactorLibrary::~FactorLibrary() {
    if (void* handle = handle_.load()) {
        dlclose(handle);
    }
}

FactorLibrary& FactorLibrary::Program() {
    static FactorLibrary library("libtallowmere.so");
    return library;
}

void* FactorLibrary::Function(Export which) {
    if (void* function = functions_[which].load(std::memory_order_acquire)) {
        return function;
    }
    std::lock_guard lock(binding_);
    void* handle = handle_.load();
    if (!handle) {
        handle = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            throw runtime::RuntimeError(runtime::ErrorNumber::FileNotFound,
                                        fileName_ +
                                            (reason ? std::string(" (") + reason + ")" : ""));
        }
        handle_.store(handle);
    }
    void* function = dlsym(handle, kExportNames[which]);
    if (!function) {
        throw runtime::RuntimeError(runtime::ErrorNumber::DllEntryPointNotFound,
                                    std::string(kExportNames[which]) + " in " + fileName_);
    }
    functions_[which].store(function, std::memory_order_release);
    return function;
}

std::string FactorLibrary::CALCDATEHALFAGE(const std::string& birthDate, std::int16_t years) {
    BSTR result = Bound<DateHalfAgeFunction>(kCalcDateHalfAge)(birthDate.c_str(), years);
    std::string text(reinterpret_cast<const char*>(result), SysStringByteLen(result));
    SysFreeString(result);
    return text;
}

std::int16_t FactorLibrary::CALCULATEAGE(const std::string& birthDate, const std::string& asOfDate,
                                         AgeMode mode) {
    return Bound<AgeFunction>(kCalculateAge)(birthDate.c_str(), asOfDate.c_str(),
                                             static_cast<std::int16_t>(mode));
}

float FactorLibrary::RMDJOINTFACTOR(std::int16_t firstAge, std::int16_t secondAge,
                                    JointFactorMode mode) {
    return Bound<JointFunction>(kJoint)(firstAge, secondAge, static_cast<std::int16_t>(mode));
}

float FactorLibrary::RMDJOINTFACTOR2001(std::int16_t firstAge, std::int16_t secondAge,
                                        JointFactorMode mode) {
    return Bound<JointFunction>(kJoint2001)(firstAge, secondAge, static_cast<std::int16_t>(mode));
}

float FactorLibrary::RMDSINGLEFACTOR(SingleFactorMode mode, std::int16_t startAge,
                                     std::int16_t currentAge) {
    return Bound<SingleFunction>(kSingle)(static_cast<std::int16_t>(mode), startAge, currentAge);
}

float FactorLibrary::RMDSINGLEFACTOR2001(SingleFactorMode mode, std::int16_t startAge,
                                         std::int16_t currentAge) {
    return Bound<SingleFunction>(kSingle2001)(static_cast<std::int16_t>(mode), startAge,
                                              currentAge);
}

} // namespace calc
