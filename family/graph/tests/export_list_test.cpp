// The library's dynamic symbol table holds exactly its five exports.
#include "platform/testing/export_list.h"

namespace {

TEST(PlotwenExportList, IsExactlyTheFiveNames) {
    EXPECT_TRUE(testkit::ExportsExactly(
        TALLOWMERE_PLOTWEN_LIBRARY,
        {"DllMain", "_DOGRAPHBASIC", "_DOGRAPHDRAW", "_DOGRAPHDRAWX", "_GRAPHVERSION"}));
}

} // namespace
