// The exports of the linked library, taken through its public header.
#include "factors/tests/exports.h"

const FactorExports& Exports() {
    static const FactorExports kExports{
        RMDSINGLEFACTOR,
        RMDSINGLEFACTOR2001,
        RMDJOINTFACTOR,
        RMDJOINTFACTOR2001,
        CALCULATEAGE,
        CALCDATEHALFAGE,
        LIBMAIN,
        _c_rmdsinglefactor,
        _c_rmdsinglefactor2001,
        _c_rmdjointfactor,
        _c_rmdjointfactor2001,
        _c_calculateage,
    };
    return kExports;
}
