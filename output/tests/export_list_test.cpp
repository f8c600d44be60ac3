// The module exports the four entry points of an in-process server and nothing else.
#include "platform/testing/export_list.h"

#include <gtest/gtest.h>

namespace {

TEST(OutputExportList, IsExactlyTheServerEntryPoints) {
    EXPECT_TRUE(
        testkit::ExportsExactly(OUTPUT_MODULE, {"DllCanUnloadNow", "DllGetClassObject",
                                                "DllRegisterServer", "DllUnregisterServer"}));
}

} // namespace
