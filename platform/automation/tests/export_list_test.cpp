// The automation library exports the Automation and COM functions its users call, and its own
// C++ interface in namespace automation; nothing else.
#include "platform/testing/export_list.h"

#include <gtest/gtest.h>

namespace {

TEST(AutomationExportList, IsExactlyTheComFunctionsAndTheAutomationNamespace) {
    EXPECT_TRUE(testkit::ExportsExactly(
        AUTOMATION_LIBRARY, {"SysAllocStringByteLen", "SysFreeString", "SysStringByteLen",
                             "SysAllocStringLen", "SysAllocString", "SysStringLen", "VariantInit",
                             "VariantClear", "VariantCopy", "CLSIDFromProgID", "CoGetClassObject",
                             "CoCreateInstance", "CoFreeUnusedLibraries", "automation::*"}));
}

} // namespace
