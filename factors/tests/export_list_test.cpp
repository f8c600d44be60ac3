// The library's dynamic symbol table holds exactly its twelve exports.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

// The names `nm -D --defined-only` lists for a library: the last word of each line.
std::set<std::string> DefinedDynamicSymbols(const std::string& library) {
    const std::string command =
        std::string(TALLOWMERE_NM) + " -D --defined-only '" + library + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::istringstream words(line);
        std::string word, last;
        while (words >> word) {
            last = word;
        }
        if (!last.empty()) {
            names.insert(last);
        }
    }
    return names;
}

TEST(ExportList, IsExactlyTheTwelveNames) {
    const std::set<std::string> expected{
        "CALCDATEHALFAGE",       "CALCULATEAGE",       "LIBMAIN",
        "RMDJOINTFACTOR",        "RMDJOINTFACTOR2001", "RMDSINGLEFACTOR",
        "RMDSINGLEFACTOR2001",   "_c_calculateage",    "_c_rmdjointfactor",
        "_c_rmdjointfactor2001", "_c_rmdsinglefactor", "_c_rmdsinglefactor2001",
    };
    EXPECT_EQ(DefinedDynamicSymbols(TALLOWMERE_FACTORS_LIBRARY), expected);
}

} // namespace
