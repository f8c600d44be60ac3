// The library's dynamic symbol table holds exactly its twelve exports.
#include "platform/testing/export_list.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportList, IsExactlyTheTwelveNames) {
    EXPECT_TRUE(testkit::ExportsExactly(TALLOWMERE_FACTORS_LIBRARY, {
                                                                        "CALCDATEHALFAGE",
                                                                        "CALCULATEAGE",
                                                                        "LIBMAIN",
                                                                        "RMDJOINTFACTOR",
                                                                        "RMDJOINTFACTOR2001",
                                                                        "RMDSINGLEFACTOR",
                                                                        "RMDSINGLEFACTOR2001",
                                                                        "_c_calculateage",
                                                                        "_c_rmdjointfactor",
                                                                        "_c_rmdjointfactor2001",
                                                                        "_c_rmdsinglefactor",
                                                                        "_c_rmdsinglefactor2001",
                                                                    }));
}

} // namespace
