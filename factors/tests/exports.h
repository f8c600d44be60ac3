// The library's twelve exports as the tests call them. Each test program fills this table in its
// own way: factors_tests from the library it links through the public header, and
// factors_dlopen_tests with dlopen and dlsym by name, as the program binds the library. The
// tests written against it so run both ways.
#pragma once

#include "factors/tallowmere.h"

#include <string>

struct FactorExports {
    decltype(&::RMDSINGLEFACTOR) RMDSINGLEFACTOR;
    decltype(&::RMDSINGLEFACTOR2001) RMDSINGLEFACTOR2001;
    decltype(&::RMDJOINTFACTOR) RMDJOINTFACTOR;
    decltype(&::RMDJOINTFACTOR2001) RMDJOINTFACTOR2001;
    decltype(&::CALCULATEAGE) CALCULATEAGE;
    decltype(&::CALCDATEHALFAGE) CALCDATEHALFAGE;
    decltype(&::LIBMAIN) LIBMAIN;
    decltype(&::_c_rmdsinglefactor) _c_rmdsinglefactor;
    decltype(&::_c_rmdsinglefactor2001) _c_rmdsinglefactor2001;
    decltype(&::_c_rmdjointfactor) _c_rmdjointfactor;
    decltype(&::_c_rmdjointfactor2001) _c_rmdjointfactor2001;
    decltype(&::_c_calculateage) _c_calculateage;
};

// The exports of this test program; throws when the library or a name cannot be found.
const FactorExports& Exports();

// The bytes of a text result, which it frees as the program does.
inline std::string TakeText(BSTR text) {
    std::string bytes(reinterpret_cast<const char*>(text), SysStringByteLen(text));
    SysFreeString(text);
    return bytes;
}
